// The surface widget: menu texts, order and enabling, the class-item hook,
// a mouse drag that repaints no object while it moves, and keys.
#include "design/ui/surface_widget.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "design/base_panel.h"
#include "design/ui/object_menu_items.h"
#include "surface_probe.h"
#include "text/program_paths.h"

namespace pc::design::ui {
namespace {

using testing::probe;
using testing::TSurfaceProbe;

QStringList texts(const QMenu& menu) {
    QStringList out;
    for (const QAction* a : menu.actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QStringList enabled(const QMenu& menu) {
    QStringList out;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator() && a->isEnabled()) out << a->text();
    return out;
}

struct SurfaceWidgetTest : ::testing::Test {
    SurfaceWidgetTest() {
        text::setHome(home.path());
        panel.setObjectFactory(testing::probeFactory());
        panel.setSize({384, 576});
        panel.LabelChangedEvent = [this] { ++changes; };
    }
    TSurfaceProbe& add(int left, int top, int width, int height) {
        return static_cast<TSurfaceProbe&>(panel.addObject(probe(left, top, width, height)));
    }
    void show(SurfaceWidget& widget) {
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        widget.repaint();
    }

    QTemporaryDir home;
    TGBasePanel panel;
    int changes = 0;
};

TEST_F(SurfaceWidgetTest, SurfaceMenuItemsAndEnabling) {
    SurfaceWidget widget(panel);
    auto menu = widget.buildSurfaceMenu();
    EXPECT_EQ(texts(*menu).join(u'|'),
              QStringLiteral("Bring To Front|Send To Back|-|Cut|Copy|Paste|-|Delete|-|Align Left|"
                             "Align Right|Align Tops|Align Bottoms|-|Center Vertically|"
                             "Center Horizontally|-|Lock All|Unlock All|-|Mark All Selectable|"
                             "Mark All Unselectable|Select All|-|Font"));
    // Empty surface, empty clipboard.
    EXPECT_EQ(enabled(*menu).join(u'|'),
              QStringLiteral("Mark All Selectable|Mark All Unselectable|Select All"));

    auto& a = add(10, 10, 20, 20);
    EXPECT_TRUE(enabled(*widget.buildSurfaceMenu()).contains(QStringLiteral("Lock All")));
    EXPECT_FALSE(enabled(*widget.buildSurfaceMenu()).contains(QStringLiteral("Align Left")));
    panel.selectObject(&a);
    widget.copySelection();
    const QStringList withSelection = enabled(*widget.buildSurfaceMenu());
    EXPECT_EQ(withSelection.size(), 18);  // everything
    EXPECT_TRUE(withSelection.contains(QStringLiteral("Paste")));
}

TEST_F(SurfaceWidgetTest, ObjectMenuCommonItemsThenClassItems) {
    auto& a = add(10, 10, 20, 20);
    a.setLocked(true);
    panel.selectObject(&a);
    registerObjectMenuItems("TSurfaceProbe", [](QMenu& menu, TGGraphicControl&, SurfaceWidget&) {
        menu.addSeparator();
        menu.addAction(QStringLiteral("Probe Settings"));
    });
    SurfaceWidget widget(panel);
    auto menu = widget.buildObjectMenu(a);
    EXPECT_EQ(texts(*menu).join(u'|'),
              QStringLiteral("Bring To Front|Send To Back|Cut|Copy|Delete|Clone|-|Locked|"
                             "Unselectable|-|Center Vertically|Center Horizontally|-|"
                             "Probe Settings"));
    QAction* locked = menu->actions().at(7);
    EXPECT_TRUE(locked->isCheckable() && locked->isChecked());
    locked->trigger();
    EXPECT_FALSE(a.locked());
    menu->actions().at(8)->trigger();  // Unselectable
    EXPECT_TRUE(a.unselectable());
    EXPECT_TRUE(panel.handle().empty());
    registerObjectMenuItems("TSurfaceProbe", nullptr);
}

TEST_F(SurfaceWidgetTest, ADragRepaintsNoObjectWhileTheMouseMoves) {
    auto& a = add(50, 50, 40, 20);
    auto& b = add(200, 300, 40, 20);
    SurfaceWidget widget(panel);
    show(widget);
    EXPECT_GT(a.paints, 0);

    QTest::mousePress(&widget, Qt::LeftButton, {}, {60, 60});
    QCoreApplication::processEvents();
    widget.resetPaintStats();
    const int paintsBefore = a.paints + b.paints;
    for (int step = 1; step <= 5; ++step) {
        QTest::mouseMove(&widget, QPoint(60 + 4 * step, 60 + 2 * step), 30);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(a.paints + b.paints, paintsBefore);
    EXPECT_EQ(widget.paintStats().objectsPainted, 0);
    // Only the band's frame is painted, not the surface.
    EXPECT_LT(widget.paintStats().pixelsPainted, 5 * 4 * (45 + 25) * 2);

    QTest::mouseRelease(&widget, Qt::LeftButton, {}, {80, 70}, 200);
    EXPECT_EQ(a.bounds(), QRect(70, 60, 40, 20));
    EXPECT_EQ(b.bounds(), QRect(200, 300, 40, 20));
    EXPECT_EQ(changes, 1);
    QCoreApplication::processEvents();
    EXPECT_GT(widget.paintStats().objectsPainted, 0);  // the moved object redraws
}

TEST_F(SurfaceWidgetTest, KeysCopyPasteDeleteAndNudge) {
    auto& a = add(50, 50, 40, 20);
    panel.selectObject(&a);
    SurfaceWidget widget(panel);
    qint64 now = 100'000;
    widget.clock = [&now] { return now; };
    show(widget);

    QTest::keyClick(&widget, Qt::Key_Right);
    QTest::keyClick(&widget, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(a.bounds(), QRect(51, 50, 40, 21));
    QTest::keyClick(&widget, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&widget, Qt::Key_V, Qt::ControlModifier);
    now += 10;
    QTest::keyClick(&widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.objects().size(), 2u);
    QTest::keyClick(&widget, Qt::Key_Delete);
    EXPECT_EQ(panel.objects().size(), 1u);
}

}  // namespace
}  // namespace pc::design::ui
