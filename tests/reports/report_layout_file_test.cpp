// The report layout file: three bands and the settings list survive a
// round trip; lengths are thousandths of an inch at any screen resolution;
// damaged files give an error and nothing else.
#include "reports/report_layout_file.h"

#include <gtest/gtest.h>

#include "design/component_stream.h"
#include "design/date_time_label.h"
#include "design/graphic_object.h"
#include "design/page_number_label.h"
#include "design/report_shapes.h"
#include "design/text_label.h"
#include "qstring_printer.h"

namespace pc::reports {
namespace {

using namespace pc::design;

struct Bands {
    ObjectList header, detail, footer;
    ConstObjects of(const ObjectList& list) const {
        ConstObjects out;
        for (const auto& o : list) out.push_back(o.get());
        return out;
    }
    QByteArray write(const ReportSettings& s) const {
        return writeReportLayout(of(header), of(detail), of(footer), s);
    }
};

Bands sampleBands() {
    Bands b;
    auto title = std::make_unique<TGPLabel>();
    title->setCaption(QStringLiteral("Members"));
    title->setBounds(10, 4, 120, 20);
    b.header.push_back(std::move(title));
    auto stamp = std::make_unique<TGDateTimeLabel>();
    stamp->setTimeFormat(TTimeFormat::dtfTimeLong);
    b.header.push_back(std::move(stamp));
    auto box = std::make_unique<Trpshapes>();
    box->setShape(TGLabelShapes::Shape::stEllipse);
    b.detail.push_back(std::move(box));
    b.footer.push_back(std::make_unique<TGPageNumberLabel>());
    return b;
}

ReportSettings sampleSettings() {
    ReportSettings s = newReportSettings(96);
    s.useMemo = true;
    s.useFooter = true;
    s.memoFont = {QStringLiteral("Times New Roman"), 12, true, false};
    s.memoAlignment = MemoAlignment::Centered;
    s.frame(ReportBand::Memo) = {true, false, true, true, 2, 40, QColor(10, 20, 30)};
    s.footerHeight = 48;
    return s;
}

TEST(ReportLayoutFile, RoundTripKeepsBandsAndSettings) {
    const Bands bands = sampleBands();
    const ReportSettings settings = sampleSettings();
    const QByteArray bytes = bands.write(settings);
    const ReportLayout read = readReportLayout(bytes, newReportSettings(96));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.header.size(), 2u);
    EXPECT_STREQ(read.header[1]->className(), "TGDateTimeLabel");
    EXPECT_EQ(static_cast<TGDateTimeLabel&>(*read.header[1]).timeFormat(),
              TTimeFormat::dtfTimeLong);
    ASSERT_EQ(read.detail.size(), 1u);
    EXPECT_STREQ(read.detail[0]->className(), "Trpshapes");
    ASSERT_EQ(read.footer.size(), 1u);
    EXPECT_STREQ(read.footer[0]->className(), "TGPageNumberLabel");
    EXPECT_EQ(read.settings, settings);
    // Written again, the same bytes.
    Bands again;
    again.header = std::move(const_cast<ReportLayout&>(read).header);
    again.detail = std::move(const_cast<ReportLayout&>(read).detail);
    again.footer = std::move(const_cast<ReportLayout&>(read).footer);
    EXPECT_EQ(again.write(read.settings), bytes);
}

TEST(ReportLayoutFile, LengthsAreThousandthsOfAnInchAtAnyResolution) {
    for (int ppi : {96, 120}) {
        const ReportSettings s = newReportSettings(ppi);
        const auto values = settingsValues(s);
        ASSERT_EQ(values.size(), 50u);
        EXPECT_EQ(values[0].integer, 8500) << ppi;
        EXPECT_EQ(values[1].integer, 11000) << ppi;
        EXPECT_EQ(values[2].integer, 500) << ppi;
    }
    // Band heights are truncated going out and rounded coming back.
    EXPECT_EQ(toThousandths(33, 96), 343);
    EXPECT_EQ(fromThousandths(343, 96), 33);
    ReportSettings at120 = newReportSettings(120);
    ASSERT_TRUE(readSettingsValues(settingsValues(newReportSettings(96)), at120).isEmpty());
    EXPECT_EQ(at120.pageWidth, 1020);
    EXPECT_EQ(at120.pageHeight, 1320);
    EXPECT_EQ(layoutText(at120), QStringLiteral("Letter Size, Portrait"));
}

TEST(ReportLayoutFile, PageTextAndShadeMixing) {
    ReportSettings s = newReportSettings(96);
    std::swap(s.pageWidth, s.pageHeight);
    EXPECT_EQ(layoutText(s), QStringLiteral("Letter Size, Landscape"));
    s.pageWidth = 793;  // 8.27 in
    s.pageHeight = 1121;
    EXPECT_EQ(layoutText(s), QStringLiteral("A4 Size, Portrait"));
    s.pageWidth = 700;
    EXPECT_EQ(layoutText(s), QString());
    EXPECT_EQ(mixWithWhite(QColor(0, 0, 255), 100), QColor(0, 0, 255));
    EXPECT_EQ(mixWithWhite(QColor(0, 0, 255), 0), QColor(255, 255, 255));
    EXPECT_EQ(mixWithWhite(QColor(0, 100, 255), 40), QColor(153, 193, 255));
}

TEST(ReportLayoutFile, DamagedFilesGiveAnErrorAndNothingElse) {
    const QByteArray bytes = sampleBands().write(sampleSettings());
    const ReportSettings before = newReportSettings(96);
    // Every truncation.
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        const ReportLayout read = readReportLayout(bytes.left(n), before);
        ASSERT_FALSE(read.ok()) << n;
        EXPECT_TRUE(read.header.empty() && read.detail.empty() && read.footer.empty());
        EXPECT_EQ(read.settings, before);
    }
    EXPECT_FALSE(readReportLayout(bytes + "x", before).ok());
    // A label layout (one list) is not a report.
    EXPECT_FALSE(readReportLayout(writeComponents({}), before).ok());

