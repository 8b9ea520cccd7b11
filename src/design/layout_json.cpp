#include "design/layout_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "design/graphic_object.h"
#include "design/json_reader.h"
#include "design/property_writer.h"

namespace pc::design {
namespace {

// ---- writing ----

void appendJsonString(QByteArray& out, const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'"' || c == u'\\') {
            escaped += u'\\';
            escaped += ch;
        } else if (c == u'\n') {
            escaped += QLatin1String("\\n");
        } else if (c == u'\r') {
            escaped += QLatin1String("\\r");
        } else if (c == u'\t') {
            escaped += QLatin1String("\\t");
        } else if (c < 0x20) {
            escaped += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        } else {
            escaped += ch;
        }
    }
    escaped += u'"';
    out += escaped.toUtf8();
}

void appendJsonText(QByteArray& out, const QByteArray& streamBytes) {
    appendJsonString(out, fromStreamText(streamBytes));
}

void appendFloat(QByteArray& out, long double value) {
    const double d = static_cast<double>(value);
    if (!std::isfinite(d)) {
        out += "null";  // JSON has no infinities
        return;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
    QByteArray text(buffer, result.ptr - buffer);
    // Keep it a float on the way back: "1.0", not "1".
    if (!text.contains('.') && !text.contains('e')) text += ".0";
    out += text;
}

void appendValue(QByteArray& out, const StreamValue& v) {
    switch (v.kind) {
        case StreamValue::Kind::Nil:
            out += "null";
            break;
        case StreamValue::Kind::Integer:
            out += QByteArray::number(v.integer);
            break;
        case StreamValue::Kind::Float:
            appendFloat(out, v.real);
            break;
        case StreamValue::Kind::String:
        case StreamValue::Kind::Identifier:
            appendJsonText(out, v.bytes);
            break;
        case StreamValue::Kind::Boolean:
            out += v.integer ? "true" : "false";
            break;
        case StreamValue::Kind::Binary:
            out += "{\"base64\": \"" + v.bytes.toBase64() + "\"}";
            break;
        case StreamValue::Kind::Set: {
            out += '[';
            for (qsizetype i = 0; i < v.members.size(); ++i) {
                if (i) out += ", ";
                appendJsonText(out, v.members[i]);
            }
            out += ']';
            break;
        }
        case StreamValue::Kind::List: {
            out += '[';
            for (size_t i = 0; i < v.items.size(); ++i) {
                if (i) out += ", ";
                appendValue(out, v.items[i]);
            }
            out += ']';
            break;
        }
    }
}

// ---- JSON values to stream values ----

bool looksLikeIdentifier(const QString& s) {
    if (s.isEmpty() || s.size() > 255) return false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        if (!letter && !(i > 0 && c >= u'0' && c <= u'9')) return false;
    }
    return true;
}

bool isIdentifierArray(const Json& j) {
    for (const Json& item : j.items)
        if (item.type != Json::Type::String || !looksLikeIdentifier(item.string)) return false;
    return true;
}

// The forms a JSON value may take in the stream, narrower first. `error`
// names what cannot be stored.
std::vector<StreamValue> streamForms(const Json& j, bool topLevel, QString& error) {
    switch (j.type) {
        case Json::Type::Null:
            return {StreamValue{}};
        case Json::Type::Bool:
            return {StreamValue::makeBoolean(j.boolean)};
        case Json::Type::Number: {
            const bool integral =
                !j.number.contains('.') && !j.number.contains('e') && !j.number.contains('E');
            bool ok = false;
            if (integral) {
                const qint64 i = j.number.toLongLong(&ok);
                if (ok && i >= std::numeric_limits<qint32>::min() &&
                    i <= std::numeric_limits<qint32>::max()) {
                    if (!topLevel) return {StreamValue::makeInteger(i)};
                    return {StreamValue::makeInteger(i),
                            StreamValue::makeFloat(static_cast<long double>(i))};
                }
            }
            const double d = j.number.toDouble(&ok);
            if (!ok || !std::isfinite(d)) {
                error =
                    QStringLiteral("the number %1 is out of range").arg(QLatin1String(j.number));
                return {};
            }
            return {StreamValue::makeFloat(d)};
        }
        case Json::Type::String:
            if (topLevel && looksLikeIdentifier(j.string))
                return {StreamValue::makeIdentifier(j.string.toLatin1()),
                        StreamValue::makeString(toStreamText(j.string))};
            return {StreamValue::makeString(toStreamText(j.string))};
        case Json::Type::Array: {
            std::vector<StreamValue> forms;
            if (topLevel && isIdentifierArray(j)) {
                QList<QByteArray> members;
                for (const Json& item : j.items) members << item.string.toLatin1();
                forms.push_back(StreamValue::makeSet(members));
            }
            std::vector<StreamValue> items;
            for (const Json& item : j.items) {
                auto itemForms = streamForms(item, false, error);
                if (itemForms.empty()) return {};
                items.push_back(std::move(itemForms.front()));
            }
            forms.push_back(StreamValue::makeList(std::move(items)));
            return forms;
        }
        case Json::Type::Object: {
            const Json* data = j.member(QStringLiteral("base64"));
            if (j.members.size() != 1 || !data || data->type != Json::Type::String) {
                error = QStringLiteral("an object value other than {\"base64\": ...}");
                return {};
            }
            const bool ascii = std::all_of(data->string.begin(), data->string.end(),
                                           [](QChar c) { return c.unicode() < 0x80; });
            const auto decoded = QByteArray::fromBase64Encoding(
                data->string.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!ascii || !decoded) {
                error = QStringLiteral("malformed base64 data");
                return {};
            }
            return {StreamValue::makeBinary(*decoded)};
        }
    }
    return {};
}

