#pragma once
// What each tool of the label designer makes and what follows placing it
// (its dialog, fitting to the text, a refresh of the merge).
#include "design/label_panel.h"

class QWidget;

namespace pc::labels {

// The label tools with their dialogs over `dialogParent`; the designer puts
// them on its surface.
design::LabelTools labelTools(QWidget* dialogParent);

}  // namespace pc::labels
