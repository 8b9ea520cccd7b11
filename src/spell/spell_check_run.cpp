#include "spell/spell_check_run.h"

#include <QTextCursor>
#include <QTextDocument>

#include "spell/spell_checker.h"

namespace pc::spell {

SpellCheckRun::SpellCheckRun(QTextDocument& document, SpellChecker& checker)
    : document_(document), checker_(checker) {}

std::optional<WordSpan> SpellCheckRun::next() {
    current_.reset();
    while (auto w = nextWord(document_, position_)) {
        if (!checker_.isCorrect(w->text)) {
            current_ = w;
            break;
        }
        position_ = w->end();
    }
    return current_;
}

void SpellCheckRun::replace(const QString& with) {
    if (!current_) return;
    QTextCursor c(&document_);
    c.setPosition(current_->position);
    c.setPosition(current_->end(), QTextCursor::KeepAnchor);
    c.insertText(with, c.charFormat());
    position_ = current_->position + int(with.size());
    current_.reset();
}

void SpellCheckRun::skip() {
    if (!current_) return;
    position_ = current_->end();
    current_.reset();
}

bool SpellCheckRun::add() {
    if (!current_) return false;
    if (!checker_.addWord(current_->text)) return false;
    skip();
    return true;
}

}  // namespace pc::spell
