#pragma once
// The pictures of the label designer's tool bar, drawn rather than shipped
// so they follow the desktop's scale.
#include <QIcon>

#include "design/label_panel.h"

namespace pc::labels {

QIcon toolIcon(design::TLPanelState state);

enum class DesignerToggle { Grid, Snap, Art, FieldNames };
QIcon toggleIcon(DesignerToggle toggle);

}  // namespace pc::labels
