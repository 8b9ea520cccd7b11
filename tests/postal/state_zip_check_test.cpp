// The state/ZIP check over a table: the delivered state table, a stop part
// way, the temporary index as the result's order, and its removal.
#include "postal/state_zip_check.h"

#include <gtest/gtest.h>

#include <QFile>

#include "data/data_test_support.h"
#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "postal/zip_code_count.h"

namespace pc::test {
namespace {

class StateZipCheckTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        cszPath_ = file("CSZ.DBF");
        ASSERT_TRUE(QFile::copy(QStringLiteral(PC_SOURCE_DIR "/sysdata/CSZ.DBF"), cszPath_));
        QFile::setPermissions(cszPath_, QFile::ReadOwner | QFile::WriteOwner);
        const QString path = newAddressTable();
        openAddress(addresses_, path);
        // name, state, zip
        for (auto [l, s, z] : std::vector<std::array<const char*, 3>>{{"zed", "NY", "90210"},
                                                                      {"Adams", "NY", "10001"},
                                                                      {"baker", "ZZ", "12345"},
                                                                      {"Able", "CA", "10001"},
                                                                      {"Cole", "ON", "M5V 3L9"}}) {
            add(addresses_, QString::fromLatin1(l), {}, QString::fromLatin1(z));
            addresses_.edit();
            addresses_.fieldByName(QStringLiteral("STATE")).setText(QString::fromLatin1(s));
            addresses_.post();
        }
    }
    postal::StateRanges loadRanges() {
        data::TTable states;
        states.setFolder(folder());
        states.setFileName(QStringLiteral("CSZ.DBF"));
        states.open();
        data::TApollo engine(&states);
        postal::StateRanges ranges;
        QString error;
        EXPECT_TRUE(ranges.load(states, engine, &error)) << error.toStdString();
        EXPECT_GT(engine.tagArea(QStringLiteral("STATE")), 0) << "the missing tag was built";
        return ranges;
    }
    QString cszPath_;
    data::TTable addresses_;
};

TEST_F(StateZipCheckTest, FoundRecordsMakeAnOrderByNameUntilTheIndexIsRemoved) {
    postal::StateRanges ranges = loadRanges();
    EXPECT_GE(ranges.size(), 70);
    data::TApollo engine(&addresses_);
    postal::StateZipCheck check(addresses_, engine);
    int calls = 0;
    ASSERT_TRUE(check.run(ranges, false, [&](int, int done, int total, int) {
        EXPECT_EQ(total, 5);
        EXPECT_EQ(done, ++calls);
        return true;
    }));
    EXPECT_EQ(check.records(), (QList<int>{1, 3, 4}));
    ASSERT_GT(check.order(), 0);
    EXPECT_TRUE(QFile::exists(check.indexPath()));
    EXPECT_TRUE(check.indexPath().endsWith(QLatin1String("/_chksz.idx")));

    // As the result grid's order: upper-cased last names, only those found.
    data::OrderSetting byName(engine, check.order());
    QStringList names;
    for (addresses_.first(); !addresses_.eof(); addresses_.next())
        names << text(addresses_, "LNAME");
    EXPECT_EQ(names, (QStringList{"Able", "baker", "zed"}));

    check.removeIndex();
    EXPECT_EQ(check.order(), 0);
    EXPECT_FALSE(QFile::exists(check.indexPath()));
}

TEST_F(StateZipCheckTest, AStopKeepsWhatWasFoundAndTheDestructorRemovesTheIndex) {
    postal::StateRanges ranges = loadRanges();
    data::TApollo engine(&addresses_);
    QString indexPath;
    {
        postal::StateZipCheck check(addresses_, engine);
        indexPath = check.indexPath();
        ASSERT_TRUE(check.run(ranges, false, [](int recno, int, int, int) { return recno < 3; }));
        EXPECT_TRUE(check.stopped());
        EXPECT_EQ(check.records(), (QList<int>{1, 3}));
        EXPECT_TRUE(QFile::exists(indexPath));
    }
    EXPECT_FALSE(QFile::exists(indexPath));
}

TEST(ZipCodeCount, KeyRulesAndGroupedCounts) {
    postal::ZipCodeCount counts;
    for (const char* zip : {"90210", "1234", "K1A 0B1", "", "0000", "12345-6789", "A1234"})
        counts.count(QString::fromLatin1(zip));
    for (int i = 0; i < 1234567; i += 1000) counts.count(QStringLiteral("00501"));
    EXPECT_EQ(counts.reportLines(QStringLiteral(".")),
              (QStringList{"00501     1.235", "12345     1", "90210     1", "", "", "0000      1",
                           "1234      1", "A1234     1", "K1A 0     1", "BLANK     1"}));
    EXPECT_EQ(postal::groupedCount(1234567, QStringLiteral(",")), "1,234,567");
    EXPECT_EQ(postal::groupedCount(999, QStringLiteral(",")), "999");
}

}  // namespace
}  // namespace pc::test
