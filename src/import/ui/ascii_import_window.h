#pragma once
// TAsciiImport, "ASCII File Import": choose a text file, pair its columns
// with fields in TAsciiMatch, import. CSV files that start with a header row
// arrive paired by the headers' names, ready to import or to correct; a
// vCard file (contacts of a phone or address book) needs no matching, its
// properties fill the fields by meaning.
#include <vector>

#include "import/ascii_columns.h"
#include "import/import_text_file.h"
#include "import/ui/import_window.h"
#include "import/vcard_reader.h"

namespace pc::data {
class TTable;
}

namespace pc::import {

class TAsciiMatch;

class TAsciiImport : public ImportWindow {
    Q_OBJECT
  public:
    TAsciiImport(pc::data::TTable& destination, QWidget* parent = nullptr);

    void SelectButtonClick();
    // Takes the file as if chosen in the open dialog ("" for none).
    void selectFile(const QString& path);
    void MatchButtonClick();
    void ImportButtonClick();
    // Runs the match window; tests answer it through this hook.
    std::function<bool(TAsciiMatch&)> execMatch;

    AsciiColumnTable columns;

  private:
    pc::data::TTable& destination_;
    ImportTextFile file_;
    std::vector<VCardContact> cards_;  // when the file is a vCard file
    QString path_;
    bool matchedBefore_ = false;
};

}  // namespace pc::import
