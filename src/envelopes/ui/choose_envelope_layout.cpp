#include "envelopes/ui/choose_envelope_layout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "envelopes/envelope_sizes.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {

TChooseEnvelopeLayout::TChooseEnvelopeLayout(int code, QWidget* parent)
    : QDialog(parent), code_(code) {
    setWindowTitle(QStringLiteral("Envelope Size"));
    setObjectName(QStringLiteral("TChooseEnvelopeLayout"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SizeList"));
    for (const EnvelopeSize& size : envelopeSizes()) list_->addItem(QString::fromLatin1(size.text));
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the envelope size:"), this));
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(340, 380);
}

void TChooseEnvelopeLayout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    list_->setCurrentRow(std::max(0, envelopeSizeRow(code_)));
}

int TChooseEnvelopeLayout::code() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= kEnvelopeSizeCount) return code_;
    return envelopeSizes()[row].code;
}

bool chooseEnvelopeSize(int& code, QWidget* parent) {
    TChooseEnvelopeLayout dialog(code, parent);
    widgets::centreWindow(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    code = dialog.code();
    return true;
}

}  // namespace pc::envelopes
