#pragma once
// The records a report run prints: the order a built-in report uses, the
// filter of the choice ("All records" leaves out PREFIX "DELETED", "Only
// current record" keeps just that one), the start record, and for built-in
// reports 1 to 3 the skip to the first key at or after "0". The table's
// order, filter and record are put back when the selection goes.
#include <QString>
#include <memory>

#include "data/record_choice.h"

namespace pc::data {
class TApollo;
class TTable;
class QuerySetting;
class OrderSetting;
}  // namespace pc::data

namespace pc::reports {

using pc::data::RecordChoice;

struct ReportChoices {
    RecordChoice records = RecordChoice::MatchingFilter;
    bool startFromCurrent = false;
    bool onePerPage = false;  // user-defined reports only
};

// Built-in report n (1 to 4): the index tag it prints in.
QString builtInOrderTag(int report);

// Told instead of printing when the choice leaves no record.
inline constexpr char kNoRecordsMessage[] = "There are no records to print";

class ReportSelection {
  public:
    // `builtIn` is 0 for a user-defined report.
    ReportSelection(pc::data::TTable& table, pc::data::TApollo& engine,
                    const ReportChoices& choices, int builtIn = 0);
    ~ReportSelection();
    ReportSelection(const ReportSelection&) = delete;
    ReportSelection& operator=(const ReportSelection&) = delete;

    // The table rests on the first record to print; false when none is.
    bool anyRecord() const;
    int rememberedRecord() const { return remembered_; }

  private:
    void goFirst();

    pc::data::TTable& table_;
    pc::data::TApollo& engine_;
    int remembered_;
    int builtIn_;
    std::unique_ptr<pc::data::OrderSetting> order_;
    std::unique_ptr<pc::data::QuerySetting> query_;
};

}  // namespace pc::reports
