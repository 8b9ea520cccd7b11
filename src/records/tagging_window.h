#pragma once
// The "Tagging" window: progress of Tag All Filter Matches, with a Cancel
// that asks first and an Ok that closes it at the end.
#include <QDialog>

class QLabel;
class QPushButton;

namespace pc::records {

class TTaggingWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TTaggingWindow(QWidget* parent = nullptr);

    void showCount(int count);
    bool cancelled() const { return cancelled_; }
    // Shows the outcome and swaps Cancel for Ok.
    void finish();

    QLabel *StatusLabel, *ProgressLabel;
    QPushButton *CancelButton, *OkButton;

  private:
    bool cancelled_ = false;
};

}  // namespace pc::records
