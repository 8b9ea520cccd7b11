#pragma once
// The class-specific items of an object's popup menu, added after the
// common items by whoever implements the class (each group begins with a
// separator). Keyed by the stream class name.
#include <QByteArray>
#include <functional>

class QMenu;

namespace pc::design {
class TGGraphicControl;
}

namespace pc::design::ui {

class SurfaceWidget;

using ObjectMenuItems = std::function<void(QMenu&, TGGraphicControl&, SurfaceWidget&)>;

// Replaces the items of a class.
void registerObjectMenuItems(const QByteArray& className, ObjectMenuItems items);
// The items of a class, or null when it adds none.
const ObjectMenuItems* objectMenuItems(const QByteArray& className);

}  // namespace pc::design::ui
