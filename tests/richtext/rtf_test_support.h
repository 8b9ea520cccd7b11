#pragma once
// Reading RTF text in tests, and the formats of a document's runs.
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>

#include "richtext/rtf_reader.h"

namespace pc::richtext::testing {

inline std::unique_ptr<QTextDocument> readText(const char* rtf, bool* ok = nullptr) {
    auto doc = std::make_unique<QTextDocument>();
    bool read = readRtf(QByteArray(rtf), *doc);
    if (ok) *ok = read;
    return doc;
}

inline QTextBlock blockAt(const QTextDocument& doc, int n) {
    return doc.findBlockByNumber(n);
}

// The character format of the first fragment that is `text`, else of the
// first that contains it.
inline QTextCharFormat formatOf(const QTextDocument& doc, const QString& text) {
    for (bool exact : {true, false})
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                QString t = it.fragment().text();
                if (exact ? t == text : t.contains(text)) return it.fragment().charFormat();
            }
    return {};
}

inline QString familyOf(const QTextCharFormat& f) {
    QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.front();
}

}  // namespace pc::richtext::testing
