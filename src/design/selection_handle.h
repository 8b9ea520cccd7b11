#pragma once
// The selection of a design surface and the geometry of moving and sizing
// it: the ordered list of selected objects, the handle's bounds around
// them, the nine resize zones, mouse drags with snapping and keyboard
// nudges. Times are passed in (milliseconds), so the click rules run
// without a clock.
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace pc::design {

class TGGraphicControl;

// Where a drag takes hold of a single selected object.
enum class ResizeZone {
    Move = 0,
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 3,
    BottomRight = 4,
    Top = 5,
    Left = 6,
    Bottom = 7,
    Right = 8
};

class TGHandle {
  public:
    // The handle lies this far outside the selected objects' box.
    static constexpr int kGrowLeftTop = 2;
    static constexpr int kGrowRightBottom = 3;
    // A mouse resize never makes the handle smaller than this.
    static constexpr int kMinimumSize = 5;
    // A release this soon after the press is a click, not a move.
    static constexpr qint64 kClickMs = 150;
    // A held button starts a drag on a move this long after the press.
    static constexpr qint64 kDragStartMs = 10;
    // A keyboard resize stops at this width or height.
    static constexpr int kKeyboardMinimum = 10;

    TGHandle() = default;
    TGHandle(const TGHandle&) = delete;
    TGHandle& operator=(const TGHandle&) = delete;

    // Stored.
    quint32 color = 0x000000;           // marks of a single selection
    quint32 secondaryColor = 0x808080;  // marks of a multiple selection
    bool locked = false;                // no drags at all
    int gridX = 8, gridY = 8;           // snap steps; 1 with snapping off
    bool snapToGrid = false;

    // The selection, in the order objects were selected.
    const std::vector<TGGraphicControl*>& selection() const { return selection_; }
    int count() const { return static_cast<int>(selection_.size()); }
    bool empty() const { return selection_.empty(); }
    bool contains(const TGGraphicControl* object) const;
    // False when already selected or unselectable.
    bool add(TGGraphicControl* object);
    bool remove(const TGGraphicControl* object);
    void clear();

    // The selected objects' box grown by 2 on the left and top and 3 on the
    // right and bottom; 24 x 24 and hidden when nothing is selected.
    const QRect& bounds() const { return bounds_; }
    bool visible() const { return !selection_.empty(); }
    // Follows the selected objects after they moved or resized.
    void updateBounds();

    // The resize zone for a point on the surface; Move unless exactly one
    // object is selected and no drag runs.
    ResizeZone zoneAt(QPoint surfacePoint) const;

    // Mouse drags. `begin` keeps the origin and the zone; false when the
    // handle is locked or nothing is selected.
    bool beginDrag(QPoint surfacePoint, qint64 timeMs);
    bool dragPending() const { return pressed_; }
    bool dragging() const { return dragging_; }
    ResizeZone dragZone() const { return zone_; }
    // The handle's bounds the pointer would give, or nothing while the
    // press still counts as a click.
    std::optional<QRect> dragTo(QPoint surfacePoint, qint64 timeMs, QSize surface);
    // Applies the drag; true when any object moved or resized.
    bool endDrag(QPoint surfacePoint, qint64 timeMs, QSize surface);
    void cancelDrag();
    // New handle bounds for an offset from the origin, clamped and snapped.
    QRect draggedBounds(QPoint offset, ResizeZone zone, QSize surface) const;

    // Keyboard nudges: each arrow moves (or with `resize`, sizes) the band
    // by one pixel; finishing applies it. Keys are Qt::Key values.
    void nudge(int key, bool resize, QSize surface);
    bool nudging() const { return nudging_; }
    // The band of a running nudge, as the objects' box.
    const QRect& nudgeBand() const { return nudgeBand_; }
    bool endNudge();

    // Moves and sizes every unlocked selected object by the change from the
    // handle's bounds to `newBounds`; true when one changed.
    bool applyHandleBounds(const QRect& newBounds);

    // The 5 x 5 marks on the selected objects: the corners of each object's
    // bounds grown by 2, and the edge middles when one object is selected.
    std::vector<QRect> marks() const;
    quint32 marksColor() const { return count() == 1 ? color : secondaryColor; }

  private:
    std::vector<TGGraphicControl*> selection_;
    QRect bounds_{0, 0, 24, 24};
    QPoint origin_;
    qint64 pressedAt_ = 0;
    bool pressed_ = false;
    bool dragging_ = false;
    ResizeZone zone_ = ResizeZone::Move;
    bool nudging_ = false;
    QRect nudgeBand_;
};

// The handle's bounds around an objects' box and back.
QRect growToHandle(const QRect& objectsBox);
QRect shrinkFromHandle(const QRect& handle);

}  // namespace pc::design
