// The selection handle: drags with snapping and clamping, resize zones,
// the click rule, locked objects, keyboard nudges and the marks.
#include "design/selection_handle.h"

#include <gtest/gtest.h>

#include "surface_probe.h"

namespace pc::design {
namespace {

using testing::probe;
using testing::TSurfaceProbe;

const QSize kSurface(400, 300);

struct HandleTest : ::testing::Test {
    // Drags from `from` by `offset`, released well after the click time.
    bool drag(QPoint from, QPoint offset) {
        EXPECT_TRUE(handle.beginDrag(from, 1000));
        EXPECT_TRUE(handle.dragTo(from + offset, 1100, kSurface).has_value());
        return handle.endDrag(from + offset, 1200, kSurface);
    }
    TGHandle handle;
};

TEST_F(HandleTest, SnappingTruncatesTheHandleNotTheObject) {
    auto object = probe(13, 21, 30, 10);
    handle.snapToGrid = true;
    handle.gridX = handle.gridY = 8;
    handle.add(object.get());
    EXPECT_EQ(handle.bounds(), QRect(11, 19, 35, 15));
    EXPECT_TRUE(drag({20, 25}, {6, 0}));
    // Handle 11 + 6 = 17 snaps to 16, so the object moves by 5.
    EXPECT_EQ(object->left(), 18);
    // The top snaps too: 19 -> 16.
    EXPECT_EQ(object->top(), 18);
    EXPECT_EQ(handle.bounds().left(), 16);
}

TEST_F(HandleTest, SnappingTruncatesTowardZeroAtTheEdge) {
    auto object = probe(4, 30, 30, 10);  // handle left 2
    handle.snapToGrid = true;
    handle.gridX = handle.gridY = 8;
    handle.add(object.get());
    EXPECT_EQ(handle.draggedBounds({-1, 0}, ResizeZone::Move, kSurface).left(), 0);
    EXPECT_EQ(handle.draggedBounds({13, 0}, ResizeZone::Move, kSurface).left(), 8);
}

TEST_F(HandleTest, AQuickReleaseIsAClickAndMovesNothing) {
    auto object = probe(50, 50, 20, 20);
    handle.add(object.get());
    ASSERT_TRUE(handle.beginDrag({60, 60}, 1000));
    // Within 10 ms of the press a move does not start the drag yet.
    EXPECT_FALSE(handle.dragTo({70, 70}, 1005, kSurface).has_value());
    EXPECT_TRUE(handle.dragTo({70, 70}, 1020, kSurface).has_value());
    EXPECT_FALSE(handle.endDrag({70, 70}, 1149, kSurface));
    EXPECT_EQ(object->bounds(), QRect(50, 50, 20, 20));

    ASSERT_TRUE(handle.beginDrag({60, 60}, 2000));
    EXPECT_TRUE(handle.endDrag({70, 70}, 2150, kSurface));
    EXPECT_EQ(object->bounds(), QRect(60, 60, 20, 20));
}

TEST_F(HandleTest, LockedObjectsStayWhileTheOthersMove) {
    auto moving = probe(10, 10, 20, 20);
    auto locked = probe(100, 10, 20, 20);
    locked->setLocked(true);
    handle.add(moving.get());
    handle.add(locked.get());
    EXPECT_TRUE(drag({15, 15}, {5, 7}));
    EXPECT_EQ(moving->bounds(), QRect(15, 17, 20, 20));
    EXPECT_EQ(locked->bounds(), QRect(100, 10, 20, 20));

    handle.locked = true;
    EXPECT_FALSE(handle.beginDrag({15, 15}, 5000));
}

TEST_F(HandleTest, DragsStayOnTheSurface) {
    auto object = probe(10, 10, 20, 20);  // handle (8, 8, 25, 25)
    handle.add(object.get());
    EXPECT_EQ(handle.draggedBounds({-50, -50}, ResizeZone::Move, kSurface).topLeft(), QPoint(0, 0));
    const QRect far = handle.draggedBounds({1000, 1000}, ResizeZone::Move, kSurface);
    EXPECT_EQ(far.left() + far.width(), kSurface.width());
    EXPECT_EQ(far.top() + far.height(), kSurface.height());
    EXPECT_TRUE(drag({15, 15}, {-50, 0}));
    EXPECT_EQ(object->left(), 2);
}

TEST_F(HandleTest, ResizeZonesFollowTheHitRules) {
    auto object = probe(10, 10, 100, 50);  // handle (8, 8, 105, 55)
    handle.add(object.get());
    const QPoint h = handle.bounds().topLeft();
    EXPECT_EQ(handle.zoneAt(h + QPoint(1, 1)), ResizeZone::TopLeft);
    EXPECT_EQ(handle.zoneAt(h + QPoint(104, 1)), ResizeZone::TopRight);
    EXPECT_EQ(handle.zoneAt(h + QPoint(1, 54)), ResizeZone::BottomLeft);
    EXPECT_EQ(handle.zoneAt(h + QPoint(104, 54)), ResizeZone::BottomRight);
    EXPECT_EQ(handle.zoneAt(h + QPoint(52, 1)), ResizeZone::Top);
    EXPECT_EQ(handle.zoneAt(h + QPoint(52, 54)), ResizeZone::Bottom);
    EXPECT_EQ(handle.zoneAt(h + QPoint(1, 27)), ResizeZone::Left);
    EXPECT_EQ(handle.zoneAt(h + QPoint(104, 27)), ResizeZone::Right);
    EXPECT_EQ(handle.zoneAt(h + QPoint(52, 27)), ResizeZone::Move);
    EXPECT_EQ(handle.zoneAt(h + QPoint(20, 1)), ResizeZone::Move);  // along the top edge

    // On a tiny handle the middles, tested last, win over the corners.
    TGHandle small;
    auto tiny = probe(50, 50, 4, 4);  // handle 9 x 9
    small.add(tiny.get());
    EXPECT_EQ(small.zoneAt(small.bounds().topLeft() + QPoint(1, 1)), ResizeZone::Left);

    // Several selected: always a move.
    auto other = probe(200, 200, 10, 10);
    handle.add(other.get());
    EXPECT_EQ(handle.zoneAt(h + QPoint(1, 1)), ResizeZone::Move);
}

TEST_F(HandleTest, ResizingFollowsTheTableAndTheMinimum) {
    auto object = probe(10, 10, 100, 50);  // handle (8, 8, 105, 55)
    handle.add(object.get());
    // Right and bottom edges lose a pixel to the table's "- 1".
    EXPECT_EQ(handle.draggedBounds({10, 5}, ResizeZone::BottomRight, kSurface),
              QRect(8, 8, 114, 59));
    EXPECT_EQ(handle.draggedBounds({5, 5}, ResizeZone::TopLeft, kSurface), QRect(13, 13, 100, 50));
    EXPECT_EQ(handle.draggedBounds({5, 5}, ResizeZone::Top, kSurface), QRect(8, 13, 105, 50));
    EXPECT_EQ(handle.draggedBounds({5, 5}, ResizeZone::Left, kSurface), QRect(13, 8, 100, 55));

    auto wide = probe(250, 100, 100, 50);  // handle left 248
    TGHandle other;
    other.add(wide.get());
    const QRect shrunk = other.draggedBounds({-150, 0}, ResizeZone::Right, kSurface);
    EXPECT_EQ(shrunk.width(), TGHandle::kMinimumSize);

    const QPoint corner = handle.bounds().topLeft() + QPoint(104, 54);
    EXPECT_TRUE(drag(corner, {10, 5}));
    EXPECT_EQ(object->bounds(), QRect(10, 10, 109, 54));
}

TEST_F(HandleTest, NudgesMoveByOnePixelWithinTheSurface) {
    auto object = probe(0, 5, 20, 20);
    handle.add(object.get());
    handle.nudge(Qt::Key_Left, false, kSurface);  // already at 0
    handle.nudge(Qt::Key_Down, false, kSurface);
    handle.nudge(Qt::Key_Right, false, kSurface);
    handle.nudge(Qt::Key_Right, false, kSurface);
    EXPECT_EQ(handle.nudgeBand(), QRect(2, 6, 20, 20));
    EXPECT_EQ(object->bounds(), QRect(0, 5, 20, 20));  // nothing moves before release
    EXPECT_TRUE(handle.endNudge());
    EXPECT_EQ(object->bounds(), QRect(2, 6, 20, 20));

    auto edge = probe(380, 280, 20, 20);
    TGHandle atEdge;
    atEdge.add(edge.get());
    atEdge.nudge(Qt::Key_Right, false, kSurface);
    atEdge.nudge(Qt::Key_Down, false, kSurface);
    EXPECT_FALSE(atEdge.endNudge());
}

TEST_F(HandleTest, ShiftNudgesSizeASingleObjectDownToTenPixels) {
    auto object = probe(50, 50, 12, 30);
    handle.add(object.get());
    for (int i = 0; i < 5; ++i) handle.nudge(Qt::Key_Left, true, kSurface);
    handle.nudge(Qt::Key_Down, true, kSurface);
    EXPECT_TRUE(handle.endNudge());
    EXPECT_EQ(object->bounds(), QRect(50, 50, 10, 31));

    // With two selected, Shift moves instead.
    auto second = probe(100, 100, 12, 12);
    handle.add(second.get());
    handle.nudge(Qt::Key_Left, true, kSurface);
    EXPECT_TRUE(handle.endNudge());
    EXPECT_EQ(object->bounds(), QRect(49, 50, 10, 31));
    EXPECT_EQ(second->bounds(), QRect(99, 100, 12, 12));
}

TEST_F(HandleTest, SelectionKeepsOrderAndRefusesUnselectable) {
    auto a = probe(0, 0, 10, 10), b = probe(20, 20, 10, 10), c = probe(40, 40, 10, 10);
    c->setUnselectable(true);
    EXPECT_TRUE(handle.add(b.get()));
    EXPECT_TRUE(handle.add(a.get()));
    EXPECT_FALSE(handle.add(a.get()));
    EXPECT_FALSE(handle.add(c.get()));
    EXPECT_EQ(handle.selection(), (std::vector<TGGraphicControl*>{b.get(), a.get()}));
    EXPECT_EQ(handle.bounds(), QRect(-2, -2, 35, 35));
    EXPECT_EQ(handle.marks().size(), 8u);  // corners only when several
    EXPECT_EQ(handle.marksColor(), handle.secondaryColor);
    handle.remove(b.get());
    EXPECT_EQ(handle.marks().size(), 8u);  // corners and middles of one
    EXPECT_EQ(handle.marks().front(), QRect(-2, -2, 5, 5));
    EXPECT_EQ(handle.marksColor(), handle.color);
    handle.clear();
    EXPECT_FALSE(handle.visible());
    EXPECT_EQ(handle.bounds().size(), QSize(24, 24));
}

}  // namespace
}  // namespace pc::design
