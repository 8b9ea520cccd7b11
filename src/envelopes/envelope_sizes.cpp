#include "envelopes/envelope_sizes.h"

namespace pc::envelopes {

const std::array<EnvelopeSize, kEnvelopeSizeCount>& envelopeSizes() {
    static constexpr std::array<EnvelopeSize, kEnvelopeSizeCount> sizes{{
        {"Envelope #9 3 7/8 x 8 7/8 inches", 19, 8.875, 3.875},
        {"Envelope #10 4 1/8 x 9 1/2 inches", 20, 9.5, 4.125},
        {"Envelope #11 4 1/2 x 10 3/8 inches", 21, 10.375, 4.5},
        {"Envelope #12 4 3/4 x 11 inches", 22, 11, 4.75},
        {"Envelope #14 5 x 11 1/2 inches", 23, 11.5, 5},
        {"Envelope DL 110 x 220 mm", 27, 8.8, 4.4},
        {"Envelope C5 162 x 229 mm ", 28, 9.16, 6.48},
        {"Envelope C4  229 x 324 mm", 30, 12.96, 9.16},
        {"Envelope C6  114 x 162 mm", 31, 6.48, 4.56},
        {"Envelope C65 114 x 229 mm", 32, 9.16, 4.56},
        {"Envelope B4  250 x 353 mm", 33, 14.12, 10},
        {"Envelope B5  176 x 250 mm", 34, 10, 7.04},
        {"Envelope B6  176 x 125 mm", 35, 5, 7.04},
        {"Envelope 110 x 230 mm", 36, 9.2, 4.4},
        {"Envelope Monarch 3 7/8 x 7 1/2 inches", 37, 7.5, 3.875},
        {"6 3/4 Envelope 3 5/8 x 6 1/2 inches", 38, 6.5, 3.625},
    }};
    return sizes;
}

int envelopeSizeRow(int code) {
    for (int row = 0; row < kEnvelopeSizeCount; ++row)
        if (envelopeSizes()[row].code == code) return row;
    return -1;
}

double envelopeLength(int code) {
    const int row = envelopeSizeRow(code);
    return row < 0 ? -1 : envelopeSizes()[row].length;
}

double envelopeDepth(int code) {
    const int row = envelopeSizeRow(code);
    return row < 0 ? -1 : envelopeSizes()[row].depth;
}

QString envelopeSizeText(int code) {
    const int row = envelopeSizeRow(code);
    if (row >= 0) return QString::fromLatin1(envelopeSizes()[row].text);
    return QStringLiteral("Unknown envelope size (code %1)").arg(code);
}

}  // namespace pc::envelopes
