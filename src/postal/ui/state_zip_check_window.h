#pragma once
// "Check State and Zip  Codes": runs the state/ZIP check over the open table,
// shows the questionable records in an editable grid ordered by name where
// they can be corrected and tagged, and edits the state table CSZ.DBF.
#include <QDialog>
#include <functional>
#include <memory>

#include "data/t_table.h"
#include "postal/state_zip_check.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QWidget;

namespace pc::data {
class TApollo;
}

namespace pc::postal {

class RecordRowsModel;

class TStateZipCheck : public QDialog {
    Q_OBJECT
  public:
    TStateZipCheck(data::TTable& addresses, data::TApollo& engine, std::function<QString()> tagId,
                   QWidget* parent = nullptr);
    ~TStateZipCheck() override;

    void setIncludeBlanks(bool on);
    void CheckitButtonClick();
    void CancelButtonClick();
    void ReturnbuttonClick();
    void EditStateProvButtonClick();
    void TagButtonClick();
    void TagAllButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    bool checked() const { return checked_; }
    bool running() const { return running_; }
    bool editingStates() const { return editingStates_; }
    RecordRowsModel* resultModel() const { return results_; }
    RecordRowsModel* stateModel() const { return states_; }
    QString countText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void StartEditStatePRov();
    void EndEditStatePRov();
    void showIdle();
    void finishClose();

    data::TTable& addresses_;
    data::TApollo& engine_;
    std::function<QString()> tagId_;
    data::TTable csz_;
    StateZipCheck check_;
    bool running_ = false, stop_ = false, editingStates_ = false, checked_ = false;

    QWidget* setupPanel_ = nullptr;
    QWidget* resultPanel_ = nullptr;
    QWidget* statePanel_ = nullptr;
    QCheckBox* blanks_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* editStates_ = nullptr;
    QTableView* resultGrid_ = nullptr;
    QTableView* stateGrid_ = nullptr;
    RecordRowsModel* results_ = nullptr;
    RecordRowsModel* states_ = nullptr;
};

}  // namespace pc::postal
