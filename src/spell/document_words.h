#pragma once
// Walks the words of a QTextDocument for spell checking. Merge-field tokens
// such as "[First Name]" are not words, and runs with digits ("2nd",
// "12345") are left alone.
#include <QString>
#include <optional>

class QTextDocument;

namespace pc::spell {

struct WordSpan {
    int position = 0;  // document position of the first character
    QString text;
    int end() const { return position + int(text.size()); }
};

// The first word that starts at or after `from`.
std::optional<WordSpan> nextWord(const QTextDocument& document, int from);

}  // namespace pc::spell
