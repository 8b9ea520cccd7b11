#pragma once
// The way into label printing and design from the main window.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::labels {

// Checks the printers, opens LABEL.DBF, shows the calculated name and
// address fields while the "Print Labels" window is open, and shows it.
// The caller restores its order, filter and record afterwards.
void printLabels(pc::data::Session& session, QWidget* parent);

// Registers the label objects' popup-menu items (once, at start-up).
void registerLabelDesignMenus();

}  // namespace pc::labels
