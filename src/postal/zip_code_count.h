#pragma once
// The ZIP count: records tallied by the first five characters of their ZIP.
// A valid key (five characters, a digit first, from "00000" to "99999-999")
// is tallied under its first digit; any other non-empty key is an "other"
// key; an empty ZIP counts under "BLANK".
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::postal {

class ZipCodeCount {
  public:
    void count(const QString& zip);
    // The report lines: each key padded or cut to ten characters, then its
    // count with digits grouped by the separator; valid keys ascending by
    // first digit, two empty lines, other keys ascending, then "BLANK".
    QStringList reportLines(const QString& thousandsSeparator) const;
    int blankCount() const { return blank_; }

  private:
    std::array<QHash<QString, int>, 10> valid_;
    QHash<QString, int> other_;
    int blank_ = 0;
};

// "1,234" for 1234 with the separator ",".
QString groupedCount(int count, const QString& thousandsSeparator);

// Counts the ZIP of every record the table's query admits, in natural order
// (the current order is restored afterwards). `keepGoing` hears each record
// number and stops the count by returning false; false when stopped.
bool countZipCodes(data::TTable& table, data::TApollo& engine, ZipCodeCount& counts,
                   const std::function<bool(int recno)>& keepGoing = {});

}  // namespace pc::postal
