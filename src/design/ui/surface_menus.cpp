// The surface's popup menu and the common part of an object's popup menu,
// with their enabling rules.
#include <QMenu>

#include "design/base_panel.h"
#include "design/graphic_object.h"
#include "design/ui/object_menu_items.h"
#include "design/ui/surface_widget.h"

namespace pc::design::ui {
namespace {

template <typename F>
QAction* item(QMenu& menu, const char* text, bool enabled, F&& run) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &menu, std::forward<F>(run));
    return action;
}

}  // namespace

std::unique_ptr<QMenu> SurfaceWidget::buildSurfaceMenu() {
    auto menu = std::make_unique<QMenu>(this);
    TGBasePanel& p = panel_;
    const bool selected = !p.handle().empty();
    const bool objects = !p.objects().empty();
    item(*menu, "Bring To Front", selected, [&p] { p.bringToFront(); });
    item(*menu, "Send To Back", selected, [&p] { p.sendToBack(); });
    menu->addSeparator();
    item(*menu, "Cut", selected, [this] { cutSelection(); });
    item(*menu, "Copy", selected, [this] { copySelection(); });
    item(*menu, "Paste", p.clipboardHasData(), [this] { pasteClipboard(); });
    menu->addSeparator();
    item(*menu, "Delete", selected, [&p] { p.deleteSelection(); });
    menu->addSeparator();
    item(*menu, "Align Left", selected, [&p] { p.alignLeft(); });
    item(*menu, "Align Right", selected, [&p] { p.alignRight(); });
    item(*menu, "Align Tops", selected, [&p] { p.alignTops(); });
    item(*menu, "Align Bottoms", selected, [&p] { p.alignBottoms(); });
    menu->addSeparator();
    item(*menu, "Center Vertically", selected, [&p] { p.centerVertically(); });
    item(*menu, "Center Horizontally", selected, [&p] { p.centerHorizontally(); });
    menu->addSeparator();
    item(*menu, "Lock All", objects, [&p] { p.lockAll(true); });
    item(*menu, "Unlock All", objects, [&p] { p.lockAll(false); });
    menu->addSeparator();
    item(*menu, "Mark All Selectable", true, [&p] { p.markAllUnselectable(false); });
    item(*menu, "Mark All Unselectable", true, [&p] { p.markAllUnselectable(true); });
    item(*menu, "Select All", true, [&p] { p.selectAll(); });
    menu->addSeparator();
    item(*menu, "Font", selected, [this, &p] {
        if (const auto font = chooseFont(p.font())) p.applyFontToSelection(*font);
    });
    return menu;
}

std::unique_ptr<QMenu> SurfaceWidget::buildObjectMenu(TGGraphicControl& object) {
    auto menu = std::make_unique<QMenu>(this);
    TGBasePanel& p = panel_;
    TGGraphicControl* o = &object;
    // Commands act on the selection when the object is in it, else on the
    // object alone.
    const auto target = [&p, o] {
        if (p.handle().contains(o)) return;
        p.clearSelection();
        p.selectObject(o);
    };
    item(*menu, "Bring To Front", true, [&p, target] {
        target();
        p.bringToFront();
    });
    item(*menu, "Send To Back", true, [&p, target] {
        target();
        p.sendToBack();
    });
    item(*menu, "Cut", true, [this, target] {
        target();
        cutSelection();
    });
    item(*menu, "Copy", true, [this, target] {
        target();
        copySelection();
    });
    item(*menu, "Delete", true, [&p, target] {
        target();
        p.deleteSelection();
    });
    item(*menu, "Clone", true, [&p, o] { p.clone(*o); });
    menu->addSeparator();
    QAction* locked = item(*menu, "Locked", true, [&p, o] {
        o->setLocked(!o->locked());
        p.notifyChanged();
    });
    locked->setCheckable(true);
    locked->setChecked(object.locked());
    item(*menu, "Unselectable", true, [&p, o] {
        o->setUnselectable(true);
        p.deselectObject(o);
        p.notifyChanged();
    });
    menu->addSeparator();
    item(*menu, "Center Vertically", true, [&p, target] {
        target();
        p.centerVertically();
    });
    item(*menu, "Center Horizontally", true, [&p, target] {
        target();
        p.centerHorizontally();
    });
    if (const ObjectMenuItems* extra = objectMenuItems(object.className()))
        (*extra)(*menu, object, *this);
    return menu;
}

}  // namespace pc::design::ui
