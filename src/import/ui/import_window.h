#pragma once
// The frame the import windows share: the chosen file, "Select ...",
// "Match Fields", "Import", "Cancel" and "Help", a status line and a gauge,
// and the run flags (importing, stop requested, rebuilding indexes).
#include <QDialog>

#include "import/import_run.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace pc::import {

class ImportWindow : public QDialog {
    Q_OBJECT
  public:
    QLabel *FileLabel, *StatusLabel;
    QProgressBar* Gauge;
    QWidget* ButtonPanel;
    QPushButton *SelectButton, *MatchButton, *ImportButton, *CancelButton, *HelpButton;

    void CancelButtonClick();
    bool importing() const { return importing_; }
    bool rebuilding() const { return rebuilding_; }

  protected:
    ImportWindow(const QString& caption, const QString& selectCaption, bool withMatch,
                 QWidget* parent);
    void reject() override;
    // The topic the Help button opens.
    void setHelpContext(int context) { helpContext_ = context; }
    // Runs an import with the buttons hidden and the gauge shown; closes
    // the window (accepted) afterwards.
    void runWithGauge(const std::function<void(const ImportCalls&)>& run);

  private:
    bool importing_ = false;
    bool cancelRequested_ = false;
    bool rebuilding_ = false;
    int helpContext_ = 0;
};

}  // namespace pc::import
