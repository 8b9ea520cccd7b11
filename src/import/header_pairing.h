#pragma once
// Pairing the columns of a CSV file that starts with a header row with the
// address fields by the headers' names: the column sets of the common
// contact exporters ("First Name", "E-mail Address", "Business Street",
// "Address 1 - City", "Home ZipCode", ...) and the fields' own names and labels.
#include <QString>
#include <QStringList>

namespace pc::data {
class TTable;
}

namespace pc::import {

struct AsciiColumnTable;

// For each header, the display label of the destination field it fills, or
// "". A field is filled by the first column that pairs with it; phone
// columns fill "Phone 1", then "Phone 2".
QStringList pairHeaders(const QStringList& headers, const pc::data::TTable& destination);

// Treats the first sampled line as a header row: names the columns after it
// (at most 20 characters) and pairs them. Returns how many columns paired.
int pairByHeaderRow(AsciiColumnTable& columns, const pc::data::TTable& destination);

// Whether the first sampled line looks like a header row (two or more of
// its values pair by name).
bool looksLikeHeaderRow(const AsciiColumnTable& columns, const pc::data::TTable& destination);

}  // namespace pc::import
