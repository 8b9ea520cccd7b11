#pragma once
// The view over a design surface model: paints the background and the
// objects into a cached image (redrawing only what the model reports as
// changed), draws the selection marks and the drag or band feedback over
// it, and forwards mouse and keys to the model.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>
#include <unordered_map>

#include "design/stored_font.h"

class QMenu;
class QPainter;

namespace pc::design {
class TGBasePanel;
class TGGraphicControl;
}  // namespace pc::design

namespace pc::design::ui {

class SurfaceWidget : public QWidget {
    Q_OBJECT
  public:
    explicit SurfaceWidget(TGBasePanel& panel, QWidget* parent = nullptr);
    ~SurfaceWidget() override;

    TGBasePanel& panel() { return panel_; }

    // What painting did, for tests and the benchmark.
    struct PaintStats {
        int paints = 0;
        int objectsPainted = 0;    // objects drawn into the cache
        QRegion lastPaintRegion;   // the region of the last paint
        qint64 pixelsPainted = 0;  // area of all paint regions
    };
    const PaintStats& paintStats() const { return stats_; }
    void resetPaintStats() { stats_ = {}; }

    // The popup menus as they would open now (enabled items, checks).
    std::unique_ptr<QMenu> buildSurfaceMenu();
    std::unique_ptr<QMenu> buildObjectMenu(TGGraphicControl& object);

    // Milliseconds of a monotonic clock, for the repeated-paste rule of
    // keys and menus; replaceable in tests.
    std::function<qint64()> clock;
    // Drawn over the background and under the objects (an envelope's
    // template areas); call refreshAll() when what it draws changes.
    std::function<void(QPainter&)> paintGuides;
    void refreshAll();
    // The font dialog of the "Font" command; nothing when cancelled.
    std::function<std::optional<FontSpec>(const FontSpec&)> chooseFont;

    // Commands as the menus and keys run them (errors go to the message
    // service).
    void copySelection();
    void cutSelection();
    void pasteClipboard();

  signals:
    // A popup menu is about to open (tests close it from here).
    void menuAboutToShow(QMenu* menu);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void modelRepaint(const QRect& area);
    void renderCache(const QRegion& region);
    void setFeedback(const std::optional<QRect>& band);
    void updateCursor(QPoint point);
    void openMenu(std::unique_ptr<QMenu> menu, QPoint globalPos);

    TGBasePanel& panel_;
    QImage cache_;                   // background and objects
    QRegion stale_;                  // parts of the cache to draw again
    std::optional<QRect> feedback_;  // drag or band rectangle
    std::unordered_map<const TGGraphicControl*, QRect> paintedAt_;
    PaintStats stats_;
};

}  // namespace pc::design::ui
