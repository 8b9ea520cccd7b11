#include "records/key_search.h"

#include "data/record_lookup.h"

namespace pc::records {

bool seekKeyStart(pc::data::TApollo& apollo, const QString& text) {
    return pc::data::seekKeyStart(apollo, text);
}

}  // namespace pc::records
