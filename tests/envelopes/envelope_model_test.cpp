// The envelope rules that need no table: sizes, the feed's offsets and
// settings, the designer's zoom steps and the surface's tools and guides.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "design/label_shapes.h"
#include "envelopes/envelope_design_rules.h"
#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_panel.h"
#include "envelopes/envelope_sizes.h"
#include "qstring_printer.h"

namespace pc::envelopes {
namespace {

TEST(EnvelopeSizes, ListHasSixteenSizesWithTheirTextsAndInches) {
    const auto& sizes = envelopeSizes();
    ASSERT_EQ(sizes.size(), 16u);
    EXPECT_STREQ(sizes[0].text, "Envelope #9 3 7/8 x 8 7/8 inches");
    EXPECT_STREQ(sizes[6].text, "Envelope C5 162 x 229 mm ");  // the trailing blank stays
    EXPECT_STREQ(sizes[7].text, "Envelope C4  229 x 324 mm");
    EXPECT_STREQ(sizes[15].text, "6 3/4 Envelope 3 5/8 x 6 1/2 inches");
    const int codes[] = {19, 20, 21, 22, 23, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37, 38};
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(sizes[row].code, codes[row]);
        EXPECT_EQ(envelopeSizeRow(codes[row]), row);
        // Only B6 stands taller than wide.
        EXPECT_EQ(sizes[row].depth > sizes[row].length, codes[row] == 35) << codes[row];
    }
}

TEST(EnvelopeSizes, LookupsAnswerMinusOneOutsideTheList) {
    EXPECT_DOUBLE_EQ(envelopeLength(30), 12.96);
    EXPECT_DOUBLE_EQ(envelopeDepth(30), 9.16);
    EXPECT_DOUBLE_EQ(envelopeLength(35), 5);
    EXPECT_DOUBLE_EQ(envelopeDepth(35), 7.04);
    for (int code : {0, 1, 29, 39, -5}) {
        EXPECT_EQ(envelopeLength(code), -1);
        EXPECT_EQ(envelopeDepth(code), -1);
        EXPECT_EQ(envelopeSizeRow(code), -1);
    }
    EXPECT_EQ(envelopeSizeText(99), "Unknown envelope size (code 99)");
    EXPECT_EQ(envelopeSurfaceSize(12.96, 9.16), QSize(1244, 879));
    EXPECT_EQ(envelopeSurfaceSize(5, 7.04), QSize(480, 676));
}

EnvelopeFeed feed(int orientation, int facing, int position, bool clockwise = false) {
    EnvelopeFeed f;
    f.orientation = orientation;
    f.facing = facing;
    f.position = position;
    f.clockwise = clockwise;
    return f;
}

TEST(EnvelopeOffsets, LandscapeOnLetterShiftsByTheDifference) {
    using F = EnvelopeFeed;
    EnvelopeOffsets o =
        envelopeOffsets(11, 8.5, 9.5, 4.125, feed(F::Landscape, F::FaceUp, F::Center));
    EXPECT_FLOAT_EQ(o.x, 1.5f);
    EXPECT_FLOAT_EQ(o.y, 2.1875f);
    o = envelopeOffsets(11, 8.5, 9.5, 4.125, feed(F::Landscape, F::FaceUp, F::Center, true));
    EXPECT_FLOAT_EQ(o.x, 0);
    EXPECT_FLOAT_EQ(o.y, 2.1875f);
    o = envelopeOffsets(11, 8.5, 9.5, 4.125, feed(F::Landscape, F::FaceUp, F::Right));
    EXPECT_FLOAT_EQ(o.y, 4.375f);
    o = envelopeOffsets(11, 8.5, 9.5, 4.125, feed(F::Landscape, F::FaceDown, F::Left));
    EXPECT_FLOAT_EQ(o.y, 4.375f);
    o = envelopeOffsets(11, 8.5, 9.5, 4.125, feed(F::Landscape, F::FaceDown, F::Right));
    EXPECT_FLOAT_EQ(o.y, 0);
}

TEST(EnvelopeOffsets, PortraitShiftsAcrossOnly) {
    using F = EnvelopeFeed;
    const double pw = 10.5, ph = 11;
    EXPECT_FLOAT_EQ(envelopeOffsets(pw, ph, 9.5, 4.125, feed(F::Portrait, F::FaceUp, F::Left)).x,
                    0);
    EXPECT_FLOAT_EQ(envelopeOffsets(pw, ph, 9.5, 4.125, feed(F::Portrait, F::FaceUp, F::Right)).x,
                    1);
    EXPECT_FLOAT_EQ(envelopeOffsets(pw, ph, 9.5, 4.125, feed(F::Portrait, F::FaceDown, F::Left)).x,
                    1);
    EXPECT_FLOAT_EQ(envelopeOffsets(pw, ph, 9.5, 4.125, feed(F::Portrait, F::FaceDown, F::Right)).x,
                    0);
    const EnvelopeOffsets c =
        envelopeOffsets(pw, ph, 9.5, 4.125, feed(F::Portrait, F::FaceUp, F::Center));
    EXPECT_FLOAT_EQ(c.x, 0.5f);
    EXPECT_FLOAT_EQ(c.y, 0);
    // A page narrower than the envelope: never a negative offset.
    EXPECT_FLOAT_EQ(envelopeOffsets(8.5, 11, 9.5, 4.125, feed(F::Portrait, F::FaceUp, F::Right)).x,
                    0);
    EXPECT_FLOAT_EQ(envelopeOffsets(8.5, 11, 9.5, 4.125, feed(F::Portrait, F::FaceUp, F::Center)).x,
                    0);
}

TEST(EnvelopeOffsets, PageThatIsTheEnvelopeGetsNone) {
    using F = EnvelopeFeed;
    for (int o : {0, 1})
        for (int f : {0, 1})
            for (int p : {0, 1, 2}) {
                const EnvelopeOffsets off = envelopeOffsets(9.55, 4.19, 9.5, 4.125, feed(o, f, p));
                EXPECT_EQ(off.x, 0);
                EXPECT_EQ(off.y, 0);
            }
    // A tenth of an inch more is a different page.
    EXPECT_GT(envelopeOffsets(9.6, 4.125, 9.5, 4.125, feed(F::Landscape, F::FaceUp, F::Center)).x,
              0);
}

TEST(EnvelopeOffsets, MismatchIsMoreThanAnInchEitherWay) {
    EXPECT_FALSE(paperMismatch(9.5, 4.125, 9.5, 4.125));
    EXPECT_FALSE(paperMismatch(10.5, 5.125, 9.5, 4.125));
    EXPECT_TRUE(paperMismatch(10.52, 4.125, 9.5, 4.125));
    EXPECT_TRUE(paperMismatch(9.5, 2.9, 9.5, 4.125));
    EXPECT_TRUE(paperMismatch(8.5, 11, 9.5, 4.125));
}

TEST(EnvelopeFeedSettings, DefaultsRoundTripAndDescription) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("POSTCR.ini"));
    const EnvelopeFeed defaults = readEnvelopeFeed(ini);
    EXPECT_EQ(defaults, feed(1, 1, 2, false));
    EXPECT_EQ(feedDescription(defaults), "Position: Center\nOrientation : Landscape\nFacing Down");

    const EnvelopeFeed mine = feed(0, 0, 1, true);
    ASSERT_TRUE(writeEnvelopeFeed(ini, mine));
    EXPECT_EQ(readEnvelopeFeed(ini), mine);
    EXPECT_EQ(feedDescription(mine),
              "Position: Right\nOrientation : Portrait\nClockwise Rotation\nFacing Up");

    EnvelopePrinterSettings printer;
    EXPECT_EQ(readEnvelopePrinter(ini).orientation, -1);
    printer.printer = QStringLiteral("Laser ON lpt1");
    printer.paper = QStringLiteral("Envelope #10");
    printer.orientation = 1;
    ASSERT_TRUE(writeEnvelopePrinter(ini, printer));
    const EnvelopePrinterSettings back = readEnvelopePrinter(ini);
    EXPECT_EQ(back.printer, printer.printer);
    EXPECT_EQ(back.paper, printer.paper);
    EXPECT_EQ(back.bin, QString());
    EXPECT_EQ(back.orientation, 1);
}

