#pragma once
// Small string routines shared by every subsystem. A blank is the space
// character only; tabs and other white space are kept.
#include <QDateTime>
#include <QString>

namespace pc::text {

QString leftTrim(const QString& text);
QString rightTrim(const QString& text);
QString trim(const QString& text);

// Clears bit 0x20, which turns "a".."z" into "A".."Z".
QChar upperCaseLetter(QChar c);
bool isLowerLetter(QChar c);  // "a".."z" only

// Inserts `insertion` in front of the first case-insensitive match of
// `search`; of the text from the match onward at most 100 characters are
// kept. The text unchanged when there is no match.
QString insertBefore(const QString& text, const QString& search, const QString& insertion);
// A printer name without its port: the text before " ON " (any case).
QString cutAtPort(const QString& text);

// Digits 0-9A-Z, most significant first, no leading zeros; 0 (or a
// negative number) gives "".
QString base36(qint64 value);
// base-36 of (year - 1995), then base-36 of the number "mmddhhnnss".
QString newTagIdentifier(const QDateTime& now = QDateTime::currentDateTime());

// Copies in blocks of 2048 bytes; false when both names are the same file
// or either cannot be opened, read or written.
bool copyFile(const QString& source, const QString& target);

}  // namespace pc::text
