#include "design/selection_handle.h"

#include <Qt>
#include <algorithm>
#include <cstdlib>

#include "design/graphic_object.h"

namespace pc::design {
namespace {

constexpr int kCornerReach = 8;  // pixels from a corner that take it
constexpr int kMiddleReach = 6;  // pixels from an edge's middle along it

// Truncates toward zero, as the snap steps of the design do.
int snap(int v, int step) {
    return step > 1 ? (v / step) * step : v;
}

bool near(int v, int edge, int reach) {
    return std::abs(v - edge) < reach;
}

}  // namespace

QRect growToHandle(const QRect& box) {
    return box.adjusted(-TGHandle::kGrowLeftTop, -TGHandle::kGrowLeftTop,
                        TGHandle::kGrowRightBottom, TGHandle::kGrowRightBottom);
}

QRect shrinkFromHandle(const QRect& handle) {
    return handle.adjusted(TGHandle::kGrowLeftTop, TGHandle::kGrowLeftTop,
                           -TGHandle::kGrowRightBottom, -TGHandle::kGrowRightBottom);
}

bool TGHandle::contains(const TGGraphicControl* object) const {
    return std::find(selection_.begin(), selection_.end(), object) != selection_.end();
}

bool TGHandle::add(TGGraphicControl* object) {
    if (!object || object->unselectable() || contains(object)) return false;
    selection_.push_back(object);
    updateBounds();
    return true;
}

bool TGHandle::remove(const TGGraphicControl* object) {
    const auto it = std::find(selection_.begin(), selection_.end(), object);
    if (it == selection_.end()) return false;
    selection_.erase(it);
    updateBounds();
    return true;
}

void TGHandle::clear() {
    selection_.clear();
    cancelDrag();
    nudging_ = false;
    updateBounds();
}

void TGHandle::updateBounds() {
    if (selection_.empty()) {
        bounds_ = QRect(bounds_.topLeft(), QSize(24, 24));
        return;
    }
    QRect box = selection_.front()->bounds();
    for (const TGGraphicControl* object : selection_) box = box.united(object->bounds());
    bounds_ = growToHandle(box);
}

ResizeZone TGHandle::zoneAt(QPoint surfacePoint) const {
    if (count() != 1 || dragging_ || !bounds_.contains(surfacePoint)) return ResizeZone::Move;
    const int x = surfacePoint.x() - bounds_.left();
    const int y = surfacePoint.y() - bounds_.top();
    const int w = bounds_.width(), h = bounds_.height();
    ResizeZone zone = ResizeZone::Move;
    // Later tests win: corners first, then the edge middles.
    if (near(x, 0, kCornerReach) && near(y, 0, kCornerReach)) zone = ResizeZone::TopLeft;
    if (near(x, w, kCornerReach) && near(y, 0, kCornerReach)) zone = ResizeZone::TopRight;
    if (near(x, 0, kCornerReach) && near(y, h, kCornerReach)) zone = ResizeZone::BottomLeft;
    if (near(x, w, kCornerReach) && near(y, h, kCornerReach)) zone = ResizeZone::BottomRight;
    if (near(x, w / 2, kMiddleReach) && near(y, 0, kCornerReach)) zone = ResizeZone::Top;
    if (near(x, w / 2, kMiddleReach) && near(y, h, kCornerReach)) zone = ResizeZone::Bottom;
    if (near(y, h / 2, kMiddleReach) && near(x, 0, kCornerReach)) zone = ResizeZone::Left;
    if (near(y, h / 2, kMiddleReach) && near(x, w, kCornerReach)) zone = ResizeZone::Right;
    return zone;
}

bool TGHandle::beginDrag(QPoint surfacePoint, qint64 timeMs) {
    if (locked || selection_.empty()) return false;
    zone_ = zoneAt(surfacePoint);
    origin_ = surfacePoint;
    pressedAt_ = timeMs;
    pressed_ = true;
    dragging_ = false;
    return true;
}

QRect TGHandle::draggedBounds(QPoint offset, ResizeZone zone, QSize surface) const {
    const int left = bounds_.left(), top = bounds_.top();
    const int width = bounds_.width(), height = bounds_.height();
    // The handle stays on the surface; the left and top edges win.
    int dx = std::min(offset.x(), surface.width() - (left + width));
    int dy = std::min(offset.y(), surface.height() - (top + height));
    dx = std::max(dx, -left);
    dy = std::max(dy, -top);
    const int gx = snapToGrid ? gridX : 1;
    const int gy = snapToGrid ? gridY : 1;

    int l = left, t = top, w = width, h = height;
    const auto moveLeft = [&] {
        l = snap(left + dx, gx);
        w = width + left - l;
    };
    const auto moveTop = [&] {
        t = snap(top + dy, gy);
        h = height + top - t;
    };
    const auto moveRight = [&] { w = snap(width + dx, gx) - 1; };
    const auto moveBottom = [&] { h = snap(height + dy, gy) - 1; };
    switch (zone) {
        case ResizeZone::Move:
            l = snap(left + dx, gx);
            t = snap(top + dy, gy);
            break;
        case ResizeZone::TopLeft:
            moveLeft();
            moveTop();
            break;
        case ResizeZone::TopRight:
            moveTop();
            moveRight();
            break;
        case ResizeZone::BottomLeft:
            moveLeft();
            moveBottom();
            break;
        case ResizeZone::BottomRight:
            moveRight();
            moveBottom();
            break;
        case ResizeZone::Top:
            moveTop();
            break;
        case ResizeZone::Left:
            moveLeft();
            break;
        case ResizeZone::Bottom:
            moveBottom();
            break;
        case ResizeZone::Right:
            moveRight();
            break;
    }
    return QRect(l, t, std::max(w, kMinimumSize), std::max(h, kMinimumSize));
}

std::optional<QRect> TGHandle::dragTo(QPoint surfacePoint, qint64 timeMs, QSize surface) {
    if (!pressed_) return std::nullopt;
    if (!dragging_ && timeMs - pressedAt_ > kDragStartMs) dragging_ = true;
    if (!dragging_) return std::nullopt;
    return draggedBounds(surfacePoint - origin_, zone_, surface);
}

bool TGHandle::endDrag(QPoint surfacePoint, qint64 timeMs, QSize surface) {
    if (!pressed_) return false;
    const bool click = timeMs - pressedAt_ < kClickMs;
    const QPoint offset = surfacePoint - origin_;
    const ResizeZone zone = zone_;
    cancelDrag();
    if (click || offset.isNull()) return false;
    return applyHandleBounds(draggedBounds(offset, zone, surface));
}

void TGHandle::cancelDrag() {
    pressed_ = false;
    dragging_ = false;
    zone_ = ResizeZone::Move;
}

bool TGHandle::applyHandleBounds(const QRect& newBounds) {
    const int dl = newBounds.left() - bounds_.left();
    const int dt = newBounds.top() - bounds_.top();
    const int dw = newBounds.width() - bounds_.width();
    const int dh = newBounds.height() - bounds_.height();
    if (dl == 0 && dt == 0 && dw == 0 && dh == 0) return false;
    bool changed = false;
    for (TGGraphicControl* object : selection_) {
        if (object->locked()) continue;
        object->setBounds(object->left() + dl, object->top() + dt, object->width() + dw,
                          object->height() + dh);
        changed = true;
    }
    updateBounds();
    return changed;
}

void TGHandle::nudge(int key, bool resize, QSize surface) {
    if (selection_.empty()) return;
    if (!nudging_) {
        nudgeBand_ = shrinkFromHandle(bounds_);
        nudging_ = true;
    }
    QRect& b = nudgeBand_;
    if (resize && count() == 1) {
        switch (key) {
            case Qt::Key_Left:
                if (b.width() > kKeyboardMinimum) b.setWidth(b.width() - 1);
                break;
            case Qt::Key_Right:
                if (b.left() + b.width() < surface.width()) b.setWidth(b.width() + 1);
                break;
            case Qt::Key_Up:
                if (b.height() > kKeyboardMinimum) b.setHeight(b.height() - 1);
                break;
            case Qt::Key_Down:
                if (b.top() + b.height() < surface.height()) b.setHeight(b.height() + 1);
                break;
            default:
                break;
        }
        return;
    }
    switch (key) {
        case Qt::Key_Left:
            if (b.left() > 0) b.translate(-1, 0);
            break;
        case Qt::Key_Right:
            if (b.left() + b.width() < surface.width()) b.translate(1, 0);
            break;
        case Qt::Key_Up:
            if (b.top() > 0) b.translate(0, -1);
            break;
        case Qt::Key_Down:
            if (b.top() + b.height() < surface.height()) b.translate(0, 1);
            break;
        default:
            break;
    }
}

bool TGHandle::endNudge() {
    if (!nudging_) return false;
    nudging_ = false;
    return applyHandleBounds(growToHandle(nudgeBand_));
}

std::vector<QRect> TGHandle::marks() const {
    std::vector<QRect> out;
    const bool single = count() == 1;
    for (const TGGraphicControl* object : selection_) {
        const QRect r = object->bounds().adjusted(-2, -2, 2, 2);
        const int x0 = r.left(), y0 = r.top();
        const int x1 = r.left() + r.width() - 5, y1 = r.top() + r.height() - 5;
        const auto mark = [&out](int x, int y) { out.emplace_back(x, y, 5, 5); };
        mark(x0, y0);
        mark(x1, y0);
        mark(x0, y1);
        mark(x1, y1);
        if (single) {
            const int mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
            mark(mx, y0);
            mark(mx, y1);
            mark(x0, my);
            mark(x1, my);
        }
    }
    return out;
}

}  // namespace pc::design
