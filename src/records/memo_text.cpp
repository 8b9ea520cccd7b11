#include "records/memo_text.h"

namespace pc::records {

QString memoForStorage(const QString& editorText) {
    QString stored = editorText;
    stored.replace("\r\n", "\n");
    stored.replace("\n", "\r\n");
    if (!stored.isEmpty() && stored.size() % 4 == 0) stored += ' ';
    return stored;
}

QString memoForEditor(const QString& stored) {
    QString text = stored;
    text.replace("\r\n", "\n");
    return text;
}

}  // namespace pc::records
