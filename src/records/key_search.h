#pragma once
// Finding a record by the beginning of its key in the current order.
#include <QString>

namespace pc::data {
class TApollo;
}

namespace pc::records {

// Seeks the text as the beginning of a key in the current order, upper-cased
// and encoded as the keys are: a key that begins with it matches. Without a
// match the record that was current stays current; exact and soft seek are
// as they were. Returns whether a key matched.
bool seekKeyStart(pc::data::TApollo& apollo, const QString& text);

}  // namespace pc::records
