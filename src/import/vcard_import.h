#pragma once
// Importing a vCard file: each card becomes a record, its properties fill
// the address fields by meaning (names, organisation, title, the preferred
// address, two phones and a fax, the preferred e-mail, the note as memo).
#include <QString>

#include "import/import_run.h"
#include "import/vcard_reader.h"

namespace pc::data {
class TTable;
}

namespace pc::import {

// Whether the file is a vCard file: named .vcf, or starting (after a byte
// order mark and blank lines) with "BEGIN:VCARD".
bool isVCardFile(const QString& path);
// False (and nothing changed) when the file cannot be read or holds no card.
bool readVCardFile(const QString& path, std::vector<VCardContact>& contacts);

ImportResult runVCardImport(const std::vector<VCardContact>& contacts,
                            pc::data::TTable& destination, const ImportCalls& calls = {});

}  // namespace pc::import
