#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "richtext/page_setup.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_file.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

using namespace pc::richtext;
using namespace pc::richtext::testing;

namespace {

// Every run's text with the formats a letter can carry, block by block.
QStringList describe(const QTextDocument& doc) {
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat p = b.blockFormat();
        QStringList tabs;
        for (const auto& t : p.tabPositions())
            tabs << QString("%1/%2").arg(t.position).arg(int(t.type));
        out << QString("block a=%1 l=%2 r=%3 f=%4 t=%5 b=%6 lh=%7/%8 tabs=%9 brk=%10")
                   .arg(int(p.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(p.leftMargin())
                   .arg(p.rightMargin())
                   .arg(p.textIndent())
                   .arg(p.topMargin())
                   .arg(p.bottomMargin())
                   .arg(p.lineHeight())
                   .arg(p.lineHeightType())
                   .arg(tabs.join(','))
                   .arg(int(p.pageBreakPolicy()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextCharFormat f = it.fragment().charFormat();
            out << QString("  [%1] %2 %3 w%4 i%5 u%6 s%7 fg%8 bg%9 v%10")
                       .arg(it.fragment().text(), familyOf(f))
                       .arg(f.fontPointSize())
                       .arg(f.fontWeight())
                       .arg(f.fontItalic())
                       .arg(f.fontUnderline())
                       .arg(f.fontStrikeOut())
                       .arg(f.hasProperty(QTextFormat::ForegroundBrush)
                                ? f.foreground().color().name()
                                : QString("-"))
                       .arg(f.hasProperty(QTextFormat::BackgroundBrush)
                                ? f.background().color().name()
                                : QString("-"))
                       .arg(int(f.verticalAlignment()));
        }
    }
    return out;
}

QTextCharFormat run(const QString& family, double points) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    return f;
}

}  // namespace

TEST(RtfRoundTrip, WrittenDocumentReadsBackTheSame) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextBlockFormat first;
    first.setAlignment(Qt::AlignHCenter);
    first.setLeftMargin(48);
    first.setRightMargin(12.4);  // 186 twips
    first.setTextIndent(-24);
    first.setTopMargin(8);
    first.setBottomMargin(4);
    first.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    first.setTabPositions(
        {QTextOption::Tab(96, QTextOption::LeftTab), QTextOption::Tab(300, QTextOption::RightTab)});
    c.setBlockFormat(first);
    QTextCharFormat bold = run("Liberation Serif", 14);
    bold.setFontWeight(QFont::Bold);
    c.insertText("Dear [First Name],", bold);
    QTextCharFormat fancy = run("Arial", 10.5);
    fancy.setFontItalic(true);
    fancy.setFontUnderline(true);
    fancy.setFontStrikeOut(true);
    fancy.setForeground(QColor(10, 20, 30));
    fancy.setBackground(QColor(250, 240, 0));
    c.insertText(QString("\tcafé {x} \\ € ") + QChar(0x03B1) + QChar(0x2028) + "next", fancy);
    QTextCharFormat sup = run("Arial", 12);
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QString::fromUtf8("2\xF0\x9F\x98\x80"), sup);

    QTextBlockFormat second;
    second.setAlignment(Qt::AlignJustify);
    second.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    second.setLineHeight(20, QTextBlockFormat::FixedHeight);
    c.insertBlock(second);
    c.insertText("second page", run("Courier New", 12));
    QTextBlockFormat third;
    third.setAlignment(Qt::AlignRight);
    third.setLineHeight(18, QTextBlockFormat::MinimumHeight);
    c.insertBlock(third);  // empty paragraph at the end must survive
    PageSetup page{11906, 16838, 1134, 1000, 900, 800};
    setPageSetup(doc, page);

    QByteArray rtf = writeRtf(doc);
    QTextDocument back;
    ASSERT_TRUE(readRtf(rtf, back)) << rtf.constData();
    EXPECT_EQ(describe(back).join('\n').toStdString(), describe(doc).join('\n').toStdString())
        << rtf.constData();
    EXPECT_EQ(pageSetup(back), page);
    // A second trip writes the same bytes.
    EXPECT_EQ(writeRtf(back), rtf);
}

TEST(RtfRoundTrip, EmptyAndPlainDocuments) {
    for (QString text : {QString(), QString("one"), QString("one\ntwo\n"), QString("\n\n")}) {
        QTextDocument doc;
        doc.setPlainText(text);
        QTextDocument back;
        ASSERT_TRUE(readRtf(writeRtf(doc), back));
        EXPECT_EQ(back.toPlainText(), text);
        EXPECT_EQ(back.blockCount(), doc.blockCount()) << text.toStdString();
    }
}

TEST(RtfRoundTrip, OutputIsSevenBitWithUnicodeEscapes) {
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf8("Ελλάδα – naïve"));
    QByteArray rtf = writeRtf(doc);
    for (char ch : rtf) ASSERT_LT(uchar(ch), 0x80);
    EXPECT_TRUE(rtf.contains("\\u917?"));  // Greek is not in Windows-1252
    EXPECT_TRUE(rtf.contains("\\'96 na\\'efve"));
    QTextDocument back;
    ASSERT_TRUE(readRtf(rtf, back));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
}

TEST(RtfFile, SavesWholeOrNotAtAllAndLoadsBack) {
    QTemporaryDir dir;
    QTextDocument doc;
    doc.setPlainText("Dear [First Name],\nthanks");
    QString path = dir.filePath("letter.rtf");
    QString error;
    ASSERT_TRUE(saveRtfFile(doc, path, &error)) << error.toStdString();
    QTextDocument back;
    ASSERT_TRUE(loadRtfFile(path, back, &error)) << error.toStdString();
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());

    // A folder that cannot be written keeps the old file and says why.
    EXPECT_FALSE(saveRtfFile(doc, dir.filePath("missing/letter.rtf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(loadRtfFile(dir.filePath("missing.rtf"), back, &error));
    EXPECT_FALSE(loadRtfFile(dir.path(), back, &error));
}
