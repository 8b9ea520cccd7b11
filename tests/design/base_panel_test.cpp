// The surface model: selecting by click and band, commands on the
// selection, zoom, surface-wide operations, the clipboard, clones and
// layout files.
#include "design/base_panel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "design/data_panel.h"
#include "design/merge_source.h"
#include "surface_probe.h"
#include "text/program_paths.h"

namespace pc::design {
namespace {

using testing::probe;
using testing::TSurfaceProbe;

struct PanelTest : ::testing::Test {
    PanelTest() {
        text::setHome(home.path());
        panel = std::make_unique<TGBasePanel>();
        panel->setObjectFactory(testing::probeFactory());
        panel->setSize({400, 300});
        panel->LabelChangedEvent = [this] { ++changes; };
    }
    TSurfaceProbe& add(int left, int top, int width, int height) {
        return static_cast<TSurfaceProbe&>(panel->addObject(probe(left, top, width, height)));
    }
    void click(QPoint p, bool shift = false, Qt::MouseButton button = Qt::LeftButton) {
        panel->mousePress(p, button, shift, now);
        panel->mouseRelease(p, shift, now + 50);
        now += 1000;
    }
    void band(QPoint from, QPoint to, bool shift) {
        panel->mousePress(from, Qt::LeftButton, shift, now);
        panel->mouseMove(to, now + 100);
        panel->mouseRelease(to, shift, now + 200);
        now += 1000;
    }
    std::vector<TGGraphicControl*> zOrder() const {
        std::vector<TGGraphicControl*> out;
        for (const auto& o : panel->objects()) out.push_back(o.get());
        return out;
    }
    const std::vector<TGGraphicControl*>& selection() const { return panel->handle().selection(); }

    QTemporaryDir home;
    std::unique_ptr<TGBasePanel> panel;
    int changes = 0;
    qint64 now = 10'000;
};

TEST_F(PanelTest, ClicksSelectAndShiftClicksToggle) {
    auto& a = add(10, 10, 30, 30);
    auto& b = add(100, 10, 30, 30);
    auto& hidden = add(200, 10, 30, 30);
    hidden.setUnselectable(true);

    click({20, 20});
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&a}));
    click({110, 20}, true);
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&a, &b}));
    click({20, 20}, true);  // on the selection: removes
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&b}));
    click({210, 20});  // an unselectable object acts as the surface
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(changes, 0);
}

TEST_F(PanelTest, RightClicksAskForTheRightMenu) {
    auto& a = add(10, 10, 30, 30);
    add(100, 10, 30, 30);
    const PressResult onObject = panel->mousePress({20, 20}, Qt::RightButton, false, now);
    EXPECT_EQ(onObject.menu, PressResult::Menu::Object);
    EXPECT_EQ(onObject.object, &a);
    panel->selectAll();
    EXPECT_EQ(panel->mousePress({20, 20}, Qt::RightButton, false, now).menu,
              PressResult::Menu::Surface);
    EXPECT_EQ(panel->mousePress({300, 200}, Qt::RightButton, false, now).menu,
              PressResult::Menu::Surface);
    EXPECT_EQ(selection().size(), 2u);  // the menu acts on the selection
}

TEST_F(PanelTest, ShiftRubberBandTogglesTheObjectsInIt) {
    auto& a = add(10, 10, 30, 30);
    auto& b = add(60, 10, 30, 30);
    auto& far = add(300, 200, 30, 30);
    panel->selectObject(&a);
    band({5, 5}, {95, 45}, true);
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&b}));

    band({95, 45}, {5, 5}, false);  // drawn backwards: normalised
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&a, &b}));
    EXPECT_FALSE(panel->handle().contains(&far));
    EXPECT_FALSE(panel->banding());
}

TEST_F(PanelTest, PressAndDragMovesAnObjectInOneGesture) {
    auto& a = add(10, 10, 30, 30);
    panel->mousePress({20, 20}, Qt::LeftButton, false, now);
    EXPECT_TRUE(panel->mouseMove({30, 25}, now + 100).has_value());
    panel->mouseRelease({30, 25}, false, now + 200);
    EXPECT_EQ(a.bounds(), QRect(20, 15, 30, 30));
    EXPECT_EQ(changes, 1);
}

