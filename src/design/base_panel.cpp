#include "design/base_panel.h"

#include <algorithm>
#include <climits>

#include "design/graphic_object.h"
#include "print/inches.h"

namespace pc::design {

TGBasePanel::TGBasePanel(LayoutKind kind) : kind_(kind), factory_(registryFactory(kind)) {
    handle_.gridX = handle_.gridY = 1;
}

TGGraphicControl& TGBasePanel::addObject(std::unique_ptr<TGGraphicControl> object) {
    adoptAtZoom(*object);
    TGGraphicControl& added = *object;
    objects_.push_back(std::move(object));
    requestRepaint(added.bounds());
    return added;
}

void TGBasePanel::adoptAtZoom(TGGraphicControl& object) {
    object.setHost(this);
    if (object.zoom() == zoom_) return;
    const QRect bounds = object.bounds();
    object.setZoom(zoom_);
    object.setBounds(bounds);
}

void TGBasePanel::destroyObject(TGGraphicControl* object) {
    const int i = indexOf(object);
    if (i < 0) return;
    if (handle_.contains(object)) deselectObject(object);
    requestRepaint(object->bounds());
    objects_.erase(objects_.begin() + i);
}

int TGBasePanel::indexOf(const TGGraphicControl* object) const {
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i].get() == object) return static_cast<int>(i);
    return -1;
}

TGGraphicControl* TGBasePanel::objectAt(QPoint point) const {
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it)
        if ((*it)->bounds().contains(point)) return it->get();
    return nullptr;
}

