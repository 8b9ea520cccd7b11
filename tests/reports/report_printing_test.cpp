// Report runs over a small address table: which records each choice
// prints, and how user-defined reports and the record sheet fill pages.
#include <QPainter>
#include <map>

#include "../data/data_test_support.h"
#include "data/address_schema.h"
#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "design/data_label.h"
#include "design/page_number_label.h"
#include "design/report_panel.h"
#include "design/table_merge_source.h"
#include "design/text_label.h"
#include "print/print_engine.h"
#include "reports/built_in_report.h"
#include "reports/record_sheet.h"
#include "reports/report_selection.h"
#include "reports/user_report.h"

namespace pc::reports {
namespace {

using Row = std::map<QString, QString>;

class ReportPrintingTest : public pc::test::DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable());
        data::setNameFieldsVisible(table, true);
    }
    void TearDown() override {
        table.close();
        DataTest::TearDown();
    }
    void addRow(const Row& row) {
        table.insert();
        for (const auto& [name, value] : row) table.fieldByName(name).setText(value);
        table.post();
    }
    // Last names of the records the selection walks, in order.
    QStringList walk(const ReportChoices& choices, int builtIn = 0) {
        ReportSelection selection(table, engine, choices, builtIn);
        QStringList names;
        for (; !table.eof(); table.next())
            names << table.fieldByName(QStringLiteral("LNAME")).text().trimmed();
        return names;
    }
    void goToName(const QString& last) {
        for (table.first(); !table.eof(); table.next())
            if (table.fieldByName(QStringLiteral("LNAME")).text().trimmed() == last) return;
    }
    void sample() {
        addRow({{"LNAME", "Delta"}, {"PREFIX", "Mr."}});
        addRow({{"LNAME", ""}, {"FNAME", "Nameless"}});
        addRow({{"LNAME", "Alpha"}, {"PREFIX", "DeLeTeD"}});
        addRow({{"LNAME", "Bravo"}, {"ISDEL", "T"}});
        addRow({{"LNAME", "Charlie"}});
        engine.setOrder(engine.tagArea(QStringLiteral("LNAME")));
        table.first();
    }

    pc::data::TTable table;
    pc::data::TApollo engine{&table};
};

