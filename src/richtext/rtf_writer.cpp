#include "richtext/rtf_writer.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextOption>
#include <cmath>

#include "richtext/code_page_text.h"
#include "richtext/page_setup.h"

namespace pc::richtext {

namespace {

int toTwips(double units) {
    return int(std::lround(units * kTwipsPerDocumentUnit));
}

QString familyOf(const QTextCharFormat& f, const QTextDocument& doc) {
    QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.front().isEmpty()) return families.front();
    return doc.defaultFont().family();
}

void appendEscaped(QByteArray& out, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        char16_t u = c.unicode();
        unsigned char byte = 0;
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == '\n' || u == '\r') {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u == QChar::ObjectReplacementCharacter || (u < 0x20)) {
            continue;  // embedded objects and control characters have no text form
        } else if (u < 0x80) {
            out += char(u);
        } else if (encodeWindows1252(c, &byte)) {
            out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(int(int16_t(u))) + '?';
        }
    }
}

class Writer {
  public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {}
    QByteArray write();

  private:
    int fontIndex(const QString& family);
    int colorIndex(const QColor& color);
    void collectTables();
    void writeBlock(const QTextBlock& block);
    void writeFragment(const QTextFragment& fragment);

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QRgb> colors_;
    QByteArray out_;
};

int Writer::fontIndex(const QString& family) {
    qsizetype i = fonts_.indexOf(family);
    if (i < 0) {
        fonts_.append(family);
        i = fonts_.size() - 1;
    }
    return int(i);
}

int Writer::colorIndex(const QColor& color) {
    QRgb rgb = color.rgb() | 0xFF000000u;
    qsizetype i = colors_.indexOf(rgb);
    if (i < 0) {
        colors_.append(rgb);
        i = colors_.size() - 1;
    }
    return int(i) + 1;  // entry 0 is "auto"
}

void Writer::collectTables() {
    fontIndex(doc_.defaultFont().family());
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextCharFormat f = it.fragment().charFormat();
            fontIndex(familyOf(f, doc_));
            if (f.hasProperty(QTextFormat::ForegroundBrush)) colorIndex(f.foreground().color());
            if (f.hasProperty(QTextFormat::BackgroundBrush)) colorIndex(f.background().color());
        }
}

QByteArray Writer::write() {
    collectTables();
    out_ = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < fonts_.size(); ++i) {
        out_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        // A semicolon ends a font table entry; no font name needs one.
        appendEscaped(out_, QString(fonts_[i]).remove(QLatin1Char(';')));
        out_ += ";}";
    }
    out_ += "}\n{\\colortbl;";
    for (QRgb rgb : colors_)
        out_ += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    out_ += "}\n";
    PageSetup page = pageSetup(doc_);
    out_ += "\\paperw" + QByteArray::number(page.paperWidth) + "\\paperh" +
            QByteArray::number(page.paperHeight) + "\\margl" + QByteArray::number(page.marginLeft) +
            "\\margr" + QByteArray::number(page.marginRight) + "\\margt" +
            QByteArray::number(page.marginTop) + "\\margb" + QByteArray::number(page.marginBottom) +
            "\n";
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) writeBlock(b);
    out_ += "}\n";
    return out_;
}

void Writer::writeBlock(const QTextBlock& block) {
    QTextBlockFormat f = block.blockFormat();
    out_ += "\\pard";
    Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        out_ += "\\qj";
    else if (a & Qt::AlignHCenter)
        out_ += "\\qc";
    else if (a & (Qt::AlignRight))
        out_ += "\\qr";
    else
        out_ += "\\ql";
    auto twips = [&](const char* word, double units) {
        int t = toTwips(units);
        if (t != 0) out_ += QByteArray(word) + QByteArray::number(t);
    };
    twips("\\li", f.leftMargin());
    twips("\\ri", f.rightMargin());
    twips("\\fi", f.textIndent());
    twips("\\sb", f.topMargin());
    twips("\\sa", f.bottomMargin());
    switch (f.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            if (std::lround(f.lineHeight()) != 100)
                out_ += "\\sl" + QByteArray::number(std::lround(f.lineHeight() * 240.0 / 100.0)) +
                        "\\slmult1";
            break;
        case QTextBlockFormat::MinimumHeight:
            out_ += "\\sl" + QByteArray::number(toTwips(f.lineHeight())) + "\\slmult0";
            break;
        case QTextBlockFormat::FixedHeight:
            out_ += "\\sl-" + QByteArray::number(toTwips(f.lineHeight())) + "\\slmult0";
            break;
        default:
            break;
    }
    for (const QTextOption::Tab& tab : f.tabPositions()) {
        if (tab.type == QTextOption::RightTab) out_ += "\\tqr";
        if (tab.type == QTextOption::CenterTab) out_ += "\\tqc";
        if (tab.type == QTextOption::DelimiterTab) out_ += "\\tqdec";
        out_ += "\\tx" + QByteArray::number(toTwips(tab.position));
    }
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) out_ += "\\pagebb";
    out_ += '\n';
    for (auto it = block.begin(); !it.atEnd(); ++it) writeFragment(it.fragment());
    out_ += "\\par\n";
}

void Writer::writeFragment(const QTextFragment& fragment) {
    QTextCharFormat f = fragment.charFormat();
    out_ += "{\\f" + QByteArray::number(fontIndex(familyOf(f, doc_)));
    double points = f.fontPointSize();
    if (points <= 0) points = doc_.defaultFont().pointSizeF();
    if (points <= 0) points = 12;
    out_ += "\\fs" + QByteArray::number(std::lround(points * 2));
    if (f.fontWeight() >= QFont::DemiBold) out_ += "\\b";
    if (f.fontItalic()) out_ += "\\i";
    if (f.fontUnderline()) out_ += "\\ul";
    if (f.fontStrikeOut()) out_ += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out_ += "\\super";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out_ += "\\sub";
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        out_ += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
    if (f.hasProperty(QTextFormat::BackgroundBrush)) {
        QByteArray index = QByteArray::number(colorIndex(f.background().color()));
        out_ += "\\chcbpat" + index + "\\cb" + index;
    }
    out_ += ' ';
    appendEscaped(out_, fragment.text());
    out_ += "}";
}

}  // namespace

QByteArray writeRtf(const QTextDocument& document) {
    return Writer(document).write();
}

}  // namespace pc::richtext
