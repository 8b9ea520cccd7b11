#include "design/component_stream.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pc::design {
namespace {

constexpr char kSignature[] = "TPF0";
constexpr int kMaxDepth = 32;           // lists within lists
constexpr qint64 kMaxValues = 1 << 20;  // bounds memory for tiny values
constexpr int kExponentBias = 16383;
constexpr int kMaxExponent = 0x7FFF;

void putByte(QByteArray& out, int b) {
    out.append(static_cast<char>(static_cast<quint8>(b)));
}

void putType(QByteArray& out, StreamType t) {
    putByte(out, static_cast<int>(t));
}

void putLittleEndian(QByteArray& out, quint64 v, int bytes) {
    for (int i = 0; i < bytes; ++i) putByte(out, static_cast<int>((v >> (8 * i)) & 0xFF));
}

void putShortString(QByteArray& out, const QByteArray& s) {
    const qsizetype n = qMin<qsizetype>(s.size(), 255);
    putByte(out, static_cast<int>(n));
    out.append(s.constData(), n);
}

void putInteger(QByteArray& out, qint64 v) {
    v = std::clamp<qint64>(v, std::numeric_limits<qint32>::min(),
                           std::numeric_limits<qint32>::max());
    if (v >= -128 && v <= 127) {
        putType(out, StreamType::Int8);
        putLittleEndian(out, static_cast<quint64>(v), 1);
    } else if (v >= -32768 && v <= 32767) {
        putType(out, StreamType::Int16);
        putLittleEndian(out, static_cast<quint64>(v), 2);
    } else {
        putType(out, StreamType::Int32);
        putLittleEndian(out, static_cast<quint64>(v), 4);
    }
}

}  // namespace

void writeExtended(QByteArray& out, long double value) {
    quint64 mantissa = 0;
    int biased = 0;
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (std::isnan(value)) {
        biased = kMaxExponent;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        biased = kMaxExponent;
        mantissa = 0x8000000000000000ULL;
    } else if (magnitude != 0) {
        int e = 0;
        std::frexp(magnitude, &e);  // magnitude = m * 2^e, 0.5 <= m < 1
        biased = e - 1 + kExponentBias;
        if (biased >= kMaxExponent) {
            biased = kMaxExponent;
            mantissa = 0x8000000000000000ULL;
        } else if (biased <= 0) {
            // Denormal: value = mantissa * 2^(1 - bias - 63).
            biased = 0;
            mantissa = static_cast<quint64>(std::ldexp(magnitude, kExponentBias - 1 + 63));
        } else {
            mantissa = static_cast<quint64>(std::ldexp(magnitude, 63 - (e - 1)));
        }
    }
    putLittleEndian(out, mantissa, 8);
    putLittleEndian(out, static_cast<quint64>(biased | (negative ? 0x8000 : 0)), 2);
}

long double readExtended(const char* tenBytes) {
    const auto* p = reinterpret_cast<const quint8*>(tenBytes);
    quint64 mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | p[i];
    const int signAndExponent = p[8] | (p[9] << 8);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int biased = signAndExponent & 0x7FFF;
    long double v;
    if (biased == kMaxExponent) {
        v = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                 : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int exponent = (biased == 0 ? 1 : biased) - kExponentBias - 63;
        v = std::ldexp(static_cast<long double>(mantissa), exponent);
    }
    return negative ? -v : v;
}

void writeValue(QByteArray& out, const StreamValue& value) {
    switch (value.kind) {
        case StreamValue::Kind::Nil:
            putType(out, StreamType::Nil);
            break;
        case StreamValue::Kind::Integer:
            putInteger(out, value.integer);
            break;
        case StreamValue::Kind::Float:
            putType(out, StreamType::Extended);
            writeExtended(out, value.real);
            break;
        case StreamValue::Kind::String:
            if (value.bytes.size() <= 255) {
                putType(out, StreamType::String);
                putShortString(out, value.bytes);
            } else {
                putType(out, StreamType::LongString);
                putLittleEndian(out, static_cast<quint64>(value.bytes.size()), 4);
                out.append(value.bytes);
            }
            break;
        case StreamValue::Kind::Identifier:
            putType(out, StreamType::Ident);
            putShortString(out, value.bytes);
            break;
        case StreamValue::Kind::Boolean:
            putType(out, value.integer ? StreamType::True : StreamType::False);
            break;
        case StreamValue::Kind::Binary:
            putType(out, StreamType::Binary);
            putLittleEndian(out, static_cast<quint64>(value.bytes.size()), 4);
            out.append(value.bytes);
            break;
        case StreamValue::Kind::Set:
            putType(out, StreamType::Set);
            // An empty member would end the set early, so it cannot be stored.
            for (const QByteArray& member : value.members)
                if (!member.isEmpty()) putShortString(out, member);
            putByte(out, 0);
            break;
        case StreamValue::Kind::List:
            putType(out, StreamType::List);
            for (const StreamValue& item : value.items) writeValue(out, item);
            putType(out, StreamType::Null);
            break;
    }
}

