#include "records/city_state_fill.h"

#include "data/record_lookup.h"

namespace pc::records {

bool FillCityState(pc::data::TTable& table, pc::data::TApollo& apollo, const QString& zip,
                   QString& city, QString& state) {
    const auto found = pc::data::cityStateForZip(table, apollo, zip);
    city = found ? found->city : QString();
    state = found ? found->state : QString();
    return found.has_value();
}

}  // namespace pc::records
