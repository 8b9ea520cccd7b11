#include "cli/rebuild_command.h"

#include <ostream>

#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/index_maintenance.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::cli {

int rebuildAddress(const QString& table, std::ostream& out) {
    pc::data::TTable addresses;
    pc::data::defineAddressFields(addresses, {});
    addresses.setExclusive(true);
    // The index may be missing or damaged: that is what the rebuild is for.
    if (!pc::data::OpenPKWFile(table, addresses)) return kExitFailure;
    ProgressLine line("rebuild " + table.toStdString());
    pc::data::RebuildProgress progress;
    progress.gauge = line.progress();
    const bool ok = pc::data::rebuildAddressIndexes(addresses, progress);
    const int left = pc::data::TApollo(&addresses).recCount();
    addresses.close();
    if (!ok) return kExitFailure;
    out << left << '\n';
    return 0;
}

}  // namespace pc::cli
