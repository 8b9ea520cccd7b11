#include "widgets/copy_record_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QVBoxLayout>

#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::widgets {

CopyRecordDialog::CopyRecordDialog(QWidget* parent)
    : QDialog(parent),
      name_(new QCheckBox(QStringLiteral("Name, Organization, Title"), this)),
      address_(new QCheckBox(QStringLiteral("Address"), this)),
      phones_(new QCheckBox(QStringLiteral("Phone Numbers"), this)),
      codes_(new QCheckBox(QStringLiteral("Codes"), this)),
      // "&&" shows a single "&".
      comments_(new QCheckBox(QStringLiteral("Comments 1 && 2"), this)) {
    setWindowTitle(QStringLiteral("Copy Record To Clipboard"));
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {name_, address_, phones_, codes_, comments_}) layout->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setGroups(text::ClipboardGroups{});
}

text::ClipboardGroups CopyRecordDialog::groups() const {
    return {name_->isChecked(), address_->isChecked(), phones_->isChecked(), codes_->isChecked(),
            comments_->isChecked()};
}

void CopyRecordDialog::setGroups(const text::ClipboardGroups& g) {
    name_->setChecked(g.name);
    address_->setChecked(g.address);
    phones_->setChecked(g.phones);
    codes_->setChecked(g.codes);
    comments_->setChecked(g.comments);
}

void putRecordOnClipboard(const text::FieldText& field, const text::ClipboardGroups& groups) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text::recordClipboardText(field, groups));
    text::messages().inform(QStringLiteral("Record copied to Windows Clipboard"));
}

bool copyRecordToClipboard(const text::FieldText& field, QWidget* mainWindow) {
    CopyRecordDialog dialog(mainWindow);
    dialog.adjustSize();
    centreWindow(&dialog, mainWindow);
    if (dialog.exec() != QDialog::Accepted) return false;
    putRecordOnClipboard(field, dialog.groups());
    return true;
}

}  // namespace pc::widgets
