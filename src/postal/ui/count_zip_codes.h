#pragma once
// "Count Zip Codes": counts the records of the open table per ZIP as soon as
// it shows, lists the report lines, and prints or previews them as the
// "Zip Code Count Report".
#include <QDialog>
#include <QStringList>

#include "print/print_engine.h"

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::postal {

class TCountZipCodes : public QDialog {
    Q_OBJECT
  public:
    TCountZipCodes(data::TTable& table, data::TApollo& engine, QWidget* parent = nullptr);

    const QStringList& reportLines() const { return lines_; }
    bool counted() const { return counted_; }
    bool counting() const { return counting_; }
    print::PrintEngine& printEngine() { return printEngine_; }

    void DoTheSort();
    void CancelButtonClick();
    void PrintButtonClick();
    void PreviewbuttonClick();
    void PrinterSetupClick();
    void ReturnbuttonClick() { accept(); }
    // Runs the report to the printer or to the preview; false when it did
    // not complete.
    bool DoThePrintJob(bool preview, const QString& pdfPath = {});

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void SetStatusLabel(const QString& text);
    void showButtons(bool shown);

    data::TTable& table_;
    data::TApollo& engine_;
    print::PrintEngine printEngine_;
    QStringList lines_;
    bool activated_ = false;
    bool stopRequested_ = false;
    bool counting_ = false;
    bool counted_ = false;

    QLabel* heading_ = nullptr;
    QLabel* status_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* buttonPanel_ = nullptr;
};

}  // namespace pc::postal
