#pragma once
// The surface under its objects: white, the stock pictures clipped to the
// label shape, the label's outline and the dot grid.
#include <QPainterPath>
#include <QRect>

class QPainter;

namespace pc::design {

class TGBasePanel;

// The label shape over (0, 0, width + 1, height + 1).
QPainterPath labelShapePath(const TGBasePanel& panel);
// Paints the background of `area` (surface pixels) with the painter in
// surface coordinates. The grid combines with what is below by logical
// AND, so the painter's device must be a raster image.
void paintSurfaceBackground(QPainter& painter, const TGBasePanel& panel, const QRect& area);

}  // namespace pc::design
