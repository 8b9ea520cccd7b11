#pragma once
// The reports' system table: REPORT.DBF, one row per report layout.
namespace pc::reports {

// Registers it with the system-table list (data/system_tables.h).
void registerReportTables();

}  // namespace pc::reports
