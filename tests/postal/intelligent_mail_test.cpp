// The Intelligent Mail barcode against the standard's worked examples.
#include "postal/intelligent_mail.h"

#include <gtest/gtest.h>

#include <QSet>
#include <random>

#include "qstring_printer.h"

namespace pc::postal {
namespace {

const QString kTracking = QStringLiteral("01234567094987654321");

TEST(IntelligentMail, MatchesTheStandardsWorkedExamples) {
    EXPECT_EQ(IntelligentMailBars(kTracking, {}),
              "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT");
    EXPECT_EQ(IntelligentMailBars(kTracking, QStringLiteral("01234567891")),
              "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA");
}

TEST(IntelligentMail, IntermediateValuesOfTheFullExample) {
    const ImbEncoding e = EncodeIntelligentMail(kTracking, QStringLiteral("01234567891"));
    const std::array<std::uint8_t, 13> binary = {0x01, 0x69, 0x07, 0xB2, 0xA2, 0x4A, 0xBC,
                                                 0x16, 0xA2, 0xE5, 0xC0, 0x04, 0xB1};
    EXPECT_EQ(e.binary, binary);
    EXPECT_EQ(e.frameCheck, 0x751);
}

TEST(IntelligentMail, EveryRoutingLengthGivesItsOwnBars) {
    QSet<QString> seen;
    for (const char* routing : {"", "01234", "012345678", "01234567891"}) {
        const QString bars = IntelligentMailBars(kTracking, QString::fromLatin1(routing));
        EXPECT_EQ(bars.size(), kImbBarCount) << routing;
        seen.insert(bars);
    }
    EXPECT_EQ(seen.size(), 4);
    // The largest values still fit the 102 bits.
    EXPECT_EQ(
        IntelligentMailBars(QStringLiteral("94999999999999999999"), QStringLiteral("99999999999"))
            .size(),
        kImbBarCount);
}

TEST(IntelligentMail, BadInputNamesTheProblemAndDrawsNothing) {
    const std::tuple<const char*, const char*, ImbError> cases[] = {
        {"0123456709498765432", "", ImbError::TrackingLength},
        {"012345670949876543210", "", ImbError::TrackingLength},
        {"", "", ImbError::TrackingLength},
        {"0123456709498765432X", "", ImbError::TrackingNotDigits},
        {"0123456709498765432 ", "", ImbError::TrackingNotDigits},
        {"05234567094987654321", "", ImbError::TrackingSecondDigit},
        {"09234567094987654321", "", ImbError::TrackingSecondDigit},
        {"01234567094987654321", "1234", ImbError::RoutingLength},
        {"01234567094987654321", "0123456789", ImbError::RoutingLength},
        {"01234567094987654321", "123456789012", ImbError::RoutingLength},
        {"01234567094987654321", "1234A", ImbError::RoutingNotDigits},
        {"01234567094987654321", "12345-6789", ImbError::RoutingNotDigits},
    };
    for (const auto& [tracking, routing, error] : cases) {
        const ImbEncoding e =
            EncodeIntelligentMail(QString::fromLatin1(tracking), QString::fromLatin1(routing));
        EXPECT_EQ(e.error, error) << tracking << " / " << routing;
        EXPECT_TRUE(e.bars.isEmpty());
        EXPECT_FALSE(ImbErrorText(error).isEmpty());
    }
}

TEST(IntelligentMail, GeometryStaysWithinTheStandardsLimits) {
    EXPECT_GE(1.0 / kImbBarPitch, 20.0);
    EXPECT_LE(1.0 / kImbBarPitch, 24.0);
    EXPECT_GE(IntelligentMailWidthInches(), 2.667);
    EXPECT_LE(IntelligentMailWidthInches(), 3.225);
}

TEST(IntelligentMail, AnyTextIsSafeInput) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> unit(0, 0x2FF);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 2000; ++round) {
        QString tracking, routing;
        for (int i = length(rng); i > 0; --i)
            tracking += QChar(unit(rng) % 8 ? u'0' + unit(rng) % 10 : unit(rng));
        for (int i = length(rng) / 2; i > 0; --i)
            routing += QChar(unit(rng) % 8 ? u'0' + unit(rng) % 10 : unit(rng));
        const ImbEncoding e = EncodeIntelligentMail(tracking, routing);
        ASSERT_EQ(e.bars.isEmpty(), e.error != ImbError::None);
        ASSERT_TRUE(e.bars.isEmpty() || e.bars.size() == kImbBarCount);
    }
}

}  // namespace
}  // namespace pc::postal
