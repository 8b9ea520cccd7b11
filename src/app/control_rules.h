#pragma once
// Which commands of the main window are enabled and shown, as a pure function
// of the window's state, so the rules can be checked without a screen.

namespace pc::app {

struct ControlState {
    bool active = false;      // a table is open
    bool editing = false;     // the current record is in edit or insert state
    bool positioned = false;  // the position is a real record, not the end of file
    bool filterEmpty = true;  // no filter string in force

    bool browsing() const { return active && !editing && positioned; }
};

struct ControlFlags {
    // Edit menu, Rebuild Indexes, the Import items, Clear Tags, Restore Filter.
    bool activeCommandsEnabled = false;
    bool saveCancelShown = false;  // visible and enabled together
    bool addEnabled = false;
    bool addVisible = false;
    bool editDeleteEnabled = false;
    bool editDeleteVisible = false;
    bool exitButtonVisible = false;
    bool searchBrowseEnabled = false;  // buttons and their menu items
    bool setFilterEnabled = false;     // Filter button and Set Filter
    bool clearFilterButtonVisible = false;
    bool clearFilterButtonEnabled = false;
    bool filterCommandsEnabled = false;  // Save Filter, Clear Filter item, Tag All Filter Matches
    // Export, Clone, the Sort, Print and Utilities menus, the four print buttons.
    bool browsingCommandsEnabled = false;
    bool navigationVisible = false;  // First..Last, the dial buttons, Search Memo
    bool findNextForcedHidden = false;
    bool fileMenuEnabled = false;  // File menu and its Exit item
    bool recordMenuEnabled = false;
    bool focusToLastName = false;  // when the focus is not on a data control
};

ControlFlags controlRules(const ControlState& state);

}  // namespace pc::app
