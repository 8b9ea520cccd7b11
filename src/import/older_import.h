#pragma once
// Importing a table of the program's earlier versions (1.x and 2.x): the
// format is recognised by its field names and copied field by field.
#include <QString>
#include <QStringList>

#include "import/import_run.h"

namespace pc::data {
class TTable;
}

namespace pc::import {

enum class OlderVersion { V1, V2 };

QStringList olderRequiredFields(OlderVersion version);
// Whether every required field of the version exists in the source.
bool isOlderFormat(const pc::data::TTable& source, OlderVersion version);

// Opens the chosen file for the import and checks it, as "Select DBF File"
// does; "" when it may be imported, else the message to show ("Cannot
// import a file to itself", "Unable to open the file ...", ...). On a
// message the source is closed.
QString openOlderSource(const QString& path, const QString& openTablePath, OlderVersion version,
                        pc::data::TTable& source);

// A memo as the earlier versions' import stores it: when its length as
// lines with line breaks is a positive multiple of 4, a blank goes on the
// end of its last line.
QString olderMemo(const QString& memo);

ImportResult runOlderImport(pc::data::TTable& source, OlderVersion version,
                            pc::data::TTable& destination, const ImportCalls& calls = {});

}  // namespace pc::import
