#pragma once
// The ways into index maintenance and the table utilities from the main
// window. Each shows its window modally, centred on the parent; the caller
// holds the subsystem entry (order, filter and controls put back after).
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

// Shows the rebuild dialog for the session's table, centred on the parent.
// The caller selects its order and filter again afterwards.
void rebuildIndexes(pc::data::Session& session, QWidget* parent);

void checkDuplicates(pc::data::Session& session, QWidget* parent);
void searchAndReplace(pc::data::Session& session, QWidget* parent);
void convertCase(pc::data::Session& session, QWidget* parent);
void deleteRecords(pc::data::Session& session, QWidget* parent);
// Says "No active records for current filter. Nothing to copy" instead when
// the filter admits no record.
void exportRecords(pc::data::Session& session, QWidget* parent);

}  // namespace pc::maintenance
