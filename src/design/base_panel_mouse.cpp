// The surface's mouse and keyboard gestures: selecting by click, dragging
// the selection, the rubber band and keyboard nudges.
#include <algorithm>

#include "design/base_panel.h"
#include "design/graphic_object.h"

namespace pc::design {

PressResult TGBasePanel::mousePress(QPoint p, Qt::MouseButton button, bool shift, qint64 timeMs) {
    PressResult result;
    if (pointing_ && handle_.visible() && handle_.bounds().contains(p)) {
        std::vector<TGGraphicControl*> selectedHere;
        for (TGGraphicControl* o : handle_.selection())
            if (o->bounds().contains(p)) selectedHere.push_back(o);
        const bool onZone = handle_.zoneAt(p) != ResizeZone::Move;
        if (shift && button == Qt::LeftButton && !selectedHere.empty()) {
            for (TGGraphicControl* o : selectedHere) deselectObject(o);
            return result;
        }
        if (!selectedHere.empty() || onZone) {
            if (button == Qt::RightButton) {
                if (handle_.count() == 1) {
                    result.menu = PressResult::Menu::Object;
                    result.object = handle_.selection().front();
                } else {
                    result.menu = PressResult::Menu::Surface;
                }
            } else if (button == Qt::LeftButton && !shift) {
                handle_.beginDrag(p, timeMs);
            }
            return result;
        }
        // Elsewhere on the handle: the object or surface underneath takes it.
    }
    if (pointing_) {
        TGGraphicControl* hit = objectAt(p);
        if (hit && !hit->unselectable()) {
            if (!shift) clearSelection();
            selectObject(hit);
            if (button == Qt::RightButton && handle_.count() == 1) {
                result.menu = PressResult::Menu::Object;
                result.object = hit;
            } else if (button == Qt::LeftButton) {
                handle_.beginDrag(p, timeMs);
            }
            return result;
        }
    }
    if (button == Qt::RightButton) {
        result.menu = PressResult::Menu::Surface;
    } else if (button == Qt::LeftButton) {
        if (pointing_ && !shift) clearSelection();
        banding_ = true;
        bandOrigin_ = p;
        band_ = QRect(p, QSize(0, 0));
    }
    return result;
}

std::optional<QRect> TGBasePanel::mouseMove(QPoint p, qint64 timeMs) {
    if (handle_.dragPending()) return handle_.dragTo(p, timeMs, size_);
    if (!banding_) return std::nullopt;
    // Normalised, and empty for a click, so a click selects nothing.
    band_ = QRect(std::min(p.x(), bandOrigin_.x()), std::min(p.y(), bandOrigin_.y()),
                  std::abs(p.x() - bandOrigin_.x()), std::abs(p.y() - bandOrigin_.y()));
    return band_;
}

void TGBasePanel::mouseRelease(QPoint p, bool shift, qint64 timeMs) {
    if (handle_.dragPending()) {
        const QRect before = handle_.bounds();
        if (handle_.endDrag(p, timeMs, size_)) {
            requestRepaint(before.united(handle_.bounds()));
            notifyChanged();
        }
        return;
    }
    if (banding_) {
        mouseMove(p, timeMs);
        endBand(shift);
    }
}

void TGBasePanel::endBand(bool shift) {
    banding_ = false;
    const QRect band = band_;
    if (!pointing_) {
        createObject(band);
        if (DroppedObjectEvent) DroppedObjectEvent(band);
        return;
    }
    std::vector<TGGraphicControl*> inBand;
    for (const auto& o : objects_)
        if (!o->unselectable() && o->bounds().intersects(band)) inBand.push_back(o.get());
    for (TGGraphicControl* o : inBand) {
        if (shift && handle_.contains(o))
            deselectObject(o);
        else
            selectObject(o);
    }
}

void TGBasePanel::keyNudge(int key, bool shift) {
    if (handle_.empty()) return;
    handle_.nudge(key, shift, size_);
}

void TGBasePanel::keyNudgeRelease() {
    const QRect before = handle_.bounds();
    if (!handle_.endNudge()) return;
    requestRepaint(before.united(handle_.bounds()));
    notifyChanged();
}

}  // namespace pc::design
