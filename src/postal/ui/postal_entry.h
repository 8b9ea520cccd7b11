#pragma once
// The ways into the postal utilities from the main window. The caller
// restores its order, filter and record afterwards.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::postal {

// Checks the printers, then shows "Count Zip Codes" over the session's table.
void countZipCodes(pc::data::Session& session, QWidget* parent);

// Shows "Check State and Zip  Codes" with the query "!ISDEL" in force, when
// the home's sysdata/CSZ.DBF is there.
void checkStateAndZipCodes(pc::data::Session& session, QWidget* parent);

}  // namespace pc::postal
