#include "import/import_run.h"

#include "data/controls_disabled.h"
#include "data/t_table.h"
#include "import/import_destination.h"
#include "text/message_service.h"

namespace pc::import {

void reportUnstorable(const UnstorableTally& tally) {
    if (const QString lost = tally.report(); !lost.isEmpty()) pc::text::messages().inform(lost);
}

ImportResult runImport(pc::data::TTable& destination, const ImportCalls& calls,
                       const std::function<ImportOutcome(UnstorableTally&)>& loop,
                       QString (*endMessage)(const ImportOutcome&)) {
    ImportResult result;
    if (!dropIndexFile(destination)) {
        pc::text::messages().inform(QStringLiteral("Unable to create index files"));
        return result;
    }
    result.started = true;
    {
        pc::data::ControlsDisabled quiet(destination);
        result.outcome = loop(result.unstorable);
    }
    if (calls.status) calls.status({});
    pc::text::messages().inform(endMessage(result.outcome));
    reportUnstorable(result.unstorable);
    result.indexRebuilt = rebuildAfterImport(destination, calls.status, calls.rebuildGauge);
    return result;
}

}  // namespace pc::import
