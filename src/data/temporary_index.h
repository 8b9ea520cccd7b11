#pragma once
// A single-order index file (.IDX) made empty for one job on an open table:
// records are added one key at a time, the order lists them in key order,
// and the file is closed and deleted when the object goes, on every path.
#include <QString>
#include <vector>

namespace pc::data {

class TTable;

class TemporaryIndex {
  public:
    // Creates the file at `path` (an older one is replaced) with the key
    // expression. ok() tells whether that worked; error() says why not.
    TemporaryIndex(TTable& table, const QString& path, const QString& expression);
    ~TemporaryIndex();
    TemporaryIndex(const TemporaryIndex&) = delete;
    TemporaryIndex& operator=(const TemporaryIndex&) = delete;

    bool ok() const { return order_ > 0; }
    const QString& error() const { return error_; }
    const QString& path() const { return path_; }

    // Adds the record's key; the engine's position is put back. False when
    // the engine refuses.
    bool add(int record);
    // The records the index holds that the query and deleted filter admit,
    // in key order.
    std::vector<int> records() const;

  private:
    TTable& table_;
    QString path_;
    QString error_;
    int order_ = 0;
};

}  // namespace pc::data