TEST(EnvelopeFeedSettings, ValuesOutOfRangeFallBack) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("POSTCR.ini"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Envelope Feed]\r\nOrientation=7\r\nFacing=-1\r\nPosition=x\r\n");
    file.close();
    EXPECT_EQ(readEnvelopeFeed(ini), feed(1, 1, 2, false));
}

TEST(EnvelopeDesignRules, ZoomStopsAtSixtyAndHundredForty) {
    float zoom = 1.0f;
    for (int i = 0; i < 4; ++i) zoom = envelopeZoomedIn(zoom);
    EXPECT_EQ(qRound(zoom * 100), 140);
    EXPECT_EQ(envelopeZoomedIn(zoom), zoom);
    zoom = 1.0f;
    for (int i = 0; i < 4; ++i) zoom = envelopeZoomedOut(zoom);
    EXPECT_EQ(qRound(zoom * 100), 60);
    EXPECT_EQ(envelopeZoomedOut(zoom), zoom);
}

class EnvelopePanelTest : public ::testing::Test {
  protected:
    EnvelopePanelTest() {
        panel.setSize(envelopeSurfaceSize(9.5, 4.125));
        panel.setTool(
            TLPanelState::psRectangle,
            {[](design::TGDataPanel&) { return std::make_unique<design::TGLabelShapes>(); }, {}});
    }
    TEnvelopePanel panel;
};

