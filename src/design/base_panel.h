#pragma once
// The design surface as a model: the z-ordered objects (first = bottom),
// the selection handle, the surface's look (shape, grid, outline, stock
// pictures), zoom, and every command and mouse gesture of the designers.
// The surface widget only forwards events and paints what this holds.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "design/layout_stream.h"
#include "design/object_host.h"
#include "design/object_registry.h"
#include "design/selection_handle.h"
#include "design/stored_font.h"

namespace pc::print {
class PageCanvas;
struct Inches;
}  // namespace pc::print

namespace pc::design {

enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum class TGridSize { gs4x4, gs8x8 };

// What a mouse press asks of the view.
struct PressResult {
    enum class Menu { None, Object, Surface };
    Menu menu = Menu::None;
    TGGraphicControl* object = nullptr;  // the object of an object menu
};

class TGBasePanel : public ObjectHost {
  public:
    // A paste this soon after the previous one is ignored.
    static constexpr qint64 kPasteRepeatMs = 1000;
    static constexpr int kPasteOffset = 15;
    static constexpr int kCloneOffset = 25;
    // Corner diameter of the rounded label shape.
    static constexpr int kRoundCorner = 24;

    // `kind` chooses the classes pasted and cloned objects may have.
    explicit TGBasePanel(LayoutKind kind = LayoutKind::Label);
    // Removes the clipboard and scratch files, so the clipboard does not
    // outlive the designer.
    ~TGBasePanel() override;
    TGBasePanel(const TGBasePanel&) = delete;
    TGBasePanel& operator=(const TGBasePanel&) = delete;

    LayoutKind kind() const { return kind_; }
    // The classes pasted, cloned and loaded objects may have: the kind's
    // registry unless replaced.
    void setObjectFactory(ObjectFactory factory) { factory_ = std::move(factory); }

    // Objects, bottom first.
    const std::vector<std::unique_ptr<TGGraphicControl>>& objects() const { return objects_; }
    // Puts the object on top, wired to this surface; its bounds are taken
    // as already at the surface's zoom.
    TGGraphicControl& addObject(std::unique_ptr<TGGraphicControl> object);
    // Destroys an object (it leaves the selection first).
    void destroyObject(TGGraphicControl* object);
    int indexOf(const TGGraphicControl* object) const;
    // The topmost object under the point, selectable or not.
    TGGraphicControl* objectAt(QPoint point) const;
    // "Component" + n / "Special" + n with the smallest n in the range that
    // no object on the surface uses; empty when all are taken.
    QString freeName(const QString& prefix, int first, int last) const;

    // Size in pixels at the current zoom.
    QSize size() const { return size_; }
    void setSize(QSize size);
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }

