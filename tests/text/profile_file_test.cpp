#include "text/profile_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using pc::text::ProfileFile;

namespace {

class ProfileFileTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath(QStringLiteral("POSTCR.ini")); }
    void put(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Misc", "GlobalTagId", "none"), "none");
    EXPECT_EQ(ini.readInt("Editing", "AggressiveSave", 1), 1);
    EXPECT_FALSE(ini.hasKey("Misc", "GlobalTagId"));
    ASSERT_TRUE(ini.writeString("Misc", "GlobalTagId", "U1A2B3"));
    EXPECT_EQ(contents(), "[Misc]\nGlobalTagId=U1A2B3\n");
}

TEST_F(ProfileFileTest, NamesIgnoreCaseAndValuesAreTrimmed) {
    put("[adding]\n  plugdate =  1  \nDefaultCountry=  United States  \n");
    ProfileFile ini(path());
    EXPECT_TRUE(ini.readBool("Adding", "PlugDate", false));
    EXPECT_EQ(ini.readString("ADDING", "defaultcountry"), "United States");
}

TEST_F(ProfileFileTest, IntegersReadDecimalHexOrFallBack) {
    put("[N]\nDec=42\nNeg=-7\nHex=0x1F\nHexUpper=0XfF\nColour=0xFFFFFFFF\nWord=abc\n"
        "Trail=12abc\nEmpty=\nHuge=99999999999\nTwo=2\n");
    ProfileFile ini(path());
    EXPECT_EQ(ini.readInt("N", "Dec", 0), 42);
    EXPECT_EQ(ini.readInt("N", "Neg", 0), -7);
    EXPECT_EQ(ini.readInt("N", "Hex", 0), 31);
    EXPECT_EQ(ini.readInt("N", "HexUpper", 0), 255);
    EXPECT_EQ(ini.readInt("N", "Colour", 0), -1);
    EXPECT_EQ(ini.readInt("N", "Word", 5), 5);
    EXPECT_EQ(ini.readInt("N", "Trail", 5), 5);
    EXPECT_EQ(ini.readInt("N", "Empty", 5), 5);
    EXPECT_EQ(ini.readInt("N", "Huge", 5), 5);
    EXPECT_TRUE(ini.readBool("N", "Two", false));
    EXPECT_TRUE(ini.readBool("N", "Word", true));  // not a number: the default
    EXPECT_FALSE(ini.readBool("N", "Missing", false));
}

TEST_F(ProfileFileTest, WritesKeepEverythingElseInPlace) {
    put("; written by hand\n[Misc]\nGettingStarted=0\nUnknownKey=keep me\n\n"
        "[Other Program]\nx=1\n");
    ProfileFile ini(path());
    ASSERT_TRUE(ini.writeBool("misc", "gettingstarted", true));  // key keeps its spelling
    ASSERT_TRUE(ini.writeString("Misc", "GlobalTagId", "ABC"));  // new key ends its section
    ASSERT_TRUE(ini.writeInt("Editing", "AggressiveSave", 2));   // new section ends the file
    EXPECT_EQ(contents(),
              "; written by hand\n[Misc]\nGettingStarted=1\nUnknownKey=keep me\nGlobalTagId=ABC\n\n"
              "[Other Program]\nx=1\n[Editing]\nAggressiveSave=2\n");
}

TEST_F(ProfileFileTest, WindowsLineEndingsAndByteOrderMarkSurviveARewrite) {
    put("\xEF\xBB\xBF[MRU]\r\nItem1=C:\\DATA\\add0001.DBF\r\n");
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("MRU", "Item1"), "C:\\DATA\\add0001.DBF");
    ASSERT_TRUE(ini.writeString("MRU", "Item2", "/home/u/Straße.DBF"));
    EXPECT_EQ(contents(),
              "\xEF\xBB\xBF[MRU]\r\nItem1=C:\\DATA\\add0001.DBF\r\n"
              "Item2=/home/u/Stra\xC3\x9F"
              "e.DBF\r\n");
}

