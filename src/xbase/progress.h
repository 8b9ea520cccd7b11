#pragma once
// The engine's progress report for long operations (pack, zap, reindex, tag
// creation): percent done, 0 to 100. The engine never stops part-way, so the
// report carries no cancel.
#include <functional>

namespace pc::xbase {

using ProgressFn = std::function<void(int percent)>;

}  // namespace pc::xbase
