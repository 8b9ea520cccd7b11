#pragma once
// The small "Searching" window shown while memos are searched.
#include <QDialog>

class QPushButton;

namespace pc::records {

class TSearchingWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TSearchingWindow(const QString& text, QWidget* parent = nullptr);
    bool cancelled() const { return cancelled_; }

    QPushButton* CancelButton;

  private:
    bool cancelled_ = false;
};

}  // namespace pc::records
