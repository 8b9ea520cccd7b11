#include "design/text_wrap.h"

#include <QRegularExpression>
#include <QTextLayout>
#include <QTextOption>

namespace pc::design {

QStringList splitParagraphs(const QString& text) {
    if (text.isEmpty()) return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList wrapLines(const QStringList& paragraphs, const QFont& font, int width) {
    QStringList out;
    const qreal lineWidth = std::max(1, width);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            QString text = paragraph.mid(line.textStart(), line.textLength());
            const bool last = line.textStart() + line.textLength() >= paragraph.size();
            if (!last) {
                qsizetype end = text.size();
                while (end > 0 && text.at(end - 1).isSpace()) --end;
                text.truncate(end);
            }
            out << text;
        }
        layout.endLayout();
    }
    return out;
}

}  // namespace pc::design
