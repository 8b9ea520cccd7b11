#pragma once
// The print dialog of the report windows: the printer of the engine's list
// and the number of copies.
class QWidget;

namespace pc::print {
class PrintEngine;
}

namespace pc::reports {

// Sets the engine's printer and copies; false when not confirmed.
bool choosePrinter(pc::print::PrintEngine& engine, QWidget* parent);

}  // namespace pc::reports
