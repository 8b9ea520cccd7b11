#include "spell/spell_check_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "spell/spell_checker.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::spell {

SpellCheckDialog::SpellCheckDialog(SpellCheckRun& run, SpellChecker& checker, QWidget* parent)
    : QDialog(parent), run_(run), checker_(checker) {
    setWindowTitle(QStringLiteral("Spell Check"));
    notFound_ = new QLineEdit(this);
    notFound_->setObjectName(QStringLiteral("NotFoundEdit"));
    notFound_->setReadOnly(true);
    replaceWith_ = new QLineEdit(this);
    replaceWith_->setObjectName(QStringLiteral("ReplaceEdit"));
    suggestions_ = new QListWidget(this);
    suggestions_->setObjectName(QStringLiteral("SuggestionList"));

    auto* grid = new QGridLayout;
    auto label = [&](const QString& text, QWidget* buddy, int row) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
        grid->addWidget(buddy, row + 1, 0);
    };
    label(QStringLiteral("Possible spelling error"), notFound_, 0);
    label(QStringLiteral("Replace with"), replaceWith_, 2);
    label(QStringLiteral("Possible replacements"), suggestions_, 4);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* replace = button(QStringLiteral("Replace "), "ReplaceButton");
    QPushButton* skip = button(QStringLiteral("&Skip Word"), "SkipButton");
    QPushButton* add = button(QStringLiteral("&Add Word"), "AddButton");
    QPushButton* cancel = button(QStringLiteral("Cancel"), "CancelButton");
    QPushButton* help = button(QStringLiteral("Help"), "HelpButton");
    buttons->addStretch();
    replace->setDefault(true);
    grid->addLayout(buttons, 0, 1, 6, 1);
    setLayout(grid);

    connect(replace, &QPushButton::clicked, this, &SpellCheckDialog::ReplaceButtonClick);
    connect(skip, &QPushButton::clicked, this, &SpellCheckDialog::SkipButtonClick);
    connect(add, &QPushButton::clicked, this, &SpellCheckDialog::AddButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kSpellCheck); });
    connect(suggestions_, &QListWidget::currentTextChanged, replaceWith_, &QLineEdit::setText);
    connect(suggestions_, &QListWidget::itemDoubleClicked, this,
            &SpellCheckDialog::ReplaceButtonClick);
    showWord();
}

void SpellCheckDialog::showWord() {
    const auto& word = run_.current();
    if (!word) return;
    notFound_->setText(word->text);
    QStringList options = checker_.suggestions(word->text);
    suggestions_->clear();
    suggestions_->addItems(options);
    if (!options.isEmpty()) suggestions_->setCurrentRow(0);
    replaceWith_->setText(options.isEmpty() ? word->text : options.front());
    replaceWith_->setFocus();
    replaceWith_->selectAll();
}

void SpellCheckDialog::advance() {
    if (run_.next())
        showWord();
    else
        accept();
}

void SpellCheckDialog::ReplaceButtonClick() {
    run_.replace(replaceWith_->text());
    advance();
}

void SpellCheckDialog::SkipButtonClick() {
    run_.skip();
    advance();
}

void SpellCheckDialog::AddButtonClick() {
    if (!run_.add()) {
        pc::text::messages().error(
            QStringLiteral("The word could not be saved to the user dictionary."),
            QStringLiteral("Spell Check"));
        return;
    }
    advance();
}

bool checkDocumentSpelling(QTextDocument& document, SpellChecker& checker, QWidget* parent) {
    SpellCheckRun run(document, checker);
    if (!run.next()) return true;
    SpellCheckDialog dialog(run, checker, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace pc::spell
