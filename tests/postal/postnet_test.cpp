// POSTNET digits, delivery points, the validity gate and the bar sequence.
#include "postal/postnet.h"

#include <gtest/gtest.h>

#include <random>

#include "qstring_printer.h"

namespace pc::postal {
namespace {

using Type = TPostNetBarCodeType;

QString encoded(const char* zip, const char* street, Type type) {
    return PostNetEncodedDigits(QString::fromUtf8(zip), QString::fromUtf8(street), type)
        .value_or(QStringLiteral("none"));
}

TEST(PostNet, EncodesTheDigitsEachTypeKeeps) {
    EXPECT_EQ(encoded("12345-6789", "123 MAIN ST", Type::pnbc11Digit), "123456789230");
    EXPECT_EQ(encoded("12345", "", Type::pnbc5Digit), "123455");
    EXPECT_EQ(encoded("12345-6789", "123 MAIN ST", Type::pnbc5Digit), "123455");
    EXPECT_EQ(encoded("12345-6789", "123 MAIN ST", Type::pnbc9Digit), "1234567895");
    EXPECT_EQ(encoded("1-2-3", "", Type::pnbc9Digit), "1234");
    // No count is checked: a five-digit code under the 11-digit type.
    EXPECT_EQ(encoded("12345", "7 ELM", Type::pnbc11Digit), "12345078");
}

TEST(PostNet, TheGateRefusesWhatIsNotAPostalCode) {
    for (const char* zip : {"ABCDE", "K1A 0B1", "99999-99999", "", "1234", "-1234", " 12345"})
        EXPECT_EQ(encoded(zip, "123 MAIN ST", Type::pnbc11Digit), "none") << zip;
    EXPECT_TRUE(PostNetCodeIsValid(QStringLiteral("00000")));
    EXPECT_TRUE(PostNetCodeIsValid(QStringLiteral("99999-9999")));
    EXPECT_FALSE(PostNetCodeIsValid(QStringLiteral("Ü2345")));
}

TEST(PostNet, DeliveryPointIsTheLastNumberThatIsNoOrdinalOrFraction) {
    const std::pair<const char*, const char*> cases[] = {
        {"123 MAIN ST", "23"},
        {"123 1/2 MAIN ST", "23"},
        {"123 MAIN ST APT 4", "04"},
        {"5TH AVE", "99"},
        {"PO BOX 45", "45"},
        {"", "99"},
        {"1 NAPOLEON AVE", "99"},
        {"PSC 1 BOX 2 fpo ae", "99"},
        {"4-B ELM", "04"},
        {"12B ELM", "12"},
        {"221b baker st", "21"},
        {"350 5TH AVE", "50"},
        {"12 1ST ST", "12"},
        {"9", "09"},
        {"  ", "99"},
    };
    for (const auto& [street, point] : cases)
        EXPECT_EQ(DeliveryPointFromAddress(QString::fromUtf8(street)), point) << street;
}

TEST(PostNet, CheckDigitCompletesAMultipleOfTen) {
    EXPECT_EQ(PostNetCheckDigit(QStringLiteral("12345678923")), 0);
    EXPECT_EQ(PostNetCheckDigit(QStringLiteral("12345")), 5);
    EXPECT_EQ(PostNetCheckDigit(QString()), 0);
    EXPECT_EQ(PostNetCheckDigit(QStringLiteral("9")), 1);
}

TEST(PostNet, BarsCarryFramesAndTwoFullBarsPerDigit) {
    EXPECT_EQ(PostNetBars(QStringLiteral("0123456789")),
              "F"
              "FFHHHHHHFFHHFHFHHFFHHFHHFHFHFHHFFHHFHHHFFHHFHFHFHH"
              "F");
    const QString bars = PostNetBars(QStringLiteral("123456789230"));
    EXPECT_EQ(bars.size(), 62);
    EXPECT_EQ(bars.count(QLatin1Char('F')), 2 + 2 * 12);
    EXPECT_EQ(PostNetBars(QStringLiteral("123455")).size(), 32);
    EXPECT_NEAR(PostNetWidthInches(32), 1.441, 1e-9);
    EXPECT_NEAR(PostNetWidthInches(62), 2.821, 1e-9);
}

TEST(PostNet, AnyTextIsSafeInput) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> unit(0, 0x2FF);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 2000; ++round) {
        QString zip, street;
        for (int i = length(rng); i > 0; --i)
            zip += QChar(unit(rng) % 3 ? u'0' + unit(rng) % 10 : unit(rng));
        for (int i = length(rng); i > 0; --i)
            street += QChar(unit(rng) % 2 ? u'0' + unit(rng) % 10 : unit(rng));
        const QString point = DeliveryPointFromAddress(street);
        ASSERT_EQ(point.size(), 2);
        ASSERT_EQ(DigitsOnly(point), point);
        if (const auto digits =
                PostNetEncodedDigits(zip, street, TPostNetBarCodeType::pnbc11Digit)) {
            ASSERT_EQ(DigitsOnly(*digits), *digits);
            ASSERT_EQ(PostNetCheckDigit(*digits), 0) << "the check digit completes the sum";
            ASSERT_EQ(PostNetBars(*digits).size(), 5 * digits->size() + 2);
        }
    }
}

}  // namespace
}  // namespace pc::postal
