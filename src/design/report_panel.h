#pragma once
// A band of a report layout (header, detail, memo or footer): the current
// drawing tool, which objects the band's kind allows, and keeping objects
// inside the band when it is resized or saved.
#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "design/data_panel.h"

namespace pc::design {

enum class TRPanelState {
    psPointing,
    psLabel,
    psDataLabel,
    psMultiLineDataLabel,
    psLine,
    psImage,
    psDateTime,
    psPageNumber,
    psSymbolLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle
};
inline constexpr int kReportPanelStates = 12;

enum class TRPanelKind { rpkHeader, rpkDetail, rpkMemo, rpkFooter };

class TReportPanel;

// What follows once a tool's object is on the band (a dialog, fitting to
// its text); the designer fills these in, tests may leave them empty.
using ReportToolPlaced = std::function<void(TReportPanel&, TGGraphicControl&)>;
using ReportToolsPlaced = std::array<ReportToolPlaced, kReportPanelStates>;

// The message for a tool the band's kind does not take; empty when it does.
QString refusalFor(TRPanelState state, TRPanelKind kind);

class TReportPanel : public TGDataPanel {
  public:
    // A pulled-in object keeps at least this much of itself inside.
    static constexpr int kStrayMargin = 10;

    explicit TReportPanel(TRPanelKind kind = TRPanelKind::rpkDetail);

    void setToolsPlaced(ReportToolsPlaced placed) { placed_ = std::move(placed); }

    TRPanelKind panelKind() const { return kind_; }
    void setPanelKind(TRPanelKind kind) { kind_ = kind; }
    TRPanelState panelState() const { return state_; }
    void setPanelState(TRPanelState state);
    bool acceptsDrawing() const { return acceptsDrawing_; }
    void setAcceptsDrawing(bool on) { acceptsDrawing_ = on; }

    // Called when an object in the band is pressed.
    std::function<void(TReportPanel&, TGGraphicControl&)> ControlMouseDownEvent;
    // Called with the message when the band refuses the current tool.
    std::function<void(const QString&)> RefusedEvent;

    // The tool's object in the rectangle (widened to 50 × 15 at least),
    // or a refusal for a tool the band's kind does not take.
    void createObject(const QRect& rectangle) override;
    TGGraphicControl* lastCreated() const { return lastCreated_; }

    // After a resize: objects below the band's height move up to it,
    // objects right of its width move left to it.
    void clampObjects() override;
    // Before a save: objects more than 10 pixels outside the band go.
    void removeStrayObjects() override;

    // Page numbers and the run's date for the objects that show them.
    void setPageNumber(int page);
    void setMoment(const QDateTime& moment);

  private:
    TRPanelKind kind_;
    TRPanelState state_ = TRPanelState::psPointing;
    bool acceptsDrawing_ = true;
    TGGraphicControl* lastCreated_ = nullptr;
    ReportToolsPlaced placed_;
};

}  // namespace pc::design
