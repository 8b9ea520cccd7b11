#include "design/property_writer.h"

#include <string>

#include "design/color_value.h"
#include "xbase/codepage.h"

namespace pc::design {
namespace {

constexpr int kStreamCodePage = 1252;

QByteArray joined(const char* prefix, const char* name) {
    return QByteArray(prefix) + '.' + name;
}

}  // namespace

QByteArray toStreamText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string bytes =
        xbase::fromUtf8(std::string_view(utf8.constData(), utf8.size()), kStreamCodePage);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString fromStreamText(const QByteArray& bytes) {
    const std::string utf8 =
        xbase::toUtf8(std::string_view(bytes.constData(), bytes.size()), kStreamCodePage);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void PropertyWriter::add(QByteArray name, StreamValue value) {
    properties_.push_back({std::move(name), std::move(value)});
}

void PropertyWriter::integer(const char* name, qint64 value) {
    add(name, StreamValue::makeInteger(value));
}

void PropertyWriter::integer(const char* name, qint64 value, qint64 byDefault) {
    if (value != byDefault) integer(name, value);
}

void PropertyWriter::boolean(const char* name, bool value) {
    add(name, StreamValue::makeBoolean(value));
}

void PropertyWriter::boolean(const char* name, bool value, bool byDefault) {
    if (value != byDefault) boolean(name, value);
}

void PropertyWriter::enumeration(const char* name, const char* identifier) {
    add(name, StreamValue::makeIdentifier(identifier));
}

void PropertyWriter::enumeration(const char* name, const char* identifier, const char* byDefault) {
    if (qstrcmp(identifier, byDefault) != 0) enumeration(name, identifier);
}

void PropertyWriter::color(const char* name, quint32 value) {
    const QByteArray id = colorIdentifier(value);
    add(name, id.isEmpty() ? StreamValue::makeInteger(static_cast<qint32>(value))
                           : StreamValue::makeIdentifier(id));
}

void PropertyWriter::color(const char* name, quint32 value, quint32 byDefault) {
    if (value != byDefault) color(name, value);
}

void PropertyWriter::text(const char* name, const QString& value) {
    if (!value.isEmpty()) add(name, StreamValue::makeString(toStreamText(value)));
}

void PropertyWriter::set(const char* name, const QList<QByteArray>& members) {
    add(name, StreamValue::makeSet(members));
}

void PropertyWriter::strings(const char* name, const QStringList& lines) {
    if (lines.isEmpty()) return;
    std::vector<StreamValue> items;
    items.reserve(lines.size());
    for (const QString& line : lines) items.push_back(StreamValue::makeString(toStreamText(line)));
    add(name, StreamValue::makeList(std::move(items)));
}

void PropertyWriter::binary(const char* name, const QByteArray& data) {
    if (!data.isEmpty()) add(name, StreamValue::makeBinary(data));
}

void PropertyWriter::font(const char* prefix, const FontSpec& font) {
    color(joined(prefix, "Color"), font.color);
    integer(joined(prefix, "Height"), font.height);
    text(joined(prefix, "Name"), font.name);
    enumeration(joined(prefix, "Pitch"),
                font.pitch == FontPitch::fpFixed      ? "fpFixed"
                : font.pitch == FontPitch::fpVariable ? "fpVariable"
                                                      : "fpDefault",
                "fpDefault");
    QList<QByteArray> style;
    if (font.bold) style << "fsBold";
    if (font.italic) style << "fsItalic";
    if (font.underline) style << "fsUnderline";
    if (font.strikeOut) style << "fsStrikeOut";
    set(joined(prefix, "Style"), style);
}

void PropertyWriter::pen(const char* prefix, const PenSpec& pen) {
    color(joined(prefix, "Color"), pen.color, clBlack);
    enumeration(joined(prefix, "Mode"), identifier(pen.mode), "pmCopy");
    enumeration(joined(prefix, "Style"), identifier(pen.style), "psSolid");
    integer(joined(prefix, "Width"), pen.width, 1);
}

void PropertyWriter::brush(const char* prefix, const BrushSpec& brush) {
    color(joined(prefix, "Color"), brush.color, clWhite);
    enumeration(joined(prefix, "Style"), identifier(brush.style), "bsSolid");
}

namespace read {

std::optional<qint64> integer(const StreamValue& v) {
    if (v.kind == StreamValue::Kind::Integer) return v.integer;
    if (v.kind == StreamValue::Kind::Identifier)
        if (const auto c = colorFromIdentifier(v.bytes)) return static_cast<qint32>(*c);
    return std::nullopt;
}

std::optional<bool> boolean(const StreamValue& v) {
    if (v.kind == StreamValue::Kind::Boolean) return v.integer != 0;
    return std::nullopt;
}

std::optional<QString> text(const StreamValue& v) {
    if (v.kind == StreamValue::Kind::String) return fromStreamText(v.bytes);
    return std::nullopt;
}

std::optional<QStringList> strings(const StreamValue& v) {
    if (v.kind != StreamValue::Kind::List) return std::nullopt;
    QStringList lines;
    for (const StreamValue& item : v.items) {
        const auto line = text(item);
        if (!line) return std::nullopt;
        lines << *line;
    }
    return lines;
}

std::optional<QByteArray> binary(const StreamValue& v) {
    if (v.kind == StreamValue::Kind::Binary) return v.bytes;
    return std::nullopt;
}

std::optional<QList<QByteArray>> set(const StreamValue& v) {
    if (v.kind == StreamValue::Kind::Set) return v.members;
    return std::nullopt;
}

std::optional<int> enumeration(const StreamValue& v, std::initializer_list<const char*> names) {
    if (v.kind != StreamValue::Kind::Identifier) return std::nullopt;
    int i = 0;
    for (const char* name : names) {
        if (v.bytes.compare(name, Qt::CaseInsensitive) == 0) return i;
        ++i;
    }
    return std::nullopt;
}

namespace {

// The part of `name` after "prefix.", or an empty array when it is not one.
QByteArray member(const char* prefix, const QByteArray& name) {
    const QByteArray head = QByteArray(prefix) + '.';
    return name.startsWith(head) ? name.mid(head.size()) : QByteArray();
}

}  // namespace

bool fontProperty(const char* prefix, const QByteArray& name, const StreamValue& v,
                  FontSpec& font) {
    const QByteArray m = member(prefix, name);
    if (m == "Color") {
        if (const auto c = integer(v)) font.color = static_cast<quint32>(*c);
    } else if (m == "Height") {
        if (const auto h = integer(v); h && *h > -2000 && *h < 2000) font.height = int(*h);
    } else if (m == "Name") {
        if (const auto t = text(v)) font.name = *t;
    } else if (m == "Pitch") {
        enumeration(v, {"fpDefault", "fpVariable", "fpFixed"}, font.pitch);
    } else if (m == "Style") {
        if (const auto s = set(v)) {
            font.bold = s->contains("fsBold");
            font.italic = s->contains("fsItalic");
            font.underline = s->contains("fsUnderline");
            font.strikeOut = s->contains("fsStrikeOut");
        }
    } else {
        return false;
    }
    return true;
}

bool penProperty(const char* prefix, const QByteArray& name, const StreamValue& v, PenSpec& pen) {
    const QByteArray m = member(prefix, name);
    if (m == "Color") {
        if (const auto c = integer(v)) pen.color = static_cast<quint32>(*c);
    } else if (m == "Mode") {
        enumeration(v,
                    {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                     "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
                     "pmMask", "pmNotMask", "pmXor", "pmNotXor"},
                    pen.mode);
    } else if (m == "Style") {
        enumeration(
            v,
            {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"},
            pen.style);
    } else if (m == "Width") {
        if (const auto w = integer(v); w && *w >= 0 && *w <= 1000) pen.width = int(*w);
    } else {
        return false;
    }
    return true;
}

bool brushProperty(const char* prefix, const QByteArray& name, const StreamValue& v,
                   BrushSpec& brush) {
    const QByteArray m = member(prefix, name);
    if (m == "Color") {
        if (const auto c = integer(v)) brush.color = static_cast<quint32>(*c);
    } else if (m == "Style") {
        enumeration(v,
                    {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                     "bsBDiagonal", "bsCross", "bsDiagCross"},
                    brush.style);
    } else {
        return false;
    }
    return true;
}

}  // namespace read
}  // namespace pc::design
