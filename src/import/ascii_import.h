#pragma once
// The text import itself, without its window: every line of the file
// becomes a record, matched columns fill their fields, and the indexes are
// made again at the end.
#include "import/import_run.h"

namespace pc::data {
class TTable;
}

namespace pc::import {

class ImportTextFile;
struct AsciiColumnTable;

// Drops the destination's index file, appends a record per line (the
// header line skipped when the table has one), tells the user how it ended
// and what could not be stored, and rebuilds every tag.
ImportResult runAsciiImport(ImportTextFile& file, const AsciiColumnTable& columns,
                            pc::data::TTable& destination, const ImportCalls& calls = {});

}  // namespace pc::import
