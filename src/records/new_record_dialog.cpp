#include "records/new_record_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pc::records {

namespace {

NewRecordPrompter& prompterOverride() {
    static NewRecordPrompter prompter;
    return prompter;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TNewRecordDialog::TNewRecordDialog(const NewRecordFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields) {
    setObjectName("TNewRecordDialog");
    setWindowTitle("New Record");
    auto* grid = new QGridLayout;
    auto box = [this](const char* name, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setMaxLength(std::max(width, 1));
        edit->installEventFilter(this);
        return edit;
    };
    LastLabel = new QLabel("Last Name", this);
    FirstLabel = new QLabel("First Name", this);
    ZipLabel = new QLabel("Zip Code or Postal Code", this);
    LastLabel->setObjectName("LastLabel");
    FirstLabel->setObjectName("FirstLabel");
    ZipLabel->setObjectName("ZipLabel");
    LastEdit = box("LastEdit", fields.lastWidth);
    FirstEdit = box("FirstEdit", fields.firstWidth);
    ZipEdit = box("ZipEdit", fields.zipWidth);
    LastLabel->setBuddy(LastEdit);
    FirstLabel->setBuddy(FirstEdit);
    ZipLabel->setBuddy(ZipEdit);

    int row = 0;
    if (fields.askName) {
        grid->addWidget(LastLabel, row, 0);
        grid->addWidget(LastEdit, row++, 1);
        grid->addWidget(FirstLabel, row, 0);
        grid->addWidget(FirstEdit, row++, 1);
    }
    if (fields.askZip) {
        // Without the name boxes the zip takes the last name's place.
        grid->addWidget(ZipLabel, row, 0);
        grid->addWidget(ZipEdit, row++, 1);
    }
    for (QWidget* w : {static_cast<QWidget*>(LastLabel), static_cast<QWidget*>(FirstLabel),
                       static_cast<QWidget*>(LastEdit), static_cast<QWidget*>(FirstEdit)})
        w->setVisible(fields.askName);
    ZipLabel->setVisible(fields.askZip);
    ZipEdit->setVisible(fields.askZip);
    grid->setColumnMinimumWidth(1, 200);

    OkButton = new QPushButton("Ok [PgDn]");
    OkButton->setObjectName("OkButton");
    CancelButton = new QPushButton("Cancel");
    CancelButton->setObjectName("CancelButton");
    // Enter moves between the boxes, so no button takes it.
    OkButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    (fields.askName ? LastEdit : ZipEdit)->setFocus();
}

NewRecordEntry TNewRecordDialog::entry() const {
    NewRecordEntry e;
    if (fields_.askName) {
        e.last = LastEdit->text().trimmed();
        e.first = FirstEdit->text().trimmed();
    }
    if (fields_.askZip) e.zip = ZipEdit->text().trimmed();
    return e;
}

bool TNewRecordDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QDialog::eventFilter(watched, event);
    if (key->key() == Qt::Key_PageDown) {
        accept();
        return true;
    }
    const bool enter = isEnter(key->key());
    const bool tab = key->key() == Qt::Key_Tab;
    if (watched == LastEdit && enter) {
        FirstEdit->setFocus();
        return true;
    }
    if (watched == FirstEdit && (enter || tab)) {
        // Leaving the first name by keyboard ends the prompt when no zip is
        // asked; a click elsewhere (say on Cancel) does not.
        if (!fields_.askZip) {
            accept();
        } else if (enter) {
            ZipEdit->setFocus();
        } else {
            return QDialog::eventFilter(watched, event);
        }
        return true;
    }
    if (watched == ZipEdit && enter) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<NewRecordEntry> promptNewRecord(const NewRecordFields& fields, QWidget* parent) {
    if (prompterOverride()) return prompterOverride()(fields, parent);
    TNewRecordDialog dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

void setNewRecordPrompter(NewRecordPrompter prompter) {
    prompterOverride() = std::move(prompter);
}

}  // namespace pc::records
