#include "text/units.h"

#include <cmath>
#include <cstdint>

namespace pc::text {

// A resolution of 0 (no screen) maps everything to 0 instead of dividing
// by zero.

int thousandthsToPixels(int thousandths, int dotsPerInch) {
    // std::nearbyint rounds half to even in the default rounding mode.
    return static_cast<int>(
        std::nearbyint(static_cast<double>(thousandths) * dotsPerInch / 1000.0));
}

int pixelsToThousandths(int pixels, int dotsPerInch) {
    if (dotsPerInch == 0) return 0;
    return static_cast<int>(static_cast<std::int64_t>(pixels) * 1000 / dotsPerInch);
}

double pixelsToInches(double pixels, int dotsPerInch) {
    return dotsPerInch == 0 ? 0.0 : pixels / dotsPerInch;
}

}  // namespace pc::text
