// Keys the main window handles before its controls.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/t_address_main.h"
#include "text/message_service.h"

namespace pc::app {

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool TAddressMain::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this)
        return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+arrows move between records even while a box has the focus;
        // the boxes would otherwise claim them for moving the caret.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier) {
            for (QAction* action : {mnuFirst, mnuPrior, mnuNext, mnuLast}) {
                if (action->isEnabled() && action->shortcut().matches(QKeySequence(
                                               key->keyCombination())) == QKeySequence::ExactMatch)
                    return true;
            }
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TAddressMain::handleKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool editingNow = editing();
    auto& messages = pc::text::messages();

    if (mods == Qt::ControlModifier) {
        // Normally the menu shortcuts take these first; this serves when
        // the shortcut map does not (the window not yet active).
        for (QAction* action : {mnuFirst, mnuPrior, mnuNext, mnuLast}) {
            if (action->shortcut().matches(QKeySequence(key->keyCombination())) ==
                QKeySequence::ExactMatch) {
                if (action->isEnabled()) action->trigger();
                return true;
            }
        }
    }
    if (isEnter(key->key()) && mods == Qt::AltModifier) {
        if (!editingNow) return false;
        if (SaveButtonClick() && messages.ask("Add another record?", "Add")) AddButtonClick();
        return true;
    }
    if (isEnter(key->key()) && mods == Qt::ControlModifier) {
        if (!editingNow) return false;
        SaveButtonClick();
        return true;
    }
    if (key->key() == Qt::Key_PageDown && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) {
        if (editingNow) {
            if (messages.ask("Save changes?", "Save")) SaveButtonClick();
        } else if (active()) {
            mods == Qt::ControlModifier ? LastButtonClick() : NextButtonClick();
        }
        return true;
    }
    if (key->key() == Qt::Key_PageUp && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) {
        if (!editingNow && active())
            mods == Qt::ControlModifier ? FirstButtonClick() : PriorButtonClick();
        return true;
    }
    if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        if (!editingNow) return false;
        if (QApplication::focusWidget() == MemoEdit) {
            if (CancelButton->isEnabled()) CancelButtonClick();
        } else if (messages.ask("Cancel changes?", "Cancel")) {
            CancelButtonClick();
        }
        return true;
    }
    return false;
}

}  // namespace pc::app
