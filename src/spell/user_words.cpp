#include "spell/user_words.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "richtext/code_page_text.h"

namespace pc::spell {

void UserWordList::load(const QString& path) {
    path_ = path;
    words_.clear();
    set_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = pc::richtext::decodeCodePage(bytes, 1252);
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || set_.contains(line)) continue;
        words_.append(line);
        set_.insert(line);
    }
}

bool UserWordList::add(const QString& word) {
    QString w = word.trimmed();
    if (w.isEmpty() || w.contains(QLatin1Char('\n'))) return false;
    if (set_.contains(w)) return true;
    QByteArray content;
    for (const QString& known : words_) content += known.toUtf8() + '\n';
    content += w.toUtf8() + '\n';
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return false;
    words_.append(w);
    set_.insert(w);
    return true;
}

}  // namespace pc::spell
