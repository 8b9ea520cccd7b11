#pragma once
// The binary component stream of layout files: a list of components, each
// "TPF0", its class and name as short strings, its properties as typed
// values, and an empty child list. Integers are little-endian; texts are
// the bytes the components hold. Qt Core only, so the reader can be fuzzed
// on its own.
#include <QByteArray>
#include <QString>
#include <vector>

#include "design/stream_value.h"

namespace pc::design {

// The stream's value type bytes.
enum class StreamType : quint8 {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12,
    Nil = 13,
};

// List begin, each component, list end. Integers beyond 32 bits are
// saturated and short strings (class, names, identifiers, set members) cut
// to 255 bytes: the format has no room for more.
QByteArray writeComponents(const std::vector<StreamComponent>& components);
void writeComponent(QByteArray& out, const StreamComponent& component);
void writeValue(QByteArray& out, const StreamValue& value);

// 80-bit extended floats, little-endian, converted without relying on the
// platform's long double being that format.
void writeExtended(QByteArray& out, long double value);
long double readExtended(const char* tenBytes);

struct ComponentList {
    std::vector<StreamComponent> components;
    QString error;  // what is wrong and at which byte; empty when all was read
    bool ok() const { return error.isEmpty(); }
};

// Reads a whole stream. Malformed, truncated or hostile input gives an
// error and no components; lengths are checked against the bytes left,
// nesting and the number of values are bounded.
ComponentList readComponents(const QByteArray& bytes);

// Several object lists one after another and then one list of plain values
// (the banded report layout). All or nothing, as readComponents.
struct BandedList {
    std::vector<std::vector<StreamComponent>> objectLists;
    std::vector<StreamValue> values;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
BandedList readBandedList(const QByteArray& bytes, int objectLists);

}  // namespace pc::design
