#pragma once
// One print or preview run of an envelope layout over the address table:
// the layout on a printing surface bound to the table, the chosen records
// (all but those marked deleted, the current filter, or the current record
// alone) from the first or the current record, the envelope paper in the
// feed's orientation, and the page loop: one envelope per page, the layout
// shifted by the feed's offsets. The table's filter, order and record are
// put back when the run goes. Messages go through the message service.
#include <functional>
#include <memory>

#include "data/record_choice.h"
#include "design/table_merge_source.h"
#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_panel.h"

namespace pc::data {
class TApollo;
class TTable;
class QuerySetting;
class OrderSetting;
}  // namespace pc::data

namespace pc::print {
class PrintEngine;
}

namespace pc::envelopes {

struct EnvelopePrintChoices {
    using Records = pc::data::RecordChoice;
    Records records = Records::CurrentOnly;
    bool startFromCurrent = false;
    EnvelopeFeed feed;
    bool preview = false;  // draws the printable area on each page
};

// The envelope's paper on the engine, lying as the feed says. An unknown
// size code prints on an Envelope #10.
void setEnvelopePaper(print::PrintEngine& printer, int sizeCode, const EnvelopeFeed& feed);

class EnvelopePrintRun {
  public:
    EnvelopePrintRun(data::TTable& addresses, data::TApollo& engine,
                     const EnvelopeDefinition& envelope, const QString& layoutFolder,
                     EnvelopePrintChoices choices);
    ~EnvelopePrintRun();
    EnvelopePrintRun(const EnvelopePrintRun&) = delete;
    EnvelopePrintRun& operator=(const EnvelopePrintRun&) = delete;

    // False when the layout file is missing or unreadable (the user was told).
    bool ready() const { return ready_; }
    // No chosen record: the job would print an empty page.
    bool nothingToPrint() const;

    // The job's callbacks: before the first page, and the pages.
    // `keepGoing` runs after every envelope; false stops the loop.
    void beforePrint(print::PrintEngine& printer);
    void print(print::PrintEngine& printer, const std::function<bool()>& keepGoing = {});

    int envelopesPrinted() const { return printed_; }
    EnvelopeOffsets offsets() const { return offsets_; }
    TEnvelopePanel& panel() { return panel_; }

  private:
    bool loadLayout(const QString& layoutFolder);
    void chooseStart();

    data::TTable& addresses_;
    data::TApollo& engine_;
    EnvelopeDefinition envelope_;
    EnvelopePrintChoices choices_;
    int rememberedRecord_ = 0;
    design::TableMergeSource source_;
    TEnvelopePanel panel_;
    std::unique_ptr<data::QuerySetting> query_;
    std::unique_ptr<data::OrderSetting> order_;
    EnvelopeOffsets offsets_;
    int printed_ = 0;
    bool ready_ = false;
};

}  // namespace pc::envelopes
