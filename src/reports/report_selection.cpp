#include "reports/report_selection.h"

#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"

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
    if (choices.startFromCurrent) {
        if (engine_.go(remembered_) && passesQuery()) return;
        pc::text::messages().inform(QString::fromLatin1(kOutOfRangeMessage));
    }
    goFirst();
}

// Going to a record by number ignores the query; a step forward and back
// comes home only when the record is among the chosen.
bool ReportSelection::passesQuery() {
    table_.resync();
    if (table_.eof() || table_.recNo() != remembered_) return false;
    table_.next();
    table_.prior();
    return !table_.eof() && table_.recNo() == remembered_;
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
