#include "spell/document_words.h"

#include <QTextBlock>
#include <QTextDocument>

namespace pc::spell {

namespace {

bool isApostrophe(QChar c) {
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

// The first word of a block's text at or after `from`, as (start, length).
std::optional<std::pair<int, int>> wordInText(const QString& text, int from) {
    int i = std::max(from, 0);
    int n = int(text.size());
    while (i < n) {
        QChar c = text[i];
        if (c == QLatin1Char('[')) {
            int close = int(text.indexOf(QLatin1Char(']'), i + 1));
            if (close > 0) {
                i = close + 1;
                continue;
            }
        }
        if (!isWordChar(c)) {
            ++i;
            continue;
        }
        int start = i;
        bool digits = false;
        while (i < n) {
            if (isWordChar(text[i])) {
                digits = digits || text[i].isDigit();
                ++i;
            } else if (isApostrophe(text[i]) && i + 1 < n && text[i + 1].isLetter() && i > start) {
                ++i;
            } else {
                break;
            }
        }
        if (!digits) return std::make_pair(start, i - start);
    }
    return std::nullopt;
}

}  // namespace

std::optional<WordSpan> nextWord(const QTextDocument& document, int from) {
    for (QTextBlock b = document.findBlock(std::max(from, 0)); b.isValid(); b = b.next()) {
        QString text = b.text();
        auto w = wordInText(text, from - b.position());
        if (w) return WordSpan{b.position() + w->first, text.mid(w->first, w->second)};
    }
    return std::nullopt;
}

}  // namespace pc::spell
