#pragma once
// A system table of a home (LABEL.DBF, ENVELOPE.DBF, ...) opened the way its
// window opens it: the rows not deleted, in description order, on the first.
#include <QString>
#include <functional>
#include <ostream>
#include <string>

namespace pc::data {
class TTable;
}

namespace pc::cli {

// Makes `home` the program's home. A missing folder is a usage error; a
// table that cannot be opened fails with `failure` (by default "cannot
// open FILE in HOME").
void openHomeTable(const QString& home, const QString& fileName,
                   const std::function<void()>& registerTables, data::TTable& table,
                   std::string failure = {});

// The `list` verbs: each row from the current one on as a JSON object on a
// line, one key per field named as the field; numbers and logicals as
// JSON numbers and booleans, everything else as text.
void writeRowsAsJsonLines(data::TTable& table, std::ostream& out);

}  // namespace pc::cli