// A short string of the stream: at most 255 bytes.
bool fitsShortString(const QByteArray& bytes) {
    return bytes.size() <= 255;
}

}  // namespace

QByteArray valueToJson(const StreamValue& value) {
    QByteArray out;
    appendValue(out, value);
    return out;
}

QByteArray componentToJson(const StreamComponent& component) {
    QByteArray out = "{\"class\": ";
    appendJsonText(out, component.className);
    out += ", \"name\": ";
    appendJsonText(out, component.name);
    out += ", \"properties\": {";
    for (size_t i = 0; i < component.properties.size(); ++i) {
        if (i) out += ", ";
        appendJsonText(out, component.properties[i].name);
        out += ": ";
        appendValue(out, component.properties[i].value);
    }
    out += "}}";
    return out;
}

QByteArray componentsToJsonLines(const std::vector<StreamComponent>& components) {
    QByteArray out;
    for (const StreamComponent& c : components) {
        out += componentToJson(c);
        out += '\n';
    }
    return out;
}

JsonComponents componentsFromJsonLines(const QByteArray& text) {
    JsonComponents result;
    JsonReader parser(text);
    auto fail = [&](const QString& what, qsizetype at) {
        parser.failAt(what, at);
        result.components.clear();
        result.error = parser.error();
        return result;
    };
    while (parser.more()) {
        const qsizetype at = parser.offset();
        const Json j = parser.value();
        if (parser.failed()) return fail(QString(), at);
        if (j.type != Json::Type::Object)
            return fail(QStringLiteral("an object per line is expected"), at);
        const Json* className = j.member(QStringLiteral("class"));
        const Json* name = j.member(QStringLiteral("name"));
        const Json* properties = j.member(QStringLiteral("properties"));
        if (!className || className->type != Json::Type::String || className->string.isEmpty())
            return fail(QStringLiteral("the object has no \"class\" string"), at);
        if (!name || name->type != Json::Type::String)
            return fail(QStringLiteral("the object has no \"name\" string"), at);
        if (properties && properties->type != Json::Type::Object)
            return fail(QStringLiteral("\"properties\" is not an object"), at);
        StreamComponent c;
        c.className = toStreamText(className->string);
        c.name = toStreamText(name->string);
        if (!fitsShortString(c.className) || !fitsShortString(c.name))
            return fail(QStringLiteral("a class or object name longer than 255 bytes"), at);
        if (properties) {
            for (const auto& [key, value] : properties->members) {
                const QByteArray propertyName = toStreamText(key);
                if (propertyName.isEmpty() || !fitsShortString(propertyName))
                    return fail(
                        QStringLiteral("the property name \"%1\" cannot be stored").arg(key), at);
                QString error;
                const std::vector<StreamValue> forms = streamForms(value, true, error);
                if (forms.empty())
                    return fail(QStringLiteral("property \"%1\": %2").arg(key, error), at);
                for (const StreamValue& form : forms) c.properties.push_back({propertyName, form});
            }
        }
        result.components.push_back(std::move(c));
    }
    return result;
}

ReadObjects objectsFromJsonLines(const QByteArray& text, const ObjectFactory& factory) {
    const JsonComponents parsed = componentsFromJsonLines(text);
    if (!parsed.ok()) {
        ReadObjects result;
        result.error = parsed.error;
        return result;
    }
    return objectsFromComponents(parsed.components, factory);
}

}  // namespace pc::design
