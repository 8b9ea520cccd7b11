#pragma once
// "Search and Replace": one field of the address table tested against a
// value; in each matching record the whole field or the matching text is
// replaced. Runs to the end once started.
#include <QDialog>

#include "maintenance/search_and_replace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

class TSearchAndReplace : public QDialog {
    Q_OBJECT
  public:
    explicit TSearchAndReplace(data::Session& session, QWidget* parent = nullptr);

    void TargetFieldClick();
    void DoitClick();
    ReplaceRequest request() const;
    int replaced() const { return replaced_; }

  protected:
    void reject() override;

  private:
    data::Session& session_;
    QComboBox* TargetField;
    QLineEdit *FindEdit, *ReplaceEdit;
    QRadioButton *ExactRadio, *ContainsRadio, *WholeRadio, *PartialRadio, *AllRadio, *FilterRadio;
    QCheckBox* CaseSensitiveCheck;
    QWidget* Options;
    QLabel* ProgressLabel;
    QProgressBar* Gauge;
    QPushButton *DoitButton, *CancelButton, *HelpButton;
    bool running_ = false;
    int replaced_ = 0;
};

}  // namespace pc::maintenance
