#include "reports/report_tables.h"

#include "data/system_tables.h"

namespace pc::reports {

void registerReportTables() {
    pc::data::registerSystemTable(
        {.fileName = "REPORT.DBF",
         .fields = {{"DESCRIPT", "C", 60, 0}, {"LAYOUT", "C", 60, 0}, {"BINARY", "C", 12, 0}},
         .tag = "DESCRIPT",
         .tagExpression = "UPPER(descript)",
         .rebuildStatus = "Rebuilding Report File indexes",
         .rebuildPosition = 6});
}

}  // namespace pc::reports
