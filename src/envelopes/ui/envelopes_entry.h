#pragma once
// How the main window opens the envelope window.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::envelopes {

// "Print Envelopes": opens ENVELOPE.DBF and shows "Print Envelope" over the
// session's table (its calculated fields on while the window is open).
void printEnvelopes(pc::data::Session& session, QWidget* parent);

}  // namespace pc::envelopes
