#pragma once
// The envelopes' system table: ENVELOPE.DBF, one row per envelope layout.
namespace pc::envelopes {

// Registers it with the system-table list (data/system_tables.h).
void registerEnvelopeTables();

}  // namespace pc::envelopes
