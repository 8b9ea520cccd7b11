#include "envelopes/envelope_design_rules.h"

#include <cmath>

#include "print/inches.h"

namespace pc::envelopes {

float envelopeZoomedIn(float zoom) {
    if (static_cast<double>(zoom) > 1.4) return zoom;
    return static_cast<float>(static_cast<double>(zoom) + 0.1);
}

float envelopeZoomedOut(float zoom) {
    if (static_cast<double>(zoom) < 0.6) return zoom;
    return static_cast<float>(static_cast<double>(zoom) - 0.1);
}

QSize envelopeSurfaceSize(double length, double depth) {
    const double ppi = print::kLayoutPixelsPerInch;
    return {static_cast<int>(std::lround(ppi * length)),
            static_cast<int>(std::lround(ppi * depth))};
}

}  // namespace pc::envelopes