    // Stored look.
    TLabelShapeType shape() const { return shape_; }
    void setShape(TLabelShapeType shape);
    TGridSize gridSize() const { return gridSize_; }
    void setGridSize(TGridSize size);
    bool showGrid() const { return showGrid_; }
    void setShowGrid(bool on);
    bool snapToGrid() const { return handle_.snapToGrid; }
    void setSnapToGrid(bool on);
    bool drawOutline() const { return drawOutline_; }
    void setDrawOutline(bool on);
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    const QImage& colorPicture() const { return colorPicture_; }
    void setColorPicture(const QImage& picture);
    void setPrinting(bool on) { printing_ = on; }
    bool pointing() const { return pointing_; }
    void setPointing(bool on) { pointing_ = on; }
    // The surface's font: what new objects and the "Font" command start from.
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& font) { font_ = font; }

    // Called after an object was created by a tool, with its rectangle.
    std::function<void(const QRect&)> DroppedObjectEvent;
    // Called when the design changed (not while the zoom changes).
    std::function<void()> LabelChangedEvent;
    // For the view: an area (surface pixels) to repaint; a null rectangle
    // means the whole surface.
    std::function<void(const QRect&)> RepaintRequested;

    // Zoom: a factor of 0 counts as 1. The surface and every object scale;
    // the selection is cleared; nothing is reported as a design change.
    float zoomFactor() const { return zoom_; }
    void setZoom(float z);
    bool changingZoom() const { return changingZoom_; }

    // The selection.
    TGHandle& handle() { return handle_; }
    const TGHandle& handle() const { return handle_; }
    bool selectObject(TGGraphicControl* object);
    bool deselectObject(TGGraphicControl* object);
    void clearSelection();
    void selectAll();

    // Commands on the selection; each reports the change.
    void bringToFront();
    void sendToBack();
    void deleteSelection();
    void alignLeft();
    void alignRight();
    void alignTops();
    void alignBottoms();
    void centerVertically();
    void centerHorizontally();
    void lockAll(bool locked);
    void markAllUnselectable(bool unselectable);
    void applyFontToSelection(const FontSpec& font);

    // The private clipboard, in the layout stream format.
    QString clipboardPath() const;
    QString scratchPath() const;
    bool clipboardHasData() const;
    bool copy(QString* error = nullptr);
    bool cut(QString* error = nullptr);
    // Reads the clipboard 15 right and 15 down of where it was copied,
    // renamed as on loading, and selects what came in; false when nothing
    // was pasted (no file, a paste within 1000 ms, an unreadable file).
    bool paste(qint64 timeMs, QString* error = nullptr);
    // A copy of the object 25 pixels lower, on top and selected alone.
    TGGraphicControl* clone(TGGraphicControl& object, QString* error = nullptr);

    // Layout files. Saving stores at zoom 1 without merged data; loading
    // adds the file's objects, renamed "Component" + n, at the surface's
    // zoom. A missing file loads nothing and succeeds.
    bool saveLayout(const QString& path, QString* error = nullptr);
    bool loadLayout(const QString& path, QString* error = nullptr);

    // Surface-wide operations.
    virtual void createObject(const QRect&) {}
    virtual void refreshAllData();
    virtual void clampObjects();
    virtual void removeStrayObjects();
    void clearObjects();
    void resetCounters();
    void advanceCounters();
    void printObjects(print::PageCanvas& page, print::Inches top, print::Inches left);

    // Mouse gestures, in surface pixels; times in milliseconds.
    PressResult mousePress(QPoint point, Qt::MouseButton button, bool shift, qint64 timeMs);
    // The band to draw as feedback (a drag's new handle bounds or the
    // rubber band), or nothing.
    std::optional<QRect> mouseMove(QPoint point, qint64 timeMs);
    void mouseRelease(QPoint point, bool shift, qint64 timeMs);
    bool banding() const { return banding_; }
    const QRect& band() const { return band_; }
    // Arrow keys on the selection; `shift` sizes a single object.
    void keyNudge(int key, bool shift);
    void keyNudgeRelease();

    // Reports a design change unless the zoom is changing.
    void notifyChanged();

    // ObjectHost.
    bool printing() const override { return printing_; }
    bool displayDataValues() const override { return true; }
    const MergeSource* mergeSource() const override { return nullptr; }
    QSize surfaceSize() const override { return size_; }
    float zoom() const override { return zoom_; }
    void objectChanged(TGGraphicControl& object) override;
    void objectNeedsRepaint(TGGraphicControl& object) override;

    // The view repaints the area (the whole surface when empty).
    void requestRepaint(const QRect& area = QRect());

  protected:
    // Sets host and zoom of an object whose bounds are at the surface's
    // zoom already (pasted, cloned, created).
    void adoptAtZoom(TGGraphicControl& object);

  private:
    void endBand(bool shift);
    void repaintSelection(const QRect& before);
    template <typename F>
    void forSelection(F&& change);

    LayoutKind kind_;
    ObjectFactory factory_;
    std::vector<std::unique_ptr<TGGraphicControl>> objects_;
    TGHandle handle_;
    QSize size_{0, 0};
    TLabelShapeType shape_ = TLabelShapeType::lsRoundRect;
    TGridSize gridSize_ = TGridSize::gs8x8;
    bool showGrid_ = false;
    bool drawOutline_ = false;
    QImage picture_, colorPicture_;
    bool printing_ = false;
    bool pointing_ = true;
    FontSpec font_;
    float zoom_ = 1.0f;
    bool changingZoom_ = false;

    bool banding_ = false;
    QPoint bandOrigin_;
    QRect band_;
    qint64 lastPaste_ = 0;
    bool pasted_ = false;
};

}  // namespace pc::design
