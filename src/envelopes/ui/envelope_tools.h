#pragma once
// What each tool of the envelope designer makes: the label designer's
// tools for what both offer, plus the FIM and Intelligent Mail barcodes.
#include <QIcon>

#include "envelopes/envelope_panel.h"

class QWidget;

namespace pc::envelopes {

EnvelopeTools envelopeTools(QWidget* dialogParent);
QIcon envelopeToolIcon(TLPanelState state);

}  // namespace pc::envelopes
