#pragma once
// Looking a record up by key in another order for a moment: key search,
// the city and state for a typed zip, and the duplicate-name check of Add.
// Each puts the settings it needs in place through scoped guards, and the
// ones that only peek put the order and record back.
#include <QString>
#include <optional>

namespace pc::data {

class TApollo;
class TTable;

// Seeks the text as the beginning of a key in the current order (exact
// off, soft seek on for the moment), upper-cased and encoded as the keys
// are. Without a match the record that was current stays current. Returns
// whether a key matched.
bool seekKeyStart(TApollo& apollo, const QString& text);

// The city and state of a record whose zip is the typed one, found in the
// "ZIP" order (upper-cased, not exact). Order and record are put back.
struct CityState {
    QString city;
    QString state;
};
std::optional<CityState> cityStateForZip(TTable& table, TApollo& apollo, const QString& zip);

// A record found by the duplicate-name check, with what the question shows.
struct NameMatch {
    int recno = 0;
    QString first, last, street, city, state, zip;
};
// Seeks the "LNAME" tag's key (exactly) in the "LNAME" order. Order and
// record are put back; empty when no record has it or the order is missing.
std::optional<NameMatch> findNameMatch(TTable& table, TApollo& apollo, const QString& key);

// Makes record `recno` current when it is among the records the engine's
// query and order let through (going by number alone ignores the query);
// false otherwise, the table then being somewhere among the chosen or at
// its end. Print runs ask it for "Start from current record".
bool goToChosenRecord(TTable& table, TApollo& apollo, int recno);
// The same, telling the user when the record is not among the chosen; the
// caller then starts with the first record.
bool startAtChosenRecord(TTable& table, TApollo& apollo, int recno);

}  // namespace pc::data
