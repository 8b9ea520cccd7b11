#include "text/mru_list.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace pc::text;

namespace {

class MruListTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    ProfileFile ini_{dir_.filePath("POSTCR.ini")};
};

TEST_F(MruListTest, MostRecentFirstAtMostFour) {
    EXPECT_TRUE(readMruList(ini_).isEmpty());
    for (const char* p : {"/a.DBF", "/b.DBF", "/c.DBF", "/d.DBF"}) updateMruList(ini_, p);
    EXPECT_EQ(readMruList(ini_), QStringList({"/d.DBF", "/c.DBF", "/b.DBF", "/a.DBF"}));
    // A fifth database drops the oldest.
    EXPECT_EQ(updateMruList(ini_, "/e.DBF"), QStringList({"/e.DBF", "/d.DBF", "/c.DBF", "/b.DBF"}));
    EXPECT_EQ(readMruList(ini_), QStringList({"/e.DBF", "/d.DBF", "/c.DBF", "/b.DBF"}));
}

TEST_F(MruListTest, ReopeningMovesToTopWithoutDuplicate) {
    for (const char* p : {"/a.DBF", "/b.DBF", "/c.DBF"}) updateMruList(ini_, p);
    EXPECT_EQ(updateMruList(ini_, "/a.DBF"), QStringList({"/a.DBF", "/c.DBF", "/b.DBF"}));
    EXPECT_EQ(readMruList(ini_), QStringList({"/a.DBF", "/c.DBF", "/b.DBF"}));
}

TEST_F(MruListTest, LetterCaseMakesADifferentEntry) {
    updateMruList(ini_, "/data/ADD0001.DBF");
    EXPECT_EQ(updateMruList(ini_, "/data/add0001.DBF"),
              QStringList({"/data/add0001.DBF", "/data/ADD0001.DBF"}));
}

TEST_F(MruListTest, GapsInAHandEditedListNeitherDuplicateNorSurvive) {
    {
        QFile f(ini_.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[MRU]\nItem1=/a\nItem3=/b\nItem4=/c\nItem9=/ignored\n");
    }
    EXPECT_EQ(readMruList(ini_), QStringList({"/a", "/b", "/c"}));
    EXPECT_EQ(updateMruList(ini_, "/c"), QStringList({"/c", "/a", "/b"}));
    EXPECT_EQ(readMruList(ini_), QStringList({"/c", "/a", "/b"}));
    EXPECT_EQ(updateMruList(ini_, ""), QStringList({"/c", "/a", "/b"}));
}

}  // namespace
