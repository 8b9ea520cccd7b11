#pragma once
// TImportOlder, "Import Postcraft 1.x DBF" / "Import Postcraft 2.x DBF":
// choose a table of an earlier version and copy it in without asking.
#include "data/t_table.h"
#include "import/older_import.h"
#include "import/ui/import_window.h"

namespace pc::import {

class TImportOlder : public ImportWindow {
    Q_OBJECT
  public:
    TImportOlder(OlderVersion version, pc::data::TTable& destination, QWidget* parent = nullptr);

    void SelectButtonClick();
    void selectFile(const QString& path);
    void ImportButtonClick();

  private:
    OlderVersion version_;
    pc::data::TTable& destination_;
    pc::data::TTable source_;
};

}  // namespace pc::import
