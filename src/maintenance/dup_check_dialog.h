#pragma once
// "Check and Repair Duplicates": chooses what counts as a duplicate, runs
// the check, and shows the records of every pair found in an editable
// grid where they can be saved, deleted and tagged.
#include <QDialog>
#include <memory>

#include "maintenance/duplicate_check.h"

class QButtonGroup;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QWidget;

namespace pc::data {
class Session;
class TemporaryIndex;
}  // namespace pc::data

namespace pc::maintenance {

class DuplicateGridModel;

class TDupCheck : public QDialog {
    Q_OBJECT
  public:
    explicit TDupCheck(data::Session& session, QWidget* parent = nullptr);
    ~TDupCheck() override;

    void KindofCheckClick();
    void CheckitButtonClick();
    void CancelButtonClick();
    void ReturnButtonClick();
    void SaveButtonClick();
    void UndoButtonClick();
    void DeleteButtonClick();
    void TagButtonClick();
    void TagAllButtonClick();

    DuplicateKind kind() const;
    int pairs() const { return result_.pairs; }
    DuplicateGridModel* grid() const { return model_.get(); }
    // Where the records are collected: "_chkdup.idx" in the program's folder.
    QString indexPath() const;

  protected:
    void reject() override;

  private:
    int currentRow() const;

    data::Session& session_;
    QWidget *SetupPanel, *GridPanel;
    QButtonGroup* KindofCheck;
    QLabel *CharsLabel, *ThresholdLabel, *CountLabel;
    QSpinBox* CharsSpin;
    QDoubleSpinBox* ThresholdSpin;
    QProgressBar* Gauge;
    QTableView* Grid;
    QPushButton *CheckitButton, *CancelButton, *ReturnButton, *HelpButton;
    QPushButton *SaveButton, *UndoButton, *DeleteButton, *TagButton, *TagAllButton;
    std::unique_ptr<data::TemporaryIndex> index_;  // kept until the window goes
    std::unique_ptr<DuplicateGridModel> model_;
    DuplicateCheckResult result_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool checked_ = false;
};

}  // namespace pc::maintenance
