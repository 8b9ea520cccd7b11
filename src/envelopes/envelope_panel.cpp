#include "envelopes/envelope_panel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/graphic_object.h"
#include "print/inches.h"

namespace pc::envelopes {
namespace {

constexpr int kPlacedMinWidth = 10;
constexpr int kPlacedMinHeight = 15;
constexpr double kPpi = print::kLayoutPixelsPerInch;

int truncPixels(double inches) {
    return static_cast<int>(std::trunc(kPpi * inches));
}

}  // namespace

PrinterGeometry PrinterGeometry::fromInches(double left, double top, double right, double bottom,
                                            double pageWidth, double pageHeight) {
    return {truncPixels(left),   truncPixels(top),        truncPixels(right),
            truncPixels(bottom), truncPixels(pageHeight), truncPixels(pageWidth)};
}

TEnvelopePanel::TEnvelopePanel() : TGDataPanel(design::LayoutKind::Envelope) {}

void TEnvelopePanel::setTool(TLPanelState state, design::LabelTool tool) {
    tools_[static_cast<size_t>(state)] = std::move(tool);
}

void TEnvelopePanel::setPanelState(TLPanelState state) {
    panelState_ = state;
    setPointing(state == TLPanelState::psPointing);
}

void TEnvelopePanel::createObject(const QRect& rectangle) {
    lastCreated_ = nullptr;
    const design::LabelTool& tool = tools_[static_cast<size_t>(panelState_)];
    if (panelState_ == TLPanelState::psPointing || !tool.create) return;
    QRect r = rectangle;
    if (r.width() < kMinToolWidth) r.setWidth(kToolWidth);
    if (r.height() < kMinToolHeight) r.setHeight(kMinToolHeight);
    std::unique_ptr<design::TGGraphicControl> object = tool.create(*this);
    if (!object) return;
    object->setName(freeName(QStringLiteral("Special"), 1, 1000));
    object->setHost(this);
    object->setBounds(r.left(), r.top(), std::max(r.width(), kPlacedMinWidth),
                      std::max(r.height(), kPlacedMinHeight));
    design::TGGraphicControl& placed = addObject(std::move(object));
    lastCreated_ = &placed;
    placed.notifyChanged();
    if (tool.placed) tool.placed(*this, placed);
}

std::array<QRect, 4> TEnvelopePanel::templateAreas() const {
    const double z = zoomFactor();
    const auto in = [z](double inches) { return static_cast<int>(std::trunc(kPpi * inches * z)); };
    const int w = width(), h = height();
    const int addressLeft =
        static_cast<int>(std::trunc(w / z)) >= truncPixels(10.25) ? w - in(9.75) : in(0.5);
    const auto box = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    return {box(0, 0, w / 2, std::min(h / 3, h - in(2.75))),
            box(w - in(4), h - in(0.625), w - in(0.5), h - 1),
            box(addressLeft, h - in(2.75), w - in(0.5), h - in(0.625)),
            box(w - in(3), 0, w - in(2), in(0.625))};
}

void TEnvelopePanel::paintGuides(QPainter& painter) const {
    painter.save();
    if (showTemplate_) {
        static const char* const kCaptions[] = {"[Return Address Area]", "[Barcode Clear Zone]",
                                                "[Address Area]", "[FIM Area]"};
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(std::max(1, static_cast<int>(std::trunc(8 * zoomFactor()))));
        painter.setFont(font);
        const std::array<QRect, 4> areas = templateAreas();
        for (size_t i = 0; i < areas.size(); ++i) {
            const QRect& a = areas[i];
            painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::SolidLine));
            painter.setBrush(QColor(239, 239, 239));
            painter.drawRect(a);
            painter.setPen(QColor(192, 192, 192));
            const QPoint at = i == 0   ? QPoint(3, 3)
                              : i == 3 ? QPoint(a.left() + 2, 3)
                                       : QPoint(a.left() + 2, a.top() + 2);
            painter.drawText(QRect(at, a.bottomRight()), Qt::AlignLeft | Qt::AlignTop,
                             QString::fromLatin1(kCaptions[i]));
        }
    }
    if (showPrinterMargins_) {
        const double z = zoomFactor();
        const auto at = [z](int pixels) { return static_cast<int>(std::trunc(pixels * z)); };
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DotLine));
        painter.drawRect(QRect(QPoint(at(printer_.leftWaste), at(printer_.topWaste)),
                               QPoint(at(printer_.pageWidth - printer_.rightWaste),
                                      at(printer_.pageHeight - printer_.bottomWaste))));
    }
    painter.restore();
}

void TEnvelopePanel::sizeFromInches(double length, double depth) {
    const float zoom = zoomFactor();
    if (zoom != 1.0f) setZoom(1.0f);
    const QSize wanted(static_cast<int>(std::lround(kPpi * length)),
                       static_cast<int>(std::lround(kPpi * depth)));
    if (size() != wanted) setSize(wanted);
    if (zoom != 1.0f) setZoom(zoom);
}

}  // namespace pc::envelopes
