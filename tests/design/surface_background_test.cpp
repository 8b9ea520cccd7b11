// The surface under the objects: the dot grids, the clip to the label
// shape, the outline and the stock picture.
#include "design/surface_background.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "design/base_panel.h"

namespace pc::design {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF008000;

QImage render(const TGBasePanel& panel) {
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintSurfaceBackground(painter, panel, image.rect());
    return image;
}

TEST(SurfaceBackground, GridDotsSitAtOffsetTwoAndSix) {
    TGBasePanel panel;
    panel.setSize({64, 48});
    panel.setShape(TLabelShapeType::lsRectangle);
    panel.setShowGrid(true);
    panel.setGridSize(TGridSize::gs8x8);
    QImage eight = render(panel);
    EXPECT_EQ(eight.pixel(18, 26), kGreen);
    EXPECT_EQ(eight.pixel(22, 26), kWhite);
    EXPECT_EQ(eight.pixel(19, 26), kWhite);

    panel.setGridSize(TGridSize::gs4x4);
    QImage four = render(panel);
    EXPECT_EQ(four.pixel(18, 26), kGreen);
    EXPECT_EQ(four.pixel(22, 30), kGreen);
    EXPECT_EQ(four.pixel(20, 26), kWhite);
}

TEST(SurfaceBackground, TheGridAndPictureKeepToTheLabelShape) {
    TGBasePanel panel;
    panel.setSize({96, 64});
    panel.setShape(TLabelShapeType::lsEllipse);
    panel.setShowGrid(true);
    QImage stock(4, 4, QImage::Format_RGB32);
    stock.fill(Qt::blue);
    panel.setPicture(stock);
    const QImage image = render(panel);
    EXPECT_EQ(image.pixel(2, 2), kWhite);  // outside the ellipse
    EXPECT_EQ(image.pixel(48, 33), QColor(Qt::blue).rgb());
    // The grid ANDs with the picture: blue AND green is black.
    EXPECT_EQ(image.pixel(50, 34), 0xFF000000);
}

TEST(SurfaceBackground, OutlineFollowsTheShape) {
    TGBasePanel panel;
    panel.setSize({96, 64});
    panel.setShape(TLabelShapeType::lsRectangle);
    panel.setDrawOutline(true);
    const QImage rect = render(panel);
    EXPECT_EQ(rect.pixel(0, 30), 0xFF000000);
    EXPECT_EQ(rect.pixel(95, 30), 0xFF000000);
    EXPECT_EQ(rect.pixel(0, 0), 0xFF000000);
    panel.setShape(TLabelShapeType::lsRoundRect);
    const QImage round = render(panel);
    EXPECT_EQ(round.pixel(0, 0), kWhite);  // the corner is cut
    EXPECT_NE(round.pixel(0, 30), kWhite);
}

}  // namespace
}  // namespace pc::design
