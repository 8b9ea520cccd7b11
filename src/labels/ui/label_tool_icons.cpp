#include "labels/ui/label_tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pc::labels {
namespace {

using design::TLPanelState;

void letters(QPainter& p, const QString& text, int size, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size);
    font.setBold(bold);
    p.setFont(font);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
}

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    return drawnToolIcon(draw);
}

}  // namespace

QIcon drawnToolIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon toolIcon(TLPanelState state) {
    switch (state) {
        case TLPanelState::psPointing:
            return drawn([](QPainter& p) {
                QPainterPath arrow;
                arrow.moveTo(7, 3);
                arrow.lineTo(7, 19);
                arrow.lineTo(11, 15);
                arrow.lineTo(14, 21);
                arrow.lineTo(16, 20);
                arrow.lineTo(13, 14);
                arrow.lineTo(18, 14);
                arrow.closeSubpath();
                p.setBrush(Qt::white);
                p.drawPath(arrow);
            });
        case TLPanelState::psLabel:
            return drawn([](QPainter& p) { letters(p, "A", 18); });
        case TLPanelState::psMultiLineLabel:
            return drawn([](QPainter& p) {
                for (int y : {6, 10, 14, 18}) p.drawLine(4, y, y == 18 ? 14 : 20, y);
            });
        case TLPanelState::psCounterLabel:
            return drawn([](QPainter& p) { letters(p, "123", 10); });
        case TLPanelState::psSymbolLabel:
            return drawn([](QPainter& p) {
                p.drawEllipse(QRectF(4, 4, 16, 16));
                p.drawPoint(QPointF(9, 10));
                p.drawPoint(QPointF(15, 10));
                p.drawArc(QRectF(8, 9, 8, 7), 200 * 16, 140 * 16);
            });
        case TLPanelState::psRectangle:
            return drawn([](QPainter& p) { p.drawRect(QRectF(4, 6, 16, 12)); });
        case TLPanelState::psEllipse:
            return drawn([](QPainter& p) { p.drawEllipse(QRectF(3, 6, 18, 12)); });
        case TLPanelState::psRoundRectangle:
            return drawn([](QPainter& p) { p.drawRoundedRect(QRectF(4, 6, 16, 12), 4, 4); });
        case TLPanelState::psLine:
            return drawn([](QPainter& p) { p.drawLine(QPointF(4, 20), QPointF(20, 4)); });
        case TLPanelState::psImage:
            return drawn([](QPainter& p) {
                p.drawRect(QRectF(3, 5, 18, 14));
                QPainterPath hill;
                hill.moveTo(4, 18);
                hill.lineTo(10, 11);
                hill.lineTo(14, 15);
                hill.lineTo(16, 13);
                hill.lineTo(20, 18);
                p.drawPath(hill);
                p.drawEllipse(QRectF(14, 7, 3, 3));
            });
        case TLPanelState::psPostNetBarCode:
            return drawn([](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x20, 0x20, 0x20));
                for (int i = 0; i < 9; ++i) {
                    const bool full = i == 0 || i == 8 || i % 3 == 1;
                    p.drawRect(QRectF(3 + i * 2.1, full ? 7 : 11, 1.1, full ? 10 : 6));
                }
            });
        case TLPanelState::psDataLabel:
            return drawn([](QPainter& p) {
                p.drawRect(QRectF(3, 7, 18, 10));
                letters(p, "ab", 9, false);
            });
        case TLPanelState::psMultiLineDataLabel:
            return drawn([](QPainter& p) {
                p.drawRect(QRectF(3, 4, 18, 16));
                for (int y : {8, 12, 16}) p.drawLine(6, y, 18, y);
            });
        case TLPanelState::psAddressLabel:
            return drawn([](QPainter& p) {
                p.drawRect(QRectF(2, 5, 20, 14));
                for (int y : {9, 12, 15}) p.drawLine(6, y, y == 15 ? 14 : 18, y);
            });
    }
    return {};
}

QIcon toggleIcon(DesignerToggle toggle) {
    switch (toggle) {
        case DesignerToggle::Grid:
            return drawn([](QPainter& p) {
                p.setPen(QPen(QColor(0, 0x80, 0), 2));
                for (int x = 5; x < 24; x += 5)
                    for (int y = 5; y < 24; y += 5) p.drawPoint(x, y);
            });
        case DesignerToggle::Snap:
            return drawn([](QPainter& p) {
                p.setPen(QPen(QColor(0, 0x80, 0), 2));
                for (int x = 5; x < 24; x += 5)
                    for (int y = 5; y < 24; y += 5) p.drawPoint(x, y);
                p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
                p.drawRect(QRectF(5, 5, 10, 10));
            });
        case DesignerToggle::Art:
            return drawn([](QPainter& p) {
                p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.5));
                for (int y : {3, 13}) p.drawRoundedRect(QRectF(2, y, 20, 8), 2, 2);
            });
        case DesignerToggle::FieldNames:
            return drawn([](QPainter& p) { letters(p, "[F]", 11); });
    }
    return {};
}

}  // namespace pc::labels