TEST_F(ProfileFileTest, LineBreaksInAValueCannotInjectKeys) {
    ProfileFile ini(path());
    ASSERT_TRUE(ini.writeString("Misc", "DefaultCountry", "A\n[Misc]\nGettingStarted=1"));
    EXPECT_FALSE(ini.hasKey("Misc", "GettingStarted"));
    EXPECT_EQ(ini.readString("Misc", "DefaultCountry"), "A [Misc] GettingStarted=1");
    EXPECT_FALSE(ini.writeString("Misc", "a=b", "x"));
    EXPECT_FALSE(ini.writeString("Mi]sc", "a", "x"));
    EXPECT_FALSE(ini.writeString("", "a", "x"));
}

TEST_F(ProfileFileTest, RemoveKeyDropsOnlyThatLine) {
    put("[MRU]\nItem1=a\nItem2=b\n");
    ProfileFile ini(path());
    EXPECT_TRUE(ini.removeKey("mru", "ITEM1"));
    EXPECT_TRUE(ini.removeKey("MRU", "Absent"));
    EXPECT_EQ(contents(), "[MRU]\nItem2=b\n");
}

TEST_F(ProfileFileTest, MalformedFileReadsSensiblyAndCanBeWritten) {
    QByteArray garbage(1, '\0');
    garbage += "\xFF\xFE garbage\n=no key\nno equals sign\n[Unclosed\nk=v\n";
    garbage += "[Dup]\na=first\n[Other]\na=other\n[dup]\na=second\nb=only in second\n";
    for (int i = 0; i < 256; ++i) garbage += char(i);
    put(garbage);
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Unclosed", "k"), "v");
    EXPECT_EQ(ini.readString("Dup", "a"), "first");
    EXPECT_EQ(ini.readString("Dup", "b"), "only in second");
    EXPECT_FALSE(ini.hasKey("", "no key"));
    ASSERT_TRUE(ini.writeString("Dup", "a", "changed"));
    ASSERT_TRUE(ini.writeString("Dup", "c", "new"));
    EXPECT_EQ(ini.readString("Dup", "a"), "changed");
    EXPECT_EQ(ini.readString("Dup", "c"), "new");
    EXPECT_EQ(ini.readString("Dup", "b"), "only in second");
    EXPECT_EQ(ini.readString("Other", "a"), "other");
}

TEST_F(ProfileFileTest, WriteIntoAFileInsteadOfAFolderFails) {
    put("x");
    ProfileFile ini(path() + "/POSTCR.ini");
    EXPECT_FALSE(ini.writeString("Misc", "GettingStarted", "1"));
    EXPECT_EQ(ini.readString("Misc", "GettingStarted", "d"), "d");
}

// A write that runs out of room must leave the old file whole. The file
// size limit applies even to root, unlike folder permissions.
TEST_F(ProfileFileTest, FailedWriteLeavesTheOldFileIntact) {
    const QByteArray old = "[Misc]\nGlobalTagId=OLD\n";
    put(old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    auto* previousHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ProfileFile ini(path());
    const bool written = ini.writeString("Misc", "Big", QString(100000, u'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"POSTCR.ini"});
}

TEST_F(ProfileFileTest, ReadOnlyFolderRefusesTheWrite) {
    put("[Misc]\nGlobalTagId=OLD\n");
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir_.filePath("probe"));
    const bool privileged = probe.open(QIODevice::WriteOnly);
    if (!privileged) {
        ProfileFile ini(path());
        EXPECT_FALSE(ini.writeString("Misc", "GlobalTagId", "NEW"));
        EXPECT_EQ(ini.readString("Misc", "GlobalTagId"), "OLD");
    }
    probe.close();
    probe.remove();
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (privileged) GTEST_SKIP() << "folder permissions do not bind this user";
}

}  // namespace
