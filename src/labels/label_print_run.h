#pragma once
// One print or preview run of a label layout over the address table, as
// the label window and the command line make it: the layout loaded onto a
// printing surface bound to the table, the chosen records and start record,
// the presorted ZIP order, paper and orientation on the print engine, and
// the job that prints the sheets. The table's filter, order and record are
// put back when the run goes. Messages go through the message service.
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "data/record_choice.h"
#include "design/label_panel.h"
#include "design/table_merge_source.h"
#include "labels/label_definition.h"
#include "labels/label_print_loop.h"

namespace pc::data {
class TApollo;
class TTable;
class QuerySetting;
class ExactSetting;
class OrderSetting;
}  // namespace pc::data

namespace pc::print {
class PrintEngine;
}

namespace pc::labels {

struct LabelPrintChoices {
    using Records = pc::data::RecordChoice;
    Records records = Records::MatchingFilter;
    bool startFromCurrent = false;
    PositionMap positions;
    int copies = 1;
    bool presort = false;
    // Makes the presort over the chosen records and gives the lines of the
    // presort file; nothing when it was cancelled.
    std::function<std::optional<QStringList>()> presorter;
};

class LabelPrintRun {
  public:
    LabelPrintRun(data::TTable& addresses, data::TApollo& engine, const LabelDefinition& layout,
                  const QString& layoutFolder, LabelPrintChoices choices,
                  print::PrintEngine& printer);
    ~LabelPrintRun();
    LabelPrintRun(const LabelPrintRun&) = delete;
    LabelPrintRun& operator=(const LabelPrintRun&) = delete;

    // False when nothing is to be printed: the layout file is missing or
    // unreadable, the presort was not completed, or the user declined an
    // unconfirmed paper size.
    bool ready() const { return ready_; }
    // The job's print callback; `keepGoing` runs after every record step.
    void print(print::PrintEngine& printer, const std::function<bool()>& keepGoing = {});
    int labelsPrinted() const { return loop_ ? loop_->labelsPrinted() : 0; }

  private:
    bool loadLayout(const QString& layoutFolder);
    void chooseStart();
    bool setPaper(print::PrintEngine& printer);

    data::TTable& addresses_;
    data::TApollo& engine_;
    LabelDefinition layout_;
    LabelPrintChoices choices_;
    int rememberedRecord_ = 0;
    design::TableMergeSource source_;
    design::TGLabelPanel panel_;
    std::unique_ptr<data::QuerySetting> query_;
    std::unique_ptr<data::ExactSetting> inexact_;
    std::unique_ptr<data::OrderSetting> zipOrder_;
    std::unique_ptr<LabelRecords> records_;
    std::unique_ptr<LabelPrintLoop> loop_;
    bool ready_ = false;
};

// "LTRL", "A4L" and "USERL" lie across the printer.
bool landscapePaper(const QString& paperCode);

}  // namespace pc::labels
