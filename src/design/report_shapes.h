#pragma once
// The shapes of report bands: those of labels, stored under their own
// class name (their menu has no background pattern).
#include "design/label_shapes.h"

namespace pc::design {

class Trpshapes : public TGLabelShapes {
  public:
    const char* className() const override { return "Trpshapes"; }
};

}  // namespace pc::design
