#include "letters/letter_merge.h"

#include <QTextCursor>
#include <QTextDocument>

namespace pc::letters {

int DoMerge(QTextDocument& document, const QString& name, const QString& value) {
    const QString token = QLatin1Char('[') + name + QLatin1Char(']');
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
    int count = 0;
    int from = 0;
    for (;;) {
        QTextCursor found = document.find(token, from);
        if (found.isNull()) break;
        // The format of the token's first character is what the reader sees.
        QTextCursor first(&document);
        first.setPosition(found.selectionStart());
        first.setPosition(found.selectionStart() + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat format = first.charFormat();
        found.insertText(text, format);
        from = found.position();
        ++count;
    }
    return count;
}

void ReplaceTokens(QTextDocument& document, const std::vector<MergeValue>& values) {
    // Most names are not in a letter: one look at the text spares a search
    // through the document for each of them.
    QString text = document.toPlainText();
    for (const MergeValue& v : values) {
        const QString token = QLatin1Char('[') + v.name + QLatin1Char(']');
        if (!text.contains(token, Qt::CaseInsensitive)) continue;
        if (DoMerge(document, v.name, v.value) > 0) text = document.toPlainText();
    }
}

}  // namespace pc::letters
