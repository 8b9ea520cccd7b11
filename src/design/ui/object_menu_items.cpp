#include "design/ui/object_menu_items.h"

#include <map>

namespace pc::design::ui {
namespace {

std::map<QByteArray, ObjectMenuItems>& registry() {
    static std::map<QByteArray, ObjectMenuItems> items;
    return items;
}

}  // namespace

void registerObjectMenuItems(const QByteArray& className, ObjectMenuItems items) {
    registry()[className] = std::move(items);
}

const ObjectMenuItems* objectMenuItems(const QByteArray& className) {
    const auto it = registry().find(className);
    return it == registry().end() ? nullptr : &it->second;
}

}  // namespace pc::design::ui
