#pragma once
// The "Spell Check" dialog: shows each word the checker does not know with
// suggestions, and replaces, skips or adds it.
#include <QDialog>

#include "spell/spell_check_run.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pc::spell {

class SpellCheckDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts at the run's current word; call only when there is one.
    SpellCheckDialog(SpellCheckRun& run, SpellChecker& checker, QWidget* parent = nullptr);

  private:
    void showWord();
    void advance();
    void ReplaceButtonClick();
    void SkipButtonClick();
    void AddButtonClick();

    SpellCheckRun& run_;
    SpellChecker& checker_;
    QLineEdit* notFound_;
    QLineEdit* replaceWith_;
    QListWidget* suggestions_;
};

// Checks the whole document, opening the dialog when a word is unknown.
// False when the user cancelled.
bool checkDocumentSpelling(QTextDocument& document, SpellChecker& checker,
                           QWidget* parent = nullptr);

}  // namespace pc::spell
