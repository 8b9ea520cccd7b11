// The label surface's tools: pointing only in psPointing, the placing
// rules of a created object, and the dropped-object event.
#include "design/label_panel.h"

#include <gtest/gtest.h>

#include "surface_probe.h"

namespace pc::design {
namespace {

using testing::TSurfaceProbe;

struct LabelPanelTest : ::testing::Test {
    LabelPanelTest() {
        panel.setSize({300, 200});
        panel.LabelChangedEvent = [this] { ++changes; };
        panel.DroppedObjectEvent = [this](const QRect& r) { dropped.push_back(r); };
        panel.setTool(TLPanelState::psRectangle,
                      {[](TGDataPanel&) { return std::make_unique<TSurfaceProbe>(); },
                       [this](TGDataPanel&, TGGraphicControl& o) { placedAt = o.bounds(); }});
    }
    void drawBand(QPoint from, QPoint to) {
        panel.mousePress(from, Qt::LeftButton, false, 0);
        panel.mouseMove(to, 100);
        panel.mouseRelease(to, false, 200);
    }

    TGLabelPanel panel;
    int changes = 0;
    std::vector<QRect> dropped;
    QRect placedAt;
};

TEST_F(LabelPanelTest, PointingExactlyInThePointingState) {
    EXPECT_TRUE(panel.pointing());
    panel.setPanelState(TLPanelState::psLine);
    EXPECT_FALSE(panel.pointing());
    panel.setPanelState(TLPanelState::psPointing);
    EXPECT_TRUE(panel.pointing());
    EXPECT_EQ(static_cast<int>(TLPanelState::psPostNetBarCode), 13);
}

TEST_F(LabelPanelTest, ASmallBandBecomesFiftyByFifteen) {
    panel.setPanelState(TLPanelState::psRectangle);
    drawBand({10, 20}, {15, 25});
    ASSERT_EQ(panel.objects().size(), 1u);
    const TGGraphicControl& created = *panel.objects().front();
    EXPECT_EQ(created.bounds(), QRect(10, 20, 50, 15));
    EXPECT_EQ(placedAt, created.bounds());  // the follow-up runs once placed
    EXPECT_EQ(created.name(), QStringLiteral("Special1"));
    EXPECT_EQ(created.host(), &panel);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dropped, (std::vector<QRect>{QRect(10, 20, 5, 5)}));
    EXPECT_TRUE(panel.handle().empty());  // drawing selects nothing
}

TEST_F(LabelPanelTest, LargeBandsKeepTheirSizeAndNamesCountUp) {
    panel.setPanelState(TLPanelState::psRectangle);
    drawBand({10, 10}, {110, 60});
    drawBand({120, 10}, {150, 40});
    ASSERT_EQ(panel.objects().size(), 2u);
    EXPECT_EQ(panel.objects()[0]->bounds(), QRect(10, 10, 100, 50));
    EXPECT_EQ(panel.objects()[1]->name(), QStringLiteral("Special2"));
}

TEST_F(LabelPanelTest, CreatedObjectsTakeTheSurfaceZoom) {
    panel.setZoom(1.5f);
    panel.setPanelState(TLPanelState::psRectangle);
    panel.createObject(QRect(30, 30, 60, 30));
    ASSERT_EQ(panel.objects().size(), 1u);
    EXPECT_EQ(panel.objects().front()->zoom(), 1.5f);
    EXPECT_EQ(panel.objects().front()->bounds(), QRect(30, 30, 60, 30));
}

TEST_F(LabelPanelTest, AToolWithoutAMakerCreatesNothing) {
    panel.setPanelState(TLPanelState::psImage);
    drawBand({10, 10}, {110, 60});
    EXPECT_TRUE(panel.objects().empty());
    EXPECT_EQ(dropped.size(), 1u);
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace pc::design
