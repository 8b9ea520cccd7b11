#pragma once
// What the popup menu of a single-line text object does to the model: the
// menu only wires its items to these. Each change tells the surface the
// design changed.
#include "design/base_label.h"

namespace pc::design {

enum class SingleLineCommand {
    AlignLeft,
    AlignCenter,
    AlignRight,
    NoRotation,
    Rotate90,
    Rotate180,
    Rotate270,
    Transparent,  // toggles
    Border,       // toggles
};

// Whether the object's menu has the item: rotation only for fixed text
// and counters; the symbol has no alignment.
bool offersCommand(const TGBaseLabel& label, SingleLineCommand command);
// The item's check mark.
bool commandChecked(const TGBaseLabel& label, SingleLineCommand command);
void applyCommand(TGBaseLabel& label, SingleLineCommand command);
// "Background Color" on OK: the colour, and the background is no longer
// transparent.
void applyBackgroundColor(TGBaseLabel& label, quint32 color);

}  // namespace pc::design
