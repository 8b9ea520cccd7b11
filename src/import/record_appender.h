#pragma once
// The loop every import shares: one new record per source row, values
// assigned as text (cut to the field's width), post, count, report progress
// and stop on request. Characters Windows-1252 cannot hold are counted on
// the way, so the end of the import can say what was lost.
#include <QString>
#include <functional>
#include <vector>

#include "text/progress.h"

namespace pc::data {
class TTable;
class TField;
}  // namespace pc::data

namespace pc::import {

struct ImportOutcome {
    int imported = 0;
    bool readError = false;
    bool writeError = false;
    bool cancelled = false;
};

// The information message that ends a text import.
QString asciiEndMessage(const ImportOutcome& outcome);
// The one that ends a table import ("Unknown error while importing." when
// the loop failed).
QString tableEndMessage(const ImportOutcome& outcome);

// Characters of assigned values that the table's code page lacks.
class UnstorableTally {
  public:
    void check(const QString& value);
    int count() const { return count_; }
    // Each such character once, in order of first appearance (at most 20).
    const QString& characters() const { return characters_; }
    // "" when nothing was lost, else a sentence naming the count and characters.
    QString report() const;

  private:
    int count_ = 0;
    QString characters_;
};

struct Assignment {
    pc::data::TField* field = nullptr;
    QString value;
};

enum class RowRead { Row, End, Error };

// Fills `row` with the next record's assignments (cleared beforehand).
using RowProducer = std::function<RowRead(std::vector<Assignment>& row)>;

// The table imports' walk over their source: the first record on the first
// call (`started` false), the next one after; Row while on a record, End
// past the last, Error when the table fails.
RowRead stepSource(pc::data::TTable& source, bool& started);

// Appends a record per row until the producer ends or fails, a write fails
// or `progress` (done = records appended, of `total`) asks to stop.
ImportOutcome appendRows(pc::data::TTable& destination, const RowProducer& next, int total,
                         UnstorableTally& tally, const pc::text::Progress& progress);

}  // namespace pc::import
