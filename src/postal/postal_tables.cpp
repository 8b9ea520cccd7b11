#include "postal/postal_tables.h"

#include "data/system_tables.h"

namespace pc::postal {

void registerPostalTables() {
    pc::data::registerSystemTable({.fileName = "CSZ.DBF",
                                   .tag = "STATE",
                                   .tagExpression = "UPPER(state)",
                                   .rebuildStatus = "Rebuilding State/Province File indexes",
                                   .rebuildExpression = "UPPER(STATE)",
                                   .rebuildPosition = 3});
}

}  // namespace pc::postal
