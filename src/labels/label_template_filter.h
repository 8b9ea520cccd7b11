#pragma once
// Choosing a stock template: the entries of the two lists of the template
// dialog, the filter expression they make on LBLTPL.DBF, and which entries a
// layout's current stock preselects.
#include <QString>
#include <QStringList>

namespace pc::labels {

QStringList templateManufacturerEntries();  // "Avery Laserjet", ...
QStringList templateProductTypeEntries();   // "Address/Shipping Labels", ..., "All"

// The filter for a manufacturer entry's text, a product type list position
// (the last, "All", or any other out of range adds nothing) and the
// European paper box; empty when nothing restricts.
QString templateFilter(const QString& manufacturerEntry, int productTypeIndex, bool europeanOnly);

// The current stock of a layout, as the designer hands it over.
struct TemplateChoice {
    QString manufacturer;  // "AVERY", "COSTAR", "USER", ...
    QString printer;       // "LJ", "IJ", "DM", "LP"
    QString productType;
    QString templateDescription;
};

struct TemplatePreselection {
    int manufacturerIndex = 0;  // in templateManufacturerEntries(); -1 when not listed
    int productTypeIndex = 0;   // in templateProductTypeEntries()
    bool lookForTemplate = true;
};

// A "USER" stock, or `ignoreCurrent`, starts on Avery laser address labels
// at the first template.
TemplatePreselection preselectTemplate(
    const TemplateChoice& current, bool ignoreCurrent,
    const QStringList& manufacturerEntries = templateManufacturerEntries());

}  // namespace pc::labels
