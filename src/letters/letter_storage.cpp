#include "letters/letter_storage.h"

#include <QRegularExpression>
#include <QTextDocument>

#include "data/t_field.h"
#include "data/t_table.h"
#include "richtext/code_page_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace pc::letters {

QString storedRtfText(const QByteArray& rtf) {
    QStringList lines =
        QString::fromLatin1(rtf).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    qsizetype length = 0;
    for (const QString& line : lines) length += line.size() + 2;
    if (length > 0 && length % 4 == 0) lines.last() += QLatin1Char(' ');
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

namespace {

// The memo comes back as text; the reader wants the bytes it was written as.
QByteArray windows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        unsigned char byte = '?';
        richtext::encodeWindows1252(c, &byte);
        bytes.append(char(byte));
    }
    return bytes;
}

}  // namespace

bool LoadRichText(const data::TTable& letters, QTextDocument& document) {
    document.clear();
    return richtext::readRtf(windows1252(letterRtf(letters)), document);
}

void SaveRichText(data::TTable& letters, const QTextDocument& document) {
    letters.fieldByName(QStringLiteral("RTF")).setText(storedRtfText(richtext::writeRtf(document)));
}

QString letterDescription(const data::TTable& letters) {
    const data::TField* field = letters.findField(QStringLiteral("DESCRIPT"));
    return field ? field->text() : QString();
}

QString letterRtf(const data::TTable& letters) {
    const data::TField* field = letters.findField(QStringLiteral("RTF"));
    return field ? field->text() : QString();
}

}  // namespace pc::letters
