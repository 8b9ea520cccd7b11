#include "design/ui/text_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/text_label.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {

TTextDialog::TTextDialog(TGPLabel& label, QWidget* parent) : QDialog(parent), label_(label) {
    setWindowTitle(QStringLiteral("Text"));
    auto* prompt = new QLabel(QStringLiteral("Enter Text"), this);
    TextEdit = new QLineEdit(label.caption(), this);
    TextEdit->selectAll();
    prompt->setBuddy(TextEdit);
    const DialogButtons buttons = makeDialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(TextEdit);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TTextDialog::OkButtonClick);
}

void TTextDialog::OkButtonClick() {
    label_.setCaption(TextEdit->text());
    label_.fitToText();
    label_.notifyChanged();
    accept();
}

}  // namespace pc::design::ui
