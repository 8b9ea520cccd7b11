#include "records/overwrite_typing.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace pc::records {

namespace {

template <typename Editor>
void selectNextCharacter(Editor* editor) {
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection() || cursor.atEnd() || cursor.atBlockEnd()) return;
    // Stop at line ends: overwriting must not join lines.
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

}  // namespace

bool OverwriteTyping::typesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    if (text.isEmpty()) return false;
    // Control characters arrive with Tab, Enter, Backspace, Escape, Delete.
    return text.at(0).isPrint();
}

bool OverwriteTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) insertHeld_ = false;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Insert) {
        if (!key->isAutoRepeat() && key->modifiers() == Qt::NoModifier) insertMode_ = !insertMode_;
        insertHeld_ = true;
        return false;
    }
    if (insertMode_ || insertHeld_ || !typesCharacter(*key)) return false;

    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        if (!line->isReadOnly() && !line->hasSelectedText() &&
            line->cursorPosition() < line->text().size())
            line->setSelection(line->cursorPosition(), 1);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(watched)) {
        if (!plain->isReadOnly()) selectNextCharacter(plain);
    } else if (auto* rich = qobject_cast<QTextEdit*>(watched)) {
        if (!rich->isReadOnly()) selectNextCharacter(rich);
    }
    return false;
}

}  // namespace pc::records
