#include "design/ui/surface_widget.h"

#include <QElapsedTimer>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "design/base_panel.h"
#include "design/color_value.h"
#include "design/graphic_object.h"
#include "design/surface_background.h"
#include "text/message_service.h"

namespace pc::design::ui {
namespace {

qint64 monotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Never 0, so the first paste is never taken for a repeat.
    return timer.elapsed() + TGBasePanel::kPasteRepeatMs;
}

// The pixels a 1-pixel frame of the rectangle covers.
QRegion frameRegion(const QRect& r) {
    if (r.isEmpty()) return QRegion(r.adjusted(0, 0, 1, 1));
    return QRegion(r).subtracted(QRegion(r.adjusted(1, 1, -1, -1)));
}

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

Qt::CursorShape zoneCursor(ResizeZone zone) {
    switch (zone) {
        case ResizeZone::TopLeft:
        case ResizeZone::BottomRight:
            return Qt::SizeFDiagCursor;
        case ResizeZone::TopRight:
        case ResizeZone::BottomLeft:
            return Qt::SizeBDiagCursor;
        case ResizeZone::Top:
        case ResizeZone::Bottom:
            return Qt::SizeVerCursor;
        case ResizeZone::Left:
        case ResizeZone::Right:
            return Qt::SizeHorCursor;
        case ResizeZone::Move:
            break;
    }
    return Qt::OpenHandCursor;
}

}  // namespace

SurfaceWidget::SurfaceWidget(TGBasePanel& panel, QWidget* parent)
    : QWidget(parent), clock(monotonicMs), panel_(panel) {
    chooseFont = [this](const FontSpec& current) -> std::optional<FontSpec> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current.toQFont(), this);
        if (!ok) return std::nullopt;
        return FontSpec::fromQFont(chosen, current.color);
    };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setFixedSize(panel_.size());
    panel_.RepaintRequested = [this](const QRect& area) { modelRepaint(area); };
}

SurfaceWidget::~SurfaceWidget() {
    panel_.RepaintRequested = nullptr;
}

void SurfaceWidget::modelRepaint(const QRect& area) {
    if (area.isNull()) {
        if (size() != panel_.size()) setFixedSize(panel_.size());
        stale_ = QRegion(rect());
        paintedAt_.clear();
        update();
        return;
    }
    // Marks and frames reach a few pixels beyond what changed.
    const QRect grown = area.adjusted(-TGHandle::kGrowRightBottom, -TGHandle::kGrowRightBottom,
                                      TGHandle::kGrowRightBottom, TGHandle::kGrowRightBottom);
    stale_ += grown;
    update(grown);
}

void SurfaceWidget::refreshAll() {
    modelRepaint(QRect());
}

