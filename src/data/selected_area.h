#pragma once
// Selects one engine work area for the lifetime of the object and then
// re-selects the area that was selected before, so every engine call of the
// table layer leaves the engine's selection as it found it.
#include "xbase/engine.h"

namespace pc::data {

class SelectedArea {
  public:
    explicit SelectedArea(int area) : previous_(sx_Select(area)) {}
    ~SelectedArea() { sx_Select(previous_); }
    SelectedArea(const SelectedArea&) = delete;
    SelectedArea& operator=(const SelectedArea&) = delete;

  private:
    int previous_;
};

}  // namespace pc::data
