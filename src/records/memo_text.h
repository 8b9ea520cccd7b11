#pragma once
// The memo between the editor and the MEMO field.
#include <QString>

namespace pc::records {

// The editor's text as stored: CR LF line breaks, as other xBase tools
// expect, and one blank appended to the last line when the text (so
// written) has a length that is a positive multiple of 4; the memo files
// of older versions lose such memos' last block otherwise.
QString memoForStorage(const QString& editorText);
// The stored memo as the editor shows it (LF line breaks).
QString memoForEditor(const QString& stored);

}  // namespace pc::records
