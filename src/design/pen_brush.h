#pragma once
// Stored pens and brushes of shapes and lines, with the stream names of
// their styles and modes, and what they mean to a painter.
#include <QPainter>

namespace pc::design {

enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class PenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
enum class BrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

struct PenSpec {
    quint32 color = 0;
    PenStyle style = PenStyle::psSolid;
    int width = 1;  // layout pixels on the surface; hundredths of an inch on paper for lines
    PenMode mode = PenMode::pmCopy;
    bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
    quint32 color = 0xFFFFFF;
    BrushStyle style = BrushStyle::bsSolid;
    bool operator==(const BrushSpec&) const = default;
};

// Stream names, indexed by ordinal.
const char* identifier(PenStyle style);
const char* identifier(PenMode mode);
const char* identifier(BrushStyle style);

Qt::PenStyle toQt(PenStyle style);
Qt::BrushStyle toQt(BrushStyle style);
// The nearest composition of the page with the pen; raster modes that have
// no vector form draw as copy on printers and PDF.
QPainter::CompositionMode toQt(PenMode mode);

}  // namespace pc::design
