#include "reports/ui/reports_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "design/ui/class_menu_items.h"
#include "print/printer_check.h"
#include "reports/ui/print_current_record_window.h"
#include "reports/ui/report_setup_window.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::reports {
namespace {

bool sessionReady(pc::data::Session& session) {
    if (!print::checkPrinters()) return false;
    if (!session.active()) {
        text::messages().inform(QStringLiteral("You need to have a database file open first"));
        return false;
    }
    return true;
}

}  // namespace

void printReports(pc::data::Session& session, QWidget* parent) {
    if (!sessionReady(session)) return;
    design::ui::registerClassMenuItems();
    data::TTable reports;
    if (!data::openSystemTable(QStringLiteral("REPORT.DBF"), reports)) return;
    data::TApollo engine(&reports);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    reports.first();
    const bool shown = session.calculatedFieldsShown();
    session.showCalculatedFields(true);
    {
        TReportSetup window(session, reports, !session.filter().isEmpty(), parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    session.showCalculatedFields(shown);
    reports.setActive(false);
}

void printCurrentRecord(pc::data::Session& session, QWidget* parent) {
    if (!sessionReady(session)) return;
    const bool shown = session.calculatedFieldsShown();
    session.showCalculatedFields(true);
    {
        TPrintCurrentRecord window(session.table(), parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    session.showCalculatedFields(shown);
}

}  // namespace pc::reports
