#pragma once
// The chosen records of an open table, as every producer of mail reads
// them: labels, envelopes, letters, reports, presort, the utilities, export
// and the command-line tool. A cursor in the table's work area that keeps
// to the current order, query (filter) and deleted filter, optionally to the
// tagged records or to the records from the current one on; it walks both
// ways, counts, and hands out field values by name, calculated ones too.
//
// The walk moves the engine only: the table object is brought to the
// record when a calculated value is asked for, and when the source goes.
// So a loop that reads a few stored fields of many records costs no more
// than the engine's moves. Failures throw DataError.
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
    // chooses no record). An edit in progress is posted first.
    explicit RecordSource(TTable& table, RecordRange range = RecordRange::All, QString tagId = {});
    // Leaves the table object on the record the walk rests on and commits
    // what setValue wrote.
    ~RecordSource();
    RecordSource(const RecordSource&) = delete;
    RecordSource& operator=(const RecordSource&) = delete;

    // Each returns whether the cursor moved to a chosen record. next() after
    // the last and prior() before the first return false and stay on the
    // record they were on; atRecord() is false only when nothing is chosen.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool atRecord() const { return at_; }

    // The chosen records, counted without moving.
    int count() const;
    int recNo() const;
    // The current record's value of a field, stored or calculated, as the
    // table object's field holds it; throws DataError for an unknown name.
    QString value(const QString& field) const;
    // Writes a stored field of the current record at once, keys included;
    // the commit to disk waits for the end of the source, so a loop over
    // many records does not wait for the disk after each.
    void setValue(const QString& field, const QString& text);
    TTable& table() const { return table_; }

  private:
    bool chosen() const;  // the engine's record is in the range (area selected)
    bool settle(bool forward);
    bool stepFrom(bool forward);

    TTable& table_;
    RecordRange range_;
    QString tagId_;
    QByteArray tagUtf8_;
    int start_ = 0;  // FromCurrent: the first record
    bool at_ = false;
    bool moved_ = false;           // the engine left the table object's record
    mutable bool synced_ = false;  // the table object shows the current record
    bool written_ = false;
};

}  // namespace pc::data
