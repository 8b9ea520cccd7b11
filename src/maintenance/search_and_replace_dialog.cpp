#include "maintenance/search_and_replace_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/session.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "maintenance/utility_frame.h"
#include "text/message_service.h"
#include "widgets/busy_cursor.h"
#include "widgets/help_contexts.h"

namespace pc::maintenance {
namespace {

QRadioButton* radio(const QString& text, const char* name, QLayout* into) {
    auto* button = new QRadioButton(text);
    button->setObjectName(name);
    into->addWidget(button);
    return button;
}

}  // namespace

TSearchAndReplace::TSearchAndReplace(data::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName("TSearchAndReplace");
    setWindowTitle("Search and Replace");
    TargetField = new QComboBox;
    TargetField->setObjectName("TargetField");
    for (const ReplaceableField& f : replaceableFields())
        TargetField->addItem(f.displayName, QString::fromLatin1(f.field));
    FindEdit = new QLineEdit;
    FindEdit->setObjectName("FindEdit");
    ReplaceEdit = new QLineEdit;
    ReplaceEdit->setObjectName("ReplaceEdit");

    auto* matchBox = new QGroupBox;
    auto* matchLayout = new QVBoxLayout(matchBox);
    ExactRadio = radio("Is exactly equal to  (leave empty for blank)", "ExactRadio", matchLayout);
    ContainsRadio = radio("Contains", "ContainsRadio", matchLayout);
    CaseSensitiveCheck = new QCheckBox("Case sensitive");
    CaseSensitiveCheck->setObjectName("CaseSensitiveCheck");
    CaseSensitiveCheck->setChecked(true);
    matchLayout->addWidget(CaseSensitiveCheck);
    auto* actionBox = new QGroupBox;
    auto* actionLayout = new QVBoxLayout(actionBox);
    WholeRadio = radio("Replace the whole field with", "WholeRadio", actionLayout);
    PartialRadio = radio("Replace only the matching text with", "PartialRadio", actionLayout);
    auto* scopeBox = new QGroupBox;
    auto* scopeLayout = new QVBoxLayout(scopeBox);
    AllRadio = radio("All Records", "AllRadio", scopeLayout);
    FilterRadio = radio("Records matching current Filter", "FilterRadio", scopeLayout);
    ExactRadio->setChecked(true);
    WholeRadio->setChecked(true);
    AllRadio->setChecked(true);
    FilterRadio->setEnabled(!session.filter().isEmpty());

    Options = new QWidget;
    auto* form = new QFormLayout(Options);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow("Field:", TargetField);
    form->addRow("Find:", FindEdit);
    form->addRow(matchBox);
    form->addRow(actionBox);
    form->addRow("Replace with:", ReplaceEdit);
    form->addRow(scopeBox);

    const UtilityFrame frame = buildUtilityFrame(*this, Options, "Replace ", "DoitButton",
                                                 widgets::help::kSearchAndReplace);
    ProgressLabel = frame.progressLabel;
    ProgressLabel->setText("Replacing Records ");
    Gauge = frame.gauge;
    DoitButton = frame.action;
    DoitButton->setDefault(true);
    CancelButton = frame.cancel;
    HelpButton = frame.help;

    connect(TargetField, &QComboBox::currentIndexChanged, this,
            &TSearchAndReplace::TargetFieldClick);
    connect(DoitButton, &QPushButton::clicked, this, &TSearchAndReplace::DoitClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    TargetFieldClick();
}

void TSearchAndReplace::TargetFieldClick() {
    // The boxes hold no more than the field can store.
    const data::TField* field = session_.table().findField(TargetField->currentData().toString());
    const int width = field && field->width() > 0 ? field->width() : 32767;
    FindEdit->setMaxLength(width);
    ReplaceEdit->setMaxLength(width);
}

ReplaceRequest TSearchAndReplace::request() const {
    ReplaceRequest r;
    r.field = TargetField->currentData().toString();
    r.displayName = TargetField->currentText();
    r.find = FindEdit->text();
    r.with = ReplaceEdit->text();
    r.contains = ContainsRadio->isChecked();
    r.caseSensitive = CaseSensitiveCheck->isChecked();
    r.partial = PartialRadio->isChecked();
    return r;
}

void TSearchAndReplace::DoitClick() {
    const ReplaceRequest r = request();
    if (!text::messages().ask(replaceConfirmation(r), QStringLiteral("Replace"))) return;
    const QString scope =
        FilterRadio->isChecked() && !session_.filter().isEmpty() ? session_.filter() : QString();
    Options->hide();
    HelpButton->hide();
    ProgressLabel->show();
    Gauge->setValue(0);
    Gauge->show();
    DoitButton->setEnabled(false);
    CancelButton->hide();
    running_ = true;
    widgets::BusyCursor busy;
    try {
        replaced_ = replaceFieldValues(session_.table(), r, scope,
                                       text::throttled([this](int done, int total) {
                                           Gauge->setValue(text::percentDone(done, total));
                                           QCoreApplication::processEvents();
                                           return true;
                                       }));
        ProgressLabel->setText("Replaced " + QString::number(replaced_) + " records");
        text::messages().inform(QStringLiteral("Replacement done"));
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
    running_ = false;
    accept();
}

void TSearchAndReplace::reject() {
    if (!running_) QDialog::reject();
}

}  // namespace pc::maintenance