void SurfaceWidget::renderCache(const QRegion& region) {
    QPainter painter(&cache_);
    painter.setClipRegion(region);
    const QRect area = region.boundingRect();
    paintSurfaceBackground(painter, panel_, area);
    if (paintGuides) paintGuides(painter);
    std::vector<QRect> grew;
    for (const auto& owned : panel_.objects()) {
        TGGraphicControl& object = *owned;
        const QRect before = object.bounds();
        const auto last = paintedAt_.find(&object);
        // An object that changed its size since it was last drawn leaves
        // its old area stale too.
        if (last != paintedAt_.end() && last->second != before) {
            grew.push_back(last->second.united(before));
            last->second = before;
        }
        if (!region.intersects(before)) continue;
        painter.save();
        painter.setClipRegion(region.intersected(before));
        painter.translate(before.topLeft());
        object.paint(painter);
        painter.restore();
        ++stats_.objectsPainted;
        paintedAt_[&object] = object.bounds();
        if (object.bounds() != before) grew.push_back(object.bounds().united(before));
    }
    painter.end();
    for (const QRect& r : grew) modelRepaint(r);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    // The cache holds device pixels, so text stays sharp on HiDPI screens.
    const qreal ratio = devicePixelRatioF();
    const QSize logical = panel_.size().expandedTo(QSize(1, 1));
    if (cache_.deviceIndependentSize().toSize() != logical || cache_.devicePixelRatio() != ratio) {
        cache_ = QImage((QSizeF(logical) * ratio).toSize(), QImage::Format_RGB32);
        cache_.setDevicePixelRatio(ratio);
        stale_ = QRegion(QRect(QPoint(0, 0), logical));
        paintedAt_.clear();
    }
    if (!stale_.isEmpty()) {
        const QRegion stale = stale_;
        stale_ = QRegion();
        renderCache(stale);
    }
    QPainter painter(this);
    for (const QRect& r : event->region())
        painter.drawImage(
            QRectF(r), cache_,
            QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    ++stats_.paints;
    stats_.lastPaintRegion = event->region();
    for (const QRect& r : event->region()) stats_.pixelsPainted += qint64(r.width()) * r.height();

    const TGHandle& handle = panel_.handle();
    if (handle.visible()) {
        const QColor color = toQColor(handle.marksColor());
        for (const QRect& mark : handle.marks())
            if (event->region().intersects(mark)) painter.fillRect(mark, color);
    }
    if (feedback_) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect& r = *feedback_;
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void SurfaceWidget::setFeedback(const std::optional<QRect>& band) {
    if (band == feedback_) return;
    QRegion changed;
    if (feedback_) changed += frameRegion(*feedback_);
    if (band) changed += frameRegion(*band);
    feedback_ = band;
    update(changed);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const PressResult result =
        panel_.mousePress(p, event->button(), shift, static_cast<qint64>(event->timestamp()));
    if (panel_.handle().dragPending()) setCursor(Qt::ClosedHandCursor);
    if (result.menu == PressResult::Menu::Object && result.object)
        openMenu(buildObjectMenu(*result.object), event->globalPosition().toPoint());
    else if (result.menu == PressResult::Menu::Surface)
        openMenu(buildSurfaceMenu(), event->globalPosition().toPoint());
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        updateCursor(p);
        return;
    }
    const auto band = panel_.mouseMove(p, static_cast<qint64>(event->timestamp()));
    if (band) setFeedback(band);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    setFeedback(std::nullopt);
    panel_.mouseRelease(p, shift, static_cast<qint64>(event->timestamp()));
    updateCursor(p);
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const TGHandle& handle = panel_.handle();
    TGGraphicControl* object = panel_.objectAt(p);
    if (event->button() == Qt::LeftButton && handle.count() == 1 && object &&
        handle.contains(object)) {
        panel_.handle().cancelDrag();
        openMenu(buildObjectMenu(*object), event->globalPosition().toPoint());
        return;
    }
    mousePressEvent(event);
}

void SurfaceWidget::updateCursor(QPoint p) {
    const TGHandle& handle = panel_.handle();
    if (!panel_.pointing()) {
        setCursor(Qt::DragMoveCursor);
        return;
    }
    if (handle.visible() && handle.bounds().contains(p)) {
        const bool allLocked = std::all_of(handle.selection().begin(), handle.selection().end(),
                                           [](const TGGraphicControl* o) { return o->locked(); });
        const ResizeZone zone = handle.zoneAt(p);
        bool onSelected = zone != ResizeZone::Move;
        for (const TGGraphicControl* o : handle.selection())
            onSelected = onSelected || o->bounds().contains(p);
        if (onSelected) {
            setCursor(handle.locked || allLocked ? Qt::ForbiddenCursor : zoneCursor(zone));
            return;
        }
    }
    const TGGraphicControl* over = panel_.objectAt(p);
    setCursor(over && !over->unselectable() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (control && key == Qt::Key_C) {
        copySelection();
    } else if (control && key == Qt::Key_X) {
        cutSelection();
    } else if (control && key == Qt::Key_V) {
        pasteClipboard();
    } else if (key == Qt::Key_Delete) {
        panel_.deleteSelection();
    } else if (isArrow(key) && !panel_.handle().empty()) {
        panel_.keyNudge(key, event->modifiers() & Qt::ShiftModifier);
        if (panel_.handle().nudging()) setFeedback(growToHandle(panel_.handle().nudgeBand()));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void SurfaceWidget::keyReleaseEvent(QKeyEvent* event) {
    if (isArrow(event->key()) && !event->isAutoRepeat() && panel_.handle().nudging()) {
        setFeedback(std::nullopt);
        panel_.keyNudgeRelease();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void SurfaceWidget::copySelection() {
    QString error;
    if (!panel_.copy(&error) && !error.isEmpty())
        text::messages().error(error, QStringLiteral("Copy"));
}

void SurfaceWidget::cutSelection() {
    QString error;
    if (!panel_.cut(&error) && !error.isEmpty())
        text::messages().error(error, QStringLiteral("Cut"));
}

void SurfaceWidget::pasteClipboard() {
    QString error;
    if (!panel_.paste(clock(), &error) && !error.isEmpty())
        text::messages().error(error, QStringLiteral("Paste"));
}

void SurfaceWidget::openMenu(std::unique_ptr<QMenu> menu, QPoint globalPos) {
    emit menuAboutToShow(menu.get());
    menu->exec(globalPos);
}

}  // namespace pc::design::ui
