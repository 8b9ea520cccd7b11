#pragma once
// Reads RTF into a QTextDocument: text, character and paragraph formats,
// page size and margins (see page_setup.h), page breaks and table rows as
// tab-separated text. Destinations it does not show (pictures, headers,
// footers, document information, style sheets) are skipped, unknown control
// words ignored; damaged input ends the read early but never crashes.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace pc::richtext {

// Limits that keep hostile input from exhausting the machine.
inline constexpr int kMaxRtfGroupDepth = 256;
inline constexpr qsizetype kMaxRtfBytes = 64 * 1024 * 1024;

// Replaces the document's content. False with a reason in `error` when the
// bytes are not RTF or are too large or too deeply nested; the document then
// holds what was read before the fault.
bool readRtf(const QByteArray& rtf, QTextDocument& document, QString* error = nullptr);

}  // namespace pc::richtext