TEST_F(PanelTest, CommandsOnTheSelection) {
    auto& a = add(10, 10, 30, 20);
    auto& b = add(50, 40, 10, 40);
    auto& c = add(100, 100, 20, 20);
    panel->selectObject(&a);
    panel->selectObject(&b);
    panel->alignLeft();
    EXPECT_EQ(b.left(), 10);
    panel->alignRight();
    EXPECT_EQ(b.left(), 30);  // right edges at 40
    panel->alignBottoms();
    EXPECT_EQ(a.top(), 60);  // bottoms at 80
    panel->alignTops();
    EXPECT_EQ(a.top(), 40);
    panel->centerVertically();
    EXPECT_EQ(a.top(), 150 - 10);
    panel->centerHorizontally();
    EXPECT_EQ(b.left(), 200 - 5);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(c.bounds(), QRect(100, 100, 20, 20));

    panel->bringToFront();
    EXPECT_EQ(zOrder(), (std::vector<TGGraphicControl*>{&c, &a, &b}));
    panel->sendToBack();
    EXPECT_EQ(zOrder(), (std::vector<TGGraphicControl*>{&b, &a, &c}));
    EXPECT_TRUE(selection().empty());

    panel->lockAll(true);
    EXPECT_TRUE(a.locked() && b.locked() && c.locked());
    panel->markAllUnselectable(true);
    panel->selectAll();
    EXPECT_TRUE(selection().empty());
    panel->markAllUnselectable(false);
    c.setUnselectable(true);
    panel->selectAll();
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{&b, &a}));
    panel->deleteSelection();
    EXPECT_EQ(zOrder(), (std::vector<TGGraphicControl*>{&c}));
}

TEST_F(PanelTest, ZoomRoundsHalfToEvenAndIsNotAChange) {
    panel->setSize({101, 51});
    auto& a = add(5, 7, 7, 3);
    panel->selectObject(&a);
    panel->setZoom(1.5f);
    EXPECT_EQ(panel->size(), QSize(152, 76));    // 151.5 -> 152, 76.5 -> 76
    EXPECT_EQ(a.bounds(), QRect(8, 10, 10, 4));  // 7.5 -> 8, 10.5 -> 10, 10.5 -> 10, 4.5 -> 4
    EXPECT_TRUE(selection().empty());
    panel->setZoom(1.0f);
    EXPECT_EQ(panel->size(), QSize(101, 51));
    EXPECT_EQ(changes, 0);
    panel->setZoom(0.0f);  // nonsense is ignored
    EXPECT_EQ(panel->zoomFactor(), 1.0f);
}

TEST_F(PanelTest, ClampAndStrayRulesUseTheSurfaceSize) {
    auto& low = add(10, 295, 20, 20);
    auto& right = add(395, 10, 20, 20);
    auto& inside = add(10, 10, 20, 20);
    panel->selectObject(&inside);
    panel->clampObjects();
    EXPECT_EQ(low.top(), 290);
    EXPECT_EQ(right.left(), 380);
    EXPECT_EQ(inside.bounds(), QRect(10, 10, 20, 20));
    EXPECT_TRUE(selection().empty());

    add(10, 291, 5, 5);   // top beyond height - 10
    add(391, 10, 5, 5);   // left beyond width - 10
    add(50, 50, 0, 5);    // no width
    add(389, 289, 5, 5);  // just inside
    panel->removeStrayObjects();
    EXPECT_EQ(panel->objects().size(), 4u);
    panel->clearObjects();
    EXPECT_TRUE(panel->objects().empty());
}

TEST_F(PanelTest, CountersAndRefreshRunOnEveryObject) {
    auto& a = add(10, 10, 20, 20);
    auto& b = add(40, 10, 20, 20);
    panel->resetCounters();
    panel->advanceCounters();
    panel->advanceCounters();
    EXPECT_EQ(a.resets + b.resets, 2);
    EXPECT_EQ(a.advances + b.advances, 4);
    panel->selectAll();
    FontSpec font;
    font.name = QStringLiteral("Courier New");
    panel->applyFontToSelection(font);
    EXPECT_EQ(b.fontName, QStringLiteral("Courier New"));
}

TEST_F(PanelTest, PasteOffsetsRenamesAndIgnoresAQuickSecondPaste) {
    EXPECT_FALSE(panel->clipboardHasData());
    auto& a = add(10, 20, 30, 30);
    a.setName(QStringLiteral("Component0"));
    panel->selectObject(&a);
    ASSERT_TRUE(panel->copy());
    EXPECT_TRUE(panel->clipboardHasData());

    changes = 0;
    ASSERT_TRUE(panel->paste(5000));
    EXPECT_FALSE(panel->paste(5999));  // within a second: once only
    ASSERT_EQ(panel->objects().size(), 2u);
    const TGGraphicControl& pasted = *panel->objects().back();
    EXPECT_EQ(pasted.bounds(), QRect(25, 35, 30, 30));
    EXPECT_EQ(pasted.name(), QStringLiteral("Component1"));
    EXPECT_EQ(pasted.host(), panel.get());
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{panel->objects().back().get()}));
    EXPECT_EQ(changes, 1);

    EXPECT_TRUE(panel->paste(6000));
    EXPECT_EQ(panel->objects().size(), 3u);
}

TEST_F(PanelTest, CutCopiesInSelectionOrderThenDeletes) {
    auto& a = add(10, 10, 30, 30);
    auto& b = add(100, 10, 30, 30);
    panel->selectObject(&b);
    panel->selectObject(&a);
    ASSERT_TRUE(panel->cut());
    EXPECT_TRUE(panel->objects().empty());
    ASSERT_TRUE(panel->paste(now));
    ASSERT_EQ(panel->objects().size(), 2u);
    EXPECT_EQ(panel->objects()[0]->left(), 115);  // b first
    EXPECT_EQ(panel->objects()[1]->left(), 25);
}

