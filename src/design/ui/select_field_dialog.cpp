#include "design/ui/select_field_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/data_label.h"
#include "design/object_host.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {

TSelectFieldDialog::TSelectFieldDialog(const MergeSource* source, FieldChoiceKind kind,
                                       const QString& current, QWidget* parent)
    : QDialog(parent), choice_(fieldChoice(source, kind)) {
    setWindowTitle(QStringLiteral("Select Field"));
    FieldList = new QListWidget(this);
    for (const MergeField& f : choice_) FieldList->addItem(f.displayLabel);
    FieldList->setCurrentRow(preselectedField(choice_, current));
    const DialogButtons buttons = makeDialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FieldList);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(FieldList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

const MergeField* TSelectFieldDialog::chosen() const {
    const int row = FieldList->currentRow();
    if (row < 0 || row >= static_cast<int>(choice_.size())) return nullptr;
    return &choice_[static_cast<size_t>(row)];
}

void applyDataField(TGPDLabel& label, const MergeField& field) {
    label.setDataFieldName(field.name);
    label.setDataFieldDescript(field.displayLabel);
    label.notifyChanged();
    label.refreshData();
}

bool chooseDataField(TGPDLabel& label, QWidget* parent) {
    const MergeSource* source = label.host() ? label.host()->mergeSource() : nullptr;
    TSelectFieldDialog dialog(source, FieldChoiceKind::Character, label.dataFieldDescript(),
                              parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return false;
    applyDataField(label, *dialog.chosen());
    return true;
}

}  // namespace pc::design::ui
