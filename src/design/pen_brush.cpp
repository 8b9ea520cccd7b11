#include "design/pen_brush.h"

#include <array>

namespace pc::design {
namespace {

constexpr std::array<const char*, 7> kPenStyles{
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<const char*, 16> kPenModes{
    "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
    "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
    "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
constexpr std::array<const char*, 8> kBrushStyles{"bsSolid",    "bsClear",     "bsHorizontal",
                                                  "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                                  "bsCross",    "bsDiagCross"};

}  // namespace

const char* identifier(PenStyle style) {
    return kPenStyles.at(static_cast<size_t>(style));
}
const char* identifier(PenMode mode) {
    return kPenModes.at(static_cast<size_t>(mode));
}
const char* identifier(BrushStyle style) {
    return kBrushStyles.at(static_cast<size_t>(style));
}

Qt::PenStyle toQt(PenStyle style) {
    switch (style) {
        case PenStyle::psSolid:
        case PenStyle::psInsideFrame:
            return Qt::SolidLine;
        case PenStyle::psDash:
            return Qt::DashLine;
        case PenStyle::psDot:
            return Qt::DotLine;
        case PenStyle::psDashDot:
            return Qt::DashDotLine;
        case PenStyle::psDashDotDot:
            return Qt::DashDotDotLine;
        case PenStyle::psClear:
            return Qt::NoPen;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle toQt(BrushStyle style) {
    switch (style) {
        case BrushStyle::bsSolid:
            return Qt::SolidPattern;
        case BrushStyle::bsClear:
            return Qt::NoBrush;
        case BrushStyle::bsHorizontal:
            return Qt::HorPattern;
        case BrushStyle::bsVertical:
            return Qt::VerPattern;
        case BrushStyle::bsFDiagonal:
            return Qt::FDiagPattern;
        case BrushStyle::bsBDiagonal:
            return Qt::BDiagPattern;
        case BrushStyle::bsCross:
            return Qt::CrossPattern;
        case BrushStyle::bsDiagCross:
            return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

QPainter::CompositionMode toQt(PenMode mode) {
    switch (mode) {
        case PenMode::pmXor:
            return QPainter::RasterOp_SourceXorDestination;
        case PenMode::pmNotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        case PenMode::pmNot:
            return QPainter::RasterOp_NotDestination;
        case PenMode::pmNotCopy:
            return QPainter::RasterOp_NotSource;
        case PenMode::pmMask:
            return QPainter::RasterOp_SourceAndDestination;
        case PenMode::pmMerge:
            return QPainter::RasterOp_SourceOrDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace pc::design
