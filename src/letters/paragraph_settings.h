#pragma once
// A paragraph's indents and spacing in twips, as the paragraph dialog edits
// them: the first line's indent is measured from the margin like the left
// indent (the document keeps it relative to the left indent).
class QTextBlockFormat;

namespace pc::letters {

struct ParagraphSettings {
    int firstIndent = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineHeight = 0;  // at least this high; 0 for single lines
    bool operator==(const ParagraphSettings&) const = default;
};

ParagraphSettings paragraphSettings(const QTextBlockFormat& format);
void applyParagraphSettings(const ParagraphSettings& settings, QTextBlockFormat& format);

}  // namespace pc::letters
