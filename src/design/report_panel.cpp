#include "design/report_panel.h"

#include <algorithm>

#include "design/data_label.h"
#include "design/date_time_label.h"
#include "design/image_object.h"
#include "design/line_shape.h"
#include "design/memo_label.h"
#include "design/page_number_label.h"
#include "design/report_shapes.h"
#include "design/symbol_label.h"
#include "design/text_label.h"

namespace pc::design {
namespace {

constexpr int kMinToolWidth = 25;
constexpr int kToolWidth = 50;
constexpr int kMinToolHeight = 15;

template <typename Label>
std::unique_ptr<TGGraphicControl> labelInFont(const FontSpec& font) {
    auto label = std::make_unique<Label>();
    label->setFont(font);
    return label;
}

std::unique_ptr<TGGraphicControl> shape(TGLabelShapes::Shape kind) {
    auto s = std::make_unique<Trpshapes>();
    s->setShape(kind);
    return s;
}

std::unique_ptr<TGGraphicControl> makeFor(TRPanelState state, const FontSpec& font) {
    switch (state) {
        case TRPanelState::psPointing:
            return nullptr;
        case TRPanelState::psLabel: {
            auto label = std::make_unique<TGPLabel>();
            label->setFont(font);
            label->setCaption(QStringLiteral("<text>"));
            return label;
        }
        case TRPanelState::psDataLabel: {
            auto label = std::make_unique<TGPDLabel>();
            label->setFont(font);
            label->setDataFieldName(QStringLiteral("<field>"));
            return label;
        }
        case TRPanelState::psMultiLineDataLabel: {
            auto label = std::make_unique<TGDMultiLineLabel>();
            label->setFont(font);
            label->setDataFieldName(QStringLiteral("Memo"));
            label->setDataFieldDescript(QStringLiteral("MEMO"));
            return label;
        }
        case TRPanelState::psLine: {
            auto line = std::make_unique<TGLineShape>();
            line->setLineStyle(TGLineShape::LineStyle::stHorizontal);
            return line;
        }
        case TRPanelState::psImage:
            return std::make_unique<TGImage>();
        case TRPanelState::psDateTime:
            return labelInFont<TGDateTimeLabel>(font);
        case TRPanelState::psPageNumber:
            return labelInFont<TGPageNumberLabel>(font);
        case TRPanelState::psSymbolLabel:
            return std::make_unique<TGSymbolLabel>();
        case TRPanelState::psRectangle:
            return shape(TGLabelShapes::Shape::stRectangle);
        case TRPanelState::psEllipse:
            return shape(TGLabelShapes::Shape::stEllipse);
        case TRPanelState::psRoundRectangle:
            return shape(TGLabelShapes::Shape::stRoundRect);
    }
    return nullptr;
}

}  // namespace

QString refusalFor(TRPanelState state, TRPanelKind kind) {
    switch (state) {
        case TRPanelState::psMultiLineDataLabel:
            if (kind != TRPanelKind::rpkMemo)
                return QStringLiteral("This object may only be used in the memo band");
            break;
        case TRPanelState::psDataLabel:
            if (kind != TRPanelKind::rpkDetail)
                return QStringLiteral("This object may only be used in the detail band");
            break;
        case TRPanelState::psDateTime:
        case TRPanelState::psPageNumber:
            if (kind != TRPanelKind::rpkHeader && kind != TRPanelKind::rpkFooter)
                return QStringLiteral("This object may only be used in the header or footer bands");
            break;
        case TRPanelState::psImage:
            if (kind != TRPanelKind::rpkHeader)
                return QStringLiteral("This object may only be used in the header band");
            break;
        default:
            break;
    }
    return {};
}

TReportPanel::TReportPanel(TRPanelKind kind) : TGDataPanel(LayoutKind::Report), kind_(kind) {}

void TReportPanel::setPanelState(TRPanelState state) {
    state_ = state;
    setPointing(state == TRPanelState::psPointing);
}

void TReportPanel::createObject(const QRect& rectangle) {
    lastCreated_ = nullptr;
    if (state_ == TRPanelState::psPointing) return;
    QRect r = rectangle;
    if (r.width() < kMinToolWidth) r.setWidth(kToolWidth);
    if (r.height() < kMinToolHeight) r.setHeight(kMinToolHeight);
    if (const QString refusal = refusalFor(state_, kind_); !refusal.isEmpty()) {
        if (RefusedEvent) RefusedEvent(refusal);
        return;
    }
    std::unique_ptr<TGGraphicControl> object = makeFor(state_, font());
    if (!object) return;
    object->setName(freeName(QStringLiteral("Special"), 1, 1000));
    object->setHost(this);
    object->setBounds(r.left(), r.top(), r.width(), r.height());
    TGGraphicControl& placed = addObject(std::move(object));
    lastCreated_ = &placed;
    refreshAllData();
    if (auto* label = dynamic_cast<TGBaseLabel*>(&placed);
        label && state_ != TRPanelState::psMultiLineDataLabel)
        label->fitToText();
    placed.notifyChanged();
    if (const ReportToolPlaced& then = placed_[static_cast<size_t>(state_)]; then)
        then(*this, placed);
}

void TReportPanel::clampObjects() {
    clearSelection();
    for (const auto& o : objects()) {
        const int top = std::min(o->top(), height());
        const int left = std::min(o->left(), width());
        if (top != o->top() || left != o->left()) o->setBounds(left, top, o->width(), o->height());
    }
    requestRepaint();
}

void TReportPanel::removeStrayObjects() {
    clearSelection();
    std::vector<TGGraphicControl*> stray;
    for (const auto& o : objects())
        if (o->top() > height() + kStrayMargin || o->left() > width() + kStrayMargin)
            stray.push_back(o.get());
    for (TGGraphicControl* o : stray) destroyObject(o);
    requestRepaint();
}

void TReportPanel::setPageNumber(int page) {
    for (const auto& o : objects())
        if (auto* number = dynamic_cast<TGPageNumberLabel*>(o.get())) number->setPageNumber(page);
}

void TReportPanel::setMoment(const QDateTime& moment) {
    for (const auto& o : objects())
        if (auto* stamp = dynamic_cast<TGDateTimeLabel*>(o.get())) stamp->setMoment(moment);
}

}  // namespace pc::design
