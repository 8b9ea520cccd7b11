#pragma once
// How the main window opens the report windows.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::reports {

// "Print &Reports": opens REPORT.DBF and the report window.
void printReports(pc::data::Session& session, QWidget* parent);
// "Print C&urrent Record": the data sheet of the current record.
void printCurrentRecord(pc::data::Session& session, QWidget* parent);

}  // namespace pc::reports
