#pragma once
// The letters' system table: LETTER.DBF, one row per letter with its text.
namespace pc::letters {

// Registers it with the system-table list (data/system_tables.h).
void registerLetterTables();

}  // namespace pc::letters
