#pragma once
// Decodes the 8-bit text of an RTF document (\'hh and raw bytes) in the code
// page its header or font names.
#include <QByteArray>
#include <QString>

namespace pc::richtext {

// Windows code page of an RTF \fcharsetN; 0 when the charset names none
// (the document's \ansicpg applies).
int codePageOfCharset(int charset);

// Bytes in a Windows code page to text. Pages our table engine knows are
// decoded with its tables; others through Qt's codecs; anything unknown as
// Windows-1252, so text is never dropped.
QString decodeCodePage(const QByteArray& bytes, int codePage);

// Whether the character has a single byte in Windows-1252; the byte when so.
bool encodeWindows1252(QChar c, unsigned char* byte);

}  // namespace pc::richtext
