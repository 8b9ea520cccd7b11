#pragma once
// Fixed single-line text.
#include "design/base_label.h"

namespace pc::design {

class TGPLabel : public TGBaseLabel {
  public:
    const char* className() const override { return "TGPLabel"; }
};

}  // namespace pc::design
