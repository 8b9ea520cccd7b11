#include "design/stream_value.h"

namespace pc::design {

StreamValue StreamValue::makeInteger(qint64 v) {
    StreamValue s;
    s.kind = Kind::Integer;
    s.integer = v;
    return s;
}

StreamValue StreamValue::makeFloat(long double v) {
    StreamValue s;
    s.kind = Kind::Float;
    s.real = v;
    return s;
}

StreamValue StreamValue::makeString(QByteArray v) {
    StreamValue s;
    s.kind = Kind::String;
    s.bytes = std::move(v);
    return s;
}

StreamValue StreamValue::makeIdentifier(QByteArray v) {
    StreamValue s;
    s.kind = Kind::Identifier;
    s.bytes = std::move(v);
    return s;
}

StreamValue StreamValue::makeBoolean(bool v) {
    StreamValue s;
    s.kind = Kind::Boolean;
    s.integer = v ? 1 : 0;
    return s;
}

StreamValue StreamValue::makeBinary(QByteArray v) {
    StreamValue s;
    s.kind = Kind::Binary;
    s.bytes = std::move(v);
    return s;
}

StreamValue StreamValue::makeSet(QList<QByteArray> v) {
    StreamValue s;
    s.kind = Kind::Set;
    s.members = std::move(v);
    return s;
}

StreamValue StreamValue::makeList(std::vector<StreamValue> v) {
    StreamValue s;
    s.kind = Kind::List;
    s.items = std::move(v);
    return s;
}

}  // namespace pc::design