TEST_F(EnvelopePanelTest, SmallDragIsWidenedBeforeThePlacingMinimum) {
    panel.setPanelState(TLPanelState::psRectangle);
    EXPECT_FALSE(panel.pointing());
    panel.createObject(QRect(10, 10, 3, 3));
    ASSERT_NE(panel.lastCreated(), nullptr);
    EXPECT_EQ(panel.lastCreated()->bounds(), QRect(10, 10, 50, 15));
    EXPECT_EQ(panel.lastCreated()->name(), "Special1");
    panel.setPanelState(TLPanelState::psPointing);
    EXPECT_TRUE(panel.pointing());
    panel.createObject(QRect(0, 0, 80, 80));
    EXPECT_EQ(panel.lastCreated(), nullptr);
    EXPECT_EQ(panel.objects().size(), 1u);
}

TEST_F(EnvelopePanelTest, TemplateAreasOfANumberTenEnvelope) {
    // 912 x 396 pixels at 96 per inch.
    const auto areas = panel.templateAreas();
    EXPECT_EQ(areas[0], QRect(QPoint(0, 0), QPoint(456, 132)));
    EXPECT_EQ(areas[1], QRect(QPoint(912 - 384, 396 - 60), QPoint(912 - 48, 395)));
    EXPECT_EQ(areas[2], QRect(QPoint(48, 396 - 264), QPoint(912 - 48, 396 - 60)));
    EXPECT_EQ(areas[3], QRect(QPoint(912 - 288, 0), QPoint(912 - 192, 60)));
    // A wide envelope puts the address area 9.75 in from the right.
    panel.setSize(envelopeSurfaceSize(12.96, 9.16));
    EXPECT_EQ(panel.templateAreas()[2].left(), 1244 - 936);
}

TEST_F(EnvelopePanelTest, GuidesPaintOnlyWhenAskedFor) {
    QImage image(panel.size(), QImage::Format_RGB32);
    const auto paint = [&] {
        image.fill(Qt::white);
        QPainter p(&image);
        panel.paintGuides(p);
    };
    paint();
    EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::white));
    panel.setShowTemplate(true);
    paint();
    EXPECT_EQ(image.pixelColor(100, 50), QColor(239, 239, 239));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(128, 128, 128));

    panel.setShowTemplate(false);
    panel.setShowPrinterMargins(true);
    panel.setPrinterGeometry(PrinterGeometry::fromInches(0.25, 0.25, 0.25, 0.25, 9.5, 4.125));
    paint();
    EXPECT_EQ(image.pixelColor(24, 24), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::white));
}

}  // namespace
}  // namespace pc::envelopes
