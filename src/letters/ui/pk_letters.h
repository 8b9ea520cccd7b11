#pragma once
// "Print Letters": the list of letters with New, Modify, Clone and Delete
// (the designer opens for New and Modify), what to print, the copies of
// each letter, the printer, Preview and Print.
#include <QDate>
#include <QDialog>

#include "data/t_apollo.h"
#include "print/print_engine.h"
#include "widgets/what_to_print_group.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTextDocument;

namespace pc::data {
class Session;
class TTable;
}  // namespace pc::data

namespace pc::letters {

class TPKLetters : public QDialog {
    Q_OBJECT
  public:
    // LETTER.DBF must be open in `letters` (not deleted rows, description
    // order); the session's table open with records.
    TPKLetters(data::Session& session, data::TTable& letters, bool filterSet,
               QWidget* parent = nullptr);
    ~TPKLetters() override;

    using WhatToPrint = widgets::WhatToPrint;
    WhatToPrint whatToPrint() const { return what_->choice(); }
    void setWhatToPrint(WhatToPrint what) { what_->setChoice(what); }
    void setStartFromCurrent(bool on) { what_->setStartFromCurrent(on); }
    void setCopies(int copies);
    print::PrintEngine& engine() { return engine_; }
    QTreeWidget* list() const { return list_; }
    // Today's date for the date fields (tests fix it).
    void setToday(const QDate& today) { today_ = today; }

    void SetLetterButtons();
    void NewButtonClick();
    void ModifyButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();
    void PrinterSetupClick();
    // The run after the print dialog (what tests drive): false when nothing
    // was printed. `pdfPath` names the file for the "PDF file" printer.
    bool PrintLetters(const QString& pdfPath = {});

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls(bool filterSet);
    void reloadList(int recno = 0);
    void rowChanged();
    bool designLetter(QString& description, QTextDocument& document, bool isNew);
    void showPrinter();

    data::Session& session_;
    data::TTable& letters_;
    data::TApollo letterEngine_;
    print::PrintEngine engine_;
    QDate today_ = QDate::currentDate();
    bool activated_ = false;

    QTreeWidget* list_ = nullptr;
    QPushButton *new_ = nullptr, *modify_ = nullptr, *clone_ = nullptr, *delete_ = nullptr;
    QPushButton *print_ = nullptr, *preview_ = nullptr;
    widgets::WhatToPrintGroup* what_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QLabel* printer_ = nullptr;
};

}  // namespace pc::letters
