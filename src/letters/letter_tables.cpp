#include "letters/letter_tables.h"

#include "data/system_tables.h"

namespace pc::letters {

void registerLetterTables() {
    pc::data::registerSystemTable({.fileName = "LETTER.DBF",
                                   .fields = {{"DESCRIPT", "C", 50, 0}, {"RTF", "M", 10, 0}},
                                   .tag = "DESCRIPT",
                                   .tagExpression = "UPPER(descript)",
                                   .rebuildStatus = "Rebuilding Letters File indexes",
                                   .rebuildExpression = "UPPER(DESCRIPT)",
                                   .rebuildPosition = 1});
}

}  // namespace pc::letters
