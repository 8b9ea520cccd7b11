// The encoders against an independent implementation: the zint command,
// when it is installed, encodes the same inputs and dumps its bars.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <random>

#include "postal/fim.h"
#include "postal/intelligent_mail.h"
#include "postal/postnet.h"
#include "qstring_printer.h"

namespace pc::postal {
namespace {

QString zintPath() {
    return QStandardPaths::findExecutable(QStringLiteral("zint"));
}

// Runs zint over one input per line and returns its dump: rows of hex
// digits, one row per bar row of each symbol, symbols in input order.
QStringList zintDump(const QString& symbology, const QStringList& inputs) {
    QProcess zint;
    zint.start(zintPath(), {QStringLiteral("--barcode=") + symbology, QStringLiteral("--batch"),
                            QStringLiteral("--dump"), QStringLiteral("--input=-")});
    EXPECT_TRUE(zint.waitForStarted());
    zint.write((inputs.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1());
    zint.closeWriteChannel();
    EXPECT_TRUE(zint.waitForFinished(-1));
    EXPECT_EQ(zint.exitCode(), 0) << zint.readAllStandardError().toStdString();
    return QString::fromLatin1(zint.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Whether module `i` of a dumped row is dark.
bool dark(const QString& row, int i) {
    QString hex = row;
    hex.remove(QLatin1Char(' '));
    const int nibble = hex.mid(i / 4, 1).toInt(nullptr, 16);
    return nibble & (8 >> (i % 4));
}

// Bars stand on even modules, a gap between each.
QString fourStateBars(const QString& top, const QString& bottom, int count) {
    QString bars;
    for (int bar = 0; bar < count; ++bar) {
        const bool up = dark(top, 2 * bar), down = dark(bottom, 2 * bar);
        bars += QLatin1Char(up ? (down ? 'F' : 'A') : (down ? 'D' : 'T'));
    }
    return bars;
}

QString randomDigits(std::mt19937& rng, int count, char highest = '9') {
    std::uniform_int_distribution<int> d('0', highest);
    QString s;
    for (int i = 0; i < count; ++i) s += QLatin1Char(static_cast<char>(d(rng)));
    return s;
}

class ZintOracle : public ::testing::Test {
  protected:
    void SetUp() override {
        if (zintPath().isEmpty()) GTEST_SKIP() << "zint is not installed; oracle check skipped";
    }
    std::mt19937 rng{20260};
};

TEST_F(ZintOracle, IntelligentMailAgreesOnRandomInputs) {
    constexpr int kCount = 400;
    const int routingLengths[] = {0, 5, 9, 11};
    QStringList inputs;
    std::vector<std::pair<QString, QString>> cases;
    for (int i = 0; i < kCount; ++i) {
        QString tracking = randomDigits(rng, 1) + randomDigits(rng, 1, '4') + randomDigits(rng, 18);
        QString routing = randomDigits(rng, routingLengths[i % 4]);
        inputs << (routing.isEmpty() ? tracking : tracking + QLatin1Char('-') + routing);
        cases.emplace_back(tracking, routing);
    }
    const QStringList rows = zintDump(QStringLiteral("USPS_IMAIL"), inputs);
    ASSERT_EQ(rows.size(), 3 * kCount);
    for (int i = 0; i < kCount; ++i) {
        const auto& [tracking, routing] = cases[static_cast<std::size_t>(i)];
        EXPECT_EQ(IntelligentMailBars(tracking, routing),
                  fourStateBars(rows[3 * i], rows[3 * i + 2], kImbBarCount))
            << inputs[i].toStdString();
    }
}

TEST_F(ZintOracle, PostNetAgreesOnRandomCodes) {
    constexpr int kCount = 60;
    const int lengths[] = {5, 9, 11};
    QStringList inputs;
    for (int i = 0; i < kCount; ++i) inputs << randomDigits(rng, lengths[i % 3]);
    const QStringList rows = zintDump(QStringLiteral("POSTNET"), inputs);
    ASSERT_EQ(rows.size(), 2 * kCount);
    for (int i = 0; i < kCount; ++i) {
        const QString ours = PostNetBars(inputs[i] + QChar(u'0' + PostNetCheckDigit(inputs[i])));
        QString theirs;
        for (int bar = 0; bar < ours.size(); ++bar)
            theirs += QLatin1Char(dark(rows[2 * i], 2 * bar) ? 'F' : 'H');
        EXPECT_EQ(ours, theirs) << inputs[i].toStdString();
    }
}

TEST_F(ZintOracle, FimColumnsAgree) {
    using T = TFIMBarCodeType;
    const std::pair<T, const char*> types[] = {
        {T::fimTypeA, "A"}, {T::fimTypeB, "B"}, {T::fimTypeC, "C"}, {T::fimTypeD, "D"}};
    for (const auto& [type, letter] : types) {
        const QStringList rows = zintDump(QStringLiteral("FIM"), {QString::fromLatin1(letter)});
        ASSERT_EQ(rows.size(), 1);
        std::vector<int> columns;
        for (int column = 1; column <= kFimColumns; ++column)
            if (dark(rows[0], column - 1)) columns.push_back(column);
        EXPECT_EQ(FimBarColumns(type), columns) << letter;
    }
}

}  // namespace
}  // namespace pc::postal
