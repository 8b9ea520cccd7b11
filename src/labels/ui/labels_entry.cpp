#include "labels/ui/labels_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_table.h"
#include "design/ui/class_menu_items.h"
#include "labels/ui/print_labels_window.h"
#include "print/printer_check.h"
#include "widgets/window_placement.h"

namespace pc::labels {

void printLabels(data::Session& session, QWidget* parent) {
    if (!print::readyToPrint(session)) return;
    if (session.engine().queryRecCount() <= 0) return;
    data::TTable layouts;
    if (!data::openListedSystemTable(QStringLiteral("LABEL.DBF"), layouts)) return;
    data::CalculatedFieldsShown shown(session);
    TPrintLabels window(session, layouts, !session.filter().isEmpty(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

void registerLabelDesignMenus() {
    design::ui::registerClassMenuItems();
}

}  // namespace pc::labels
