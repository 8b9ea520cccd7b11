#pragma once
// What an object asks of the surface it sits on. The surface model
// implements it; tests may implement it plainly.
#include <QSize>

namespace pc::design {

class TGGraphicControl;
class MergeSource;
struct FontSpec;

class ObjectHost {
  public:
    virtual ~ObjectHost() = default;
    // A print or preview is running: merged values are shown as printed,
    // placeholders are not used and nothing repaints.
    virtual bool printing() const = 0;
    // Data objects show record values (true) or field names (false).
    virtual bool displayDataValues() const = 0;
    // The bound record, or null when none is bound.
    virtual const MergeSource* mergeSource() const = 0;
    // The surface's size in pixels at its current zoom.
    virtual QSize surfaceSize() const = 0;
    // The surface's zoom factor.
    virtual float zoom() const = 0;
    // The object's stored design changed (the designer offers Save), unless
    // the surface is changing its zoom.
    virtual void objectChanged(TGGraphicControl& object) = 0;
    // The object's look changed; the view repaints its area.
    virtual void objectNeedsRepaint(TGGraphicControl& object) = 0;
};

}  // namespace pc::design
