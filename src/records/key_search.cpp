#include "records/key_search.h"

#include "data/filter_criteria.h"
#include "data/t_apollo.h"
#include "xbase/engine.h"

namespace pc::app {

bool seekKeyStart(pc::data::TApollo& apollo, const QString& text) {
    sx_SetExact(false);
    sx_SetSoftSeek(true);
    const int remembered = apollo.recNo();
    const bool found = apollo.seek(pc::data::engineUpper(text));
    if (!found && remembered > 0) apollo.go(remembered);
    sx_SetSoftSeek(false);
    return found;
}

}  // namespace pc::app
