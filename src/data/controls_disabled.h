#pragma once
// Keeps a table's change events quiet for a scope: a loop over many records
// must not redraw every bound control per record, and the controls must come
// back on every exit path, an exception included.
#include "data/t_table.h"

namespace pc::data {

class ControlsDisabled {
  public:
    explicit ControlsDisabled(TTable& table) : table_(table) { table_.disableControls(); }
    ~ControlsDisabled() { table_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

  private:
    TTable& table_;
};

}  // namespace pc::data
