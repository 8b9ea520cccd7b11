#include "data/engine_setting_guards.h"

#include "data/t_apollo.h"
#include "xbase/engine.h"

namespace pc::data {

ExactSetting::ExactSetting(bool on) : EngineSwitch(sx_SetExact, on) {}
SoftSeekSetting::SoftSeekSetting(bool on) : EngineSwitch(sx_SetSoftSeek, on) {}
DeletedFilterSetting::DeletedFilterSetting(bool on) : EngineSwitch(sx_SetDeleted, on) {}

OrderSetting::OrderSetting(TApollo& apollo, int order)
    : apollo_(apollo), previous_(apollo.setOrder(order)) {}

OrderSetting::~OrderSetting() {
    if (previous_ >= 0 && apollo_.order() != previous_) apollo_.setOrder(previous_);
}

QuerySetting::QuerySetting(TApollo& apollo, const QString& expression)
    : apollo_(apollo), previous_(apollo.query()), ok_(apollo.setQuery(expression)) {}

QuerySetting::~QuerySetting() {
    if (ok_ && apollo_.query() != previous_) apollo_.setQuery(previous_);
}

}  // namespace pc::data
