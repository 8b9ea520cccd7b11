// The main window's browse grid, index rebuilds and new databases.
#include <QApplication>

#include "app/subsystem_entry.h"
#include "app/t_address_main.h"
#include "data/controls_disabled.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "labels/ui/labels_entry.h"
#include "maintenance/maintenance_entry.h"
#include "maintenance/new_database_dialog.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "records/browse_entry.h"
#include "reports/ui/reports_entry.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::app {

void TAddressMain::BrowseButtonClick() {
    if (!active()) return;
    if (editing()) {
        QApplication::beep();
        return;
    }
    int chosen = 0;
    {
        SubsystemEntry entry(session());
        chosen = records::browseRecords(session(), entry.rememberedRecord(), this);
    }
    // The grid's current record becomes the window's.
    if (chosen > 0 && active()) {
        try {
            Apollo1->go(chosen);
        } catch (const pc::data::DataError&) {
            // The record went away; the window stays where it was.
        }
        loadMemo();
        RefreshControls();
    }
}

bool TAddressMain::readyForSubsystem() {
    if (!active()) {
        pc::text::messages().inform("You need to have a database file open first");
        return false;
    }
    if (editing()) {
        QApplication::beep();
        return false;
    }
    return true;
}

void TAddressMain::PrintLabelsClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    labels::printLabels(session(), this);
}

void TAddressMain::PrintReportsClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    reports::printReports(session(), this);
}

void TAddressMain::PrintCurrentRecordClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    reports::printCurrentRecord(session(), this);
}

void TAddressMain::RebuildIndexesMenuClick() {
    if (!readyForSubsystem()) return;
    {
        pc::data::ControlsDisabled quiet(*TablePKW);
        maintenance::rebuildIndexes(session(), this);
    }
    SetCurrentOrder(currentOrderTag);
    ApplyQuery();
    loadMemo();
    RefreshControls();
}

void TAddressMain::RebuildSystemFileindexesmnuClick() {
    maintenance::TRebuildIndexesDialog dialog(this);
    pc::widgets::centreWindow(&dialog, this);
    dialog.exec();
}

void TAddressMain::NewFileMenuClick() {
    if (editing()) {
        QApplication::beep();
        return;
    }
    maintenance::TNewDatabaseDialog dialog(TAbleCreate, this);
    pc::widgets::centreWindow(&dialog, this);
    if (dialog.exec() == QDialog::Accepted && !dialog.createdPath().isEmpty()) {
        if (TAbleCreate->active()) TAbleCreate->close();
        OpenPKWDBF(dialog.createdPath());
    }
    RefreshControls();
}

}  // namespace pc::app
