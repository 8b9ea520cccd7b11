#pragma once
// The label design surface: the current drawing tool and the objects the
// tools create when the user drags a rectangle.
#include <array>
#include <functional>
#include <memory>

#include "design/data_panel.h"

namespace pc::design {

enum class TLPanelState {
    psPointing,
    psLabel,
    psCounterLabel,
    psSymbolLabel,
    psDataLabel,
    psMultiLineLabel,
    psMultiLineDataLabel,
    psAddressLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psPostNetBarCode
};
inline constexpr int kLabelPanelStates = 14;

class TGLabelPanel;

// What one tool makes: the object at its initial values with the tool's
// settings, and what follows once it is on the surface (a dialog, fitting
// to its text, a refresh).
struct LabelTool {
    std::function<std::unique_ptr<TGGraphicControl>(TGDataPanel&)> create;
    std::function<void(TGDataPanel&, TGGraphicControl&)> placed;
};
using LabelTools = std::array<LabelTool, kLabelPanelStates>;

class TGLabelPanel : public TGDataPanel {
  public:
    // A tool's rectangle narrower than this becomes 50 wide; lower than
    // kMinToolHeight becomes 15 high.
    static constexpr int kMinToolWidth = 25;
    static constexpr int kToolWidth = 50;
    static constexpr int kMinToolHeight = 15;

    TGLabelPanel();

    // The tools every new label surface starts with; the program fills
    // them in at start-up.
    static LabelTools& defaultTools();
    void setTool(TLPanelState state, LabelTool tool);

    // Stored. The surface points exactly in psPointing.
    TLPanelState panelState() const { return panelState_; }
    void setPanelState(TLPanelState state);

    // Creates the current tool's object in the rectangle, names it
    // "Special" + n and places it; nothing for psPointing or a tool
    // without a maker.
    void createObject(const QRect& rectangle) override;
    // The object created last, or null.
    TGGraphicControl* lastCreated() const { return lastCreated_; }

  private:
    LabelTools tools_;
    TLPanelState panelState_ = TLPanelState::psPointing;
    TGGraphicControl* lastCreated_ = nullptr;
};

}  // namespace pc::design
