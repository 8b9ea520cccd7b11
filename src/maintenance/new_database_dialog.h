#pragma once
// "Create new database": asks for the name of a new address database in
// DATA/, lets the field lengths be set, and creates the table.
#include <QDialog>

#include "data/new_file_field_lengths.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

class TNewDatabaseDialog : public QDialog {
    Q_OBJECT
  public:
    // `creationTable` is the table object new tables are made through.
    explicit TNewDatabaseDialog(pc::data::TTable* creationTable, QWidget* parent = nullptr);

    // Creates the table; on success closes the dialog (accepted).
    void OkButtonClick();
    void FieldLengthsButtonClick();
    // The path of the table made; "" until then.
    const QString& createdPath() const { return createdPath_; }
    pc::data::NewFileFieldLengths& lengths() { return lengths_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* NameEdit;
    QLabel* InvalidNote;
    QPushButton *OkButton, *HelpButton, *CancelButton, *FieldLengthsButton;

    void nameChanged();

    pc::data::TTable* creationTable_;
    pc::data::NewFileFieldLengths lengths_;
    QString createdPath_;
};

}  // namespace pc::maintenance
