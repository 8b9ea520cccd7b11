#pragma once
// A small table with a memo and five tags of every kind (plain, compound,
// UNIQUE, descending, FOR): the subject of the damaged-file tests and fuzzing.
#include <string>

#include "xbase/engine.h"

namespace pc::test {

// Creates `path` (a .dbf; its .fpt and .cdx beside it) with `records` records
// and closes it. False when the engine refused.
inline bool buildFiveTagTable(const std::string& path, int records) {
    if (sx_CreateNew(path.c_str(), "T", pc::xbase::kDriverCdx, 4) == 0) return false;
    sx_CreateField("NAME", "C", 20, 0);
    sx_CreateField("CITY", "C", 12, 0);
    sx_CreateField("AMT", "N", 8, 2);
    sx_CreateField("NOTE", "M", 0, 0);
    if (sx_CreateExec() == 0) return false;
    for (int i = 0; i < records; ++i) {
        sx_AppendBlank();
        sx_Replace("NAME", ("Name" + std::to_string((i * 7919) % 1000)).c_str());
        sx_Replace("CITY", ("City" + std::to_string(i % 13)).c_str());
        sx_Replace("AMT", std::to_string((i * 37) % 500).c_str());
        if (i % 5 == 0) sx_Replace("NOTE", std::string(20 + i % 90, 'a' + i % 26).c_str());
    }
    sx_IndexTag(nullptr, "NAME", "UPPER(NAME)", 0, false, nullptr);
    sx_IndexTag(nullptr, "PLACE", "CITY+NAME", 0, false, nullptr);
    sx_IndexTag(nullptr, "AMOUNT", "AMT", 0, true, nullptr);
    sx_IndexTag(nullptr, "CITIES", "CITY", 1, false, nullptr);
    const bool tagged = sx_IndexTag(nullptr, "LONGNOTE", "NAME", 0, false, "LEN(NOTE)>50") != 0;
    sx_Commit();
    sx_CloseAll();
    return tagged;
}

}  // namespace pc::test
