#include "labels/stock_values.h"

#include <cmath>

namespace pc::labels {

QStringList stockPaperEntries() {
    return {QStringLiteral("Letter (8.5 x 11\")"),
            QStringLiteral("Letter Landscape (11 x 8.5\")"),
            QStringLiteral("A4 (210 x 297mm)"),
            QStringLiteral("A4 Landscape ( 297 x 210mm)"),
            QStringLiteral("A5 (148 x 210mm)"),
            QStringLiteral("Other Portrait (User Defined)"),
            QStringLiteral("Other Landscape (User Defined)")};
}

QStringList stockShapeEntries() {
    return {QStringLiteral("Rectangular with Rounded Edges"), QStringLiteral("Rectangular"),
            QStringLiteral("Round")};
}

StockLengths lengthsOf(const StockValues& v) {
    StockLengths l{};
    l[kLabelHeight] = v.labelHeight;
    l[kLabelWidth] = v.labelWidth;
    l[kHorizontalPitch] = v.horizontalPitch;
    l[kVerticalPitch] = v.verticalPitch;
    l[kLeftMargin] = v.leftMargin;
    l[kTopMargin] = v.topMargin;
    l[kPaperWidth] = v.sheetWidth;
    l[kPaperHeight] = v.sheetDepth;
    return l;
}

StockLengths toMillimetres(const StockLengths& inches) {
    StockLengths mm{};
    for (int i = 0; i < kStockLengthCount; ++i) mm[i] = inches[i] * 25.4;
    return mm;
}

StockLengths toInches(const StockLengths& millimetres) {
    StockLengths in{};
    for (int i = 0; i < kStockLengthCount; ++i) in[i] = millimetres[i] * kInchesPerMillimetre;
    return in;
}

QString formatLength(double value, bool millimetres) {
    if (millimetres) return QString::number(value, 'f', 0);
    QString text = QString::number(value, 'f', 3);
    // "#0.###": no trailing zeros, no lone decimal point.
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

bool paperSizeOf(int entry, bool millimetres, double* width, double* height) {
    struct Size {
        double inchesW, inchesH, mmW, mmH;
    };
    static const Size kSizes[] = {{8.5, 11, 215.9, 279.4},
                                  {11, 8.5, 279.4, 215.9},
                                  {8.27, 11.69, 210.058, 296.926},
                                  {11.69, 8.27, 296.926, 210.058},
                                  {5.82, 8.27, 147.828, 210.058}};
    if (entry < 0 || entry >= static_cast<int>(std::size(kSizes))) return false;
    const Size& s = kSizes[entry];
    *width = millimetres ? s.mmW : s.inchesW;
    *height = millimetres ? s.mmH : s.inchesH;
    return true;
}

QString paperCodeOf(int entry, const QString& current) {
    static const char* const kCodes[] = {"LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"};
    if (entry < 0 || entry >= static_cast<int>(std::size(kCodes))) return current;
    return QLatin1String(kCodes[entry]);
}

QString shapeCodeOf(int entry) {
    switch (entry) {
        case 0:
            return QStringLiteral("RR");
        case 1:
            return QStringLiteral("SR");
        default:
            return QStringLiteral("EL");
    }
}

int shapeEntryOf(const QString& code) {
    if (code == QLatin1String("RR")) return 0;
    if (code == QLatin1String("SR")) return 1;
    return 2;
}

double pitchAfterSize(double size, double pitch) {
    return size > pitch ? size : pitch;
}

StockValues valuesFromShown(const StockLengths& shown, bool millimetres, int across, int down,
                            int paperEntry, int shapeEntry, const QString& currentPaper) {
    auto inches = [&](StockLength which) {
        if (!millimetres) return static_cast<float>(shown[which]);
        return static_cast<float>(std::round(shown[which] * kInchesPerMillimetre * 1000.0) /
                                  1000.0);
    };
    StockValues v;
    v.labelHeight = inches(kLabelHeight);
    v.labelWidth = inches(kLabelWidth);
    v.horizontalPitch = inches(kHorizontalPitch);
    v.verticalPitch = inches(kVerticalPitch);
    v.leftMargin = inches(kLeftMargin);
    v.topMargin = inches(kTopMargin);
    v.sheetWidth = inches(kPaperWidth);
    v.sheetDepth = inches(kPaperHeight);
    v.across = across;
    v.down = down;
    v.paperSize = paperCodeOf(paperEntry, currentPaper);
    v.shape = shapeCodeOf(shapeEntry);
    return v;
}

QString stockValuesProblem(const StockValues& v) {
    if (v.labelHeight < 0.3f)
        return QStringLiteral("Label Height must be at least .3 inches (or 7mm)");
    if (v.labelWidth < 0.5f)
        return QStringLiteral("Label Width must be at least .5 inch (or 13mm)");
    if (v.across >= 2 && v.labelWidth > v.horizontalPitch) {
        return QStringLiteral("Horizontal Pitch must be at least = Label Width");
    }
    if (v.down >= 2 && v.labelHeight > v.verticalPitch) {
        return QStringLiteral("Vertical Pitch must be at least = Label Height");
    }
    if (v.sheetWidth < 0.3f) return QStringLiteral("Page Width must be at least .3 inch");
    if (v.sheetDepth < 0.3f) return QStringLiteral("Page Height must be at least .3 inches");
    return {};
}

}  // namespace pc::labels
