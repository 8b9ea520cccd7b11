#pragma once
// "Print Envelope": the envelope layouts with New, Modify, Clone and
// Delete (the designer opens for New and Modify), a reduced picture of the
// selected layout merged with the current address record, the record's
// navigation, what to print, the printer set-up, and Preview and Print
// through the pre-print window, the status window and the print run.
#include <QDialog>
#include <functional>

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "design/table_merge_source.h"
#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_panel.h"
#include "print/print_engine.h"
#include "widgets/what_to_print_group.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pc::data {
class Session;
}
namespace pc::design::ui {
class SurfaceWidget;
}
namespace pc::widgets {
class DescriptionGridModel;
}

namespace pc::envelopes {

class TPKEnvelopes : public QDialog {
    Q_OBJECT
  public:
    // The session's table must be open; ENVELOPE.DBF must be open in
    // `layouts` (in description order).
    TPKEnvelopes(pc::data::Session& session, pc::data::TTable& layouts, bool filterSet,
                 QWidget* parent = nullptr);
    ~TPKEnvelopes() override;

    using WhatToPrint = widgets::WhatToPrint;
    WhatToPrint whatToPrint() const { return what_->choice(); }
    void setWhatToPrint(WhatToPrint what) { what_->setChoice(what); }
    void setStartFromCurrent(bool on) { what_->setStartFromCurrent(on); }
    print::PrintEngine& engine() { return engine_; }
    const EnvelopeDefinition& current() const { return current_; }
    EnvelopeFeed& feed() { return feed_; }
    TEnvelopePanel& displayPanel() { return display_; }

    // The pre-print step: shows TEnvelopePrePrint and takes the feed back;
    // false for Cancel. Tests replace it.
    std::function<bool(EnvelopeFeed& feed)> confirmPrint;
    // The designer for New and Modify: true when saved. Tests replace it.
    std::function<bool(TEnvelopePanel& panel, EnvelopeDefinition& definition)> runDesigner;

    // The handlers, named after their controls.
    void NewButtonClick();
    void ModifyButtonClick();
    void CloneButtonClick();
    void DeleteButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();
    void PrinterSetupClick();
    void RecordButtonClick(int which);
    // Print or preview (the PDF file when the printer is "PDF file"):
    // false when nothing was printed.
    bool PrintEnvelopes(bool preview, const QString& pdfPath = {});

    void ReadEnvelopeSetup();
    void SetEnvelopeButtons();
    void ShowDisplayEnvelope();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls(bool filterSet);
    void rowChanged();
    void reloadList(int recno = 0);
    void showRecord();
    QString settingsPath() const;

    pc::data::Session& session_;
    pc::data::TTable& layouts_;
    pc::data::TApollo layoutEngine_;
    EnvelopeDefinition current_;
    EnvelopeFeed feed_;
    design::TableMergeSource source_;
    TEnvelopePanel display_;
    print::PrintEngine engine_;
    bool opening_ = true;

    widgets::DescriptionGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton *modify_ = nullptr, *new_ = nullptr, *delete_ = nullptr, *clone_ = nullptr;
    QPushButton *preview_ = nullptr, *print_ = nullptr;
    widgets::WhatToPrintGroup* what_ = nullptr;
    QLineEdit* recordFields_[4] = {};
    QLabel* sizeLabel_ = nullptr;
    design::ui::SurfaceWidget* picture_ = nullptr;
};

}  // namespace pc::envelopes
