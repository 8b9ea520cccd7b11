#pragma once
// Finding the next record whose memo holds a text, within the current order
// and query, remembering the text for "Find Next".
#include <QString>

#include "text/progress.h"

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::records {

class MemoSearch {
  public:
    // A new search: forgets the previous result.
    void start(const QString& text);
    const QString& text() const { return text_; }
    // Whether the last search stopped on a matching record.
    bool found() const { return found_; }

    // From the first record (`first`) or the one after the current, tests
    // each memo (case-insensitive, as keys compare). `progress` hears the
    // number of records looked at before each record; false stops the
    // search. Without a match the search returns to the record it started
    // from. Throws DataError.
    bool find(pc::data::TTable& table, pc::data::TApollo& apollo, bool first,
              const pc::text::Progress& progress = {});

  private:
    bool lookFrom(pc::data::TTable& table, bool first, const pc::text::Progress& progress) const;

    QString text_;
    bool found_ = false;
};

}  // namespace pc::records
