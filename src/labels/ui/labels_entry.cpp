#include "labels/ui/labels_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "design/ui/class_menu_items.h"
#include "labels/ui/print_labels_window.h"
#include "print/printer_check.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::labels {

void printLabels(data::Session& session, QWidget* parent) {
    if (!print::checkPrinters()) return;
    if (!session.active()) {
        text::messages().inform(QStringLiteral("You need to have a database file open first"));
        return;
    }
    if (session.engine().queryRecCount() <= 0) return;
    data::TTable layouts;
    if (!data::openSystemTable(QStringLiteral("LABEL.DBF"), layouts)) return;
    data::TApollo engine(&layouts);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    layouts.first();

    const bool shown = session.calculatedFieldsShown();
    session.showCalculatedFields(true);
    {
        TPrintLabels window(session, layouts, !session.filter().isEmpty(), parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    session.showCalculatedFields(shown);
    layouts.setActive(false);
}

void registerLabelDesignMenus() {
    design::ui::registerClassMenuItems();
}

}  // namespace pc::labels
