#pragma once
// A small JSON reader for hand-edited layout text: it keeps the order of
// an object's members and the literal of each number (so "1" and "1.0"
// stay apart), bounds nesting, and names the line and column of a fault.
// Qt Core only.
#include <QByteArray>
#include <QString>
#include <vector>

namespace pc::design {

struct JsonMember;

// One JSON value; objects keep their members in the order written.
struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    QByteArray number;  // the literal, so integers and floats stay apart
    QString string;
    std::vector<Json> items;
    std::vector<JsonMember> members;

    // The first member of that name, or null.
    const Json* member(const QString& name) const;
};

struct JsonMember {
    QString key;
    Json value;
};

// Reads one value after another from a text.
class JsonReader {
  public:
    explicit JsonReader(const QByteArray& text) : text_(text) {}

    bool failed() const { return !error_.isEmpty(); }
    // "line L, column C: what"; empty while nothing failed.
    const QString& error() const { return error_; }
    // Skips blanks; false at the end of the text.
    bool more();
    qsizetype offset() const { return pos_; }
    // The next value; after a fault, a null value and error() set.
    Json value(int depth = 0);
    // Records a fault at a byte offset (the first fault is kept).
    Json failAt(const QString& what, qsizetype at);

  private:
    static constexpr int kMaxDepth = 64;

    Json fail(const char* what) { return failAt(QString::fromLatin1(what), pos_); }
    void skipBlanks();
    bool literal(const char* word);
    bool digits();
    Json number();
    int hex4();
    QString string();
    Json array(int depth);
    Json object(int depth);

    const QByteArray& text_;
    qsizetype pos_ = 0;
    QString error_;
};

}  // namespace pc::design
