#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "richtext/page_setup.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

using namespace pc::richtext;
using namespace pc::richtext::testing;

TEST(RtfHostileInput, RejectsWhatIsNotRtf) {
    QTextDocument doc;
    QString error;
    EXPECT_FALSE(readRtf("", doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readRtf("plain text", doc, &error));
    EXPECT_FALSE(readRtf("{\\rt", doc, &error));
    EXPECT_TRUE(readRtf("\r\n {\\rtf1 ok}", doc, &error));  // leading blanks are fine
}

TEST(RtfHostileInput, TruncatedAndUnbalancedInputKeepsWhatWasRead) {
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 cut {\\b off")), "cut off\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 end}} after the end")), "end\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 x\\")), "x\\\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 half\\'4")), "half4\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 a\\bin99999999 xyz")), "a\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 a\\bin-5 b}")), "ab\n");
}

TEST(RtfHostileInput, ExtremeParametersAreClamped) {
    auto doc = readText(
        "{\\rtf1{\\colortbl;\\red999\\green-4\\blue99999999999999;}"
        "\\fs99999999999\\uc2147483647\\u99999999999 x\\cf99999 y\\f-2147483648 z"
        "\\paperw-5\\margl-7\\li2147483647\\fi-2147483648 w\\par}");
    EXPECT_EQ(doc->blockCount(), 1);
    EXPECT_EQ(pageSetup(*doc).paperWidth, PageSetup{}.paperWidth);
    EXPECT_EQ(pageSetup(*doc).marginLeft, PageSetup{}.marginLeft);

    // Escapes for control characters, block and object marks add no text.
    auto marks = readText("{\\rtf1\\uc0 a\\u3 b\\u8233 c\\u65532 d\\u9 e}");
    EXPECT_EQ(marks->toPlainText(), "abcd\te");
}

TEST(RtfHostileInput, DeepNestingStopsWithAnError) {
    QByteArray deep = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i) deep += "{\\b ";
    deep += "x";
    QTextDocument doc;
    QString error;
    EXPECT_FALSE(readRtf(deep, doc, &error));
    EXPECT_TRUE(error.contains("nested"));

    QByteArray fine = "{\\rtf1 ";
    for (int i = 0; i < 200; ++i) fine += "{";
    fine += "x";
    EXPECT_TRUE(readRtf(fine, doc, &error));
    EXPECT_EQ(doc.toPlainText(), "x");
}

TEST(RtfHostileInput, LongRunsOfWordsLettersAndTablesStayBounded) {
    QByteArray manyTabs = "{\\rtf1\\pard";
    for (int i = 0; i < 10000; ++i) manyTabs += "\\tx" + QByteArray::number(i);
    manyTabs += " t\\par}";
    QTextDocument doc;
    ASSERT_TRUE(readRtf(manyTabs, doc));
    EXPECT_LE(doc.begin().blockFormat().tabPositions().size(), 64);

    QByteArray longWord = "{\\rtf1 \\" + QByteArray(100000, 'a') + " z}";
    ASSERT_TRUE(readRtf(longWord, doc));

    QByteArray fonts = "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(100000, 'N') + "}} t}";
    ASSERT_TRUE(readRtf(fonts, doc));
    EXPECT_EQ(doc.toPlainText(), " t");
}

TEST(RtfHostileInput, RandomMutationsOfAValidDocumentNeverFail) {
    QTextDocument source;
    source.setPlainText(QString::fromUtf8("Dear [First Name],\tcafé — Ελλάδα\nline two\n"));
    QByteArray rtf = writeRtf(source);
    QRandomGenerator rng(20261209);
    static const char kBytes[] = "{}\\'0123456789abcdefu- ;\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray mutated = rtf;
        for (int k = 0; k < 8; ++k) {
            int at = int(rng.bounded(quint32(mutated.size())));
            if (at < 5) continue;  // keep the header so the body gets exercised
            mutated[at] = kBytes[rng.bounded(quint32(sizeof(kBytes) - 1))];
        }
        QTextDocument doc;
        readRtf(mutated, doc);
        readRtf(writeRtf(doc), doc);
    }
    SUCCEED();
}
