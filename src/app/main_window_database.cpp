// Opening address databases, the recent-files menu, the filter query and
// the record order.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/indicator_texts.h"
#include "app/t_address_main.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/data_error.h"
#include "data/filter_query.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "records/sort_orders.h"
#include "text/message_service.h"
#include "text/mru_list.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "widgets/busy_cursor.h"
#include "widgets/field_binder.h"
#include "widgets/window_placement.h"

namespace pc::app {

using pc::data::DataError;

bool TAddressMain::OpenPKWDBF(const QString& path) {
    if (path.isEmpty()) return false;
    TablePKW->disableControls();
    binder_->detach();
    Apollo1->setQuery({});

    const pc::data::AddressOpenResult result =
        pc::data::openAddressDatabase(path, *TablePKW, [this] { rebuildIndexWithProgress(); });

    if (result.tableOpen) {
        showNoDataPanel(false);
        SetOrderTo("Last Name");
        ApplyQuery();
    } else {
        if (TablePKW->active()) TablePKW->close();
        showNoDataPanel(true);
        SetCurrentOrder({});
        OrderIndicator->clear();
    }

    TablePKW->enableControls();
    binder_->attach();
    if (result.fileOpened) {
        pc::text::ProfileFile ini(pc::text::settingsPath());
        pc::text::updateMruList(ini, path);
        UpdateMenuMRUList();
        openDatabasePath = path;
    } else {
        openDatabasePath.clear();
    }
    setWindowTitle("Postcraft - " + path);
    SearchMemoNextButton->hide();
    loadMemo();
    RefreshControls();
    return result.tableOpen;
}

bool TAddressMain::rebuildIndexWithProgress() {
    // The same dialog as "&Rebuild Indexes for this file": pack, then the tags.
    maintenance::TRebuildIndexesDialog dialog(TablePKW, this);
    pc::widgets::centreWindow(&dialog, this);
    emit rebuildDialogOpened(&dialog);
    dialog.exec();
    return dialog.succeeded();
}

void TAddressMain::showNoDataPanel(bool show) {
    PaneStack->setCurrentWidget(show ? static_cast<QWidget*>(NoDataPanel) : PaneStack->widget(0));
}

bool TAddressMain::createAddressTable(const QString& path) {
    const pc::text::ProfileFile ini(pc::text::settingsPath());
    const auto lengths = pc::data::NewFileFieldLengths::load(ini);
    return pc::data::createAddressTable(path, lengths, *TAbleCreate);
}

bool TAddressMain::openDefaultDatabase() {
    const QString path = pc::text::findNoCase(pc::text::dataDir(), "add0001.DBF");
    if (!QFileInfo::exists(path) && !createAddressTable(path)) {
        showNoDataPanel(true);
        return false;
    }
    return OpenPKWDBF(path);
}

void TAddressMain::OpenDatabaseClick(const QString& chosen) {
    QString path = chosen;
    if (path.isEmpty()) {
        path = QFileDialog::getOpenFileName(this, "Open Address DataBase", pc::text::dataDir(),
                                            "DBF Files (*.dbf)");
        if (path.isEmpty()) return;
    }
    if (QFileInfo(path).suffix().compare("DBF", Qt::CaseInsensitive) != 0) {
        pc::text::messages().inform("Must be a DBF file");
        return;
    }
    OpenPKWDBF(path);
}

void TAddressMain::UpdateMenuMRUList() {
    for (QAction* action : mruActions) {
        FileMenu->removeAction(action);
        action->deleteLater();
    }
    mruActions.clear();
    const QStringList list = pc::text::readMruList(pc::text::ProfileFile(pc::text::settingsPath()));
    mruSeparator->setVisible(!list.isEmpty());
    for (int i = 0; i < list.size(); ++i) {
        // "&" in a path would otherwise turn into an accelerator.
        QString text = list[i];
        text.replace("&", "&&");
        QAction* action = FileMenu->addAction(QString("&%1 %2").arg(i + 1).arg(text));
        action->setData(list[i]);
        connect(action, &QAction::triggered, this, [this, path = list[i]] { MRUItemClick(path); });
        mruActions.push_back(action);
    }
}

void TAddressMain::MRUItemClick(const QString& path) {
    const QString previous = active() ? openDatabasePath : QString();
    if (!OpenPKWDBF(path) && !active() && !previous.isEmpty()) OpenPKWDBF(previous);
    RefreshControls();
}

int TAddressMain::ApplyQuery() {
    BuildQueryString();
    if (!active()) return 0;
    pc::widgets::BusyCursor busy;
    const auto result = pc::data::runFilterQuery(*Apollo1, filterString);
    if (result.tooComplex)
        pc::text::messages().inform("Sorry - filter is too complex.Please simplify it.");
    // A filter that is refused or matches nothing is not kept.
    if (result.cleared) ClearQueryVars();
    try {
        TablePKW->first();
    } catch (const DataError&) {
        // An empty result leaves the table at its end; nothing to show.
    }
    return result.count;
}

void TAddressMain::ClearFilterClick() {
    if (editing()) return;
    ClearQueryVars();
    ApplyQuery();
    loadMemo();
    RefreshControls();
}

void TAddressMain::SetOrderTo(const QString& name) {
    const auto tag = records::tagForOrderName(name);
    if (!tag) return;
    SetCurrentOrder(*tag);
    OrderIndicator->setText(orderIndicatorText(name));
    for (QAction* action : sortActions)
        action->setChecked(records::orderNameFromCaption(action->text()).toUpper() ==
                           name.toUpper());
}

void TAddressMain::SetCurrentOrder(const QString& tag) {
    currentOrderTag = tag;
    if (tag.isEmpty() || !active()) return;
    // A missing tag gives physical order.
    Apollo1->setOrder(Apollo1->tagArea(tag));
    TablePKW->resync();
}

}  // namespace pc::app
