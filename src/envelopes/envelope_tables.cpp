#include "envelopes/envelope_tables.h"

#include "data/system_tables.h"

namespace pc::envelopes {

void registerEnvelopeTables() {
    pc::data::registerSystemTable(
        {.fileName = "ENVELOPE.DBF",
         .fields = {{"DESCRIPT", "C", 60, 0}, {"NUMBER", "N", 5, 0}, {"BINARY", "C", 12, 0}},
         .tag = "DESCRIPT",
         .tagExpression = "UPPER(descript)",
         .rebuildStatus = "Rebuilding Envelope File indexes",
         .rebuildPosition = 5});
}

}  // namespace pc::envelopes
