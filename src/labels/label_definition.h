#pragma once
// The in-memory copy of one LABEL.DBF row: a layout's description, its
// stock geometry (inches) and its layout file, as the label window and the
// designer exchange it.
#include <QString>

namespace pc::data {
class TTable;
}

namespace pc::labels {

inline constexpr int kDescriptionLength = 50;  // kept, although the table holds 60

struct LabelDefinition {
    QString description;  // at most 50 characters
    QString printer;      // "LJ", "IJ", "DM", "LP"; empty for a user-defined stock
    float labelHeight = 0;
    float labelWidth = 0;
    int across = 0;
    int down = 0;
    float topMargin = 0;
    float leftMargin = 0;
    float horizontalPitch = 0;
    float verticalPitch = 0;
    float sheetWidth = 0;
    float sheetDepth = 0;
    QString paperSize;            // "LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"
    QString templateDescription;  // the stock the geometry came from
    QString manufacturer;         // "USER" for a user-defined stock
    QString productType;
    QString shape;  // "RR", "SR", "EL"
    double extraX = 0;
    double extraY = 0;
    QString art;         // stock picture name, empty for none
    QString layoutFile;  // BIN#####.L in sysdata/

    bool operator==(const LabelDefinition&) const = default;
};

// What an empty table reads as: Avery 5160 address labels.
LabelDefinition defaultLabelDefinition();
// What "New" starts from: the same stock with its measured pitches.
LabelDefinition newLabelDefinition();

// An inch value as the table keeps it: printed with 3 decimals and read back.
float roundedInches(float inches);

// The table's current row; the defaults when it has none.
LabelDefinition readLabelDefinition(const pc::data::TTable& table);
// Into the current row, which the caller has put in edit or insert state.
void writeLabelDefinition(const LabelDefinition& definition, pc::data::TTable& table);

}  // namespace pc::labels
