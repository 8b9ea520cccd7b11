#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace pc::text;

TEST(Trimming, BlanksOnlyAreSpaces) {
    EXPECT_EQ(trim("  two  words  "), "two  words");
    EXPECT_EQ(trim("    "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(leftTrim("  a  "), "a  ");
    EXPECT_EQ(rightTrim("  a  "), "  a");
    EXPECT_EQ(trim("\ta\t"), "\ta\t");  // a tab is no blank
}

TEST(Letters, OnlyAsciiLowerCaseCounts) {
    EXPECT_EQ(upperCaseLetter(u'q'), QChar(u'Q'));
    EXPECT_FALSE(isLowerLetter(u'{'));
    EXPECT_FALSE(isLowerLetter(QChar(0xE9)));  // é
}

TEST(StringEdits, InsertBeforeFindsAnyCaseAndKeepsTheMatch) {
    EXPECT_EQ(insertBefore("Dear [fname],", "[FNAME]", "Mr. "), "Dear Mr. [fname],");
    EXPECT_EQ(insertBefore("abc", "x", "y"), "abc");
    EXPECT_EQ(insertBefore("abc", "", "y"), "abc");
    const QString tail(150, u't');
    EXPECT_EQ(insertBefore("ab" + tail, "t", "<"), "ab<" + QString(100, u't'));
}

TEST(StringEdits, CutAtPortDropsThePort) {
    EXPECT_EQ(cutAtPort("HP LaserJet on LPT1:"), "HP LaserJet");
    EXPECT_EQ(cutAtPort("Canon ON Ne01:"), "Canon");
    EXPECT_EQ(cutAtPort("Lonely Printer"), "Lonely Printer");
}

TEST(Base36, DigitsWithoutLeadingZeros) {
    EXPECT_EQ(base36(0), "");
    EXPECT_EQ(base36(-3), "");
    EXPECT_EQ(base36(35), "Z");
    EXPECT_EQ(base36(36), "10");
    EXPECT_EQ(base36(36LL * 36 * 36 * 36 * 36 * 36 - 1), "ZZZZZZ");
}

TEST(Base36, TagIdentifierFromYearAndTimestamp) {
    // 2025 - 1995 = 30 gives "U"; 1231235959 gives "KD1NQV".
    EXPECT_EQ(newTagIdentifier(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))), "UKD1NQV");
    // The month's leading zero vanishes in the number 0102030405.
    EXPECT_EQ(newTagIdentifier(QDateTime(QDate(1996, 1, 2), QTime(3, 4, 5))), "11OQV5X");
    EXPECT_NE(newTagIdentifier(QDateTime(QDate(2025, 1, 1), QTime(0, 0, 1))),
              newTagIdentifier(QDateTime(QDate(2025, 1, 1), QTime(0, 0, 2))));
}

TEST(CopyFile, CopiesAcrossBlocksAndRefusesBadNames) {
    QTemporaryDir dir;
    QByteArray data;
    for (int i = 0; i < 2048 * 3 + 17; ++i) data += char(i * 7);
    const QString source = dir.filePath("a.bin");
    const QString target = dir.filePath("b.bin");
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    ASSERT_TRUE(copyFile(source, target));
    QFile copy(target);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), data);

    EXPECT_FALSE(copyFile(source, source));
    EXPECT_FALSE(copyFile(source, dir.path() + "/./a.bin"));
    EXPECT_FALSE(copyFile(dir.filePath("missing"), dir.filePath("c.bin")));
    EXPECT_FALSE(QFile::exists(dir.filePath("c.bin")));
    EXPECT_FALSE(copyFile(source, dir.filePath("no/such/folder/c.bin")));
    QFile src(source);
    EXPECT_EQ(src.size(), data.size());  // the source is never touched
}
