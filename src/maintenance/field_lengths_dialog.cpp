#include "maintenance/field_lengths_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/profile_file.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::maintenance {

namespace {

struct BoxDef {
    const char* label;
    const char* field;
};

const BoxDef kBoxes[] = {
    {"First Name", "FNAME"},   {"Last Name", "LNAME"},   {"Prefix", "PREFIX"},
    {"Title", "TITLE"},        {"Organization", "ORG"},  {"Address #1", "STREET"},
    {"Address #2", "STREET2"}, {"City", "CITY"},         {"State", "STATE"},
    {"Zip/Postal", "ZIP"},     {"Country", "COUNTRY"},   {"Phone #1", "PHONE"},
    {"Phone #2", "PHONE2"},    {"Fax", "FAX"},           {"E-Mail", "EMAIL"},
    {"Codes", "CODES"},        {"Comments #1", "USER1"}, {"Comments #2", "USER2"},
};

}  // namespace

int lengthAfterLeaving(const QString& text, int restore) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < TFieldLengthsDialog::kMinimum || value > TFieldLengthsDialog::kMaximum)
        return restore;
    return value;
}

TFieldLengthsDialog::TFieldLengthsDialog(pc::data::NewFileFieldLengths& lengths,
                                         const QString& settingsPath, QWidget* parent)
    : QDialog(parent), lengths_(lengths), settingsPath_(settingsPath) {
    setObjectName("TFieldLengthsDialog");
    setWindowTitle("Specify Field Lengths");

    auto* note = new QLabel(
        "NOTE: Minimum size = 10 characters                  Maximum size = 80 characters");
    auto* grid = new QGridLayout;
    int i = 0;
    for (const BoxDef& def : kBoxes) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString(def.field) + "Edit");
        edit->setMaxLength(3);
        edit->setFixedWidth(48);
        edit->installEventFilter(this);
        auto* label = new QLabel(def.label);
        label->setBuddy(edit);
        grid->addWidget(label, i % 9, (i / 9) * 2);
        grid->addWidget(edit, i % 9, (i / 9) * 2 + 1);
        boxes.push_back({def.field, edit, lengths.width(def.field)});
        ++i;
    }
    showLengths(lengths);

    UseForAllCheck = new QCheckBox("Use these settings for all new databases");
    UseForAllCheck->setObjectName("UseForAllCheck");
    OkButton = new QPushButton("Ok");
    OkButton->setDefault(true);
    CancelButton = new QPushButton("Cancel");
    HelpButton = new QPushButton("Help");
    DefaultsButton = new QPushButton("Defaults");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DefaultsButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(grid);
    layout->addWidget(UseForAllCheck);
    layout->addLayout(buttons);

    connect(OkButton, &QPushButton::clicked, this, &TFieldLengthsDialog::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(pc::widgets::help::kFieldLengths); });
    connect(DefaultsButton, &QPushButton::clicked, this, &TFieldLengthsDialog::DefaultsButtonClick);
}

TFieldLengthsDialog::~TFieldLengthsDialog() {
    // The boxes lose focus as they go; the rule must not run on a half-gone dialog.
    for (Box& box : boxes) box.edit->removeEventFilter(this);
}

void TFieldLengthsDialog::showLengths(const pc::data::NewFileFieldLengths& lengths) {
    for (Box& box : boxes) {
        box.restore = lengths.width(box.field);
        box.edit->setText(QString::number(box.restore));
    }
}

void TFieldLengthsDialog::boxLeft(int index) {
    Box& box = boxes.at(index);
    box.edit->setText(QString::number(lengthAfterLeaving(box.edit->text(), box.restore)));
}

bool TFieldLengthsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
            if (boxes[i].edit == watched) boxLeft(i);
    }
    return QDialog::eventFilter(watched, event);
}

void TFieldLengthsDialog::DefaultsButtonClick() {
    lengths_ = pc::data::NewFileFieldLengths::builtInDefaults();
    showLengths(lengths_);
}

void TFieldLengthsDialog::OkButtonClick() {
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
        boxLeft(i);
        bool ok = false;
        const int value = boxes[i].edit->text().toInt(&ok);
        if (ok) lengths_.setWidth(boxes[i].field, value);
    }
    if (UseForAllCheck->isChecked()) {
        pc::text::ProfileFile settings(settingsPath_);
        lengths_.save(settings);
    }
    accept();
}

}  // namespace pc::maintenance
