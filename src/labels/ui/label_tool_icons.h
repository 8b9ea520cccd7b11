#pragma once
// The pictures of the label designer's tool bar, drawn rather than shipped
// so they follow the desktop's scale.
#include <QIcon>
#include <functional>

class QPainter;

#include "design/label_panel.h"

namespace pc::labels {

QIcon toolIcon(design::TLPanelState state);

// A 24-pixel tool picture (and its double for HiDPI) drawn with the tool
// bar's pen; other designers draw theirs with it.
QIcon drawnToolIcon(const std::function<void(QPainter&)>& draw);

enum class DesignerToggle { Grid, Snap, Art, FieldNames };
QIcon toggleIcon(DesignerToggle toggle);

}  // namespace pc::labels
