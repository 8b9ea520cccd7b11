#pragma once
// The match windows: TAsciiMatch ("ASCII File Import Match Fields") shows
// the sampled lines, TDBFMatch ("DBF File Import Match Fields") the source
// table's records; both pair source columns with fields in a FieldMatchGrid.
#include <QDialog>
#include <vector>

#include "import/ui/field_match_grid.h"

class QTableWidget;
class QPushButton;

namespace pc::data {
class TTable;
}

namespace pc::import {

struct AsciiColumnTable;

class MatchWindow : public QDialog {
    Q_OBJECT
  public:
    QTableWidget* SampleGrid;
    FieldMatchGrid* MatchGrid;
    QPushButton *SelectFieldButton, *ClearCurrentButton, *ClearAllButton, *OkButton, *CancelButton,
        *HelpButton;

  protected:
    MatchWindow(const QString& caption, const QString& sampleCaption, const QString& fileName,
                int helpContext, QWidget* parent);
};

class TAsciiMatch : public MatchWindow {
    Q_OBJECT
  public:
    // Rows are the destination's visible text fields; the grid shows the
    // earlier pairing when `showPairing` (matched before).
    TAsciiMatch(const AsciiColumnTable& columns, const pc::data::TTable& destination,
                const QString& fileName, bool showPairing, QWidget* parent = nullptr);
    // On OK: each column's destination becomes the label of the (last) row naming it.
    void takePairing(AsciiColumnTable& columns) const;
};

class TDBFMatch : public MatchWindow {
    Q_OBJECT
  public:
    TDBFMatch(pc::data::TTable& source, const pc::data::TTable& destination,
              const std::vector<int>& pairing, const QString& fileName, QWidget* parent = nullptr);
    // The confirmed pairing: every source field unpaired, then each row's.
    std::vector<int> pairing() const;

  private:
    pc::data::TTable& source_;
    const pc::data::TTable& destination_;
    std::vector<int> rowFields_;  // destination field index of each row
};

}  // namespace pc::import
