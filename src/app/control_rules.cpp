#include "app/control_rules.h"

namespace pc::app {

ControlFlags controlRules(const ControlState& s) {
    const bool browsing = s.browsing();
    const bool hasFilter = !s.filterEmpty;
    ControlFlags f;
    f.activeCommandsEnabled = s.active;
    f.saveCancelShown = s.editing;
    f.addEnabled = s.active && !s.editing;
    f.addVisible = !s.editing;
    f.editDeleteEnabled = browsing;
    f.editDeleteVisible = !s.editing;
    f.exitButtonVisible = !s.editing;
    f.searchBrowseEnabled = browsing;
    // Not while editing: the filter dialog refuses to open then.
    f.setFilterEnabled = (hasFilter && !s.editing) || browsing;
    f.clearFilterButtonVisible = hasFilter;
    f.clearFilterButtonEnabled = hasFilter && !s.editing;
    f.filterCommandsEnabled = hasFilter;
    f.browsingCommandsEnabled = browsing;
    f.navigationVisible = browsing;
    f.findNextForcedHidden = s.editing;
    f.fileMenuEnabled = !s.editing;
    f.recordMenuEnabled = s.active && !s.editing;
    f.focusToLastName = s.editing;
    return f;
}

}  // namespace pc::app
