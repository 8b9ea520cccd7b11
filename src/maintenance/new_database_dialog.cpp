#include "maintenance/new_database_dialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/address_database.h"
#include "maintenance/field_lengths_dialog.h"
#include "maintenance/new_database_name.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "widgets/busy_cursor.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::maintenance {

TNewDatabaseDialog::TNewDatabaseDialog(pc::data::TTable* creationTable, QWidget* parent)
    : QDialog(parent),
      creationTable_(creationTable),
      lengths_(
          pc::data::NewFileFieldLengths::load(pc::text::ProfileFile(pc::text::settingsPath()))) {
    setObjectName("TNewDatabaseDialog");
    setWindowTitle("Create new database");

    auto* prompt = new QLabel("Enter the database name (no extension)");
    NameEdit = new QLineEdit(proposeDatabaseName(pc::text::dataDir()));
    NameEdit->setObjectName("NameEdit");
    NameEdit->setMaxLength(64);
    prompt->setBuddy(NameEdit);
    InvalidNote = new QLabel(kInvalidNameNote);
    InvalidNote->setObjectName("InvalidNote");
    InvalidNote->setWordWrap(true);
    InvalidNote->setStyleSheet("color: #c00000");

    OkButton = new QPushButton("Ok [PgDn]");
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    HelpButton = new QPushButton("Help");
    CancelButton = new QPushButton("Cancel");
    FieldLengthsButton = new QPushButton("Specify Field Lengths");
    FieldLengthsButton->setObjectName("FieldLengthsButton");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OkButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    buttons->addWidget(FieldLengthsButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(NameEdit);
    layout->addWidget(InvalidNote);
    layout->addLayout(buttons);

    connect(NameEdit, &QLineEdit::textChanged, this, &TNewDatabaseDialog::nameChanged);
    connect(OkButton, &QPushButton::clicked, this, &TNewDatabaseDialog::OkButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(pc::widgets::help::kNewDatabase); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(FieldLengthsButton, &QPushButton::clicked, this,
            &TNewDatabaseDialog::FieldLengthsButtonClick);
    nameChanged();
    NameEdit->selectAll();
}

void TNewDatabaseDialog::nameChanged() {
    const bool valid = isValidDatabaseName(NameEdit->text());
    OkButton->setEnabled(valid);
    InvalidNote->setVisible(!valid);
}

void TNewDatabaseDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown) {
        if (OkButton->isEnabled()) OkButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TNewDatabaseDialog::FieldLengthsButtonClick() {
    TFieldLengthsDialog dialog(lengths_, pc::text::settingsPath(), this);
    pc::widgets::centreWindow(&dialog, parentWidget());
    dialog.exec();
}

void TNewDatabaseDialog::OkButtonClick() {
    const QString name = NameEdit->text();
    if (!isValidDatabaseName(name)) return;
    const QString fileName = name + ".DBF";
    // Names differing only in letter case would be one file elsewhere.
    if (QFileInfo::exists(pc::text::findNoCase(pc::text::dataDir(), fileName))) {
        pc::text::messages().inform("That file already exists.Please select another name");
        return;
    }
    const QString path = pc::text::dataDir() + fileName;
    bool created;
    {
        pc::widgets::BusyCursor busy;
        created = pc::data::createAddressTable(path, lengths_, *creationTable_);
    }
    if (!created) return;
    createdPath_ = path;
    accept();
}

}  // namespace pc::maintenance
