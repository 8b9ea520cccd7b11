#pragma once
// One pass of the spell check over a document: finds each word the checker
// does not know, in order, and applies the user's answer to it.
#include <QString>
#include <optional>

#include "spell/document_words.h"

class QTextDocument;

namespace pc::spell {

class SpellChecker;

class SpellCheckRun {
  public:
    SpellCheckRun(QTextDocument& document, SpellChecker& checker);

    // The next unknown word from where the run stands; none at the end.
    std::optional<WordSpan> next();
    const std::optional<WordSpan>& current() const { return current_; }

    // Replaces the current word, keeping its character format, and goes on
    // after the replacement (which is not checked again).
    void replace(const QString& with);
    void skip();
    // Adds the current word to the user's words; false when they could not
    // be saved (the run then stays on the word).
    bool add();

  private:
    QTextDocument& document_;
    SpellChecker& checker_;
    int position_ = 0;
    std::optional<WordSpan> current_;
};

}  // namespace pc::spell