void writeComponent(QByteArray& out, const StreamComponent& component) {
    out.append(kSignature, 4);
    putShortString(out, component.className);
    putShortString(out, component.name);
    for (const StreamProperty& p : component.properties) {
        if (p.name.isEmpty()) continue;  // would read as the end of the properties
        putShortString(out, p.name);
        writeValue(out, p.value);
    }
    putByte(out, 0);  // end of properties
    putByte(out, 0);  // end of children
}

QByteArray writeComponents(const std::vector<StreamComponent>& components) {
    QByteArray out;
    putType(out, StreamType::List);
    for (const StreamComponent& c : components) writeComponent(out, c);
    putType(out, StreamType::Null);
    return out;
}

namespace {

// A cursor over the stream that records the first fault and its offset;
// every read after a fault returns a harmless value.
class StreamReader {
  public:
    explicit StreamReader(const QByteArray& bytes) : data_(bytes) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }
    qsizetype offset() const { return pos_; }
    qsizetype left() const { return data_.size() - pos_; }

    void fail(const QString& what, qsizetype at) {
        if (failed()) return;
        error_ = QStringLiteral("Damaged layout stream at byte %1: %2").arg(at).arg(what);
    }

    bool need(qsizetype n, const char* reading) {
        if (failed()) return false;
        if (n <= left()) return true;
        fail(QStringLiteral("%1 needs %2 bytes, %3 left")
                 .arg(QLatin1String(reading))
                 .arg(n)
                 .arg(left()),
             pos_);
        return false;
    }

    int byte(const char* reading) {
        if (!need(1, reading)) return 0;
        return static_cast<quint8>(data_[pos_++]);
    }

    quint64 littleEndian(int bytes, const char* reading) {
        if (!need(bytes, reading)) return 0;
        quint64 v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<quint8>(data_[pos_ + i]);
        pos_ += bytes;
        return v;
    }

    QByteArray bytes(qsizetype n, const char* reading) {
        if (!need(n, reading)) return {};
        QByteArray out = data_.mid(pos_, n);
        pos_ += n;
        return out;
    }

    QByteArray shortString(const char* reading) {
        const int n = byte(reading);
        return bytes(n, reading);
    }

    // A 32-bit length followed by that many bytes.
    QByteArray counted(const char* reading) {
        const qsizetype at = pos_;
        const quint64 n = littleEndian(4, reading);
        if (failed()) return {};
        if (n > static_cast<quint64>(left())) {
            fail(QStringLiteral("%1 of %2 bytes, only %3 left")
                     .arg(QLatin1String(reading))
                     .arg(n)
                     .arg(left()),
                 at);
            return {};
        }
        return bytes(static_cast<qsizetype>(n), reading);
    }

