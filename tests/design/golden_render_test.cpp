#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "design/address_label.h"
#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design_test_host.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

using print::operator""_in;

// Pixels whose channels differ by more than a rendering nuance.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
                std::abs(qBlue(p) - qBlue(q)) > 64)
                ++count;
        }
    return count;
}

QImage renderAddressLabel() {
    testing::MapMergeSource source;
    source.values = {{"PREFIX", "Ms."},
                     {"FNAME", "Ada"},
                     {"MIDDLE", ""},
                     {"LNAME", "Lovelace"},
                     {"TITLE", ""},
                     {"ORG", "Analytical Co"},
                     {"STREET", "12 Engine Row"},
                     {"STREET2", ""},
                     {"CITY", "Marylebone"},
                     {"STATE", "LN"},
                     {"ZIP", "W1U 6TX"},
                     {"COUNTRY", "England"},
                     {"PHONE", ""}};
    testing::TestHost host;
    host.source = &source;
    host.isPrinting = true;

    TGLabelShapes frame;
    frame.setBounds(4, 4, 376, 184);
    frame.setShape(TGLabelShapes::Shape::stRoundRect);
    frame.setRoundPerc(10);
    frame.setTransparent(true);
    PenSpec pen;
    pen.width = 2;
    frame.setPen(pen);

    TGLabelShapes dot;
    dot.setBounds(320, 20, 40, 40);
    dot.setShape(TGLabelShapes::Shape::stEllipse);
    dot.commandBackgroundColor(0x0000C0);

    TGLineShape rule;
    rule.setBounds(20, 150, 340, 6);
    pen.width = 3;
    rule.setPen(pen);

    TGDMultiLineAddressLabel address;
    address.setHost(&host);
    address.setBounds(24, 24, 280, 110);
    address.refreshData();

    return print::renderPageImage({4_in, 2_in}, 150, [&](print::PageCanvas& page) {
        for (TGGraphicControl* object :
             std::initializer_list<TGGraphicControl*>{&frame, &dot, &rule, &address})
            object->printTo(page, 0_in, 0_in);
    });
}

TEST(GoldenRender, AddressBlockAndShapesMatchTheReference) {
    const QImage image = renderAddressLabel().convertToFormat(QImage::Format_RGB32);
    const QString reference = QStringLiteral(PC_FIXTURES_DIR "/design/address_and_shapes.png");
    QImage expected(reference);
    if (expected.isNull()) {
        const QString written = QDir::temp().filePath("address_and_shapes.png");
        image.save(written);
        FAIL() << "no reference picture; this run's is " << qPrintable(written);
    }
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), expected.size());
    // Font hinting may move a few edge pixels; a layout change moves many.
    EXPECT_LE(differingPixels(image, expected), image.width() * image.height() / 500);
}

}  // namespace
}  // namespace pc::design
