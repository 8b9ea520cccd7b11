#pragma once
// Where the labels of a sheet are: positions across then down, their
// origins on the page in inches (with the extra gap of the right and lower
// halves), which positions may be used, and the miniature of the sheet the
// position dialog shows.
#include <QRect>
#include <vector>

#include "print/inches.h"

namespace pc::labels {

struct LabelDefinition;

struct SheetGeometry {
    double labelWidth = 0, labelHeight = 0;
    int across = 1, down = 1;
    double topMargin = 0, leftMargin = 0;
    double horizontalPitch = 0, verticalPitch = 0;
    double extraX = 0, extraY = 0;
    double sheetWidth = 8.5, sheetDepth = 11;

    static SheetGeometry of(const LabelDefinition& definition);
    int positions() const { return across * down; }
    // The origin of the label at column c, row r (from 0).
    print::Inches originX(int column) const;
    print::Inches originY(int row) const;
};

// Which positions of a sheet may be used: one flag per position, index =
// column + row x across. The stock dialog allows 10 x 30 labels, so the map
// holds every position of the sheet (the design's fixed 200 would leave
// the last rows of such a sheet unreachable).
class PositionMap {
  public:
    explicit PositionMap(int positions = 200)
        : flags_(static_cast<size_t>(std::max(0, positions)), true) {}
    int size() const { return static_cast<int>(flags_.size()); }
    bool used(int index) const {
        return index >= 0 && index < size() && flags_[static_cast<size_t>(index)];
    }
    void set(int index, bool on) {
        if (index >= 0 && index < size()) flags_[static_cast<size_t>(index)] = on;
    }
    void toggle(int index) { set(index, !used(index)); }
    void setAll(bool on) { flags_.assign(flags_.size(), on); }
    bool any() const;
    // Keeps the flags of the positions both sizes have; new ones are used.
    void resize(int positions) { flags_.resize(static_cast<size_t>(std::max(0, positions)), true); }

  private:
    std::vector<bool> flags_;
};

// The miniature at 0.2 x pixels per inch, offset by 10 pixels, every product
// truncated: the sheet and each position's rectangle.
QRect miniatureSheet(const SheetGeometry& sheet, int pixelsPerInch);
QRect miniaturePosition(const SheetGeometry& sheet, int column, int row, int pixelsPerInch);

}  // namespace pc::labels
