#pragma once
// The chosen records of an open table, as every producer of mail reads
// them: labels, envelopes, letters, reports, presort, the utilities, export
// and the command-line tool. A cursor over the table object that keeps to
// the current order, query (filter) and deleted filter, optionally to the
// tagged records or to the records from the current one on, walks both
// ways, counts, and hands out field values by name (calculated ones too).
// Moving the cursor moves the table object; failures throw DataError.
#include <QString>

namespace pc::data {

class TTable;

enum class RecordRange {
    All,          // every record passing the order, query and deleted filter
    FromCurrent,  // those from the record current when the source was made
    Tagged,       // those whose TAG holds the tag identifier
};

class RecordSource {
  public:
    // `tagId` is the global tag identifier, needed for Tagged (an empty one
    // chooses no record).
    explicit RecordSource(TTable& table, RecordRange range = RecordRange::All, QString tagId = {});
    RecordSource(const RecordSource&) = delete;
    RecordSource& operator=(const RecordSource&) = delete;

    // Each returns whether the cursor now rests on a chosen record. next()
    // after the last and prior() before the first return false and leave
    // the table on the record it was on.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool atRecord() const { return at_; }

    // The chosen records, counted without moving the table object.
    int count() const;
    int recNo() const;
    // The current record's value of a field, stored or calculated; throws
    // DataError for a name the table lacks.
    QString value(const QString& field) const;
    TTable& table() const { return table_; }

  private:
    bool chosen() const;        // the table's current record is in the range
    bool settle(bool forward);  // from the table's record on to a chosen one
    bool step(bool forward);    // one record on; false at the end

    TTable& table_;
    RecordRange range_;
    QString tagId_;
    int start_ = 0;  // FromCurrent: the first record
    bool at_ = false;
};

}  // namespace pc::data
