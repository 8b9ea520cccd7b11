#pragma once
// Typing replaces the character after the caret unless the Insert key has
// been toggled on: an event filter for line edits and plain or rich text
// editors.
#include <QObject>

class QKeyEvent;

namespace pc::records {

class OverwriteTyping : public QObject {
    Q_OBJECT
  public:
    explicit OverwriteTyping(QObject* parent = nullptr) : QObject(parent) {}

    void install(QObject* editor) { editor->installEventFilter(this); }
    bool insertMode() const { return insertMode_; }
    void setInsertMode(bool on) { insertMode_ = on; }

    // True for a key that types a character: no control, navigation or
    // function key, and no Ctrl/Alt/Meta chord (those are commands).
    static bool typesCharacter(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool insertMode_ = false;  // the Insert key's toggle, off at start
    bool insertHeld_ = false;
};

}  // namespace pc::records
