#include "dialer/ui/pk_dialer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialer/ui/tapi_call_window.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::dialer {

TPKDialer::TPKDialer(const QString& number, const QString& settingsPath, QWidget* parent)
    : QDialog(parent), settingsPath_(settingsPath) {
    setWindowTitle(QStringLiteral("Dial Phone Number"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    NumberEdit = new QLineEdit(number, this);
    PrefixEdit = new QLineEdit(this);
    form->addRow(QStringLiteral("Number to Dial"), NumberEdit);
    form->addRow(QStringLiteral("Prefix"), PrefixEdit);
    layout->addLayout(form);
    UseTapiCheck = new QCheckBox(QStringLiteral("Use TAPI to dial"), this);
    UseTapiCheck->setWhatsThis(
        QStringLiteral("Hands the number to the desktop's telephony program instead of a modem."));
    layout->addWidget(UseTapiCheck);

    ModemPanel = new QGroupBox(this);
    auto* modem = new QVBoxLayout(ModemPanel);
    auto* ports = new QGroupBox(QStringLiteral("Port"), ModemPanel);
    auto* portRow = new QHBoxLayout(ports);
    PortGroup = new QButtonGroup(this);
    const QStringList devices = serialDevices();
    for (int i = 0; i < 4; ++i) {
        // The system's device shows beside the port it stands for.
        QString caption = "COM " + QString::number(i + 1);
        if (i < devices.size()) caption += " (" + QFileInfo(devices[i]).fileName() + ")";
        auto* b = new QRadioButton(caption, ports);
        b->setObjectName(QStringLiteral("Port%1").arg(i));
        b->setToolTip(i < devices.size() ? devices[i] : QStringLiteral("(no device)"));
        PortGroup->addButton(b, i);
        portRow->addWidget(b);
    }
    auto* methods = new QGroupBox(QStringLiteral("Method"), ModemPanel);
    auto* methodRow = new QHBoxLayout(methods);
    MethodGroup = new QButtonGroup(this);
    for (const auto& [id, text] : {std::pair{0, "Tone"}, std::pair{1, "Pulse"}}) {
        auto* b = new QRadioButton(QString::fromLatin1(text), methods);
        MethodGroup->addButton(b, id);
        methodRow->addWidget(b);
    }
    InitEdit = new QLineEdit(ModemPanel);
    auto* initForm = new QFormLayout;
    initForm->addRow(QStringLiteral("Modem Initialization String"), InitEdit);
    modem->addWidget(ports);
    modem->addWidget(methods);
    modem->addLayout(initForm);
    layout->addWidget(ModemPanel);

    auto* buttons = new QHBoxLayout;
    DialButton = new QPushButton(QStringLiteral("Dial"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    DialButton->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(DialButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    layout->addLayout(buttons);

    connect(UseTapiCheck, &QCheckBox::toggled, this, &TPKDialer::UseTapiClick);
    connect(DialButton, &QPushButton::clicked, this, &TPKDialer::DialButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { pc::widgets::showHelp(widgets::help::kDialer); });
}

void TPKDialer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!preferencesLoaded_) LoadPreferences();
}

void TPKDialer::LoadPreferences() {
    preferencesLoaded_ = true;
    const DialingSettings s = loadDialingSettings(settingsPath_);
    PrefixEdit->setText(s.prefix);
    InitEdit->setText(s.init);
    PortGroup->button(s.port)->setChecked(true);
    MethodGroup->button(s.method)->setChecked(true);
    UseTapiCheck->setChecked(s.useTapi);
    UseTapiClick();
}

void TPKDialer::SavePreferences() {
    DialingSettings s;
    s.prefix = PrefixEdit->text();
    s.init = InitEdit->text();
    s.port = std::max(0, PortGroup->checkedId());
    s.method = std::max(0, MethodGroup->checkedId());
    s.useTapi = UseTapiCheck->isChecked();
    saveDialingSettings(settingsPath_, s);
}

void TPKDialer::UseTapiClick() {
    ModemPanel->setVisible(!UseTapiCheck->isHidden() && !UseTapiCheck->isChecked());
}

void TPKDialer::DialButtonClick() {
    if (!preferencesLoaded_) LoadPreferences();
    HelpButton->hide();
    SavePreferences();
    if (UseTapiCheck->isChecked()) {
        DoTapiDial();
        return;
    }
    // Prefix first, no separator, nothing removed.
    Dialer1.NumberToDial = PrefixEdit->text() + NumberEdit->text();
    Dialer1.InitStr = InitEdit->text();
    Dialer1.Method = MethodGroup->checkedId() == 1 ? TMethod::dmPulse : TMethod::dmTone;
    Dialer1.ComPort = static_cast<TComPort>(std::max(0, PortGroup->checkedId()));
    Dialer1.Dial();
}

void TPKDialer::DoTapiDial() {
    TfrmTAPICall call(PrefixEdit->text() + NumberEdit->text(), this);
    pc::widgets::centreWindow(&call, this);
    call.exec();
}

}  // namespace pc::dialer
