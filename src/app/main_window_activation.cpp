// The first activation of the main window: placement, preferences, the
// database to start with, and the getting-started screen.
#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>

#include "app/getting_started_dialog.h"
#include "app/t_address_main.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "print/printer_check.h"
#include "text/mru_list.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "widgets/busy_cursor.h"
#include "widgets/window_placement.h"

namespace pc::app {

void TAddressMain::FormActivate() {
    if (!firstActivation_) return;
    firstActivation_ = false;
    pc::widgets::BusyCursor busy;

    pc::widgets::restorePlacement(this);
    // The panes stay covered while the database is being found.
    showNoDataPanel(true);
    setWindowTitle("Postcraft");
    mnuImport1x->setText("Import from Postcraft 1.x DBF");
    mnuImport2x->setVisible(true);

    refreshOnPost = true;
    filterString.clear();
    LoadPreferences();
    ApolloEnv1->activate();

    const QStringList recent =
        pc::text::readMruList(pc::text::ProfileFile(pc::text::settingsPath()));
    if (recent.isEmpty()) {
        openDefaultDatabase();
    } else {
        OpenPKWDBF(recent.first());
    }

    if (active()) ApplyQuery();
    UpdateMenuMRUList();
    loadMemo();
    RefreshControls();
    pc::print::checkPrinters();

    if (!prefs.gettingStartedOff) QTimer::singleShot(0, this, &TAddressMain::ShowGettingStarted);
    emit startupFinished();
}

void TAddressMain::LoadPreferences() {
    pc::text::ProfileFile ini(pc::text::settingsPath());
    prefs = records::loadPreferences(ini);
    if (active()) TablePKW->refreshCalculatedFields();
}

void TAddressMain::ShowGettingStarted() {
    emit gettingStartedRequested();
    TGettingStarted screen(pc::text::settingsPath(), this);
    pc::widgets::centreWindow(&screen, this);
    screen.exec();
}

}  // namespace pc::app
