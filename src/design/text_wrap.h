#pragma once
// Lines of text as a multi-line edit box of a given width and font shows
// them: each paragraph broken at word boundaries, a word wider than the box
// broken where it no longer fits.
#include <QFont>
#include <QString>
#include <QStringList>

namespace pc::design {

// The paragraphs of a text: split at CR LF, CR or LF; a final line break
// does not start another, empty line.
QStringList splitParagraphs(const QString& text);

// The display lines of the paragraphs in a box `width` pixels wide. An
// empty paragraph is one empty line; blanks at a break are dropped.
QStringList wrapLines(const QStringList& paragraphs, const QFont& font, int width);

}  // namespace pc::design
