#pragma once
// The envelope designer's rules that need no window: its zoom steps and
// the surface size of an envelope.
#include <QSize>

namespace pc::envelopes {

// Steps of 0.1 kept in single precision: in only while the zoom is at most
// 1.4, out only while it is at least 0.6 (compared in double), so from 1
// the steps stop at 140 % and 60 %.
float envelopeZoomedIn(float zoom);
float envelopeZoomedOut(float zoom);

// An envelope of length x depth inches lies with its long side across:
// round(96 x length) by round(96 x depth) pixels at zoom 1.
QSize envelopeSurfaceSize(double length, double depth);

// The designer's settings section for its default font.
inline constexpr char kEnvelopeSettingsSection[] = "Envelope";

}  // namespace pc::envelopes
