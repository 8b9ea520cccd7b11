#include "reports/ui/reports_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_table.h"
#include "design/ui/class_menu_items.h"
#include "print/printer_check.h"
#include "reports/ui/print_current_record_window.h"
#include "reports/ui/report_setup_window.h"
#include "widgets/window_placement.h"

namespace pc::reports {
void printReports(pc::data::Session& session, QWidget* parent) {
    if (!print::readyToPrint(session)) return;
    design::ui::registerClassMenuItems();
    data::TTable reports;
    if (!data::openListedSystemTable(QStringLiteral("REPORT.DBF"), reports)) return;
    data::CalculatedFieldsShown shown(session);
    TReportSetup window(session, reports, !session.filter().isEmpty(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

void printCurrentRecord(pc::data::Session& session, QWidget* parent) {
    if (!print::readyToPrint(session)) return;
    data::CalculatedFieldsShown shown(session);
    TPrintCurrentRecord window(session.table(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

}  // namespace pc::reports
