#pragma once
// The ways into the imports from the main window's Import menu. Each needs
// an open address table; the caller restores its order, filter and record.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::import {

// Closes the main table, opens the file exclusively for the window (with
// the main table's labels), shows it, and reopens the main table.
void importAscii(pc::data::Session& session, QWidget* parent);
void importDbf(pc::data::Session& session, QWidget* parent);
// Works on the main table itself, its query cleared for the duration.
void importOlder(pc::data::Session& session, int version, QWidget* parent);

}  // namespace pc::import
