#include "data/record_lookup.h"

#include "data/engine_setting_guards.h"
#include "data/key_text.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/text_utils.h"

namespace pc::data {

namespace {

QString fieldText(const TTable& table, const char* name) {
    const TField* field = table.findField(QString::fromLatin1(name));
    return field ? pc::text::rightTrim(field->text()) : QString();
}

// Puts the table back on the record it was on when the lookup began.
class RecordReturn {
  public:
    explicit RecordReturn(TApollo& apollo) : apollo_(apollo), recno_(apollo.recNo()) {}
    ~RecordReturn() {
        if (recno_ > 0 && apollo_.recNo() != recno_) apollo_.go(recno_);
    }
    RecordReturn(const RecordReturn&) = delete;
    RecordReturn& operator=(const RecordReturn&) = delete;

  private:
    TApollo& apollo_;
    int recno_;
};

}  // namespace

bool seekKeyStart(TApollo& apollo, const QString& text) {
    ExactSetting exact(false);
    SoftSeekSetting softSeek(true);
    const int remembered = apollo.recNo();
    const bool found = apollo.seek(upperKeyText(text));
    if (!found && remembered > 0) apollo.go(remembered);
    return found;
}

std::optional<CityState> cityStateForZip(TTable& table, TApollo& apollo, const QString& zip) {
    const QString key = upperKeyText(pc::text::trim(zip));
    if (key.isEmpty() || !table.active()) return std::nullopt;
    const int zipOrder = apollo.tagArea(QStringLiteral("ZIP"));
    if (zipOrder <= 0) return std::nullopt;
    RecordReturn back(apollo);
    ExactSetting exact(false);
    OrderSetting order(apollo, zipOrder);
    if (!order.ok() || !apollo.seek(key)) return std::nullopt;
    return CityState{fieldText(table, "CITY"), fieldText(table, "STATE")};
}

std::optional<NameMatch> findNameMatch(TTable& table, TApollo& apollo, const QString& key) {
    if (!table.active()) return std::nullopt;
    const int lnameOrder = apollo.tagArea(QStringLiteral("LNAME"));
    if (lnameOrder <= 0) return std::nullopt;
    RecordReturn back(apollo);
    ExactSetting exact(true);
    OrderSetting order(apollo, lnameOrder);
    if (!order.ok() || !apollo.seek(key)) return std::nullopt;
    return NameMatch{apollo.recNo(),
                     fieldText(table, "FNAME"),
                     fieldText(table, "LNAME"),
                     fieldText(table, "STREET"),
                     fieldText(table, "CITY"),
                     fieldText(table, "STATE"),
                     fieldText(table, "ZIP")};
}

bool goToChosenRecord(TTable& table, TApollo& apollo, int recno) {
    try {
        if (recno <= 0 || recno > apollo.recCount() || !apollo.go(recno)) return false;
        table.resync();
        if (table.eof() || table.recNo() != recno) return false;
        // A step forward and back comes home only when the record passes;
        // a step forward from the last one that passes stays on it.
        table.next();
        if (!table.eof()) table.prior();
        if (table.recNo() != recno) return false;
        // Back on it, the end of the table no longer reached.
        apollo.go(recno);
        table.resync();
        return !table.eof();
    } catch (const std::exception&) {
        return false;
    }
}

bool startAtChosenRecord(TTable& table, TApollo& apollo, int recno) {
    if (goToChosenRecord(table, apollo, recno)) return true;
    pc::text::messages().inform(
        QStringLiteral("Current record is out of range. Starting with first record"));
    return false;
}

}  // namespace pc::data
