#include "spell/spell_checker.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "spell/dictionary_files.h"
#include "spell/user_words.h"
#include "spell_test_support.h"

using namespace pc::spell;
using namespace pc::spell::testing;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(SpellChecker, ChecksAndSuggestsFromTheMainDictionary) {
    SmallDictionary d;
    SpellChecker checker;
    ASSERT_TRUE(checker.open(d.main(), d.user()));
    EXPECT_TRUE(checker.isCorrect("hello"));
    EXPECT_TRUE(checker.isCorrect("Hello"));  // capitalised at a sentence start
    EXPECT_TRUE(checker.isCorrect("HELLO"));
    EXPECT_TRUE(checker.isCorrect(QString::fromUtf8("café")));
    EXPECT_FALSE(checker.isCorrect("helo"));
    EXPECT_TRUE(checker.suggestions("helo").contains("hello"));
    EXPECT_TRUE(checker.suggestions("wrold").contains("world"));
}

TEST(SpellChecker, NeedsTheDictionaryAndItsAffixFile) {
    SmallDictionary d;
    SpellChecker checker;
    EXPECT_FALSE(checker.open(d.dir.filePath("none.dct"), d.user()));
    QFile::remove(d.dir.filePath("postcr.aff"));
    EXPECT_FALSE(checker.open(d.main(), d.user()));
    EXPECT_FALSE(checker.isOpen());
    EXPECT_FALSE(checker.isCorrect("hello"));
    EXPECT_TRUE(checker.suggestions("helo").isEmpty());
}

TEST(SpellChecker, AddedWordsArePersistedForTheNextSession) {
    SmallDictionary fresh;
    {
        SpellChecker checker;
        ASSERT_TRUE(checker.open(fresh.main(), fresh.user()));
        EXPECT_FALSE(checker.isCorrect("Postcraft"));
        ASSERT_TRUE(checker.addWord("Postcraft"));
        ASSERT_TRUE(checker.addWord(QString::fromUtf8("Zürichsee")));
        ASSERT_TRUE(checker.addWord("Postcraft"));  // twice is once
        EXPECT_TRUE(checker.isCorrect("Postcraft"));
    }
    EXPECT_EQ(readAll(fresh.user()), QString::fromUtf8("Postcraft\nZürichsee\n").toUtf8());
    SpellChecker again;
    ASSERT_TRUE(again.open(fresh.main(), fresh.user()));
    EXPECT_TRUE(again.isCorrect("Postcraft"));
    EXPECT_TRUE(again.isCorrect(QString::fromUtf8("Zürichsee")));
}

TEST(SpellChecker, AWordThatCannotBeSavedIsNotAdded) {
    SmallDictionary d;
    SpellChecker checker;
    ASSERT_TRUE(checker.open(d.main(), d.dir.filePath("missing-folder/postcru.dct")));
    EXPECT_FALSE(checker.addWord("Postcraft"));
    EXPECT_FALSE(checker.isCorrect("Postcraft"));
}

TEST(UserWordList, ReadsOldFilesAndIgnoresBlanksAndRepeats) {
    SmallDictionary d;
    writeText(d.user(), "Smith\r\n\r\nJos\xe9\nSmith\n  Oslo  \n");  // Windows-1252
    UserWordList words;
    words.load(d.user());
    EXPECT_EQ(words.words(), (QStringList{"Smith", QString::fromUtf8("José"), "Oslo"}));
    ASSERT_TRUE(words.add("Bergen"));
    EXPECT_EQ(readAll(d.user()), QString::fromUtf8("Smith\nJosé\nOslo\nBergen\n").toUtf8());
    EXPECT_FALSE(words.add(""));
    EXPECT_FALSE(words.add("two\nlines"));
}

TEST(MainDictionary, InstalledFromTheSystemCopyOnce) {
    QTemporaryDir system, home;
    writeText(system.filePath("en_US.dic"), "1\nhello\n");
    writeText(system.filePath("en_US.aff"), "SET UTF-8\n");
    QString target = home.filePath("postcr.dct");
    ASSERT_TRUE(installMainDictionary(target, system.path()));
    EXPECT_EQ(readAll(target), "1\nhello\n");
    EXPECT_EQ(readAll(home.filePath("postcr.aff")), "SET UTF-8\n");
    // A dictionary the user already has is left alone.
    writeText(target, "1\nmine\n");
    ASSERT_TRUE(installMainDictionary(target, system.path()));
    EXPECT_EQ(readAll(target), "1\nmine\n");

    QTemporaryDir empty, other;
    EXPECT_FALSE(installMainDictionary(other.filePath("postcr.dct"), empty.path()));
    EXPECT_FALSE(QFileInfo::exists(other.filePath("postcr.dct")));
}

TEST(MainDictionary, TheSystemEnglishDictionaryWorksAsPostcrDct) {
    if (!QFileInfo::exists(systemDictionaryDir() + "/en_US.dic")) GTEST_SKIP();
    QTemporaryDir home;
    QString target = home.filePath("postcr.dct");
    ASSERT_TRUE(installMainDictionary(target));
    SpellChecker checker;
    ASSERT_TRUE(checker.open(target, home.filePath("postcru.dct")));
    EXPECT_TRUE(checker.isCorrect("receive"));
    EXPECT_TRUE(checker.isCorrect(QString::fromUtf8("don’t")));
    EXPECT_FALSE(checker.isCorrect("recieve"));
    EXPECT_TRUE(checker.suggestions("recieve").contains("receive"));
}
