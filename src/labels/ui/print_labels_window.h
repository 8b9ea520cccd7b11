#pragma once
// "Print Labels": the list of label layouts with their stock, New, Modify,
// Clone and Delete (the designer opens for New and Modify), what to print,
// the printer, and Preview and Print through the position dialog, the
// status window and the print loop.
#include <QDialog>
#include <memory>

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "design/table_merge_source.h"
#include "labels/label_definition.h"
#include "labels/label_sheet.h"
#include "print/print_engine.h"
#include "widgets/what_to_print_group.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pc::data {
class Session;
}

namespace pc::widgets {
class DescriptionGridModel;
}

namespace pc::labels {

class TPrintLabels : public QDialog {
    Q_OBJECT
  public:
    // The session's table must be open with records; LABEL.DBF must be open
    // in `layouts` (filtered, in description order).
    TPrintLabels(pc::data::Session& session, pc::data::TTable& layouts, bool filterSet,
                 QWidget* parent = nullptr);
    ~TPrintLabels() override;

    using WhatToPrint = widgets::WhatToPrint;
    WhatToPrint whatToPrint() const { return whatToPrint_->choice(); }
    void setWhatToPrint(WhatToPrint what) { whatToPrint_->setChoice(what); }
    print::PrintEngine& engine() { return engine_; }
    const LabelDefinition& current() const { return current_; }

    // The handlers, named after their controls.
    void NewButtonClick();
    void ModifyButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();
    // The run after the position dialog (also what tests and the command
    // line drive): false when nothing was printed.
    bool PrintLabels(bool preview, const QString& pdfPath = {});

  private:
    void buildControls(bool filterSet);
    void rowChanged();
    void showCurrent();
    void reloadList(int recno = 0);
    void whatToPrintClicked();
    bool runPositionDialog(bool preview);

    pc::data::Session& session_;
    pc::data::TTable& layouts_;
    pc::data::TApollo layoutEngine_;
    LabelDefinition current_;
    design::TableMergeSource source_;  // the designer's merge
    print::PrintEngine engine_;
    PositionMap positions_;
    int copies_ = 1;
    bool presortDone_ = false;

    widgets::DescriptionGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* fields_[8] = {};
    QPushButton *modify_ = nullptr, *new_ = nullptr, *delete_ = nullptr, *clone_ = nullptr;
    QPushButton *preview_ = nullptr, *print_ = nullptr;
    widgets::WhatToPrintGroup* whatToPrint_ = nullptr;
    QGroupBox* printerBox_ = nullptr;
    QCheckBox* presort_ = nullptr;
    QComboBox* printer_ = nullptr;
};

}  // namespace pc::labels
