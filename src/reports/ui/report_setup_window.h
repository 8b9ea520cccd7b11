#pragma once
// "Print Report": user-defined reports (New, Modify, Clone, Delete; the
// designer opens for New and Modify) on one tab, the four built-in list
// reports on the other, what to print, and Print, Preview and Printer Setup
// through the status window and the preview.
#include <QDialog>

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "print/print_engine.h"
#include "reports/report_selection.h"
#include "widgets/what_to_print_group.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;

namespace pc::data {
class Session;
}
namespace pc::widgets {
class DescriptionGridModel;
}

namespace pc::reports {

class TReportSetup : public QDialog {
    Q_OBJECT
  public:
    // The session's table must be open; REPORT.DBF must be open in
    // `reports` (filtered, in description order).
    TReportSetup(pc::data::Session& session, pc::data::TTable& reports, bool filterSet,
                 QWidget* parent = nullptr);
    ~TReportSetup() override;

    RecordChoice whatToPrint() const;
    void setWhatToPrint(RecordChoice choice);
    bool builtInTabShowing() const;
    void showBuiltInTab(bool builtIn);
    print::PrintEngine& engine() { return engine_; }

    // The handlers, named after their controls.
    void NewButtonClick();
    void ModifyButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    void PrintButtonClick();
    void PreviewButtonClick();
    void PrinterSetupButtonClick();
    void SetReportButtons();
    // The run of the visible tab (what tests and Print/Preview do); false
    // when nothing was printed.
    bool PrintReport(bool preview, const QString& pdfPath = {});

  private:
    void buildControls(bool filterSet);
    void reloadList(int recno = 0);
    void Modify(bool isNew);
    bool printUserDefined(bool preview, const ReportChoices& choices, const QString& pdfPath);
    bool printBuiltIn(bool preview, const ReportChoices& choices, const QString& pdfPath);

    pc::data::Session& session_;
    pc::data::TTable& reports_;
    pc::data::TApollo reportEngine_;
    print::PrintEngine engine_;

    QTabWidget* tabs_ = nullptr;
    widgets::DescriptionGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton *modify_ = nullptr, *new_ = nullptr, *delete_ = nullptr, *clone_ = nullptr;
    QPushButton *print_ = nullptr, *preview_ = nullptr, *setup_ = nullptr;
    QListWidget* builtIns_ = nullptr;
    QLineEdit* title_ = nullptr;
    QCheckBox *printMemo_ = nullptr, *printCodes_ = nullptr;
    widgets::WhatToPrintGroup* whatToPrint_ = nullptr;
    QCheckBox* onePerPage_ = nullptr;
};

}  // namespace pc::reports
