#pragma once
// "Select Field": the display labels of the fields a data object may show.
// On OK the object takes the chosen field's name and display label; the
// surface then refreshes its data.
#include <QDialog>
#include <vector>

#include "design/field_choice.h"

class QListWidget;

namespace pc::design {
class TGPDLabel;
}

namespace pc::design::ui {

class TSelectFieldDialog : public QDialog {
    Q_OBJECT
  public:
    TSelectFieldDialog(const MergeSource* source, FieldChoiceKind kind, const QString& current,
                       QWidget* parent = nullptr);
    // The chosen field; null when the list is empty.
    const MergeField* chosen() const;

    QListWidget* FieldList;

  private:
    std::vector<MergeField> choice_;
};

// Runs the dialog for a data field object; true when a field was taken.
bool chooseDataField(TGPDLabel& label, QWidget* parent = nullptr);
// Takes a field for the object (what OK does).
void applyDataField(TGPDLabel& label, const MergeField& field);

}  // namespace pc::design::ui
