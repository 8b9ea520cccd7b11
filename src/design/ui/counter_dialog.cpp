#include "design/ui/counter_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "design/counter_label.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {

TCounterDialog::TCounterDialog(TGCounterLabel& counter, QWidget* parent)
    : QDialog(parent), counter_(counter) {
    setWindowTitle(QStringLiteral("Counter"));
    StartingNumberEdit = new QLineEdit(QString::number(counter.startingNumber()), this);
    StartingNumberEdit->setValidator(new QIntValidator(std::numeric_limits<qint32>::min(),
                                                       std::numeric_limits<qint32>::max(),
                                                       StartingNumberEdit));
    RepeatSpin = new QSpinBox(this);
    RepeatSpin->setRange(1, 999);
    RepeatSpin->setValue(std::clamp(counter.repeatEach(), 1, 999));
    TextBeforeEdit = new QLineEdit(counter.textBefore(), this);
    TextAfterEdit = new QLineEdit(counter.textAfter(), this);
    LeadingZerosSpin = new QSpinBox(this);
    LeadingZerosSpin->setRange(0, 9);
    LeadingZerosSpin->setValue(std::clamp(counter.leadingZeros(), 0, 9));

    auto* zeros = new QHBoxLayout;
    zeros->addWidget(LeadingZerosSpin);
    zeros->addWidget(new QLabel(QStringLiteral("digits"), this));
    zeros->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Starting Number"), StartingNumberEdit);
    form->addRow(QStringLiteral("Repeat number for #of  labels?"), RepeatSpin);
    form->addRow(QStringLiteral("Text  before"), TextBeforeEdit);
    form->addRow(QStringLiteral("Text after"), TextAfterEdit);
    form->addRow(QStringLiteral("Leading zeros to"), zeros);

    const DialogButtons buttons = makeDialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TCounterDialog::OkButtonClick);
}

void TCounterDialog::OkButtonClick() {
    bool ok = false;
    const int start = StartingNumberEdit->text().toInt(&ok);
    if (ok) counter_.setStartingNumber(start);
    counter_.setRepeatEach(RepeatSpin->value());
    counter_.setTextBefore(TextBeforeEdit->text());
    counter_.setTextAfter(TextAfterEdit->text());
    counter_.setLeadingZeros(LeadingZerosSpin->value());
    counter_.resetCounter();
    if (counter_.angle() == 0) {
        // Narrowed first so that the box fits the new text, shorter or longer.
        counter_.setBounds(counter_.left(), counter_.top(), 10, counter_.height());
        counter_.fitToText();
    }
    counter_.notifyChanged();
    accept();
}

}  // namespace pc::design::ui
