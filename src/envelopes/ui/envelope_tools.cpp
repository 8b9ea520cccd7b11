#include "envelopes/ui/envelope_tools.h"

#include <QPainter>
#include <QPixmap>

#include "design/fim_barcode.h"
#include "design/imb_barcode.h"
#include "labels/ui/label_tool_icons.h"
#include "labels/ui/label_tools.h"

namespace pc::envelopes {
namespace {

using LabelState = design::TLPanelState;

// The label tool behind each envelope tool; nothing for the envelope's own.
std::optional<LabelState> labelStateOf(TLPanelState state) {
    switch (state) {
        case TLPanelState::psPointing:
            return LabelState::psPointing;
        case TLPanelState::psLabel:
            return LabelState::psLabel;
        case TLPanelState::psDataLabel:
            return LabelState::psDataLabel;
        case TLPanelState::psMultiLineLabel:
            return LabelState::psMultiLineLabel;
        case TLPanelState::psAddressLabel:
            return LabelState::psAddressLabel;
        case TLPanelState::psRectangle:
            return LabelState::psRectangle;
        case TLPanelState::psEllipse:
            return LabelState::psEllipse;
        case TLPanelState::psRoundRectangle:
            return LabelState::psRoundRectangle;
        case TLPanelState::psLine:
            return LabelState::psLine;
        case TLPanelState::psImage:
            return LabelState::psImage;
        case TLPanelState::psPostNetBarCode:
            return LabelState::psPostNetBarCode;
        case TLPanelState::psFIMBarCode:
        case TLPanelState::psIMBarCode:
            break;
    }
    return std::nullopt;
}

QIcon captionIcon(const QString& caption) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(caption.size() > 3 ? 8 : 10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(pixmap.rect(), Qt::AlignCenter, caption);
    return QIcon(pixmap);
}

}  // namespace

EnvelopeTools envelopeTools(QWidget* dialogParent) {
    const design::LabelTools labelTools = labels::labelTools(dialogParent);
    EnvelopeTools tools;
    for (int i = 0; i < kEnvelopePanelStates; ++i)
        if (const auto label = labelStateOf(static_cast<TLPanelState>(i)))
            tools[i] = labelTools[static_cast<size_t>(*label)];
    tools[static_cast<size_t>(TLPanelState::psFIMBarCode)] = {
        [](design::TGDataPanel&) {
            return std::unique_ptr<design::TGGraphicControl>(
                std::make_unique<design::TGFIMBarCode>());
        },
        {}};
    tools[static_cast<size_t>(TLPanelState::psIMBarCode)] = {
        [](design::TGDataPanel&) {
            return std::unique_ptr<design::TGGraphicControl>(
                std::make_unique<design::TGIMBarCode>());
        },
        [](design::TGDataPanel& panel, design::TGGraphicControl&) { panel.refreshAllData(); }};
    return tools;
}

QIcon envelopeToolIcon(TLPanelState state) {
    if (state == TLPanelState::psFIMBarCode) return captionIcon(QStringLiteral("FIM"));
    if (state == TLPanelState::psIMBarCode) return captionIcon(QStringLiteral("IMb"));
    return labels::toolIcon(*labelStateOf(state));
}

}  // namespace pc::envelopes
