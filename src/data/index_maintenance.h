#pragma once
// Rebuilding compound indexes: the open address database (deleted records
// packed away, then the 26 tags made again) and the six system-data tables
// (each packed and given its one tag). Progress goes to plain callbacks so
// the dialog, the command line and the tests share one routine.
#include <QString>
#include <functional>
#include <vector>

#include "text/progress.h"

namespace pc::data {

class TTable;

// The rebuild gauge over the 26 tags: each tag's engine percentage (0 to
// 100) summed and divided by 21, rounded, and capped at 100 because the sum
// of 26 tags passes 2100.
class TagGauge {
  public:
    // The gauge value after the engine reported `percent` for tag `tagIndex`.
    int report(int tagIndex, int percent);

  private:
    int sum_ = 0;
    int tag_ = -1;
    int lastPercent_ = 0;
};

enum class RebuildStep { Packing, Indexing };

struct RebuildProgress {
    std::function<void(RebuildStep)> step;  // a new step begins
    pc::text::Progress gauge;               // percent of 100 within the step
};

// Deletes the table's index file, packs the table (deletion-marked records
// go for good) and makes the 26 address tags. The table stays open, on its
// first record in physical order. False when a step failed (the create-tags
// routine has told the user).
bool rebuildAddressIndexes(TTable& table, const RebuildProgress& progress = {});

struct SystemRebuildProgress {
    std::function<void(const QString& status)> status;
    pc::text::Progress gauge;  // percent of 100 within the table
};

// Rebuilds the registered system tables (system_tables.h) in sysdata/, in
// their rebuild order. A table that cannot be opened or fails a step is
// closed and skipped silently. Returns how many tables
// were rebuilt.
int rebuildSystemIndexes(const SystemRebuildProgress& progress = {});

}  // namespace pc::data
