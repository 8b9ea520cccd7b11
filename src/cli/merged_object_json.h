#pragma once
// One merged object as a JSON line: class, name, bounds, and what it
// prints (text, lines, barcode digits and bars, FIM pattern).
#include <string>

namespace pc::design {
class TGGraphicControl;
}

namespace pc::cli {

std::string mergedObjectJson(const design::TGGraphicControl& object);

}  // namespace pc::cli
