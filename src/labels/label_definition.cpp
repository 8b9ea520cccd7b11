#include "labels/label_definition.h"

#include "data/t_table.h"

namespace pc::labels {

LabelDefinition defaultLabelDefinition() {
    LabelDefinition d;
    d.description = QStringLiteral("Default Label Setup");
    d.printer = QStringLiteral("LJ");
    d.labelHeight = 1.0f;
    d.labelWidth = 2.625f;
    d.across = 3;
    d.down = 10;
    d.topMargin = 0.5f;
    d.leftMargin = 0.188f;
    d.horizontalPitch = 2.75f;
    d.verticalPitch = 1.0f;
    d.sheetWidth = 8.5f;
    d.sheetDepth = 11.0f;
    d.paperSize = QStringLiteral("LTR");
    d.templateDescription = QStringLiteral("Avery 5160  Address");
    d.manufacturer = QStringLiteral("AVERY");
    d.productType = QStringLiteral("ADDRESS LABELS");
    d.shape = QStringLiteral("RR");
    return d;
}

LabelDefinition newLabelDefinition() {
    LabelDefinition d = defaultLabelDefinition();
    d.horizontalPitch = 2.765f;
    d.verticalPitch = 1.01f;
    d.productType = QStringLiteral("ADDRESS/SHIPPING LABELS");
    return d;
}

float roundedInches(float inches) {
    return QString::number(static_cast<double>(inches), 'f', 3).toFloat();
}

namespace {

QString text(const pc::data::TTable& table, const char* name, int length = -1) {
    const QString value = table.fieldByName(QLatin1String(name)).text();
    return length < 0 ? value : value.left(length);
}
float single(const pc::data::TTable& table, const char* name) {
    return text(table, name).trimmed().toFloat();
}
double twice(const pc::data::TTable& table, const char* name) {
    return text(table, name).trimmed().toDouble();
}

void put(pc::data::TTable& table, const char* name, const QString& value) {
    table.fieldByName(QLatin1String(name)).setText(value);
}
void putInches(pc::data::TTable& table, const char* name, float inches) {
    put(table, name, QString::number(static_cast<double>(roundedInches(inches)), 'f', 3));
}

}  // namespace

LabelDefinition readLabelDefinition(const pc::data::TTable& table) {
    if (!table.active() || !table.hasCurrentRecord()) return defaultLabelDefinition();
    LabelDefinition d;
    d.description = text(table, "DESCRIPT", kDescriptionLength);
    d.printer = text(table, "PRINTER", 2);
    d.labelHeight = single(table, "LBLHEIGHT");
    d.labelWidth = single(table, "LBLWIDTH");
    d.across = text(table, "NBRACROSS").trimmed().toInt();
    d.down = text(table, "NBRDOWN").trimmed().toInt();
    d.topMargin = single(table, "TOPMARG");
    d.leftMargin = single(table, "LEFTMARG");
    d.horizontalPitch = single(table, "HORIZPITCH");
    d.verticalPitch = single(table, "VERTPITCH");
    d.sheetWidth = single(table, "SHEETWIDTH");
    d.sheetDepth = single(table, "SHEETDEPTH");
    d.paperSize = text(table, "PAPERSIZE", 5);
    d.shape = text(table, "LBLSHAPE");
    d.templateDescription = text(table, "TPLDESCRIP", 60);
    d.manufacturer = text(table, "MANUFAC");
    d.productType = text(table, "PRODTYPE");
    d.extraX = twice(table, "MIDEXTRAX");
    d.extraY = twice(table, "MIDEXTRAY");
    d.art = text(table, "ART");
    d.layoutFile = text(table, "BINARY");
    return d;
}

void writeLabelDefinition(const LabelDefinition& d, pc::data::TTable& table) {
    put(table, "DESCRIPT", d.description.left(kDescriptionLength));
    put(table, "PRINTER", d.printer);
    putInches(table, "LBLHEIGHT", d.labelHeight);
    putInches(table, "LBLWIDTH", d.labelWidth);
    put(table, "NBRACROSS", QString::number(d.across));
    put(table, "NBRDOWN", QString::number(d.down));
    putInches(table, "TOPMARG", d.topMargin);
    putInches(table, "LEFTMARG", d.leftMargin);
    putInches(table, "HORIZPITCH", d.horizontalPitch);
    putInches(table, "VERTPITCH", d.verticalPitch);
    putInches(table, "SHEETWIDTH", d.sheetWidth);
    putInches(table, "SHEETDEPTH", d.sheetDepth);
    put(table, "PAPERSIZE", d.paperSize);
    put(table, "LBLSHAPE", d.shape);
    put(table, "TPLDESCRIP", d.templateDescription);
    put(table, "MANUFAC", d.manufacturer);
    put(table, "PRODTYPE", d.productType);
    put(table, "MIDEXTRAX", QString::number(d.extraX, 'f', 3));
    put(table, "MIDEXTRAY", QString::number(d.extraY, 'f', 3));
    put(table, "ART", d.art);
    put(table, "BINARY", d.layoutFile);
}

}  // namespace pc::labels