TEST_F(PanelTest, ClipboardFilesGoWithTheSurface) {
    auto& a = add(10, 10, 30, 30);
    panel->selectObject(&a);
    ASSERT_TRUE(panel->copy());
    const QString clipboard = panel->clipboardPath();
    QFile scratch(panel->scratchPath());
    ASSERT_TRUE(scratch.open(QIODevice::WriteOnly));
    scratch.close();
    EXPECT_TRUE(clipboard.endsWith(QStringLiteral("/Clipbrd.tmp")));
    panel.reset();
    EXPECT_FALSE(QFile::exists(clipboard));
    EXPECT_FALSE(QFile::exists(scratch.fileName()));
}

TEST_F(PanelTest, AnUnreadableClipboardPastesNothing) {
    QFile file(panel->clipboardPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01TPF0\x05", 6);
    file.close();
    QString error;
    EXPECT_FALSE(panel->paste(now, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(panel->objects().empty());
}

TEST_F(PanelTest, CloneGoesDownOnTopAndAloneInTheSelection) {
    auto& a = add(10, 10, 30, 20);
    auto& b = add(100, 100, 30, 20);
    a.setName(QStringLiteral("Component0"));
    panel->selectObject(&a);
    panel->selectObject(&b);
    TGGraphicControl* copy = panel->clone(a);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->bounds(), QRect(10, 35, 30, 20));
    EXPECT_EQ(panel->objects().back().get(), copy);
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl*>{copy}));
    EXPECT_NE(copy->name(), a.name());
}

TEST_F(PanelTest, SavingStoresZoomOneWithoutMergedData) {
    auto& a = add(10, 20, 30, 40);
    a.setName(QStringLiteral("First"));
    const QString plain = home.filePath(QStringLiteral("plain.L"));
    const QString zoomed = home.filePath(QStringLiteral("zoomed.L"));
    ASSERT_TRUE(panel->saveLayout(plain));
    EXPECT_EQ(a.clears, 1);
    EXPECT_EQ(a.refreshes, 1);
    panel->setZoom(1.5f);
    panel->selectObject(&a);
    ASSERT_TRUE(panel->saveLayout(zoomed));
    EXPECT_EQ(panel->zoomFactor(), 1.0f);
    QFile p(plain), z(zoomed);
    ASSERT_TRUE(p.open(QIODevice::ReadOnly) && z.open(QIODevice::ReadOnly));
    EXPECT_EQ(p.readAll(), z.readAll());
}

TEST_F(PanelTest, LoadingRenamesAndScalesToTheSurface) {
    auto& a = add(10, 20, 30, 40);
    a.setName(QStringLiteral("Stored"));
    add(50, 20, 30, 40).setName(QStringLiteral("Component0"));
    const QString path = home.filePath(QStringLiteral("layout.L"));
    ASSERT_TRUE(panel->saveLayout(path));

    TGBasePanel other;
    other.setObjectFactory(testing::probeFactory());
    other.setSize({200, 150});
    other.setZoom(2.0f);
    ASSERT_TRUE(other.loadLayout(path));
    ASSERT_EQ(other.objects().size(), 2u);
    EXPECT_EQ(other.objects()[0]->name(), QStringLiteral("Component0"));
    EXPECT_EQ(other.objects()[1]->name(), QStringLiteral("Component1"));
    EXPECT_EQ(other.objects()[0]->bounds(), QRect(20, 40, 60, 80));
    EXPECT_EQ(other.objects()[0]->host(), &other);
    EXPECT_EQ(static_cast<TSurfaceProbe&>(*other.objects()[0]).refreshes, 1);

    EXPECT_TRUE(other.loadLayout(home.filePath(QStringLiteral("missing.L"))));
    QFile broken(home.filePath(QStringLiteral("broken.L")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("garbage");
    broken.close();
    QString error;
    EXPECT_FALSE(other.loadLayout(broken.fileName(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(other.objects().size(), 2u);
}

struct MapSource : MergeSource {
    std::vector<MergeField> fields() const override { return {}; }
    std::optional<QString> text(const QString&) const override { return std::nullopt; }
    std::optional<QString> memo(const QString&) const override { return std::nullopt; }
};

TEST(DataPanel, RefreshesOnlyWhenBound) {
    TGDataPanel panel;
    auto& object = static_cast<TSurfaceProbe&>(panel.addObject(probe(0, 0, 10, 10)));
    panel.refreshAllData();
    EXPECT_EQ(object.refreshes, 0);
    MapSource source;
    panel.setMergeSource(&source);
    EXPECT_EQ(object.refreshes, 1);
    EXPECT_EQ(object.host()->mergeSource(), &source);
    panel.setDisplayDataValues(false);
    EXPECT_FALSE(object.host()->displayDataValues());
    EXPECT_EQ(object.refreshes, 2);
}

}  // namespace
}  // namespace pc::design