    StreamValue value(int depth) {
        if (++values_ > kMaxValues) {
            fail(QStringLiteral("more than %1 values").arg(kMaxValues), pos_);
            return {};
        }
        const qsizetype at = pos_;
        const int type = byte("a value type");
        if (failed()) return {};
        switch (static_cast<StreamType>(type)) {
            case StreamType::Int8:
                return StreamValue::makeInteger(
                    static_cast<qint8>(littleEndian(1, "an 8-bit integer")));
            case StreamType::Int16:
                return StreamValue::makeInteger(
                    static_cast<qint16>(littleEndian(2, "a 16-bit integer")));
            case StreamType::Int32:
                return StreamValue::makeInteger(
                    static_cast<qint32>(littleEndian(4, "a 32-bit integer")));
            case StreamType::Extended: {
                const QByteArray ten = bytes(10, "an extended float");
                return failed() ? StreamValue{}
                                : StreamValue::makeFloat(readExtended(ten.constData()));
            }
            case StreamType::String:
                return StreamValue::makeString(shortString("a string"));
            case StreamType::LongString:
                return StreamValue::makeString(counted("a long string"));
            case StreamType::Ident:
                return StreamValue::makeIdentifier(shortString("an identifier"));
            case StreamType::False:
                return StreamValue::makeBoolean(false);
            case StreamType::True:
                return StreamValue::makeBoolean(true);
            case StreamType::Binary:
                return StreamValue::makeBinary(counted("binary data"));
            case StreamType::Set: {
                QList<QByteArray> members;
                for (;;) {
                    const QByteArray m = shortString("a set member");
                    if (failed() || m.isEmpty()) break;
                    if (++values_ > kMaxValues) {
                        fail(QStringLiteral("more than %1 values").arg(kMaxValues), pos_);
                        break;
                    }
                    members << m;
                }
                return StreamValue::makeSet(std::move(members));
            }
            case StreamType::List: {
                if (depth >= kMaxDepth) {
                    fail(QStringLiteral("lists nested deeper than %1").arg(kMaxDepth), at);
                    return {};
                }
                std::vector<StreamValue> items;
                while (!failed()) {
                    if (!need(1, "the end of a list")) break;
                    if (data_[pos_] == static_cast<char>(StreamType::Null)) {
                        ++pos_;
                        break;
                    }
                    items.push_back(value(depth + 1));
                }
                return StreamValue::makeList(std::move(items));
            }
            case StreamType::Nil:
                return {};
            case StreamType::Null:
                fail(QStringLiteral("a list end where a value belongs"), at);
                return {};
        }
        fail(QStringLiteral("unknown value type %1").arg(type), at);
        return {};
    }

    StreamComponent component() {
        StreamComponent c;
        const qsizetype at = pos_;
        const QByteArray signature = bytes(4, "an object signature");
        if (failed()) return c;
        if (signature != QByteArray(kSignature, 4)) {
            fail(QStringLiteral("an object does not start with TPF0"), at);
            return c;
        }
        const qsizetype classAt = pos_;
        c.className = shortString("a class name");
        if (failed()) return c;
        if (c.className.isEmpty()) {
            fail(QStringLiteral("an object without a class name"), classAt);
            return c;
        }
        c.name = shortString("an object name");
        for (;;) {
            const QByteArray name = shortString("a property name");
            if (failed() || name.isEmpty()) break;
            StreamValue v = value(0);
            c.properties.push_back({name, std::move(v)});
        }
        const qsizetype childrenAt = pos_;
        if (byte("the end of the children") != 0 && !failed())
            fail(QStringLiteral("objects within objects are not allowed in a layout"), childrenAt);
        return c;
    }

    // An object list; `last` when nothing may follow it.
    std::vector<StreamComponent> list(bool last = true) {
        std::vector<StreamComponent> out;
        const qsizetype at = pos_;
        if (byte("the list start") != static_cast<int>(StreamType::List) && !failed()) {
            fail(at == 0 ? QStringLiteral("the stream does not start with a list")
                         : QStringLiteral("an object list does not start with a list marker"),
                 at);
            return out;
        }
        while (!failed()) {
            if (!need(1, "the end of the object list")) break;
            if (data_[pos_] == static_cast<char>(StreamType::Null)) {
                ++pos_;
                if (last && left() > 0)
                    fail(QStringLiteral("%1 bytes after the end of the object list").arg(left()),
                         pos_);
                break;
            }
            out.push_back(component());
        }
        return out;
    }

  private:
    const QByteArray& data_;
    qsizetype pos_ = 0;
    qint64 values_ = 0;
    QString error_;
};

}  // namespace

ComponentList readComponents(const QByteArray& bytes) {
    StreamReader reader(bytes);
    ComponentList result;
    result.components = reader.list();
    if (reader.failed()) {
        result.components.clear();
        result.error = reader.error();
    }
    return result;
}

BandedList readBandedList(const QByteArray& bytes, int objectLists) {
    StreamReader reader(bytes);
    BandedList result;
    for (int i = 0; i < objectLists && !reader.failed(); ++i)
        result.objectLists.push_back(reader.list(false));
    if (!reader.failed()) {
        const qsizetype at = reader.offset();
        if (reader.need(1, "the settings list") && bytes[at] != static_cast<char>(StreamType::List))
            reader.fail(QStringLiteral("the settings do not start with a list marker"), at);
        if (!reader.failed()) result.values = reader.value(0).items;
        if (!reader.failed() && reader.left() > 0)
            reader.fail(
                QStringLiteral("%1 bytes after the end of the settings list").arg(reader.left()),
                reader.offset());
    }
    if (reader.failed()) {
        result = {};
        result.error = reader.error();
    }
    return result;
}

}  // namespace pc::design
