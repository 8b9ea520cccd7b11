#pragma once
// The user's own words ("postcru.dct"): one word a line, UTF-8 (older
// Windows-1252 files are read too). Adding a word rewrites the file beside
// itself and swaps it in, so a crash never leaves half a list.
#include <QSet>
#include <QString>
#include <QStringList>

namespace pc::spell {

class UserWordList {
  public:
    // Reads the list; a missing file is an empty list.
    void load(const QString& path);
    const QString& path() const { return path_; }
    const QStringList& words() const { return words_; }
    bool contains(const QString& word) const { return set_.contains(word); }
    // Appends the word and saves the list; false when the file could not be
    // written (the word is then not added). Adding a known word is a no-op.
    bool add(const QString& word);

  private:
    QString path_;
    QStringList words_;
    QSet<QString> set_;
};

}  // namespace pc::spell
