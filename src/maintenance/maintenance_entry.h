#pragma once
// The way into index maintenance from the main window.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

// Shows the rebuild dialog for the session's table, centred on the parent.
// The caller selects its order and filter again afterwards.
void rebuildIndexes(pc::data::Session& session, QWidget* parent);

}  // namespace pc::maintenance
