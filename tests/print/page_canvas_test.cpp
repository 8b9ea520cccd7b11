#include "print/page_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPicture>

using namespace pc::print;

namespace {

// The darkest column and row of an image, to find where a shape landed.
QRect inkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PageCanvas, InchesLandAtTheDeviceResolution) {
    const QImage page = renderPageImage({2_in, 1_in}, 100, [](PageCanvas& c) {
        c.setBrush(Qt::black);
        c.fillRect({0.5_in, 0.25_in, 1.5_in, 0.75_in});
    });
    EXPECT_EQ(page.size(), QSize(200, 100));
    EXPECT_EQ(inkBounds(page), QRect(50, 25, 100, 50));
}

TEST(PageCanvas, PenWidthIsInHundredthsOfAnInch) {
    const QImage page = renderPageImage({1_in, 1_in}, 200, [](PageCanvas& c) {
        c.setPen(Qt::black, Qt::SolidLine, 10);  // 0.1 in = 20 dots
        c.line(0.5_in, 0.1_in, 0.5_in, 0.9_in);
    });
    const QRect ink = inkBounds(page);
    EXPECT_NEAR(ink.width(), 20, 1);
    EXPECT_NEAR(ink.center().x(), 100, 1);
}

TEST(PageCanvas, PictureIsStretchedIntoItsInchRectangle) {
    // A 96 x 48 layout-pixel picture (1 x 0.5 in at zoom 1) filled black,
    // drawn into a 2 x 1 in rectangle at 50 dpi.
    QPicture picture;
    {
        QPainter p(&picture);
        p.fillRect(QRect(0, 0, 96, 48), Qt::black);
    }
    const QImage page = renderPageImage({3_in, 2_in}, 50, [&](PageCanvas& c) {
        c.drawPicture(picture, QSizeF(96, 48), {0.5_in, 0.5_in, 2.5_in, 1.5_in});
    });
    const QRect ink = inkBounds(page);
    EXPECT_NEAR(ink.left(), 25, 1);
    EXPECT_NEAR(ink.top(), 25, 1);
    EXPECT_NEAR(ink.width(), 100, 2);
    EXPECT_NEAR(ink.height(), 50, 2);
}

}  // namespace
