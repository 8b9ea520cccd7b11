#pragma once
// The values, properties and components of the layout stream, as plain
// data. The binary form is read and written by component_stream.h; objects
// turn their stored properties into these through property_writer.h.
#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <vector>

namespace pc::design {

struct StreamValue {
    enum class Kind { Nil, Integer, Float, String, Identifier, Boolean, Binary, Set, List };

    Kind kind = Kind::Nil;
    qint64 integer = 0;              // Integer (32-bit range), Boolean (0 or 1)
    long double real = 0;            // Float (80-bit extended in the file)
    QByteArray bytes;                // String (Windows-1252), Identifier, Binary
    QList<QByteArray> members;       // Set
    std::vector<StreamValue> items;  // List

    static StreamValue makeInteger(qint64 v);
    static StreamValue makeFloat(long double v);
    static StreamValue makeString(QByteArray v);
    static StreamValue makeIdentifier(QByteArray v);
    static StreamValue makeBoolean(bool v);
    static StreamValue makeBinary(QByteArray v);
    static StreamValue makeSet(QList<QByteArray> v);
    static StreamValue makeList(std::vector<StreamValue> v);

    bool operator==(const StreamValue&) const = default;
};

struct StreamProperty {
    QByteArray name;  // dotted for sub-objects: "Font.Style", "Items.Strings"
    StreamValue value;
    bool operator==(const StreamProperty&) const = default;
};

// One stored object: its class, its name and its properties in file order.
struct StreamComponent {
    QByteArray className;
    QByteArray name;
    std::vector<StreamProperty> properties;
    bool operator==(const StreamComponent&) const = default;
};

}  // namespace pc::design
