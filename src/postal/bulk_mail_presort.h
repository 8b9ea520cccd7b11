#pragma once
// The bulk-mail presort: pieces counted per key (the first five characters
// of the postal code), then the print order: 5-digit groups of ten pieces
// or more, 3-digit groups of ten or more from what is left, the rest by
// Area Distribution Center, and what no center claims under "** Unknown".
#include <QString>
#include <QStringList>
#include <array>
#include <map>

namespace pc::postal {

class BulkMailPresort {
  public:
    // Counts one record's postal code; false when its key is left out (it
    // does not start with a digit or lies outside "00000" to "99999-999").
    bool count(const QString& postalCode);
    // The lines of the presort file, in print order.
    QStringList plan() const;

  private:
    // One sorted tally per first digit.
    std::array<std::map<QString, int>, 10> tallies_;
};

// The Area Distribution Center table: labels and their 3-digit prefixes,
// in the order the centers claim keys.
struct AdcRow {
    const char* label;
    const char* prefixes;  // blank-separated
};
const std::array<AdcRow, 96>& adcTable();

// The presort file's name in the home.
inline constexpr char kPresortFileName[] = "PRESORT.PSL";

}  // namespace pc::postal
