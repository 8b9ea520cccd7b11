#pragma once
// Which address records a print run takes: all of them, those matching the
// main window's filter, or only the current one.
namespace pc::data {

enum class RecordChoice { All, MatchingFilter, CurrentOnly };

}  // namespace pc::data
