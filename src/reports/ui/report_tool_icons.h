#pragma once
// The pictures of the report designer's tool bar: those of the label
// designer where the tools are the same, drawn ones for the date/time and
// page number tools.
#include <QIcon>

#include "design/report_panel.h"

namespace pc::reports {

QIcon reportToolIcon(design::TRPanelState state);

}  // namespace pc::reports
