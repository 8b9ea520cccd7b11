#pragma once
// Reads rows of an open table straight from the engine, in the current
// order and query, without moving the table object: a grid reads many rows
// while the table object stays on the record the user works with. The
// engine's position is put back when the reader goes.
#include <QString>
#include <string>

namespace pc::data {

class TTable;

class RowReader {
  public:
    explicit RowReader(const TTable& table);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    void goTop();
    void goBottom();
    void go(int recno);
    void skip(int count);
    bool eof() const;
    bool bof() const;
    int recNo() const;

    // Stored fields of the row, by name: text without trailing blanks, and
    // logical values.
    QString text(const QString& field) const;
    // The same text as the engine's UTF-8 bytes, for loops over many rows
    // that write bytes anyway (exports).
    std::string utf8(const char* field) const;
    bool logical(const QString& field) const;
    bool deleted() const;  // the row carries the deletion mark

  private:
    int area_;
    int previousArea_;
    int savedRecno_;
    bool savedAtEnd_;
};

}  // namespace pc::data
