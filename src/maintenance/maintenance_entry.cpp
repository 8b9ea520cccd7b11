#include "maintenance/maintenance_entry.h"

#include "data/session.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "widgets/window_placement.h"

namespace pc::maintenance {

void rebuildIndexes(pc::data::Session& session, QWidget* parent) {
    TRebuildIndexesDialog dialog(&session.table(), parent);
    pc::widgets::centreWindow(&dialog, parent);
    dialog.exec();
}

}  // namespace pc::maintenance
