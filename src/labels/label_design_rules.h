#pragma once
// The label designer's rules that need no window: its zoom steps, its
// captions, the surface size of a label and the barcode width rule, and
// the default font kept in the settings file.
#include <QSize>
#include <QString>

namespace pc::labels {

// Zoom steps of 0.1 kept in single precision: out only while the zoom is
// at least 0.5, in only while it is at most 1.5; the sum is formed in
// double and stored back as float, so 1.5000001 and 0.4999999 stop it.
float zoomedOut(float zoom);
float zoomedIn(float zoom);
QString zoomCaption(float zoom);  // round(zoom x 100) + "%"

struct DefaultFont {
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;
};
// A designer's section of the settings file ("Label", "Envelope").
DefaultFont readDefaultFont(const QString& section = QStringLiteral("Label"));
void writeDefaultFont(const DefaultFont& font, const QString& section = QStringLiteral("Label"));
// "Default Font: Arial, 10 pt , bold, italic"
QString defaultFontCaption(const DefaultFont& font);

// The design surface of a label W x H inches, in pixels at zoom 1.
QSize labelSurfaceSize(double widthInches, double heightInches);

// A POSTNET barcode needs a label at least this wide.
inline constexpr double kPostnetMinimumLabelWidth = 2.85;
bool postnetFits(double labelWidthInches);
inline constexpr char kPostnetToolRefused[] =
    "This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed";
inline constexpr char kPostnetRemovedWarning[] =
    "Warning: This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are "
    "needed";
inline constexpr char kNewLayoutMessage[] =
    "A new label has been created using the Avery 5160\rformat. To change to another label "
    "format, click on\rthe Change Layout button.\r\rA Database Mailing Address object has "
    "already been \radded to the label.\r\rFor additional assistance, click the Help button";

}  // namespace pc::labels
