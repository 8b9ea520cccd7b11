#pragma once
// What can be typed into a filter box: the signs criterionTerm() reads, each
// with an example, for the filter window's right-click menu.
#include <QString>
#include <vector>

namespace pc::data {

struct FilterTip {
    QString sign;     // what choosing the tip puts into the box
    QString example;  // a criterion using it
    QString meaning;  // what the example finds
};

// In the order the menu shows them.
const std::vector<FilterTip>& filterTips();

}  // namespace pc::data