TEST_F(ReportPrintingTest, AllRecordsSkipsPrefixDeletedNotTheDeletedFlag) {
    sample();
    EXPECT_EQ(walk({RecordChoice::All}), (QStringList{"", "Bravo", "Charlie", "Delta"}));
    // Built-in reports 1 to 3 start at the first key at or after "0".
    EXPECT_EQ(walk({RecordChoice::All}, 1), (QStringList{"Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(walk({RecordChoice::All}, 4), (QStringList{"", "Bravo", "Charlie", "Delta"}));
}

TEST_F(ReportPrintingTest, MatchingFilterKeepsTheTablesFilterAndRestoresIt) {
    sample();
    ASSERT_TRUE(engine.setQuery(QStringLiteral("!ISDEL")));
    goToName(QStringLiteral("Charlie"));
    const int charlie = engine.recNo();
    EXPECT_EQ(walk({RecordChoice::MatchingFilter}), (QStringList{"", "Alpha", "Charlie", "Delta"}));
    EXPECT_EQ(engine.query(), QStringLiteral("!ISDEL"));
    EXPECT_EQ(engine.recNo(), charlie);
    // From the current record on.
    EXPECT_EQ(walk({RecordChoice::MatchingFilter, true}), (QStringList{"Charlie", "Delta"}));
}

TEST_F(ReportPrintingTest, OnlyCurrentRecord) {
    sample();
    goToName(QStringLiteral("Charlie"));
    EXPECT_EQ(walk({RecordChoice::CurrentOnly}), QStringList{"Charlie"});
    EXPECT_EQ(walk({RecordChoice::CurrentOnly}, 1), QStringList{"Charlie"});
    // An empty last name sorts before "0": report 1 prints nothing.
    goToName(QString());
    EXPECT_EQ(walk({RecordChoice::CurrentOnly}, 1), QStringList{});
    EXPECT_EQ(walk({RecordChoice::CurrentOnly}, 4), QStringList{""});
    EXPECT_EQ(walk({RecordChoice::CurrentOnly, true}, 1), QStringList{""});
}

TEST_F(ReportPrintingTest, StartOutsideTheSelectionSaysSoAndStartsAtTheFirst) {
    sample();
    goToName(QStringLiteral("Alpha"));  // PREFIX "deleted": not among all records
    EXPECT_EQ(walk({RecordChoice::All, true}), (QStringList{"", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(messages->texts().last(),
              "Current record is out of range. Starting with first record");
}

class UserReportTest : public ReportPrintingTest {
  protected:
    UserReportTest() {
        for (design::TReportPanel* band : {&header, &detail, &footer})
            band->setMergeSource(&source);
        auto name = std::make_unique<design::TGPDLabel>();
        name->setDataFieldName(QStringLiteral("LNAME"));
        name->setBounds(0, 0, 200, 20);
        detail.addObject(std::move(name));
        footer.addObject(std::make_unique<design::TGPageNumberLabel>());
    }
    int pages(const ReportSettings& settings, bool onePerPage,
              const ReportChoices& choices = {RecordChoice::All}) {
        ReportSelection selection(table, engine, choices);
        UserReport report(table, {header, detail, footer}, settings, onePerPage);
        print::PrintEngine printer;
        printer.print = [&report](print::PrintEngine& e) { report.print(e); };
        EXPECT_TRUE(printer.run(print::PrintOutput::Recording));
        printed = report.recordsPrinted();
        return static_cast<int>(printer.recording().pages.size());
    }

    design::TableMergeSource source{table};
    design::TReportPanel header{design::TRPanelKind::rpkHeader};
    design::TReportPanel detail{design::TRPanelKind::rpkDetail};
    design::TReportPanel footer{design::TRPanelKind::rpkFooter};
    ReportSettings settings = newReportSettings(96);
    int printed = 0;
};

TEST_F(UserReportTest, OneRecordPerPageAddsNoEmptyPageAtTheEnd) {
    sample();
    EXPECT_EQ(pages(settings, false), 1);
    EXPECT_EQ(pages(settings, true), 4);
    EXPECT_EQ(printed, 4);
    goToName(QStringLiteral("Bravo"));
    EXPECT_EQ(pages(settings, true, {RecordChoice::CurrentOnly}), 1);
    EXPECT_EQ(printed, 1);
}

TEST_F(UserReportTest, DetailBandsFillPagesAndATallBandStillPrints) {
    for (int i = 0; i < 120; ++i)
        addRow({{"LNAME", QStringLiteral("N%1").arg(i, 3, 10, QChar('0'))}});
    table.first();
    // 10 inches of section and 33-pixel bands: 29 to a page.
    EXPECT_EQ(pages(settings, false), 5);
    settings.detailHeight = 96 * 12;  // taller than the page: one per page
    table.first();
    EXPECT_EQ(pages(settings, false), 120);
}

TEST_F(UserReportTest, LongMemoContinuesOnFollowingPages) {
    QStringList lines;
    for (int i = 1; i <= 100; ++i) lines << QStringLiteral("Memo line %1").arg(i);
    addRow({{"LNAME", "Memo"}, {"MEMO", lines.join("\r\n")}});
    table.first();
    settings.useMemo = true;
    settings.memoFont.size = 16;  // about 40 lines to a page
    settings.frame(ReportBand::Memo) = {true, true, true, true, 1, 20, QColor(0, 0, 255)};
    EXPECT_EQ(pages(settings, false), 3);
    settings.useMemo = false;
    table.first();
    EXPECT_EQ(pages(settings, false), 1);
}

TEST_F(ReportPrintingTest, RecordSheetWithMemoOnly) {
    QStringList lines;
    for (int i = 1; i <= 200; ++i) lines << QStringLiteral("line %1").arg(i);
    addRow({{"LNAME", "Sheet"}, {"MEMO", lines.join("\n")}});
    table.first();
    std::array<bool, kSheetFields> memoOnly{};
    memoOnly.back() = true;
    RecordSheet sheet(table, memoOnly);
    print::PrintEngine printer;
    printer.print = [&sheet](print::PrintEngine& e) { sheet.print(e); };
    ASSERT_TRUE(printer.run(print::PrintOutput::Recording));
    EXPECT_GE(printer.recording().pages.size(), 3u);
}

}  // namespace
}  // namespace pc::reports

namespace pc::reports {
namespace {

// Dark pixels in a band of inches across a recorded page.
int darkPixelsBetween(const print::RecordedPages& pages, int page, double top, double bottom) {
    const QImage image = print::renderPageImage(pages.pageSize, 96, [&](print::PageCanvas& canvas) {
        canvas.drawPicture(
            pages.pages[page],
            QSizeF(pages.pageSize.width.pixels(), pages.pageSize.height.pixels()),
            {print::Inches(0), print::Inches(0), pages.pageSize.width, pages.pageSize.height});
    });
    int dark = 0;
    for (int y = int(top * 96); y < int(bottom * 96); ++y)
        for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

TEST_F(ReportPrintingTest, PreviewPagesShowThePageHeader) {
    addRow({{"LNAME", "Alpha"}});
    table.first();
    BuiltInReport report(table, {});
    print::PrintEngine printer;
    printer.print = [&report](print::PrintEngine& e) { report.print(e); };
    ASSERT_TRUE(printer.run(print::PrintOutput::Recording));
    EXPECT_GT(darkPixelsBetween(printer.recording(), 0, 0.45, 0.8), 50);  // title, date
    EXPECT_GT(darkPixelsBetween(printer.recording(), 0, 1.6, 1.8), 20);   // the record
}

}  // namespace
}  // namespace pc::reports
