#include "reports/report_selection.h"

#include "data/engine_setting_guards.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::reports {

QString builtInOrderTag(int report) {
    return report == 3 ? QStringLiteral("ORG") : QStringLiteral("LNAME");
}

ReportSelection::ReportSelection(pc::data::TTable& table, pc::data::TApollo& engine,
                                 const ReportChoices& choices, int builtIn)
    : table_(table), engine_(engine), remembered_(engine.recNo()), builtIn_(builtIn) {
    if (builtIn > 0) {
        const int tag = engine_.tagArea(builtInOrderTag(builtIn));
        if (tag > 0) order_ = std::make_unique<pc::data::OrderSetting>(engine_, tag);
    }
    if (choices.records == RecordChoice::All)
        query_ = std::make_unique<pc::data::QuerySetting>(
            engine_, QStringLiteral("UPPER(PREFIX)<>\"DELETED\""));
    else if (choices.records == RecordChoice::CurrentOnly)
        query_ = std::make_unique<pc::data::QuerySetting>(
            engine_, QStringLiteral("Recno()=") + QString::number(remembered_));
    if (choices.startFromCurrent && pc::data::startAtChosenRecord(table_, engine_, remembered_))
        return;
    goFirst();
}

void ReportSelection::goFirst() {
    table_.first();
    if (builtIn_ < 1 || builtIn_ > 3) return;
    // Keys before "0" (empty names above all) are not listed.
    pc::data::SoftSeekSetting soft(true);
    engine_.seek(QStringLiteral("0"));
    table_.resync();
}

ReportSelection::~ReportSelection() {
    query_.reset();
    order_.reset();
    try {
        if (remembered_ > 0 && remembered_ <= engine_.recCount()) engine_.go(remembered_);
        table_.resync();
    } catch (const std::exception&) {
        // The record may have gone; the table stays where it is.
    }
}

bool ReportSelection::anyRecord() const {
    return !table_.eof();
}

}  // namespace pc::reports
