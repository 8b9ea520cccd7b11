// The filter: the Address Filter dialog, clearing it, and .FLT files.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "app/t_address_main.h"
#include "data/filter_file.h"
#include "data/t_table.h"
#include "records/filter_dialog.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/window_placement.h"

namespace pc::app {

namespace {

// Where the filter file dialogs start: the program folder the first time.
QString& filterFolder() {
    static QString folder;
    if (folder.isEmpty()) folder = pc::text::homeDir();
    return folder;
}

}  // namespace

void TAddressMain::BuildQueryString() {
    filterString = pc::data::buildQueryString(filterCriteria, prefs.globalTagId);
}

void TAddressMain::ClearQueryVars() {
    filterCriteria.clear();
    filterString.clear();
}

void TAddressMain::FilterButtonClick() {
    if (editing()) {
        QApplication::beep();
        return;
    }
    if (!active()) return;
    const pc::data::FilterCriteria remembered = filterCriteria;
    records::TFilterDialog dialog(
        filterCriteria,
        [this](const pc::data::FilterCriteria& criteria) {
            filterCriteria = criteria;
            const int count = ApplyQuery();
            loadMemo();
            RefreshControls();
            return count;
        },
        this);
    pc::widgets::centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted) filterCriteria = remembered;
    ApplyQuery();
    loadMemo();
    RefreshControls();
}

void TAddressMain::mnuSaveFilterClick(const QString& chosen) {
    QString path = chosen;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(this, "Save Filter", filterFolder() + "/*.FLT",
                                            "Filter files (*.FLT)", nullptr,
                                            QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty()) return;
    }
    const QFileInfo info(path);
    if (!pc::data::hasFilterExtension(path)) {
        if (info.fileName().contains('.')) {
            pc::text::messages().inform("Must have a .FLT extension");
            return;
        }
        path += ".FLT";
    }
    if (QFileInfo::exists(path) &&
        !pc::text::messages().askDefaultNo(
            path + " already exists." + "\r\n" + "Do you want to overwrite it?", "Warning!"))
        return;
    filterFolder() = QFileInfo(path).absolutePath();
    SaveFilterTo(path);
}

bool TAddressMain::SaveFilterTo(const QString& path) {
    QString error;
    if (pc::data::writeFilterFile(path, filterCriteria, &error)) return true;
    pc::text::messages().error(error, "Postcraft");
    return false;
}

void TAddressMain::mnuRestoreFilterClick(const QString& chosen) {
    if (!active() || editing()) return;
    QString path = chosen;
    if (path.isEmpty()) {
        path = QFileDialog::getOpenFileName(this, "Restore Filter", filterFolder(),
                                            "Filter Files (*.flt)");
        if (path.isEmpty()) return;
    }
    if (!pc::data::hasFilterExtension(path)) {
        pc::text::messages().inform("Must be a Filter (.FLT) file");
        return;
    }
    filterFolder() = QFileInfo(path).absolutePath();
    RestoreFilterFrom(path);
}

bool TAddressMain::RestoreFilterFrom(const QString& path) {
    pc::data::FilterCriteria read;
    QString error;
    if (!pc::data::readFilterFile(path, read, &error)) {
        pc::text::messages().error(error, "Postcraft");
        return false;
    }
    filterCriteria = read;
    ApplyQuery();
    loadMemo();
    RefreshControls();
    return true;
}

}  // namespace pc::app
