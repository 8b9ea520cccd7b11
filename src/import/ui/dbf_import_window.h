#pragma once
// TDBFImport, "DBF File Import": choose another xBase table, pair its
// fields in TDBFMatch (proposed by name the first time), import.
#include <vector>

#include "data/t_table.h"
#include "import/ui/import_window.h"

namespace pc::import {

class TDBFMatch;

class TDBFImport : public ImportWindow {
    Q_OBJECT
  public:
    TDBFImport(pc::data::TTable& destination, QWidget* parent = nullptr);

    void SelectButtonClick();
    void selectFile(const QString& path);
    void MatchButtonClick();
    void ImportButtonClick();
    std::function<bool(TDBFMatch&)> execMatch;

    std::vector<int> pairing;

  private:
    pc::data::TTable& destination_;
    pc::data::TTable source_;
    QString path_;
    bool confirmed_ = false;
};

}  // namespace pc::import
