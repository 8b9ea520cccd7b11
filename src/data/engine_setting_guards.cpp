#include "data/engine_setting_guards.h"

#include "data/t_apollo.h"
#include "xbase/engine.h"

namespace pc::data {

ExactSetting::ExactSetting(bool on) : previous_(sx_SetExact(on)) {}
ExactSetting::~ExactSetting() {
    sx_SetExact(previous_);
}

SoftSeekSetting::SoftSeekSetting(bool on) : previous_(sx_SetSoftSeek(on)) {}
SoftSeekSetting::~SoftSeekSetting() {
    sx_SetSoftSeek(previous_);
}

DeletedFilterSetting::DeletedFilterSetting(bool on) : previous_(sx_SetDeleted(on)) {}
DeletedFilterSetting::~DeletedFilterSetting() {
    sx_SetDeleted(previous_);
}

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
