// The single-line layout: rotation, box growth, fitting, zoom and the
// saving rules of the common text properties.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "design/property_writer.h"
#include "design/single_line_commands.h"
#include "design/text_label.h"
#include "design_test_host.h"

using namespace pc::design;

namespace {

std::vector<QByteArray> names(const std::vector<StreamProperty>& props) {
    std::vector<QByteArray> out;
    for (const auto& p : props) out.push_back(p.name);
    return out;
}

const StreamProperty* find(const std::vector<StreamProperty>& props, const char* name) {
    for (const auto& p : props)
        if (p.name == name) return &p;
    return nullptr;
}

std::vector<StreamProperty> written(const TGGraphicControl& object) {
    PropertyWriter out;
    object.writeProperties(out);
    return out.take();
}

void paintOnce(TGBaseLabel& label) {
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    label.paint(painter);
}

}  // namespace

TEST(BaseLabel, InitialValuesMatchANewObject) {
    TGPLabel label;
    EXPECT_EQ(label.caption(), "Text");
    EXPECT_EQ(label.width(), 142);
    EXPECT_EQ(label.height(), 33);
    EXPECT_EQ(label.font().name, "Arial");
    EXPECT_EQ(label.font().pointSize(), 10);
    EXPECT_TRUE(label.transparent());
    EXPECT_EQ(label.backColor(), clWhite);
    EXPECT_EQ(label.directionHighlight(), THighlightDirection::hdUpLeft);
    EXPECT_EQ(label.directionShadow(), TShadowDirection::sdDownRight);
    EXPECT_EQ(label.colorHighlight(), 16776960u);
    EXPECT_EQ(label.colorShadow(), 8421504u);
}

TEST(BaseLabel, RotationSwapsAMismatchedBoxAndIgnoresOtherAngles) {
    TGPLabel label;
    label.setAlignment(TAlignment::taCenter);
    label.setAngle(45);
    EXPECT_EQ(label.angle(), 0);
    EXPECT_EQ(label.alignment(), TAlignment::taCenter);

    label.setAngle(90);
    EXPECT_EQ(label.angle(), 90);
    EXPECT_EQ(label.width(), 33);
    EXPECT_EQ(label.height(), 142);
    EXPECT_EQ(label.alignment(), TAlignment::taLeftJustify);

    // 90 to 270 keeps the upright-tall box; back to 0 swaps again.
    label.setAngle(270);
    EXPECT_EQ(label.width(), 33);
    label.setAngle(0);
    EXPECT_EQ(label.width(), 142);
    EXPECT_EQ(label.height(), 33);
}

TEST(BaseLabel, ReadingATurnedObjectKeepsItsStoredBox) {
    TGPLabel label;
    label.setLoading(true);
    label.readProperty("Width", StreamValue::makeInteger(200));
    label.readProperty("Height", StreamValue::makeInteger(20));
    label.readProperty("Angle", StreamValue::makeInteger(90));
    label.setLoading(false);
    EXPECT_EQ(label.angle(), 90);
    EXPECT_EQ(label.width(), 200);
    EXPECT_EQ(label.height(), 20);
}

TEST(BaseLabel, LayoutClampsTheBoxToTheLineAndTurnedBoxesToTheText) {
    TGPLabel label;
    label.setBounds(0, 0, 142, 100);
    const auto& l = label.layout();
    const int F = l.lineHeight;  // no depth: shadow and highlight add nothing
    EXPECT_GT(F, 10);
    EXPECT_EQ(label.height(), static_cast<int>(F * 1.2));
    EXPECT_EQ(label.width(), 142);  // may stay wider than the text

    label.setAngle(90);
    label.setBounds(0, 0, 100, 300);
    const auto& turned = label.layout();
    EXPECT_EQ(label.height(), static_cast<int>(turned.textWidth * 1.2));
    EXPECT_EQ(label.width(), static_cast<int>(F * 1.2));
    // At 90 the text starts at the bottom-left of its rectangle.
    EXPECT_EQ(turned.mainOrigin, turned.mainRect.bottomLeft() + QPoint(0, 1));
}

TEST(BaseLabel, DepthsMoveTheTextRectanglesAndMargins) {
    TGPLabel label;
    label.setDepthShadow(3);
    label.setDepthHighlight(2);  // up-left
    const auto& l = label.layout();
    EXPECT_EQ(l.marginX, 2);
    EXPECT_EQ(l.marginY, 2);
    EXPECT_EQ(l.mainRect.topLeft(), QPoint(2, 2));
    EXPECT_EQ(l.shadowRect.topLeft(), QPoint(5, 5));
    EXPECT_EQ(l.highlightRect.topLeft(), QPoint(0, 0));
    // The box holds the line, the shadow below and the highlight above.
    EXPECT_GE(label.height(), l.lineHeight + 5);
}

