#include "design/surface_background.h"

#include <QImage>
#include <QPainter>

#include "design/base_panel.h"

namespace pc::design {
namespace {

constexpr QRgb kGridDot = 0xFF008000;  // green

// An 8 x 8 tile: green dots on white at offset 2 (and 6 for the 4-pixel
// grid), so AND leaves dots on white and keeps darker pixels.
const QImage& gridTile(TGridSize size) {
    static const QImage tiles[2] = {[] {
                                        QImage t(8, 8, QImage::Format_RGB32);
                                        t.fill(Qt::white);
                                        for (int y : {2, 6})
                                            for (int x : {2, 6}) t.setPixel(x, y, kGridDot);
                                        return t;
                                    }(),
                                    [] {
                                        QImage t(8, 8, QImage::Format_RGB32);
                                        t.fill(Qt::white);
                                        t.setPixel(2, 2, kGridDot);
                                        return t;
                                    }()};
    return tiles[size == TGridSize::gs4x4 ? 0 : 1];
}

}  // namespace

QPainterPath labelShapePath(const TGBasePanel& panel) {
    const QRectF r(0, 0, panel.width() + 1, panel.height() + 1);
    QPainterPath path;
    switch (panel.shape()) {
        case TLabelShapeType::lsRectangle:
            path.addRect(r);
            break;
        case TLabelShapeType::lsRoundRect:
            path.addRoundedRect(r, TGBasePanel::kRoundCorner / 2.0,
                                TGBasePanel::kRoundCorner / 2.0);
            break;
        case TLabelShapeType::lsEllipse:
            path.addEllipse(r);
            break;
    }
    return path;
}

void paintSurfaceBackground(QPainter& painter, const TGBasePanel& panel, const QRect& area) {
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    const QPainterPath shape = labelShapePath(panel);
    const QRect whole(0, 0, panel.width(), panel.height());
    for (const QImage* picture : {&panel.picture(), &panel.colorPicture()}) {
        if (picture->isNull()) continue;
        painter.save();
        painter.setClipPath(shape, Qt::IntersectClip);
        painter.drawImage(whole, *picture);
        painter.restore();
    }
    if (panel.drawOutline()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        // The outline's last pixel row and column fall on the surface's edge.
        const QRectF r(0.5, 0.5, panel.width() - 1, panel.height() - 1);
        switch (panel.shape()) {
            case TLabelShapeType::lsRectangle:
                painter.drawRect(r);
                break;
            case TLabelShapeType::lsRoundRect:
                painter.drawRoundedRect(r, TGBasePanel::kRoundCorner / 2.0,
                                        TGBasePanel::kRoundCorner / 2.0);
                break;
            case TLabelShapeType::lsEllipse:
                painter.drawEllipse(r);
                break;
        }
    }
    if (panel.showGrid()) {
        painter.setClipPath(shape, Qt::IntersectClip);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.setBrushOrigin(0, 0);
        painter.fillRect(area, QBrush(gridTile(panel.gridSize())));
    }
    painter.restore();
}

}  // namespace pc::design
