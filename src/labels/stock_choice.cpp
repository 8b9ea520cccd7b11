#include "labels/stock_choice.h"

#include "data/t_table.h"

namespace pc::labels {

namespace {

QString text(const pc::data::TTable& table, const char* name) {
    const pc::data::TField* field = table.findField(QLatin1String(name));
    return field ? field->text() : QString();
}
double number(const pc::data::TTable& table, const char* name) {
    return text(table, name).trimmed().toDouble();
}
float single(const pc::data::TTable& table, const char* name) {
    return static_cast<float>(number(table, name));
}

}  // namespace

void takeTemplate(const pc::data::TTable& t, LabelDefinition& d) {
    d.labelHeight = single(t, "LBLHEIGHT");
    d.labelWidth = single(t, "LBLWIDTH");
    d.across = static_cast<int>(number(t, "NBRACROSS"));
    d.down = static_cast<int>(number(t, "NBRDOWN"));
    d.topMargin = single(t, "TOPMARG");
    d.leftMargin = single(t, "LEFTMARG");
    d.horizontalPitch = single(t, "HORIZPITCH");
    d.verticalPitch = single(t, "VERTPITCH");
    d.sheetWidth = single(t, "SHEETWIDTH");
    d.sheetDepth = single(t, "SHEETDEPTH");
    d.paperSize = text(t, "PAPERSIZE").left(5);
    d.printer = text(t, "PRINTER").left(2);
    d.templateDescription = text(t, "DESCRIPT").left(60);
    d.manufacturer = text(t, "MANUFAC");
    d.productType = text(t, "PRODTYPE");
    d.shape = text(t, "LBLSHAPE");
    d.extraX = number(t, "MIDEXTRAX");
    d.extraY = number(t, "MIDEXTRAY");
    d.art = text(t, "ART");
}

void takeUserStock(const StockValues& v, LabelDefinition& d) {
    d.labelHeight = v.labelHeight;
    d.labelWidth = v.labelWidth;
    d.across = v.across;
    d.down = v.down;
    d.topMargin = v.topMargin;
    d.leftMargin = v.leftMargin;
    d.horizontalPitch = v.horizontalPitch;
    d.verticalPitch = v.verticalPitch;
    d.sheetWidth = v.sheetWidth;
    d.sheetDepth = v.sheetDepth;
    d.paperSize = v.paperSize.left(5);
    d.shape = v.shape;
    d.templateDescription.clear();
    d.printer.clear();
    d.productType.clear();
    d.art.clear();
    d.manufacturer = QStringLiteral("USER");
    d.extraX = 0;
    d.extraY = 0;
}

StockValues stockValuesOf(const LabelDefinition& d) {
    StockValues v;
    v.labelHeight = d.labelHeight;
    v.labelWidth = d.labelWidth;
    v.across = d.across;
    v.down = d.down;
    v.topMargin = d.topMargin;
    v.leftMargin = d.leftMargin;
    v.horizontalPitch = d.horizontalPitch;
    v.verticalPitch = d.verticalPitch;
    v.sheetWidth = d.sheetWidth;
    v.sheetDepth = d.sheetDepth;
    v.paperSize = d.paperSize;
    v.shape = d.shape;
    return v;
}

}  // namespace pc::labels
