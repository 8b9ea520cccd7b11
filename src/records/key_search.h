#pragma once
// Finding a record by the beginning of its key in the current order.
#include <QString>

namespace pc::data {
class TApollo;
}

namespace pc::app {

// Seeks the upper-cased text with exact off and soft seek on: a key that
// begins with it matches. Without a match the record that was current stays
// current. Soft seek is off afterwards. Returns whether a key matched.
bool seekKeyStart(pc::data::TApollo& apollo, const QString& text);

}  // namespace pc::app
