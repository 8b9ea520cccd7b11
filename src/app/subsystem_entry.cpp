#include "app/subsystem_entry.h"

#include <QLabel>

#include "app/t_address_main.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "records/sort_orders.h"
#include "widgets/field_binder.h"

namespace pc::app {

SubsystemEntry::SubsystemEntry(TAddressMain& window, Options options)
    : window_(window),
      options_(options),
      refreshOnPost_(window.refreshOnPost),
      bulkOperation_(window.bulkOperation),
      orderTag_(window.currentOrderTag),
      filter_(window.filterString) {
    window_.refreshOnPost = false;
    if (options_.bulkOperation) window_.bulkOperation = true;
    window_.binder()->detach();
    if (window_.active()) record_ = window_.Apollo1->recNo();
}

SubsystemEntry::~SubsystemEntry() {
    window_.binder()->attach();
    window_.refreshOnPost = refreshOnPost_;
    window_.bulkOperation = bulkOperation_;
    if (window_.active()) {
        // Re-select the order by its name so the Sort menu and the
        // indicator follow; an order without a menu entry by its tag.
        const QString name = orderNameForTag(orderTag_);
        if (!name.isEmpty())
            window_.SetOrderTo(name);
        else
            window_.SetCurrentOrder(orderTag_);
        if (options_.reapplyFilter) {
            window_.filterString = filter_;
            window_.ApplyQuery();
        }
        if (record_ > 0 && record_ <= window_.Apollo1->recCount()) {
            try {
                window_.Apollo1->go(record_);
            } catch (const pc::data::DataError&) {
                // The record may be gone (deleted, packed); stay where we are.
            }
        }
        window_.loadMemo();
    }
    window_.RefreshControls();
}

}  // namespace pc::app
