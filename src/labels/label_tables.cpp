#include "labels/label_tables.h"

#include "data/system_tables.h"

namespace pc::labels {

void registerLabelTables() {
    pc::data::registerSystemTable(
        {.fileName = "LABEL.DBF",
         .fields = {{"DESCRIPT", "C", 60, 0}, {"PRINTER", "C", 2, 0},    {"LBLHEIGHT", "N", 6, 3},
                    {"LBLWIDTH", "N", 6, 3},  {"NBRACROSS", "N", 2, 0},  {"NBRDOWN", "N", 2, 0},
                    {"TOPMARG", "N", 6, 3},   {"LEFTMARG", "N", 6, 3},   {"HORIZPITCH", "N", 6, 3},
                    {"VERTPITCH", "N", 6, 3}, {"SHEETWIDTH", "N", 6, 3}, {"SHEETDEPTH", "N", 6, 3},
                    {"PAPERSIZE", "C", 5, 0}, {"LBLSHAPE", "C", 2, 0},   {"TPLDESCRIP", "C", 60, 0},
                    {"MANUFAC", "C", 10, 0},  {"PRODTYPE", "C", 25, 0},  {"MIDEXTRAX", "N", 6, 3},
                    {"MIDEXTRAY", "N", 6, 3}, {"ART", "C", 12, 0},       {"DELETED", "L", 1, 0},
                    {"BINARY", "C", 12, 0}},
         .tag = "DESCRIPT",
         .tagExpression = "UPPER(descript)",
         .rebuildStatus = "Rebuilding Label File indexes",
         .rebuildExpression = "UPPER(DESCRIPT)",
         .rebuildPosition = 2});
    pc::data::registerSystemTable({.fileName = "LBLTPL.DBF",
                                   .tag = "DESCRIPT",
                                   .tagExpression = "UPPER(descript)",
                                   .failureMessage = "Unable to Open LBLTPL.DBF",
                                   .rebuildStatus = "Rebuilding Label Setup File indexes",
                                   .rebuildPosition = 4});
}

}  // namespace pc::labels
