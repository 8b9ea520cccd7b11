#pragma once
// "Delete Records": every record (zap), the filter's records or the others.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

class TDeleteRecords : public QDialog {
    Q_OBJECT
  public:
    explicit TDeleteRecords(data::Session& session, QWidget* parent = nullptr);

    void DoitClick();
    int deleted() const { return deleted_; }

  protected:
    void reject() override;

  private:
    data::Session& session_;
    QWidget* Options;
    QRadioButton *AllRadio, *MatchingRadio, *NotMatchingRadio;
    QLabel* ProgressLabel;
    QProgressBar* Gauge;
    QPushButton *DoitButton, *CancelButton, *HelpButton;
    bool running_ = false;
    int deleted_ = 0;
};

}  // namespace pc::maintenance
