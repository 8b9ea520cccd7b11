#pragma once
// A system table of a home (LABEL.DBF, ENVELOPE.DBF, ...) opened the way its
// window opens it: the rows not deleted, in description order, on the first.
#include <QString>
#include <functional>
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

}  // namespace pc::cli
