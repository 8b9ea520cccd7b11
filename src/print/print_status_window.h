#pragma once
// The status window of a print or preview run: shows the engine's status
// line while the job runs on the window's thread, offers Cancel (print,
// after a question) or Stop (preview), and afterwards shows how the run
// ended with an Ok button. A preview that ran to its end closes the window
// by itself, so its preview can open.
#include <QDialog>
#include <functional>

#include "print/print_engine.h"

class QLabel;
class QPushButton;

namespace pc::print {

struct PrintStatusTexts {
    QString statusFormat;    // "Printing Page %p\r%0\r%1"
    QString cancelQuestion;  // "Cancel Label Printing?"; empty: Cancel aborts at once
    QString canceled;        // "\rLabel Print Canceled!"
    QString completed;       // "\rLabel Print Completed!" (print only)
    QString stopped;         // "\rPreview Stopped at page %p!" (preview only)
};

class PrintStatusWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Result { Completed, Canceled, Stopped, Failed };

    // The engine's job callbacks must be set; `output` Recording makes this
    // a preview run. The job starts when the window is shown.
    PrintStatusWindow(PrintEngine& engine, PrintOutput output, PrintStatusTexts texts,
                      QString pdfPath = {}, QWidget* parent = nullptr);

    Result result() const { return result_; }
    bool preview() const { return output_ == PrintOutput::Recording; }
    // Set by Stop; the job's loop reads it after each record.
    bool stopRequested() const { return stop_; }
    QString statusText() const;
    // What the button does now (Cancel/Stop while running, Ok after).
    void ButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void runJob();

    PrintEngine& engine_;
    PrintOutput output_;
    PrintStatusTexts texts_;
    QString pdfPath_;
    QLabel* status_ = nullptr;
    QPushButton* button_ = nullptr;
    bool started_ = false;
    bool running_ = false;
    bool stop_ = false;
    Result result_ = Result::Failed;
};

}  // namespace pc::print
