#pragma once
// Defers a table's commits to disk for a scope: a loop that posts many
// records (tagging, bulk edits, imports) commits once at the end instead of
// waiting for the disk after every record. Records and keys are written as
// each is posted, so a failure still shows at its record; should the
// program die before the end, the index is found stale on the next open
// and the rebuild is offered.
#include "data/t_table.h"

namespace pc::data {

class CommitsDeferred {
  public:
    explicit CommitsDeferred(TTable& table) : table_(table) { table_.deferCommits(); }
    ~CommitsDeferred() { table_.endCommitDeferral(); }
    CommitsDeferred(const CommitsDeferred&) = delete;
    CommitsDeferred& operator=(const CommitsDeferred&) = delete;

  private:
    TTable& table_;
};

}  // namespace pc::data
