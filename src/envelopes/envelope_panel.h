#pragma once
// The envelope design surface: the envelope's drawing tools (no counter,
// symbol or memo; the FIM and Intelligent Mail barcodes added), the
// USPS automation template areas and the printer's unprintable margins
// drawn over the design, and the printer's page in surface pixels.
#include <QRect>
#include <array>

#include "design/data_panel.h"
#include "design/label_panel.h"

class QPainter;

namespace pc::envelopes {

enum class TLPanelState {
    psPointing,
    psLabel,
    psDataLabel,
    psMultiLineLabel,
    psAddressLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psPostNetBarCode,
    psFIMBarCode,
    psIMBarCode
};
inline constexpr int kEnvelopePanelStates = 13;
using EnvelopeTools = std::array<design::LabelTool, kEnvelopePanelStates>;

// The selected printer's page and what it cannot print at each edge, in
// surface pixels at zoom 1 (inches x 96, truncated).
struct PrinterGeometry {
    int leftWaste = 0;
    int topWaste = 0;
    int rightWaste = 0;
    int bottomWaste = 0;
    int pageHeight = 0;
    int pageWidth = 0;

    static PrinterGeometry fromInches(double left, double top, double right, double bottom,
                                      double pageWidth, double pageHeight);
};

class TEnvelopePanel : public design::TGDataPanel {
  public:
    // A tool's rectangle narrower than 25 becomes 50 wide; lower than 15
    // becomes 15 high (the surface's own minimum applies afterwards).
    static constexpr int kMinToolWidth = 25;
    static constexpr int kToolWidth = 50;
    static constexpr int kMinToolHeight = 15;

    TEnvelopePanel();

    void setTool(TLPanelState state, design::LabelTool tool);
    void setTools(const EnvelopeTools& tools) { tools_ = tools; }

    TLPanelState panelState() const { return panelState_; }
    // Pointing exactly in psPointing.
    void setPanelState(TLPanelState state);

    bool showPrinterMargins() const { return showPrinterMargins_; }
    void setShowPrinterMargins(bool on) { showPrinterMargins_ = on; }
    bool showTemplate() const { return showTemplate_; }
    void setShowTemplate(bool on) { showTemplate_ = on; }
    const PrinterGeometry& printerGeometry() const { return printer_; }
    void setPrinterGeometry(const PrinterGeometry& g) { printer_ = g; }

    // Creates the current tool's object in the widened rectangle, names it
    // "Special" + n and places it.
    void createObject(const QRect& rectangle) override;
    design::TGGraphicControl* lastCreated() const { return lastCreated_; }

    // Over the painted design: the template areas and the margin rectangle
    // when their flags are on.
    void paintGuides(QPainter& painter) const;

    // The four template areas at the current size and zoom, in the order
    // return address, barcode clear zone, address area, FIM area.
    std::array<QRect, 4> templateAreas() const;

    // Size from inches at zoom 1 (the zoom is kept); objects are pulled
    // back inside afterwards by the caller.
    void sizeFromInches(double length, double depth);

  private:
    EnvelopeTools tools_;
    TLPanelState panelState_ = TLPanelState::psPointing;
    design::TGGraphicControl* lastCreated_ = nullptr;
    bool showPrinterMargins_ = false;
    bool showTemplate_ = false;
    PrinterGeometry printer_;
};

}  // namespace pc::envelopes