    const auto withValues = [](std::vector<StreamValue> values) {
        QByteArray out = writeComponents({}) + writeComponents({}) + writeComponents({});
        writeValue(out, StreamValue::makeList(std::move(values)));
        return out;
    };
    auto values = settingsValues(sampleSettings());
    EXPECT_TRUE(readReportLayout(withValues(values), before).ok());
    auto shortList = values;
    shortList.pop_back();
    const ReportLayout tooFew = readReportLayout(withValues(shortList), before);
    EXPECT_FALSE(tooFew.ok());
    EXPECT_TRUE(tooFew.error.contains(QStringLiteral("49 values"))) << tooFew.error.toStdString();
    auto wrongType = values;
    wrongType[9] = StreamValue::makeInteger(1);  // use header is a boolean
    EXPECT_FALSE(readReportLayout(withValues(wrongType), before).ok());
    auto hostile = values;
    hostile[0] = StreamValue::makeInteger(2000000000);
    EXPECT_FALSE(readReportLayout(withValues(hostile), before).ok());
    auto badColour = values;
    badColour[28] = StreamValue::makeInteger(0x1000000);
    EXPECT_FALSE(readReportLayout(withValues(badColour), before).ok());

    // A label-only class in a band.
    StreamComponent counter{"TGCounterLabel", "Component1", {}};
    QByteArray foreign = writeComponents({counter}) + writeComponents({}) + writeComponents({});
    writeValue(foreign, StreamValue::makeList(values));
    const ReportLayout refused = readReportLayout(foreign, before);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error.contains(QStringLiteral("TGCounterLabel")));
}

TEST(ReportLayoutFile, DateTimeTextWithoutDateBeginsWithTheBlank) {
    const QDateTime moment(QDate(2026, 3, 4), QTime(9, 5, 0));
    const QString timeOnly =
        dateTimeText(moment, TDateFormat::dtfDateNone, TTimeFormat::dtfTimeShort);
    ASSERT_FALSE(timeOnly.isEmpty());
    EXPECT_EQ(timeOnly.front(), QLatin1Char(' '));
    EXPECT_NE(timeOnly.at(1), QLatin1Char(' '));
    EXPECT_TRUE(dateTimeText(moment, TDateFormat::dtfDateNone, TTimeFormat::dtfTimeNone).isEmpty());
    const QString date = dateTimeText(moment, TDateFormat::dtfDateShort, TTimeFormat::dtfTimeNone);
    EXPECT_FALSE(date.startsWith(QLatin1Char(' ')));
    EXPECT_EQ(dateTimeText(moment, TDateFormat::dtfDateShort, TTimeFormat::dtfTimeShort),
              date + timeOnly);
}

}  // namespace
}  // namespace pc::reports
