#include "labels/label_sheet.h"

#include <algorithm>
#include <cmath>

#include "labels/label_definition.h"

namespace pc::labels {

SheetGeometry SheetGeometry::of(const LabelDefinition& d) {
    SheetGeometry s;
    s.labelWidth = d.labelWidth;
    s.labelHeight = d.labelHeight;
    s.across = std::max(1, d.across);
    s.down = std::max(1, d.down);
    s.topMargin = d.topMargin;
    s.leftMargin = d.leftMargin;
    s.horizontalPitch = d.horizontalPitch;
    s.verticalPitch = d.verticalPitch;
    s.extraX = d.extraX;
    s.extraY = d.extraY;
    s.sheetWidth = d.sheetWidth;
    s.sheetDepth = d.sheetDepth;
    return s;
}

print::Inches SheetGeometry::originX(int column) const {
    double x = column * horizontalPitch + leftMargin;
    if (column >= across / 2 && extraX > 0) x += extraX;
    return print::Inches(x);
}

print::Inches SheetGeometry::originY(int row) const {
    double y = row * verticalPitch + topMargin;
    if (row >= down / 2 && extraY > 0) y += extraY;
    return print::Inches(y);
}

bool PositionMap::any() const {
    return std::find(flags_.begin(), flags_.end(), true) != flags_.end();
}

namespace {

int scaled(double inches, double s) {
    return static_cast<int>(std::trunc(inches * s));
}

}  // namespace

QRect miniatureSheet(const SheetGeometry& sheet, int pixelsPerInch) {
    const double s = 0.2 * pixelsPerInch;
    return QRect(10, 10, scaled(sheet.sheetWidth, s), scaled(sheet.sheetDepth, s));
}

QRect miniaturePosition(const SheetGeometry& sheet, int column, int row, int pixelsPerInch) {
    const double s = 0.2 * pixelsPerInch;
    int left = scaled(sheet.leftMargin, s) + column * scaled(sheet.horizontalPitch, s) + 10;
    if (column >= sheet.across / 2 && sheet.extraX > 0) left += scaled(sheet.extraX, s);
    int top = scaled(sheet.topMargin, s) + row * scaled(sheet.verticalPitch, s) + 10;
    if (row >= sheet.down / 2 && sheet.extraY > 0) top += scaled(sheet.extraY, s);
    return QRect(left, top, scaled(sheet.labelWidth, s), scaled(sheet.labelHeight, s));
}

}  // namespace pc::labels