QString TGBasePanel::freeName(const QString& prefix, int first, int last) const {
    for (int n = first; n <= last; ++n) {
        const QString name = prefix + QString::number(n);
        const bool used = std::any_of(objects_.begin(), objects_.end(), [&](const auto& o) {
            return o->name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!used) return name;
    }
    return {};
}

void TGBasePanel::setSize(QSize size) {
    size_ = size;
    requestRepaint();
}

void TGBasePanel::setShape(TLabelShapeType shape) {
    shape_ = shape;
    requestRepaint();
}

void TGBasePanel::setGridSize(TGridSize size) {
    gridSize_ = size;
    setSnapToGrid(handle_.snapToGrid);
    requestRepaint();
}

void TGBasePanel::setShowGrid(bool on) {
    showGrid_ = on;
    requestRepaint();
}

void TGBasePanel::setSnapToGrid(bool on) {
    handle_.snapToGrid = on;
    const int step = !on ? 1 : gridSize_ == TGridSize::gs4x4 ? 4 : 8;
    handle_.gridX = handle_.gridY = step;
}

void TGBasePanel::setDrawOutline(bool on) {
    drawOutline_ = on;
    requestRepaint();
}

void TGBasePanel::setPicture(const QImage& picture) {
    picture_ = picture;
    requestRepaint();
}

void TGBasePanel::setColorPicture(const QImage& picture) {
    colorPicture_ = picture;
    requestRepaint();
}

void TGBasePanel::setZoom(float z) {
    const float current = zoom_ == 0.0f ? 1.0f : zoom_;
    if (z == current || z <= 0.0f) return;
    changingZoom_ = true;
    clearSelection();
    const float ratio = z / current;
    size_ = QSize(roundHalfEven(size_.width() * ratio), roundHalfEven(size_.height() * ratio));
    zoom_ = z;
    for (const auto& object : objects_) object->setZoom(z);
    changingZoom_ = false;
    requestRepaint();
}

bool TGBasePanel::selectObject(TGGraphicControl* object) {
    const QRect before = handle_.visible() ? handle_.bounds() : QRect();
    if (!handle_.add(object)) return false;
    repaintSelection(before);
    return true;
}

bool TGBasePanel::deselectObject(TGGraphicControl* object) {
    const QRect before = handle_.bounds();
    if (!handle_.remove(object)) return false;
    repaintSelection(before);
    return true;
}

void TGBasePanel::clearSelection() {
    if (handle_.empty()) return;
    const QRect before = handle_.bounds();
    handle_.clear();
    repaintSelection(before);
}

void TGBasePanel::repaintSelection(const QRect& before) {
    QRect area = before;
    if (handle_.visible()) area = area.united(handle_.bounds());
    if (!area.isEmpty()) requestRepaint(area);
}

void TGBasePanel::selectAll() {
    clearSelection();
    for (const auto& object : objects_) selectObject(object.get());
}

template <typename F>
void TGBasePanel::forSelection(F&& change) {
    if (handle_.empty()) return;
    QRect area = handle_.bounds();
    for (TGGraphicControl* object : handle_.selection()) change(*object);
    handle_.updateBounds();
    requestRepaint(area.united(handle_.bounds()));
    notifyChanged();
}

void TGBasePanel::bringToFront() {
    if (handle_.empty()) return;
    for (TGGraphicControl* object : handle_.selection()) {
        const int i = indexOf(object);
        auto owned = std::move(objects_[i]);
        objects_.erase(objects_.begin() + i);
        objects_.push_back(std::move(owned));
    }
    requestRepaint(handle_.bounds());
    notifyChanged();
}

void TGBasePanel::sendToBack() {
    if (handle_.empty()) return;
    for (TGGraphicControl* object : handle_.selection()) {
        const int i = indexOf(object);
        auto owned = std::move(objects_[i]);
        objects_.erase(objects_.begin() + i);
        objects_.insert(objects_.begin(), std::move(owned));
    }
    requestRepaint(handle_.bounds());
    clearSelection();
    notifyChanged();
}

void TGBasePanel::deleteSelection() {
    if (handle_.empty()) return;
    const std::vector<TGGraphicControl*> doomed = handle_.selection();
    for (TGGraphicControl* object : doomed) destroyObject(object);
    notifyChanged();
}

void TGBasePanel::alignLeft() {
    int left = INT_MAX;
    for (const TGGraphicControl* o : handle_.selection()) left = std::min(left, o->left());
    forSelection([&](TGGraphicControl& o) { o.setBounds(left, o.top(), o.width(), o.height()); });
}

void TGBasePanel::alignRight() {
    int right = INT_MIN;
    for (const TGGraphicControl* o : handle_.selection())
        right = std::max(right, o->left() + o->width());
    forSelection([&](TGGraphicControl& o) {
        o.setBounds(right - o.width(), o.top(), o.width(), o.height());
    });
}

void TGBasePanel::alignTops() {
    int top = INT_MAX;
    for (const TGGraphicControl* o : handle_.selection()) top = std::min(top, o->top());
    forSelection([&](TGGraphicControl& o) { o.setBounds(o.left(), top, o.width(), o.height()); });
}

void TGBasePanel::alignBottoms() {
    int bottom = INT_MIN;
    for (const TGGraphicControl* o : handle_.selection())
        bottom = std::max(bottom, o->top() + o->height());
    forSelection([&](TGGraphicControl& o) {
        o.setBounds(o.left(), bottom - o.height(), o.width(), o.height());
    });
}

void TGBasePanel::centerVertically() {
    forSelection([&](TGGraphicControl& o) {
        o.setBounds(o.left(), height() / 2 - o.height() / 2, o.width(), o.height());
    });
}

void TGBasePanel::centerHorizontally() {
    forSelection([&](TGGraphicControl& o) {
        o.setBounds(width() / 2 - o.width() / 2, o.top(), o.width(), o.height());
    });
}

void TGBasePanel::lockAll(bool locked) {
    if (objects_.empty()) return;
    for (const auto& object : objects_) object->setLocked(locked);
    notifyChanged();
}

void TGBasePanel::markAllUnselectable(bool unselectable) {
    if (objects_.empty()) return;
    // An unselectable object cannot stay selected.
    if (unselectable) clearSelection();
    for (const auto& object : objects_) object->setUnselectable(unselectable);
    notifyChanged();
}

void TGBasePanel::applyFontToSelection(const FontSpec& font) {
    forSelection([&](TGGraphicControl& o) { o.applyFont(font); });
}

void TGBasePanel::refreshAllData() {
    for (const auto& object : objects_) object->refreshData();
    requestRepaint();
}

void TGBasePanel::clampObjects() {
    clearSelection();
    for (const auto& o : objects_) {
        const int top = std::min(o->top(), height() - 10);
        const int left = std::min(o->left(), width() - 20);
        if (top != o->top() || left != o->left()) o->setBounds(left, top, o->width(), o->height());
    }
    requestRepaint();
}

void TGBasePanel::removeStrayObjects() {
    clearSelection();
    std::erase_if(objects_, [this](const auto& o) {
        return o->top() > height() - 10 || o->left() > width() - 10 || o->width() < 1 ||
               o->height() < 1;
    });
    requestRepaint();
}

void TGBasePanel::clearObjects() {
    clearSelection();
    objects_.clear();
    requestRepaint();
}

void TGBasePanel::resetCounters() {
    for (const auto& object : objects_) object->resetCounter();
}

void TGBasePanel::advanceCounters() {
    for (const auto& object : objects_) object->nextCounter();
}

void TGBasePanel::printObjects(print::PageCanvas& page, print::Inches top, print::Inches left) {
    for (const auto& object : objects_) object->printTo(page, top, left);
}

void TGBasePanel::notifyChanged() {
    if (!changingZoom_ && LabelChangedEvent) LabelChangedEvent();
}

void TGBasePanel::objectChanged(TGGraphicControl&) {
    notifyChanged();
}

void TGBasePanel::objectNeedsRepaint(TGGraphicControl& object) {
    requestRepaint(object.bounds());
}

void TGBasePanel::requestRepaint(const QRect& area) {
    if (RepaintRequested) RepaintRequested(area);
}

}  // namespace pc::design
