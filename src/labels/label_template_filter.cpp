#include "labels/label_template_filter.h"

namespace pc::labels {

QStringList templateManufacturerEntries() {
    return {QStringLiteral("Avery Laserjet"), QStringLiteral("Avery Inkjet"),
            QStringLiteral("Avery Dot Matrix"), QStringLiteral("Costar LabelPrinter")};
}

QStringList templateProductTypeEntries() {
    return {QStringLiteral("Address/Shipping Labels"),
            QStringLiteral("Card Products"),
            QStringLiteral("Diskette Labels"),
            QStringLiteral("File Folder Labels"),
            QStringLiteral("Index Products"),
            QStringLiteral("Miscellaneous"),
            QStringLiteral("All")};
}

namespace {

QString equals(const char* field, const char* value) {
    return QStringLiteral(" UPPER(%1)=\"%2\" ").arg(QLatin1String(field), QLatin1String(value));
}

const char* const kProductTypes[] = {"ADDRESS/SHIPPING LABELS", "CARD PRODUCTS",  "DISKETTE LABELS",
                                     "FILE FOLDER LABELS",      "INDEX PRODUCTS", "MISCELLANEOUS"};

}  // namespace

QString templateFilter(const QString& manufacturerEntry, int productTypeIndex, bool europeanOnly) {
    const QString entry = manufacturerEntry.toUpper();
    QStringList parts;
    if (entry.contains(QLatin1String("AVERY"))) {
        parts << equals("manufac", "AVERY");
    } else if (entry.contains(QLatin1String("NEBS"))) {
        parts << equals("manufac", "NEBS");
    } else if (entry.contains(QLatin1String("COSTAR"))) {
        parts << equals("manufac", "COSTAR");
    }
    if (entry.contains(QLatin1String("LASERJET"))) {
        parts << equals("printer", "LJ");
    } else if (entry.contains(QLatin1String("INKJET"))) {
        parts << equals("printer", "IJ");
    } else if (entry.contains(QLatin1String("DOT MATRIX"))) {
        parts << equals("printer", "DM");
    } else if (entry.contains(QLatin1String("LABELPRINTER"))) {
        parts << equals("printer", "LP");
    }
    if (productTypeIndex >= 0 && productTypeIndex < static_cast<int>(std::size(kProductTypes))) {
        parts << equals("PRODTYPE", kProductTypes[productTypeIndex]);
    }
    if (europeanOnly) {
        parts << QStringLiteral(" (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
    }
    return parts.join(QStringLiteral(" and "));
}

TemplatePreselection preselectTemplate(const TemplateChoice& current, bool ignoreCurrent,
                                       const QStringList& manufacturerEntries) {
    TemplateChoice choice = current;
    TemplatePreselection result;
    if (ignoreCurrent || current.manufacturer.trimmed().toUpper() == QLatin1String("USER")) {
        choice.manufacturer = QStringLiteral("AVERY");
        choice.printer = QStringLiteral("LJ");
        choice.productType = QStringLiteral("ADDRESS/SHIPPING LABELS");
        result.lookForTemplate = false;
    }
    const QString maker = choice.manufacturer.trimmed().toUpper();
    const QString printer = choice.printer.trimmed().toUpper();
    QString wanted = QStringLiteral("AVERY LASERJET");
    if (maker == QLatin1String("AVERY")) {
        if (printer == QLatin1String("IJ")) wanted = QStringLiteral("AVERY INKJET");
        if (printer == QLatin1String("DM")) wanted = QStringLiteral("AVERY DOT MATRIX");
    } else if (maker == QLatin1String("NEBS")) {
        if (printer == QLatin1String("LJ")) wanted = QStringLiteral("NEBS LASERJET");
        if (printer == QLatin1String("DM")) wanted = QStringLiteral("NEBS DOT MATRIX");
    } else if (maker == QLatin1String("COSTAR")) {
        wanted = QStringLiteral("COSTAR LABELPRINTER");
    }
    result.manufacturerIndex = -1;
    for (int i = 0; i < manufacturerEntries.size(); ++i) {
        if (manufacturerEntries[i].toUpper() == wanted) result.manufacturerIndex = i;
    }
    const QStringList types = templateProductTypeEntries();
    result.productTypeIndex = static_cast<int>(types.size()) - 1;  // "All"
    for (int i = 0; i < types.size(); ++i) {
        if (types[i].toUpper() == choice.productType.trimmed().toUpper())
            result.productTypeIndex = i;
    }
    return result;
}

}  // namespace pc::labels
