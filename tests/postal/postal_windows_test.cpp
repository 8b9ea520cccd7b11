// The postal utility windows over a scratch home: the count window lists the
// report lines and its report pages, the check window finds, shows in name
// order, tags and cleans up, and edits the state table.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "data/data_test_support.h"
#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "postal/postal_tables.h"
#include "postal/ui/count_zip_codes.h"
#include "postal/ui/record_rows_model.h"
#include "postal/ui/state_zip_check_window.h"
#include "postal/ui/zip_report.h"
#include "print/preview_window.h"
#include "text/program_paths.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::test {
namespace {

class PostalWindowsTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        postal::registerPostalTables();
        text::setHome(folder());
        QDir().mkpath(text::sysdataDir());
        csz_ = text::sysdataDir() + QStringLiteral("CSZ.DBF");
        ASSERT_TRUE(QFile::copy(QStringLiteral(PC_SOURCE_DIR "/sysdata/CSZ.DBF"), csz_));
        QFile::setPermissions(csz_, QFile::ReadOwner | QFile::WriteOwner);
        openAddress(addresses, newAddressTable(), QStringLiteral("T1"));
        for (auto [l, s, z] : std::vector<std::array<const char*, 3>>{{"zed", "NY", "90210"},
                                                                      {"Adams", "NY", "10001"},
                                                                      {"baker", "ZZ", "12345"},
                                                                      {"Able", "CA", "10001"},
                                                                      {"Cole", "ON", "M5V 3L9"},
                                                                      {"Dunn", "", "10001"}}) {
            add(addresses, QString::fromLatin1(l), {}, QString::fromLatin1(z));
            addresses.edit();
            addresses.fieldByName(QStringLiteral("STATE")).setText(QString::fromLatin1(s));
            addresses.post();
        }
    }
    void TearDown() override {
        addresses.close();
        DataTest::TearDown();
    }
    QString csz_;
    data::TTable addresses;
};

TEST_F(PostalWindowsTest, CountWindowCountsOnShowAndItsReportFillsColumnsThenPages) {
    data::TApollo engine(&addresses);
    postal::TCountZipCodes window(addresses, engine);
    window.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.counted());
    EXPECT_EQ(window.reportLines(),
              (QStringList{"10001     3", "12345     1", "90210     1", "", "", "M5V 3     1"}));
    EXPECT_EQ(window.findChild<QListWidget*>("ReportList")->count(), 6);

    // Enough lines for more than one page of four columns.
    QStringList lines;
    for (int i = 0; i < 400; ++i) lines << QStringLiteral("%1     %2").arg(10000 + i).arg(i + 1);
    print::PrintEngine recorder;
    recorder.print = [&](print::PrintEngine& e) { postal::printZipReport(e, lines); };
    ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
    EXPECT_EQ(recorder.recording().pages.size(), 2u);
    int seen = 0;
    recorder.print = [&](print::PrintEngine& e) {
        postal::printZipReport(e, lines, [&] { return ++seen < 10; });
    };
    ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
    EXPECT_EQ(seen, 10) << "a stop ends the report after the line";
    EXPECT_EQ(recorder.recording().pages.size(), 1u);
}

TEST_F(PostalWindowsTest, CheckWindowShowsTheFoundRecordsByNameTagsThemAndCleansUp) {
    data::TApollo engine(&addresses);
    data::QuerySetting notDeleted(engine, QStringLiteral("!ISDEL"));
    const QString index = QFileInfo(addresses.path()).absolutePath() + "/_chksz.idx";
    {
        postal::TStateZipCheck window(addresses, engine, [] { return QStringLiteral("T1"); });
        window.show();
        window.CheckitButtonClick();
        ASSERT_TRUE(window.checked());
        EXPECT_EQ(window.countText(), "Found 3 records with questionable state or zipcodes");
        // By upper-cased last name: Able (CA), baker (ZZ), zed (NY 90210).
        EXPECT_EQ(window.resultModel()->records(), (QList<int>{4, 3, 1}));
        EXPECT_TRUE(QFile::exists(index));

        // An edit goes to the record at once.
        postal::RecordRowsModel* rows = window.resultModel();
        ASSERT_TRUE(rows->setData(rows->index(2, 7), QStringLiteral("10002")));
        addresses.first();
        EXPECT_EQ(data::TApollo(&addresses).recNo(), 4) << "the grid's order is the found records";

        messages->answer(true);
        window.TagAllButtonClick();
        EXPECT_EQ(messages->shown().back().caption, "TAG ALL");
        for (int r = 0; r < 3; ++r) EXPECT_TRUE(rows->tagged(r)) << r;

        window.EditStateProvButtonClick();
        ASSERT_TRUE(window.editingStates());
        const int states = window.stateModel()->rowCount();
        EXPECT_GE(states, 70);
        window.AddButtonClick();
        EXPECT_EQ(window.stateModel()->rowCount(), states + 1);
        window.DeleteButtonClick();
        EXPECT_EQ(window.stateModel()->rowCount(), states);
        window.EditStateProvButtonClick();
        EXPECT_FALSE(window.editingStates());
        window.close();
    }
    EXPECT_FALSE(QFile::exists(index)) << "the temporary index goes with the window";
    EXPECT_EQ(engine.order(), 0);
    int tagged = 0;
    for (addresses.first(); !addresses.eof(); addresses.next())
        tagged += text(addresses, "TAG") == "T1";
    EXPECT_EQ(tagged, 3);
}

TEST_F(PostalWindowsTest, HelpOpensEachWindowsTopic) {
    data::TApollo engine(&addresses);
    std::vector<int> opened;
    widgets::setHelpOpener([&opened](int context) { opened.push_back(context); });
    {
        postal::TCountZipCodes count(addresses, engine);
        postal::TStateZipCheck check(addresses, engine, [] { return QStringLiteral("T1"); });
        for (QDialog* window : std::initializer_list<QDialog*>{&count, &check})
            window->findChild<QPushButton*>(QStringLiteral("HelpButton"))->click();
    }
    widgets::setHelpOpener({});
    EXPECT_EQ(opened, (std::vector<int>{widgets::help::kZipCount, widgets::help::kStateZipCheck}));
}

TEST_F(PostalWindowsTest, Screenshots) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(dir) + '/';
    QDir().mkpath(out);
    data::TApollo engine(&addresses);
    {
        postal::TCountZipCodes window(addresses, engine);
        window.show();
        QCoreApplication::processEvents();
        window.grab().save(out + "count-zip-codes.png");
        QStringList lines = window.reportLines();
        for (int i = 0; i < 150; ++i)
            lines << QStringLiteral("%1     %2").arg(20000 + 7 * i).arg(i * 37 + 1);
        print::PrintEngine recorder;
        recorder.print = [&](print::PrintEngine& e) { postal::printZipReport(e, lines); };
        ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
        print::PreviewWindow preview(recorder.recording(), "Preview Zipcode Count");
        preview.resize(700, 820);
        preview.show();
        preview.fitPage();
        preview.grab().save(out + "zip-report-preview.png");
    }
    data::QuerySetting notDeleted(engine, QStringLiteral("!ISDEL"));
    postal::TStateZipCheck window(addresses, engine, [] { return QStringLiteral("T1"); });
    window.show();
    window.grab().save(out + "state-zip-setup.png");
    window.CheckitButtonClick();
    window.grab().save(out + "state-zip-result.png");
    window.EditStateProvButtonClick();
    window.grab().save(out + "state-zip-states.png");
    window.EditStateProvButtonClick();
}

}  // namespace
}  // namespace pc::test
