#pragma once
// What follows placing each tool's object on a report band: the text,
// field or symbol dialog, then fitting the object to its text.
#include "design/report_panel.h"

class QWidget;

namespace pc::reports {

// The dialogs open over `dialogParent`.
design::ReportToolsPlaced reportToolsPlaced(QWidget* dialogParent);

}  // namespace pc::reports
