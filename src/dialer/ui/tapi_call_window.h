#pragma once
// TfrmTAPICall, "TAPI Call - PICK UP THE PHONE": places a call by handing a
// tel: link to the desktop's telephony program. That program owns the call
// from then on, so the window shows only the states it can know: whether a
// handler exists, that the call was handed over, and that it is done here.
#include <QDialog>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pc::dialer {

struct TelephonyHandler {
    // Whether the desktop has a program for tel: links.
    std::function<bool()> available;
    // Hands the link over; false when the desktop refused it.
    std::function<bool(const QString& telUrl)> open;
};
// The desktop's own: xdg-mime's default for x-scheme-handler/tel, and
// QDesktopServices to open the link.
TelephonyHandler desktopTelephony();

class TfrmTAPICall : public QDialog {
    Q_OBJECT
  public:
    TfrmTAPICall(const QString& number, QWidget* parent = nullptr,
                 TelephonyHandler handler = desktopTelephony());
    ~TfrmTAPICall() override;

    void btnCallClick();
    void btnDropCallClick();

    QLineEdit* NumberEdit;
    QPlainTextEdit* StatusMemo;
    QPushButton *btnCall, *btnDropCall, *btnClose, *btnHelp;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void status(const QString& line);
    TelephonyHandler handler_;
    QString number_;
    bool lineOpen_ = false;
    bool firstActivation_ = true;
};

}  // namespace pc::dialer
