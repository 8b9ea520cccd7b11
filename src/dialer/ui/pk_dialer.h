#pragma once
// TPKDialer, "Dial Phone Number": the number with an editable prefix, and
// how to dial it (serial modem or the desktop's telephony handler).
#include <QDialog>

#include "dialer/dialer.h"
#include "dialer/dialing_settings.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pc::dialer {

class TPKDialer : public QDialog {
    Q_OBJECT
  public:
    TPKDialer(const QString& number, const QString& settingsPath, QWidget* parent = nullptr);

    void LoadPreferences();
    void SavePreferences();
    void UseTapiClick();
    void DialButtonClick();
    void DoTapiDial();

    // The modem dialler the dialog fills and runs (tests set its device and wait).
    TDialer Dialer1;
    QLineEdit *NumberEdit, *PrefixEdit, *InitEdit;
    QCheckBox* UseTapiCheck;
    QGroupBox* ModemPanel;
    QButtonGroup *PortGroup, *MethodGroup;
    QPushButton *DialButton, *CancelButton, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString settingsPath_;
    bool preferencesLoaded_ = false;
};

}  // namespace pc::dialer
