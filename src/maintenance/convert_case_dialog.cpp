#include "maintenance/convert_case_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/filter_query.h"
#include "data/session.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::maintenance {
namespace {

QRadioButton* radio(const QString& text, const char* name, QLayout* into) {
    auto* button = new QRadioButton(text);
    button->setObjectName(name);
    into->addWidget(button);
    return button;
}

}  // namespace

TConvertToUpper::TConvertToUpper(data::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName("TConvertToUpper");
    setWindowTitle("Convert Case");
    FieldsBox = new QGroupBox("Fields");
    auto* grid = new QGridLayout(FieldsBox);
    int i = 0;
    for (const ConvertibleField& f : convertibleFields()) {
        auto* box = new QCheckBox(f.caption);
        box->setObjectName(QString("c") + f.field);
        box->setChecked(true);
        grid->addWidget(box, i % 8, i / 8);
        fieldBoxes_.push_back(box);
        ++i;
    }
    cAll = new QCheckBox("All");
    cAll->setObjectName("cAll");
    cAll->setChecked(true);
    grid->addWidget(cAll, i % 8, i / 8);

    ScopeBox = new QGroupBox;
    auto* scope = new QVBoxLayout(ScopeBox);
    CurrentRadio = radio("Current Record Only", "CurrentRadio", scope);
    AllRadio = radio("All Records", "AllRadio", scope);
    FilterRadio = radio("All Records Matching Filter", "FilterRadio", scope);
    CurrentRadio->setChecked(true);
    FilterRadio->setEnabled(!session.filter().isEmpty());
    ConversionBox = new QGroupBox;
    auto* kinds = new QVBoxLayout(ConversionBox);
    UpperRadio = radio("Uppercase", "UpperRadio", kinds);
    FirstRadio = radio("First letter capitalized", "FirstRadio", kinds);
    LowerRadio = radio("Lowercase", "LowerRadio", kinds);
    UpperRadio->setChecked(true);

    Gauge = new QProgressBar;
    Gauge->setObjectName("Gauge");
    Gauge->hide();
    ConvertButton = new QPushButton("Convert");
    ConvertButton->setObjectName("ConvertButton");
    ConvertButton->setDefault(true);
    CancelButton = new QPushButton("Cancel");
    CancelButton->setObjectName("CancelButton");
    auto* side = new QVBoxLayout;
    side->addWidget(ScopeBox);
    side->addWidget(ConversionBox);
    auto* top = new QHBoxLayout;
    top->addWidget(FieldsBox);
    top->addLayout(side);
    HelpButton = new QPushButton("Help");
    HelpButton->setObjectName("HelpButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ConvertButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);

    for (QRadioButton* r : {UpperRadio, FirstRadio, LowerRadio})
        connect(r, &QRadioButton::toggled, this, &TConvertToUpper::ChangeConversionType);
    connect(cAll, &QCheckBox::clicked, this, &TConvertToUpper::cAllClick);
    connect(ConvertButton, &QPushButton::clicked, this, &TConvertToUpper::ConvertButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TConvertToUpper::CancelButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kConvertCase); });
}

void TConvertToUpper::ChangeConversionType() {
    conversion_ = FirstRadio->isChecked()   ? CaseConversion::FirstCapital
                  : LowerRadio->isChecked() ? CaseConversion::Lower
                                            : CaseConversion::Upper;
}

void TConvertToUpper::cAllClick() {
    for (QCheckBox* box : fieldBoxes_) box->setChecked(cAll->isChecked());
}

void TConvertToUpper::ConvertButtonClick() {
    QStringList fields;
    for (size_t i = 0; i < fieldBoxes_.size(); ++i)
        if (fieldBoxes_[i]->isChecked()) fields << convertibleFields()[i].field;
    if (fields.isEmpty()) {
        text::messages().inform(QStringLiteral("No fields checked for conversion"));
        return;
    }
    if (!text::messages().askDefaultNo(
            QStringLiteral("Convert now? This process cannot be undone.."),
            QStringLiteral("Convert")))
        return;
    const ConversionScope scope = CurrentRadio->isChecked() ? ConversionScope::CurrentRecord
                                  : AllRadio->isChecked()   ? ConversionScope::AllRecords
                                                            : ConversionScope::MatchingFilter;
    FieldsBox->hide();
    ScopeBox->hide();
    ConversionBox->hide();
    HelpButton->hide();
    ConvertButton->setEnabled(false);
    Gauge->setValue(0);
    Gauge->setVisible(scope != ConversionScope::CurrentRecord);
    running_ = true;
    stopRequested_ = false;
    try {
        convertRecords(session_.table(), fields, conversion_, scope,
                       data::engineQuery(session_.filter()),
                       text::throttled([this](int done, int total) {
                           Gauge->setValue(text::percentDone(done, total));
                           QCoreApplication::processEvents();
                           return !stopRequested_;
                       }));
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
    running_ = false;
    accept();
}

void TConvertToUpper::CancelButtonClick() {
    if (!running_) {
        QDialog::reject();
        return;
    }
    if (text::messages().ask(QStringLiteral("Cancel case conversion?"), QStringLiteral("Cancel")))
        stopRequested_ = true;
}

void TConvertToUpper::reject() {
    if (running_)
        CancelButtonClick();
    else
        QDialog::reject();
}

}  // namespace pc::maintenance
