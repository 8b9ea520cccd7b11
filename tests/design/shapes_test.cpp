#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design_test_host.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

using print::operator""_in;
using testing::TestHost;

// The thickness of the ink on a row across the middle of an image.
int inkRunAt(const QImage& image, int y) {
    int run = 0;
    for (int x = 0; x < image.width() && image.pixel(x, y) != qRgb(255, 255, 255); ++x) ++run;
    return run;
}

// The length of the first run of ink on a row.
int firstInkRun(const QImage& image, int y) {
    int x = 0;
    while (x < image.width() && image.pixel(x, y) == qRgb(255, 255, 255)) ++x;
    int run = 0;
    for (; x < image.width() && image.pixel(x, y) != qRgb(255, 255, 255); ++x) ++run;
    return run;
}

QImage paintOn(TGGraphicControl& object, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.paint(painter);
    return image;
}

TEST(ZoomedPenWidth, RoundsHalfToEvenAndKeepsAtLeastOnePixel) {
    EXPECT_EQ(zoomedPenWidth(3, 1.5f), 4);  // 4.5 -> 4
    EXPECT_EQ(zoomedPenWidth(5, 1.5f), 8);  // 7.5 -> 8
    EXPECT_EQ(zoomedPenWidth(1, 0.4f), 1);
    EXPECT_EQ(zoomedPenWidth(0, 1.5f), 0);
}

TEST(LabelShapes, PenWidthThreeAtZoomOneAndAHalfDrawsFour) {
    TGLabelShapes shape;
    shape.setBounds(0, 0, 40, 40);
    PenSpec pen;
    pen.width = 3;
    shape.setPen(pen);
    shape.setZoom(1.5f);
    ASSERT_EQ(shape.width(), 60);
    const QImage image = paintOn(shape, shape.bounds().size());
    EXPECT_EQ(inkRunAt(image, 30), 4);
    // The outline stays inside the object.
    EXPECT_NE(image.pixel(59, 30), qRgb(255, 255, 255));
}

TEST(LabelShapes, PrintedPenWidthIgnoresZoom) {
    TGLabelShapes shape;
    shape.setBounds(0, 0, 96, 96);
    PenSpec pen;
    pen.width = 48;  // half an inch at 96 per inch: 50 hundredths
    shape.setPen(pen);
    shape.setTransparent(true);
    auto printedInk = [&shape] {
        const QImage page = print::renderPageImage(
            {2_in, 2_in}, 100, [&](print::PageCanvas& c) { shape.printTo(c, 0.5_in, 0.5_in); });
        return firstInkRun(page, 100);
    };
    const int atOne = printedInk();
    EXPECT_NEAR(atOne, 50, 2);  // half an inch at 100 dpi
    shape.setZoom(1.5f);
    EXPECT_EQ(atOne, printedInk());
}

TEST(LabelShapes, ShapesAndRoundingDrawTheirFigure) {
    TGLabelShapes shape;
    shape.setBounds(0, 0, 60, 40);
    shape.setShape(TGLabelShapes::Shape::stEllipse);
    QImage image = paintOn(shape, {60, 40});
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));  // corner outside the ellipse
    EXPECT_NE(image.pixel(0, 20), qRgb(255, 255, 255));
    shape.setShape(TGLabelShapes::Shape::stRectangle);
    image = paintOn(shape, {60, 40});
    EXPECT_NE(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(59, 39), qRgb(255, 255, 255));
}

