#include "data/filter_tips.h"

namespace pc::data {

const std::vector<FilterTip>& filterTips() {
    static const std::vector<FilterTip> tips = {
        {"$", "$C", "contains C anywhere"},
        {">=", ">=M", "M and everything after it"},
        {">", ">M", "everything after M"},
        {"<=", "<=C", "everything up to C, C included"},
        {"<", "<C", "everything before C"},
        {"+", ">=A+<=C", "both: the range from A to C"},
        {";", "NY;NJ", "either: NY or NJ"},
        {"^", "$A^$B", "the first but not the second: A without B"},
    };
    return tips;
}

}  // namespace pc::data
