// Documents another word processor wrote (tests/fixtures/rtf, made by the
// script there), and our own RTF opened by it when it is installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "richtext/page_setup.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

using namespace pc::richtext;
using namespace pc::richtext::testing;

namespace {

std::unique_ptr<QTextDocument> readFixture(const QString& name) {
    QFile file(QStringLiteral(PC_FIXTURES_DIR "/rtf/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    auto doc = std::make_unique<QTextDocument>();
    QString error;
    EXPECT_TRUE(readRtf(file.readAll(), *doc, &error)) << error.toStdString();
    return doc;
}

Qt::Alignment alignmentOf(const QTextDocument& doc, int block) {
    return blockAt(doc, block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

}  // namespace

TEST(LibreOfficeCorpus, LetterKeepsTextFontsStylesAlignmentAndIndents) {
    auto doc = readFixture("letter.rtf");
    EXPECT_EQ(plainTextLines(*doc),
              "Dear [First Name] [Last Name],\n"
              "Thank you for your order. We are pleased to confirm that it shipped today.\n"
              "Centred heading\n"
              "Right aligned, ten points\n"
              "Indented one inch, hanging a quarter.\n"
              "Underlined and struck and red.\n");
    QTextCharFormat dear = formatOf(*doc, "Dear");
    EXPECT_EQ(familyOf(dear), "Times New Roman");
    EXPECT_DOUBLE_EQ(dear.fontPointSize(), 12.0);
    EXPECT_NE(dear.fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(*doc, "pleased").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(*doc, "shipped").fontItalic());
    QTextCharFormat heading = formatOf(*doc, "Centred");
    EXPECT_EQ(familyOf(heading), "Arial");
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 14.0);
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatOf(*doc, "Right aligned").fontPointSize(), 10.0);
    EXPECT_EQ(familyOf(formatOf(*doc, "Indented")), "Courier New");
    EXPECT_TRUE(formatOf(*doc, "Underlined").fontUnderline());
    EXPECT_TRUE(formatOf(*doc, "struck").fontStrikeOut());
    EXPECT_EQ(formatOf(*doc, "red").foreground().color(), QColor(255, 0, 0));

    EXPECT_EQ(alignmentOf(*doc, 0), Qt::AlignLeft);
    EXPECT_TRUE(alignmentOf(*doc, 1) & Qt::AlignJustify);
    EXPECT_EQ(alignmentOf(*doc, 2), Qt::AlignHCenter);
    EXPECT_EQ(alignmentOf(*doc, 3), Qt::AlignRight);
    QTextBlockFormat indented = blockAt(*doc, 4).blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 96.0);  // one inch
    EXPECT_DOUBLE_EQ(indented.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    QTextBlockFormat body = blockAt(*doc, 0).blockFormat();
    EXPECT_EQ(body.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(body.lineHeight(), 115.0);
    EXPECT_DOUBLE_EQ(body.bottomMargin(), 140 / 15.0);

    PageSetup page = pageSetup(*doc);
    EXPECT_EQ(page, (PageSetup{11906, 16838, 1134, 567, 567, 567}));
}

TEST(LibreOfficeCorpus, InternationalTextThroughUnicodeEscapes) {
    auto doc = readFixture("international.rtf");
    EXPECT_EQ(plainTextLines(*doc), QString::fromUtf8("Café crème, naïve façade – “quoted” — €5\n"
                                                      "Ελληνικά και Русский текст\n"
                                                      "Zürich, Łódź, Ærø\n"));
    EXPECT_EQ(familyOf(formatOf(*doc, "Zürich")), "Liberation Sans");
    EXPECT_DOUBLE_EQ(formatOf(*doc, "Zürich").fontPointSize(), 11.0);
}

TEST(LibreOfficeCorpus, TableRowsAsTabSeparatedLines) {
    auto doc = readFixture("table.rtf");
    EXPECT_EQ(plainTextLines(*doc), "Before the table\nName\tCity\nAnn\tOslo\nAfter the table\n");
}

TEST(LibreOfficeCorpus, OurRtfOpensThereWithTheSameText) {
    QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontFamilies(QStringList{"Arial"});
    c.insertText("Dear [First Name],", bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText(QString::fromUtf8("Café – Ελλάδα {braces} \\ back\tslash"), QTextCharFormat());
    c.insertBlock();
    c.insertText("Last line");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile out(dir.filePath("ours.rtf"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(writeRtf(doc));
    out.close();
    QProcess p;
    p.start(soffice,
            {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
             "--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir.path(), out.fileName()});
    ASSERT_TRUE(p.waitForFinished(-1));
    QFile text(dir.filePath("ours.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly)) << p.readAllStandardError().toStdString();
    QString converted = QString::fromUtf8(text.readAll());
    if (converted.startsWith(QChar(0xFEFF))) converted.remove(0, 1);
    converted.replace("\r\n", "\n");
    EXPECT_EQ(converted, plainTextLines(doc));
}
