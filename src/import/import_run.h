#pragma once
// How a window or the command line follows an import: the status line, the
// gauge while records go in, the gauge while the index is made again.
#include <QString>
#include <functional>

#include "import/record_appender.h"
#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::import {

struct ImportCalls {
    std::function<void(const QString&)> status;
    // Records (or source records) done of the total; false stops the import.
    pc::text::Progress progress;
    // Percent of the index rebuild.
    pc::text::Progress rebuildGauge;
};

struct ImportResult {
    ImportOutcome outcome;
    UnstorableTally unstorable;
    bool indexRebuilt = false;
    bool started = false;  // false when the index file could not be dropped
};

// Tells the user (information message) what the tally lost, if anything.
void reportUnstorable(const UnstorableTally& tally);

// The frame of every import: drop the destination's index file, run the
// loop with the destination's controls detached, tell the user how it
// ended (`endMessage`) and what could not be stored, and make every tag
// again (also after a failure or a stop).
ImportResult runImport(pc::data::TTable& destination, const ImportCalls& calls,
                       const std::function<ImportOutcome(UnstorableTally&)>& loop,
                       QString (*endMessage)(const ImportOutcome&));

}  // namespace pc::import
