#pragma once
// The user-defined stock dialog's arithmetic: the eight lengths in inches or
// millimetres, the paper and shape lists, the pitch follow-up, and the checks
// made on OK with their messages in order.
#include <QString>
#include <QStringList>
#include <array>

namespace pc::labels {

inline constexpr double kInchesPerMillimetre = 0.039370078740157480314;

// The eight number fields, in this order wherever they travel as a group.
enum StockLength {
    kLabelHeight,
    kLabelWidth,
    kHorizontalPitch,
    kVerticalPitch,
    kLeftMargin,
    kTopMargin,
    kPaperWidth,
    kPaperHeight,
    kStockLengthCount
};
using StockLengths = std::array<double, kStockLengthCount>;

struct StockValues {
    float labelHeight = 0;
    float labelWidth = 0;
    int across = 1;  // 1 to 10
    int down = 1;    // 1 to 30
    float topMargin = 0;
    float leftMargin = 0;
    float horizontalPitch = 0;
    float verticalPitch = 0;
    float sheetWidth = 0;
    float sheetDepth = 0;
    QString paperSize;  // at most 5 characters
    QString shape;      // "RR", "SR", "EL"
};

QStringList stockPaperEntries();  // "Letter (8.5 x 11\")", ...
QStringList stockShapeEntries();  // "Rectangular with Rounded Edges", ...

StockLengths lengthsOf(const StockValues& values);  // inches

// Converting the shown values when the unit changes.
StockLengths toMillimetres(const StockLengths& inches);
StockLengths toInches(const StockLengths& millimetres);
// How a length shows: millimetres with no decimals, inches as "#0.###".
QString formatLength(double value, bool millimetres);

// The paper size of a list entry in the unit shown; false for the two
// "Other" entries (and out of range), which leave the fields alone.
bool paperSizeOf(int entry, bool millimetres, double* width, double* height);
// The paper code of a list entry; `current` when none is chosen (-1).
QString paperCodeOf(int entry, const QString& current);
// The shape code of a list entry and the entry of a shape code.
QString shapeCodeOf(int entry);
int shapeEntryOf(const QString& code);

// Leaving a size field: the pitch that follows it ("Label Width" raises
// "Horizontal Pitch", "Label Height" raises "Vertical Pitch").
double pitchAfterSize(double size, double pitch);

// The values the dialog returns on OK, from the shown lengths: inches as
// shown, millimetres converted and rounded to 3 decimals.
StockValues valuesFromShown(const StockLengths& shown, bool millimetres, int across, int down,
                            int paperEntry, int shapeEntry, const QString& currentPaper);
// The first check the values fail, as shown to the user; empty when they
// pass.
QString stockValuesProblem(const StockValues& values);

}  // namespace pc::labels
