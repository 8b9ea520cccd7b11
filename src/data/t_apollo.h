#pragma once
// The engine-access object of one table: record numbers, orders, seek,
// queries, scope, pack, zap and tags, each call made in the table's own work
// area with the previous selection restored. Failures come back as return
// values (0, false, ""), with lastError() saying why; moves are followed by a
// resync of the table object.
#include <QString>

#include "text/progress.h"

namespace pc::data {

class TTable;

class TApollo {
  public:
    explicit TApollo(TTable* table = nullptr) : table_(table) {}

    TTable* table() const { return table_; }
    void setTable(TTable* table);

    // The engine's record number: record count + 1 when no record is
    // current; 0 when the table is not open.
    int recNo() const;
    int recCount() const;  // all records, deletion-marked ones included
    bool go(int recno);

    // Orders: 0 is physical order. setOrder returns the previous order, -1
    // on failure.
    int setOrder(int order);
    int order() const;
    int tagArea(const QString& tag) const;  // 0 for a missing tag
    int tagCount() const;
    QString tagName(int order) const;

    // Seeks the key on the current order (exact and soft seek as set).
    bool seek(const QString& key);
    bool found() const;

    // Restricts every move to records for which the expression holds; ""
    // clears it. Does not move: callers go to the first record.
    bool setQuery(const QString& expression);
    bool queryTest(const QString& expression) const;  // a valid logical expression
    int queryRecCount() const;                        // records passing the query
    QString query() const;

    // Limits moves on the current order to keys from `top` to `bottom` (a
    // key that begins with `bottom` is inside; an empty end is open). A change
    // of order ends it. Does not move. False for physical order.
    bool setScope(const QString& top, const QString& bottom);
    void clearScope();
    bool hasScope() const { return scoped_; }

    bool pack();
    bool zap();
    // Adds a tag to the table's compound index; returns its order number.
    int indexTag(const QString& tag, const QString& expression, bool unique = false,
                 bool descending = false, const QString& condition = {});
    bool reindex();
    // The path of the index file holding the order ("" when none is open).
    QString indexName(int order = 1) const;
    void closeIndexes();
    // Single-order index files (.IDX), numbered after the tags: indexEmpty
    // makes one on the expression holding no keys and returns its order
    // number (0 on failure); keyAdd adds the current record's key to it;
    // indexClose closes it and, when asked, deletes its file.
    int indexEmpty(const QString& file, const QString& expression, bool unique = false);
    bool keyAdd(int order);
    bool indexClose(int order, bool deleteFile);
    bool indexStale() const;
    // The engine's full check of the structural index: "" when sound, else
    // what is wrong with it.
    // What is wrong with the structural index, or "" (see sx_CheckIndex);
    // `everyRecord` compares every record's keys rather than a sample.
    QString indexFault(bool everyRecord = true) const;

    // Hears percent done (of 100) during pack, zap, reindex and tag
    // creation; the engine does not stop part-way, so its answer is not
    // asked for. An empty progress switches the reports off.
    void setProgress(pc::text::Progress progress) { progress_ = std::move(progress); }

    QString lastError() const { return lastError_; }

  private:
    int area() const;    // 0 (and lastError set) when the table is not open
    bool prepareMove();  // posts a held edit; false when that fails
    void resync();
    bool applyQuery();

    TTable* table_;
    QString query_;
    bool scoped_ = false;
    pc::text::Progress progress_;
    mutable QString lastError_;
};

}  // namespace pc::data
