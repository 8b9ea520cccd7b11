#include "maintenance/maintenance_entry.h"

#include <QFile>

#include "data/session.h"
#include "data/t_apollo.h"
#include "maintenance/convert_case_dialog.h"
#include "maintenance/copy_out_dialog.h"
#include "maintenance/delete_records_dialog.h"
#include "maintenance/dup_check_dialog.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "maintenance/search_and_replace_dialog.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/window_placement.h"

namespace pc::maintenance {

void rebuildIndexes(pc::data::Session& session, QWidget* parent) {
    TRebuildIndexesDialog dialog(&session.table(), parent);
    pc::widgets::centreWindow(&dialog, parent);
    dialog.exec();
}

namespace {

template <class Window>
void showUtility(pc::data::Session& session, QWidget* parent) {
    Window window(session, parent);
    pc::widgets::centreWindow(&window, parent);
    window.exec();
}

}  // namespace

void checkDuplicates(pc::data::Session& session, QWidget* parent) {
    showUtility<TDupCheck>(session, parent);
    // A window that failed half-way must not leave its index behind.
    QFile::remove(pc::text::homeDir() + QLatin1String(kDuplicateIndexName));
}

void searchAndReplace(pc::data::Session& session, QWidget* parent) {
    showUtility<TSearchAndReplace>(session, parent);
}

void convertCase(pc::data::Session& session, QWidget* parent) {
    showUtility<TConvertToUpper>(session, parent);
}

void deleteRecords(pc::data::Session& session, QWidget* parent) {
    showUtility<TDeleteRecords>(session, parent);
}

void exportRecords(pc::data::Session& session, QWidget* parent) {
    if (session.engine().queryRecCount() <= 0) {
        pc::text::messages().inform(
            QStringLiteral("No active records for current filter. Nothing to copy"));
        return;
    }
    showUtility<TCopyOut>(session, parent);
}

}  // namespace pc::maintenance
