#pragma once
// Checks words against the main dictionary (Hunspell) and the user's words.
#include <QString>
#include <QStringList>
#include <memory>

#include "spell/user_words.h"

class Hunspell;

namespace pc::spell {

class SpellChecker {
  public:
    SpellChecker();
    ~SpellChecker();
    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;

    // Opens the main dictionary (its affix file beside it) and the user's
    // list. False when the main dictionary cannot be read.
    bool open(const QString& mainDictionary, const QString& userWords);
    bool isOpen() const { return hunspell_ != nullptr; }

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;
    // Adds the word to the user's list (saved at once) and to this session.
    bool addWord(const QString& word);
    const UserWordList& userWords() const { return user_; }

  private:
    std::string encode(const QString& word) const;
    QString decode(const std::string& bytes) const;

    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = true;
    UserWordList user_;
};

}  // namespace pc::spell
