#pragma once
// The way into the browse grid from the main window.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::records {

// Shows the session's table in the grid, starting at `startRecord`, and
// returns the record current when the grid closed (0 when none).
int browseRecords(pc::data::Session& session, int startRecord, QWidget* parent);

}  // namespace pc::records
