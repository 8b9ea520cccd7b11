#include "labels/label_design_rules.h"

#include <cmath>

#include "print/inches.h"
#include "text/profile_file.h"
#include "text/program_paths.h"

namespace pc::labels {
float zoomedOut(float zoom) {
    if (zoom < 0.5f) return zoom;
    return static_cast<float>(static_cast<double>(zoom) - 0.1);
}

float zoomedIn(float zoom) {
    if (zoom > 1.5f) return zoom;
    return static_cast<float>(static_cast<double>(zoom) + 0.1);
}

QString zoomCaption(float zoom) {
    return QString::number(static_cast<int>(std::nearbyint(zoom * 100.0))) + QLatin1Char('%');
}

DefaultFont readDefaultFont(const QString& section) {
    const text::ProfileFile ini(text::settingsPath());
    DefaultFont font;
    font.name = ini.readString(section, "DefaultFontName", font.name);
    font.size = ini.readInt(section, "DefaultFontSize", font.size);
    if (font.size < 1 || font.size > 1638) font.size = 10;
    font.bold = ini.readBool(section, "DefaultFontBold", false);
    font.italic = ini.readBool(section, "DefaultFontItalic", false);
    return font;
}

void writeDefaultFont(const DefaultFont& font, const QString& section) {
    text::ProfileFile ini(text::settingsPath());
    ini.writeStrings(section, {{"DefaultFontName", font.name},
                               {"DefaultFontSize", QString::number(font.size)},
                               {"DefaultFontBold", font.bold ? "1" : "0"},
                               {"DefaultFontItalic", font.italic ? "1" : "0"}});
}

QString defaultFontCaption(const DefaultFont& font) {
    QString caption = QStringLiteral("Default Font: %1, %2 pt ").arg(font.name).arg(font.size);
    if (font.bold) caption += QLatin1String(", bold");
    if (font.italic) caption += QLatin1String(", italic");
    return caption;
}

QSize labelSurfaceSize(double widthInches, double heightInches) {
    const double ppi = print::kLayoutPixelsPerInch;
    return {static_cast<int>(std::nearbyint(ppi * widthInches)),
            static_cast<int>(std::nearbyint(ppi * heightInches))};
}

bool postnetFits(double labelWidthInches) {
    return labelWidthInches >= kPostnetMinimumLabelWidth;
}

}  // namespace pc::labels
