// The main window's browse grid, index rebuilds and new databases.
#include <QApplication>

#include "app/subsystem_entry.h"
#include "app/t_address_main.h"
#include "data/controls_disabled.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "dialer/ui/dialer_entry.h"
#include "envelopes/ui/envelopes_entry.h"
#include "import/ui/import_entry.h"
#include "labels/ui/labels_entry.h"
#include "letters/ui/letters_entry.h"
#include "maintenance/maintenance_entry.h"
#include "maintenance/new_database_dialog.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "postal/ui/postal_entry.h"
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

void TAddressMain::PrintEnvelopesClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    envelopes::printEnvelopes(session(), this);
}

void TAddressMain::PrintLettersClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    letters::printLetters(session(), this);
}

void TAddressMain::CountZipCodesClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session());
    postal::countZipCodes(session(), this);
}

void TAddressMain::CheckStateZipClick() {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session(), {.bulkOperation = true});
    postal::checkStateAndZipCodes(session(), this);
}

void TAddressMain::ImportMenuClick(int kind) {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session(), {.bulkOperation = true, .reapplyFilter = true});
    if (kind == 0)
        import::importAscii(session(), this);
    else if (kind == 1)
        import::importDbf(session(), this);
    else
        import::importOlder(session(), kind - 10, this);
}

void TAddressMain::DialPhoneClick(int phone) {
    if (!active()) return;
    const auto* field = TablePKW->findField(phone == 1 ? "PHONE" : "PHONE2");
    dialer::dialPhone(field ? field->text() : QString(), this);
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

void TAddressMain::UtilityMenuClick(void (*open)(pc::data::Session&, QWidget*)) {
    if (!readyForSubsystem()) return;
    SubsystemEntry entry(session(), {true, true});
    open(session(), this);
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
