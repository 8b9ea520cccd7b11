#pragma once
// Templates in LETTER.DBF: the RTF memo of the current row to and from a
// document, through the RTF reader and writer.
#include <QString>

class QTextDocument;

namespace pc::data {
class TTable;
}

namespace pc::letters {

inline constexpr int kDescriptionLength = 50;

// The text the memo keeps for an editor's RTF: lines ended by CR LF, and one
// blank added to the last line when the whole text is a non-zero multiple
// of 4 characters long (the stored letters of the program have always been
// kept so).
QString storedRtfText(const QByteArray& rtf);

// Loads the current row's template into the document (cleared first);
// false when the memo is not RTF (the document then holds what was read).
bool LoadRichText(const data::TTable& letters, QTextDocument& document);
// Stores the document into the current row's memo; the table must be in
// edit or insert state. Throws DataError as the table layer does.
void SaveRichText(data::TTable& letters, const QTextDocument& document);

// The current row's description and RTF text.
QString letterDescription(const data::TTable& letters);
QString letterRtf(const data::TTable& letters);

}  // namespace pc::letters
