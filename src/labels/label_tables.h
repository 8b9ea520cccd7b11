#pragma once
// The labels' system tables: LABEL.DBF (the user's label setups) and
// LBLTPL.DBF (the delivered label stock templates, never made by the program).
namespace pc::labels {

// Registers them with the system-table list (data/system_tables.h).
void registerLabelTables();

}  // namespace pc::labels