TEST(BaseLabel, AlignmentPlacesTheOriginAcrossTheBox) {
    TGPLabel label;
    label.setBounds(0, 0, 300, 20);
    const int left = label.layout().mainOrigin.x();
    label.setAlignment(TAlignment::taRightJustify);
    const auto& right = label.layout();
    EXPECT_EQ(right.mainOrigin.x(), 300 - right.textWidth);
    label.setAlignment(TAlignment::taCenter);
    const auto& centre = label.layout();
    EXPECT_EQ(centre.mainOrigin.x(), 150 - centre.textWidth / 2);
    EXPECT_EQ(left, 0);
}

TEST(BaseLabel, FitToTextGrowsButNeverShrinks) {
    TGPLabel label;
    label.setBounds(10, 10, 50, 15);
    label.setCaption("A rather longer caption");
    label.fitToText();
    const int grown = label.width();
    EXPECT_GT(grown, 50);
    EXPECT_EQ(label.left(), 10);
    label.setCaption("A");
    label.fitToText();
    EXPECT_EQ(label.width(), grown);
}

TEST(BaseLabel, ZoomScalesTheFontByTruncatedSize) {
    TGPLabel label;
    label.setZoom(1.5f);
    EXPECT_EQ(label.width(), 213);                   // 142 x 1.5
    EXPECT_EQ(label.layout().font.pixelSize(), 20);  // 15 pt at 96 per inch
    FontSpec eleven;
    eleven.setPointSize(11);
    label.setFont(eleven);
    EXPECT_EQ(label.layout().font.pixelSize(), 21);  // trunc(16.5) = 16 pt
}

TEST(BaseLabel, SavingLeavesDefaultsOutAndAlwaysWritesTheRest) {
    TGPLabel label;
    label.setBounds(8, 9, 142, 33);
    const auto props = written(label);
    const std::vector<QByteArray> expected = {
        "Left",         "Top",         "Width",      "Height",      "Locked",
        "Unselectable", "Caption",     "Font.Color", "Font.Height", "Font.Name",
        "Font.Style",   "Transparent", "BackColor",  "BorderStyle"};
    EXPECT_EQ(names(props), expected);
    EXPECT_EQ(find(props, "Font.Style")->value, StreamValue::makeSet({}));

    label.setAlignment(TAlignment::taCenter);
    label.setDepthShadow(2);
    label.setAngle(180);
    const auto changed = written(label);
    EXPECT_FALSE(find(changed, "Alignment"));  // the turn forced taLeftJustify
    EXPECT_EQ(find(changed, "DepthShadow")->value, StreamValue::makeInteger(2));
    EXPECT_EQ(find(changed, "Angle")->value, StreamValue::makeInteger(180));
}

TEST(BaseLabel, HostileValuesAreIgnoredOrBounded) {
    TGPLabel label;
    EXPECT_TRUE(label.readProperty("Alignment", StreamValue::makeIdentifier("taSideways")));
    EXPECT_EQ(label.alignment(), TAlignment::taLeftJustify);
    EXPECT_TRUE(label.readProperty("Angle", StreamValue::makeString("90")));
    EXPECT_EQ(label.angle(), 0);
    EXPECT_TRUE(label.readProperty("Angle", StreamValue::makeInteger(4500)));
    EXPECT_EQ(label.angle(), 0);
    EXPECT_TRUE(label.readProperty("DepthShadow", StreamValue::makeInteger(2'000'000'000)));
    EXPECT_LE(label.depthShadow(), 100);
    EXPECT_TRUE(label.readProperty("Caption", StreamValue::makeInteger(5)));
    EXPECT_EQ(label.caption(), "Text");
    EXPECT_TRUE(label.readProperty("Width", StreamValue::makeInteger(-5)));
    EXPECT_FALSE(label.readProperty("Font.Nonsense", StreamValue::makeInteger(1)));
    EXPECT_FALSE(label.readProperty("OnClick", StreamValue::makeIdentifier("Handler")));
    paintOnce(label);  // a hostile box still lays out
    EXPECT_GE(label.width(), 1);
    EXPECT_GE(label.height(), 1);
}

TEST(BaseLabel, MenuCommandsChangeTheModelAndTellTheSurface) {
    pc::design::testing::TestHost host;
    TGPLabel label;
    label.setHost(&host);
    applyCommand(label, SingleLineCommand::AlignRight);
    EXPECT_TRUE(commandChecked(label, SingleLineCommand::AlignRight));
    applyCommand(label, SingleLineCommand::Border);
    EXPECT_EQ(label.borderStyle(), LabelBorderStyle::bsSingle);
    applyBackgroundColor(label, 0x0000FF);
    EXPECT_FALSE(label.transparent());
    EXPECT_EQ(label.backColor(), 0x0000FFu);
    applyCommand(label, SingleLineCommand::Rotate270);
    EXPECT_EQ(label.angle(), 270);
    EXPECT_TRUE(commandChecked(label, SingleLineCommand::AlignLeft));
    EXPECT_EQ(host.changes, 4);
    EXPECT_TRUE(offersCommand(label, SingleLineCommand::Rotate90));
}
