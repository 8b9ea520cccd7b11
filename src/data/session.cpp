#include "data/session.h"

#include "data/address_schema.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::data {

Session::Session(TTable& table, TApollo& engine, Host& host)
    : table_(table), engine_(engine), host_(host) {}

bool Session::active() const {
    return table_.active();
}

int Session::currentRecord() const {
    return active() ? engine_.recNo() : 0;
}

bool Session::goToRecord(int record) {
    if (!active() || record <= 0 || record > engine_.recCount()) return false;
    try {
        return engine_.go(record);
    } catch (const DataError&) {
        return false;  // the record may be gone (deleted, packed)
    }
}

bool Session::calculatedFieldsShown() const {
    const TField* fullName = table_.findField(QStringLiteral("FullName"));
    return fullName && fullName->visible();
}

void Session::showCalculatedFields(bool shown) {
    setNameFieldsVisible(table_, shown);
}

}  // namespace pc::data
