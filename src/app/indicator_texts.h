#pragma once
// The texts of the two status-line indicators.
#include <QString>

namespace pc::app {

// "N filter matches" with a filter, "N records (no filter)" without one,
// "No records" when nothing passes.
QString filterIndicatorText(bool filterEmpty, int count);
// "Sorted by " + the order's caption as shown in the Sort menu, without "&".
QString orderIndicatorText(const QString& caption);

}  // namespace pc::app