TEST(LabelShapes, MenuCommandsAndSaveRules) {
    TestHost host;
    TGLabelShapes shape;
    shape.setHost(&host);
    EXPECT_EQ(shape.bounds(), QRect(0, 0, 25, 25));
    auto names = testing::writtenNames(shape);
    // Transparent has no default; the pen, brush, rounding and shape are at theirs.
    EXPECT_TRUE(names.contains("Transparent"));
    for (const char* absent : {"Pen.Width", "Brush.Style", "RoundPerc", "Shape"})
        EXPECT_FALSE(names.contains(absent)) << absent;

    shape.commandTransparent();
    EXPECT_EQ(shape.brush().style, BrushStyle::bsClear);
    EXPECT_TRUE(shape.transparent());
    shape.commandBackgroundColor(0x0000FF);
    EXPECT_EQ(shape.brush().style, BrushStyle::bsSolid);
    EXPECT_FALSE(shape.transparent());
    shape.commandLineThickness(7);
    shape.commandLineColor(0x00FF00);
    shape.setShape(TGLabelShapes::Shape::stRoundRect);
    shape.commandRounding(60);
    EXPECT_EQ(host.changes, 5);

    TGLabelShapes copy;
    for (const StreamProperty& p : testing::written(shape))
        EXPECT_TRUE(copy.readProperty(p.name, p.value)) << p.name.constData();
    EXPECT_EQ(copy.pen(), shape.pen());
    EXPECT_EQ(copy.brush(), shape.brush());
    EXPECT_EQ(copy.roundPerc(), 60);
    EXPECT_EQ(copy.shape(), TGLabelShapes::Shape::stRoundRect);
}

TEST(LineShape, ThickHorizontalLineStaysInsideAndPrintsInHundredths) {
    TGLineShape line;
    line.setBounds(0, 0, 50, 10);
    PenSpec pen;
    pen.width = 3;
    line.setPen(pen);
    const QImage image = paintOn(line, {60, 20});
    // Rows 0 to 2 inked, from x = 1 to the far end exclusive.
    EXPECT_NE(image.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(48, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(25, 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(49, 1), qRgb(255, 255, 255));

    line.setZoom(1.5f);
    line.setBounds(0, 96, 96, 10);
    const QImage page = print::renderPageImage(
        {2_in, 2_in}, 100, [&](print::PageCanvas& c) { line.printTo(c, 0_in, 0_in); });
    int rows = 0;
    for (int y = 90; y < 115; ++y)
        if (page.pixel(50, y) != qRgb(255, 255, 255)) ++rows;
    EXPECT_NEAR(rows, 3, 1);  // 3 hundredths of an inch at 100 dpi
}

TEST(LineShape, StretchToEdgesFollowsTheStyle) {
    TestHost host;
    host.size = QSize(300, 150);
    TGLineShape line;
    line.setHost(&host);
    line.setBounds(40, 50, 30, 20);
    line.commandStretchToEdges();
    EXPECT_EQ(line.bounds(), QRect(0, 50, 300, 20));
    line.setLineStyle(TGLineShape::LineStyle::stVertical);
    line.setBounds(40, 50, 30, 20);
    line.commandStretchToEdges();
    EXPECT_EQ(line.bounds(), QRect(40, 0, 30, 150));
    line.setLineStyle(TGLineShape::LineStyle::stAngleSlopingUp);
    line.setBounds(40, 50, 30, 20);
    line.commandStretchToEdges();
    EXPECT_EQ(line.bounds(), QRect(40, 50, 30, 20));
    EXPECT_EQ(host.changes, 2);
}

TEST(LineShape, SaveRules) {
    TGLineShape line;
    EXPECT_EQ(line.bounds(), QRect(0, 0, 10, 10));
    auto names = testing::writtenNames(line);
    EXPECT_FALSE(names.contains("LineStyle"));
    EXPECT_FALSE(names.contains("Pen.Width"));
    line.setLineStyle(TGLineShape::LineStyle::stAngleSlopingDown);
    PenSpec pen;
    pen.width = 4;
    pen.style = PenStyle::psDash;
    line.setPen(pen);
    TGLineShape copy;
    for (const StreamProperty& p : testing::written(line))
        EXPECT_TRUE(copy.readProperty(p.name, p.value)) << p.name.constData();
    EXPECT_EQ(copy.lineStyle(), TGLineShape::LineStyle::stAngleSlopingDown);
    EXPECT_EQ(copy.pen(), pen);
}

}  // namespace
}  // namespace pc::design
