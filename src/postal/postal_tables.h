#pragma once
// The postal system table: CSZ.DBF, the ZIP ranges of each state and
// province (delivered, never made by the program).
namespace pc::postal {

// Registers it with the system-table list (data/system_tables.h).
void registerPostalTables();

}  // namespace pc::postal
