#pragma once
// The two index rebuild dialogs: "Rebuild indexes for <file>" over the open
// address database, and "Rebuild System Indexes" over the six system-data
// tables. Cancel closes with nothing done; Reindex runs and then closes.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

class TRebuildIndexesDialog : public QDialog {
    Q_OBJECT
  public:
    // The open database's rebuild.
    explicit TRebuildIndexesDialog(pc::data::TTable* table, QWidget* parent = nullptr);
    // The system tables' rebuild.
    explicit TRebuildIndexesDialog(QWidget* parent = nullptr);

    // Runs the rebuild and closes the dialog (accepted).
    void ReindexButtonClick();
    bool succeeded() const { return succeeded_; }

  protected:
    // Neither Escape nor the window's close button stops a rebuild half-way.
    void reject() override;

  private:
    QLabel* StatusLabel;
    QProgressBar* Gauge;
    QPushButton *ReindexButton, *HelpButton, *CancelButton;

    void build();
    void setStatus(const QString& text);
    void setGauge(int percent);

    pc::data::TTable* table_ = nullptr;  // null for the system tables
    bool succeeded_ = false;
    bool running_ = false;
};

}  // namespace pc::maintenance
