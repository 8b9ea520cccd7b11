#include "design/label_panel.h"

#include <algorithm>

#include "design/graphic_object.h"

namespace pc::design {
namespace {

// A placed object is at least this large.
constexpr int kPlacedMinWidth = 10;
constexpr int kPlacedMinHeight = 15;

}  // namespace

TGLabelPanel::TGLabelPanel() : TGDataPanel(LayoutKind::Label), tools_(defaultTools()) {}

LabelTools& TGLabelPanel::defaultTools() {
    static LabelTools tools;
    return tools;
}

void TGLabelPanel::setTool(TLPanelState state, LabelTool tool) {
    tools_[static_cast<size_t>(state)] = std::move(tool);
}

void TGLabelPanel::setPanelState(TLPanelState state) {
    panelState_ = state;
    setPointing(state == TLPanelState::psPointing);
}

void TGLabelPanel::createObject(const QRect& rectangle) {
    lastCreated_ = nullptr;
    const LabelTool& tool = tools_[static_cast<size_t>(panelState_)];
    if (panelState_ == TLPanelState::psPointing || !tool.create) return;
    QRect r = rectangle;
    if (r.width() < kMinToolWidth) r.setWidth(kToolWidth);
    if (r.height() < kMinToolHeight) r.setHeight(kMinToolHeight);
    std::unique_ptr<TGGraphicControl> object = tool.create(*this);
    if (!object) return;
    object->setName(freeName(QStringLiteral("Special"), 1, 1000));
    object->setHost(this);
    object->setBounds(r.left(), r.top(), std::max(r.width(), kPlacedMinWidth),
                      std::max(r.height(), kPlacedMinHeight));
    TGGraphicControl& placed = addObject(std::move(object));
    lastCreated_ = &placed;
    placed.notifyChanged();
    if (tool.placed) tool.placed(*this, placed);
}

}  // namespace pc::design
