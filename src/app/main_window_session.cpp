#include "app/main_window_session.h"

#include "app/t_address_main.h"
#include "records/sort_orders.h"
#include "widgets/field_binder.h"

namespace pc::app {

QString MainWindowSessionHost::orderTag() const {
    return window_.currentOrderTag;
}

void MainWindowSessionHost::selectOrder(const QString& tag) {
    // By its name so the Sort menu and the indicator follow; an order
    // without a menu entry by its tag.
    const QString name = records::orderNameForTag(tag);
    if (!name.isEmpty())
        window_.SetOrderTo(name);
    else
        window_.SetCurrentOrder(tag);
}

QString MainWindowSessionHost::filter() const {
    return window_.filterString;
}

void MainWindowSessionHost::applyFilter(const QString& filter) {
    window_.filterString = filter;
    window_.ApplyQuery();
}

QString MainWindowSessionHost::tagId() const {
    return window_.prefs.globalTagId;
}

void MainWindowSessionHost::pauseForSubsystem(bool bulkOperation) {
    paused_.push_back({window_.refreshOnPost, window_.bulkOperation});
    window_.refreshOnPost = false;
    if (bulkOperation) window_.bulkOperation = true;
    window_.binder()->detach();
}

void MainWindowSessionHost::resumeFromSubsystem() {
    window_.binder()->attach();
    if (paused_.empty()) return;
    window_.refreshOnPost = paused_.back().refreshOnPost;
    window_.bulkOperation = paused_.back().bulkOperation;
    paused_.pop_back();
}

void MainWindowSessionHost::refreshAfterSubsystem() {
    if (window_.active()) window_.loadMemo();
    window_.RefreshControls();
}

}  // namespace pc::app
