// Rebuilding indexes: the open database (deleted records packed away, all
// 26 tags back, the gauge kept within 0..100) and the system tables.
#include "data/index_maintenance.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "address_test_home.h"
#include "app/subsystem_tables.h"
#include "app/t_address_main.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "named_child.h"

namespace pc::app::test {
namespace {

using pc::test::named;

class IndexMaintenanceTest : public AddressHome {
  protected:
    void TearDown() override {
        window.reset();
        AddressHome::TearDown();
    }
    // Five people, two of them deleted from the main window's point of view.
    QString fiveWithTwoDeleted() {
        const QString path = openNewTable();
        for (const char* name : {"Adams", "Brown", "Clark", "Dunn", "Evans"})
            add({{"LNAME", name}});
        for (int recno : {2, 4}) {
            pc::data::TApollo(&table).go(recno);
            table.deleteRecord();
        }
        return path;
    }
    std::unique_ptr<TAddressMain> window;
};

TEST_F(IndexMaintenanceTest, TagGaugeSumsPerTagPercentagesAndStopsAtOneHundred) {
    pc::data::TagGauge gauge;
    EXPECT_EQ(gauge.report(0, 0), 0);
    EXPECT_EQ(gauge.report(0, 50), 2);    // 50 / 21
    EXPECT_EQ(gauge.report(0, 100), 5);   // 100 / 21, rounded
    EXPECT_EQ(gauge.report(1, 100), 10);  // a new tag counts from 0 again
    EXPECT_EQ(gauge.report(1, 100), 10);  // a repeated report adds nothing
    int last = 0;
    for (int tag = 2; tag < 26; ++tag) last = gauge.report(tag, 100);
    EXPECT_EQ(last, 100);
}

TEST_F(IndexMaintenanceTest, AddressRebuildPacksThenMakesEveryTag) {
    fiveWithTwoDeleted();
    pc::data::TApollo apollo(&table);
    EXPECT_EQ(apollo.recCount(), 5);
    QFile::remove(home + "DATA/people.CDX");  // a lost index is rebuilt too

    std::vector<pc::data::RebuildStep> steps;
    int maxGauge = -1, minGauge = 101;
    pc::data::RebuildProgress progress;
    progress.step = [&](pc::data::RebuildStep s) { steps.push_back(s); };
    progress.gauge = [&](int p, int) {
        maxGauge = std::max(maxGauge, p);
        minGauge = std::min(minGauge, p);
        return true;
    };
    ASSERT_TRUE(pc::data::rebuildAddressIndexes(table, progress));
    EXPECT_EQ(steps,
              (std::vector{pc::data::RebuildStep::Packing, pc::data::RebuildStep::Indexing}));
    EXPECT_EQ(maxGauge, 100);
    EXPECT_GE(minGauge, 0);
    EXPECT_EQ(apollo.recCount(), 3);
    EXPECT_TRUE(pc::data::CheckValidIndex(table));
    apollo.setOrder(apollo.tagArea("LNAME"));
    table.first();
    EXPECT_EQ(table.fieldByName("LNAME").text(), "Adams");
    table.next();
    EXPECT_EQ(table.fieldByName("LNAME").text(), "Clark");
}

TEST_F(IndexMaintenanceTest, RebuildMenuNeedsAnOpenDatabase) {
    ini().writeString("MRU", "Item1", home + "DATA/missing.DBF");
    window = std::make_unique<TAddressMain>();
    window->FormActivate();
    messages->clear();
    window->TablePKW->close();
    window->RebuildIndexesMenuClick();
    EXPECT_EQ(messages->texts(), QStringList({"You need to have a database file open first"}));
}

TEST_F(IndexMaintenanceTest, RebuildFromTheMainWindowDropsDeletedRecordsFromTheIndicator) {
    const QString path = fiveWithTwoDeleted();
    table.close();
    ini().writeString("MRU", "Item1", path);
    window = std::make_unique<TAddressMain>();
    window->FormActivate();
    ASSERT_TRUE(window->active());
    EXPECT_EQ(window->Apollo1->recCount(), 5);
    EXPECT_EQ(named<QLabel>(window.get(), "FilterIndicator")->text(), "3 records (no filter)");

    // Cancel does nothing.
    QTimer::singleShot(0, [] {
        auto* d =
            qobject_cast<maintenance::TRebuildIndexesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Rebuild indexes for people.DBF");
        named<QPushButton>(d, "CancelButton")->click();
    });
    window->RebuildIndexesMenuClick();
    EXPECT_EQ(window->Apollo1->recCount(), 5);

    QTimer::singleShot(0, [] {
        auto* d =
            qobject_cast<maintenance::TRebuildIndexesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        named<QPushButton>(d, "ReindexButton")->click();
    });
    window->RebuildIndexesMenuClick();
    EXPECT_EQ(window->Apollo1->recCount(), 3);
    EXPECT_EQ(named<QLabel>(window.get(), "FilterIndicator")->text(), "3 records (no filter)");
    EXPECT_EQ(named<QLabel>(window.get(), "OrderIndicator")->text(), "Sorted by Last Name");
    EXPECT_EQ(window->TablePKW->fieldByName("LNAME").text(), "Adams");
    EXPECT_TRUE(pc::data::CheckValidIndex(*window->TablePKW));
}

TEST_F(IndexMaintenanceTest, SystemRebuildSkipsMissingTablesAndReindexesTheRest) {
    pc::app::registerSubsystemTables();
    for (const char* t : {"LETTER.DBF", "LABEL.DBF", "REPORT.DBF"})
        ASSERT_TRUE(pc::data::createSystemTable(t, home + "sysdata/" + t));
    // The envelope table is not a table at all.
    QFile junk(home + "sysdata/ENVELOPE.DBF");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a table");
    junk.close();

    QStringList statuses;
    const int rebuilt = pc::data::rebuildSystemIndexes({[&](const QString& s) { statuses << s; },
                                                        [](int p, int) {
                                                            EXPECT_LE(p, 100);
                                                            return true;
                                                        }});
    EXPECT_EQ(rebuilt, 3);
    EXPECT_EQ(statuses,
              QStringList({"Rebuilding Letters File indexes", "Rebuilding Label File indexes",
                           "Rebuilding State/Province File indexes",
                           "Rebuilding Label Setup File indexes",
                           "Rebuilding Envelope File indexes", "Rebuilding Report File indexes"}));
    EXPECT_TRUE(messages->shown().empty());

    pc::data::TTable label;
    label.setFolder(home + "sysdata/");
    label.setFileName("LABEL.DBF");
    label.open();
    EXPECT_GT(pc::data::TApollo(&label).tagArea("DESCRIPT"), 0);
    label.close();
}

}  // namespace
}  // namespace pc::app::test
