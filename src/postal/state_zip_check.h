#pragma once
// The state/ZIP check: records whose state is not in the state table, or
// whose ZIP lies outside that state's range, compared as plain text (so
// 12345-6789 lies between 12345 and 12346). The records found go one key at
// a time into a temporary single-order index on last and first name, which
// then serves as the order of the result grid.
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::postal {

// The temporary index, made in the folder of the checked table.
inline constexpr char kStateZipIndexFile[] = "_chksz.idx";
inline constexpr char kStateZipIndexKey[] = "upper(LNAME)+upper(FNAME)";

// The ranges of a state table (CSZ.DBF structure: NAME, STATE, LOW_ZIP,
// HIGH_ZIP): the first row of each state in the order of its STATE tag.
class StateRanges {
  public:
    // Reads the open table in the order of its STATE tag (on UPPER(state)),
    // building the tag when it is missing. False, with the reason, when the
    // table is not open.
    bool load(data::TTable& table, data::TApollo& engine, QString* error);
    // Whether the record's state and ZIP fit. States are looked up as they
    // stand: a state in lower case is not found.
    bool accepts(const QString& state, const QString& zip) const;
    int size() const { return static_cast<int>(ranges_.size()); }

  private:
    struct Range {
        QString low, high;
    };
    QHash<QString, Range> ranges_;
};

class StateZipCheck {
  public:
    StateZipCheck(data::TTable& addresses, data::TApollo& engine);
    ~StateZipCheck();  // removes the temporary index if still there
    StateZipCheck(const StateZipCheck&) = delete;
    StateZipCheck& operator=(const StateZipCheck&) = delete;

    // What the scan reports after each record: its number, how many records
    // were read, how many the query admits (for a gauge) and how many were
    // found. Returning false stops the scan after that record.
    using Progress = std::function<bool(int recno, int done, int total, int found)>;

    // Scans the records the table's query admits in natural order (the
    // current order is restored), skipping deletion-marked ones and, unless
    // blanks are included, those with an empty state or ZIP. Makes the
    // temporary index first (replacing an older one). False when the index
    // cannot be made (see error()); a stopped scan keeps what it found.
    bool run(const StateRanges& ranges, bool includeBlanks, const Progress& progress = {});

    int order() const { return order_; }  // the temporary index's order; 0 before a run
    const QList<int>& records() const { return records_; }  // in the order found
    bool stopped() const { return stopped_; }
    QString error() const { return error_; }
    QString indexPath() const;

    // Closes the temporary index and deletes its file.
    void removeIndex();

  private:
    data::TTable& addresses_;
    data::TApollo& engine_;
    int order_ = 0;
    QList<int> records_;
    bool stopped_ = false;
    QString error_;
};

}  // namespace pc::postal
