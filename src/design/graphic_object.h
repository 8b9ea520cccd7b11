#pragma once
// The base of every placeable object of labels, envelopes and reports: its
// common stored properties, its run-time zoom and host surface, the slots
// each class overrides, and the one drawing routine that serves the design
// surface and the printed page alike.
#include <QRect>
#include <QString>

#include "print/inches.h"

class QPainter;

namespace pc::print {
class PageCanvas;
}

namespace pc::design {

class ObjectHost;
class PropertyWriter;
struct FontSpec;
struct StreamValue;

class TGGraphicControl {
  public:
    TGGraphicControl() = default;
    virtual ~TGGraphicControl() = default;
    TGGraphicControl(const TGGraphicControl&) = delete;
    TGGraphicControl& operator=(const TGGraphicControl&) = delete;

    // The stream class name, e.g. "TGPLabel".
    virtual const char* className() const = 0;

    // Stored: the name (in the object header), Tag, Left, Top, Width,
    // Height, Cursor, Hint, Locked, Unselectable.
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    int left() const { return bounds_.left(); }
    int top() const { return bounds_.top(); }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    // Pixels of the surface at the current zoom; at zoom 1 when stored.
    const QRect& bounds() const { return bounds_; }
    // Stores the bounds and runs boundsChanged().
    void setBounds(const QRect& bounds);
    void setBounds(int left, int top, int width, int height) {
        setBounds(QRect(left, top, width, height));
    }
    int cursor() const { return cursor_; }
    void setCursor(int cursor) { cursor_ = cursor; }
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    bool locked() const { return locked_; }
    void setLocked(bool locked) { locked_ = locked; }
    bool unselectable() const { return unselectable_; }
    void setUnselectable(bool unselectable) { unselectable_ = unselectable; }

    // Run-time.
    ObjectHost* host() const { return host_; }
    void setHost(ObjectHost* host) { host_ = host; }
    float zoom() const { return zoom_; }
    // Scales the bounds by z / current zoom (single precision, rounded half
    // to even) and takes z; text and pens then draw at that zoom.
    virtual void setZoom(float z);
    // Set while a layout file is read: self-sizing is suppressed so that
    // the stored bounds win.
    bool loading() const { return loading_; }
    void setLoading(bool loading) { loading_ = loading; }
    bool printing() const;  // the host is printing

    // The slots, in the design's order.
    virtual void boundsChanged() {}
    virtual void applyFont(const FontSpec&) {}
    virtual void refreshData() {}
    virtual void clearData() {}
    virtual void nextCounter() {}
    virtual void resetCounter() {}
    // Draws the object on the page with the label's origin at (left, top).
    virtual void printTo(print::PageCanvas& page, print::Inches top, print::Inches left);

    // The one drawing routine: the object in its own pixels ((0, 0) is its
    // top-left) at its zoom, without selection marks. It may settle a stale
    // layout first, which can change the size.
    virtual void paint(QPainter& painter) = 0;

    // The stored properties after the name, base class first.
    virtual void writeProperties(PropertyWriter& out) const;
    // Takes one stored property; false when the class has no such property.
    // A value of the wrong kind is ignored (true, nothing changed).
    virtual bool readProperty(const QByteArray& name, const StreamValue& value);

    // The host is told the design changed / the look changed.
    void notifyChanged();
    void repaint();

    // The object's inch rectangle on a page whose label origin is given.
    print::InchRect inchRect(print::Inches top, print::Inches left) const;
    // Prints by the screen's own routine, stretched from the object's pixels
    // into its inch rectangle, so paper shows exactly what the design shows.
    void printByPainting(print::PageCanvas& page, print::Inches top, print::Inches left);

  private:
    QString name_;
    int tag_ = 0;
    QRect bounds_;
    int cursor_ = 0;
    QString hint_;
    bool locked_ = false;
    bool unselectable_ = false;

    ObjectHost* host_ = nullptr;
    float zoom_ = 1.0f;
    bool loading_ = false;
};

// round(x) half to even, as the design's geometry rounds.
int roundHalfEven(double x);

}  // namespace pc::design
