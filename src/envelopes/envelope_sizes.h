#pragma once
// The envelope sizes a layout may have: the list the size dialog shows and
// the length (long side) and depth (short side) in inches of each printer
// paper code. Metric sizes are millimetres over 25, as layouts always had.
#include <QString>
#include <array>

namespace pc::envelopes {

struct EnvelopeSize {
    const char* text;  // shown as it stands, blanks included
    int code;          // the printer's paper-size code
    double length;     // inches
    double depth;
};

inline constexpr int kEnvelopeSizeCount = 16;
const std::array<EnvelopeSize, kEnvelopeSizeCount>& envelopeSizes();

// −1 for a code outside the list.
double envelopeLength(int code);
double envelopeDepth(int code);
// The list row of a code; −1 when it is not in the list.
int envelopeSizeRow(int code);

// What a layout shows for its size: the list text, or the bare code when
// the code is not in the list.
QString envelopeSizeText(int code);

}  // namespace pc::envelopes
