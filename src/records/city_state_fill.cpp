#include "records/city_state_fill.h"

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/text_utils.h"
#include "xbase/engine.h"

namespace pc::app {

bool FillCityState(pc::data::TTable& table, pc::data::TApollo& apollo, const QString& zip,
                   QString& city, QString& state) {
    city.clear();
    state.clear();
    const QString key = pc::text::trim(zip).toUpper();
    if (key.isEmpty() || !table.active()) return false;
    const int zipOrder = apollo.tagArea("ZIP");
    if (zipOrder <= 0) return false;

    const int recno = apollo.recNo();
    const int order = apollo.order();
    const bool exact = sx_SetExact(false);
    apollo.setOrder(zipOrder);
    const bool found = apollo.seek(key);
    if (found) {
        auto value = [&](const char* name) {
            const auto* field = table.findField(name);
            return field ? pc::text::rightTrim(field->text()) : QString();
        };
        city = value("CITY");
        state = value("STATE");
    }
    sx_SetExact(exact);
    apollo.setOrder(order);
    apollo.go(recno);
    return found;
}

}  // namespace pc::app
