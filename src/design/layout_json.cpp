#include "design/layout_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "design/graphic_object.h"
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

// ---- reading: a small JSON parser that keeps the order of members ----

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    QByteArray number;  // the literal, so integers and floats stay apart
    QString string;
    std::vector<Json> items;
    std::vector<std::pair<QString, Json>> members;

    const Json* member(const QString& name) const {
        for (const auto& [key, value] : members)
            if (key == name) return &value;
        return nullptr;
    }
};

class JsonParser {
  public:
    explicit JsonParser(const QByteArray& text) : text_(text) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    // Skips blanks; false at the end of the text.
    bool more() {
        skipBlanks();
        return pos_ < text_.size();
    }
    qsizetype offset() const { return pos_; }

    Json value(int depth = 0) {
        skipBlanks();
        if (depth > kMaxDepth) return fail("values nested too deeply");
        if (pos_ >= text_.size()) return fail("unexpected end of the text");
        const char c = text_[pos_];
        if (c == '{') return object(depth);
        if (c == '[') return array(depth);
        if (c == '"') {
            Json j;
            j.type = Json::Type::String;
            j.string = string();
            return j;
        }
        if (c == '-' || (c >= '0' && c <= '9')) return number();
        if (literal("true")) return boolean(true);
        if (literal("false")) return boolean(false);
        if (literal("null")) return Json{};
        return fail("not a JSON value");
    }

    Json fail(const char* what) { return failAt(what, pos_); }

    Json failAt(const QString& what, qsizetype at) {
        if (failed()) return {};
        qsizetype line = 1, lineStart = 0;
        for (qsizetype i = 0; i < at && i < text_.size(); ++i)
            if (text_[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        error_ =
            QStringLiteral("line %1, column %2: %3").arg(line).arg(at - lineStart + 1).arg(what);
        return {};
    }

  private:
    static constexpr int kMaxDepth = 64;

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool literal(const char* word) {
        const QByteArray w(word);
        if (text_.mid(pos_, w.size()) != w) return false;
        pos_ += w.size();
        return true;
    }

    static Json boolean(bool b) {
        Json j;
        j.type = Json::Type::Bool;
        j.boolean = b;
        return j;
    }

    bool digits() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
        return pos_ > start;
    }

    Json number() {
        const qsizetype start = pos_;
        if (text_[pos_] == '-') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '0')
            ++pos_;
        else if (!digits())
            return fail("a malformed number");
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            if (!digits()) return fail("a malformed number");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!digits()) return fail("a malformed number");
        }
        Json j;
        j.type = Json::Type::Number;
        j.number = text_.mid(start, pos_ - start);
        return j;
    }

    int hex4() {
        if (pos_ + 4 > text_.size()) return -1;
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_ + i];
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0) return -1;
            v = v * 16 + d;
        }
        pos_ += 4;
        return v;
    }

    QString string() {
        ++pos_;  // the opening quote
        QByteArray utf8;
        for (;;) {
            if (pos_ >= text_.size()) {
                fail("a string without its closing quote");
                return {};
            }
            const char c = text_[pos_++];
            if (c == '"') break;
            if (static_cast<unsigned char>(c) < 0x20) {
                failAt(QStringLiteral("a control character in a string"), pos_ - 1);
                return {};
            }
            if (c != '\\') {
                utf8 += c;
                continue;
            }
            if (pos_ >= text_.size()) {
                fail("a string without its closing quote");
                return {};
            }
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    utf8 += e;
                    break;
                case 'b':
                    utf8 += '\b';
                    break;
                case 'f':
                    utf8 += '\f';
                    break;
                case 'n':
                    utf8 += '\n';
                    break;
                case 'r':
                    utf8 += '\r';
                    break;
                case 't':
                    utf8 += '\t';
                    break;
                case 'u': {
                    int code = hex4();
                    if (code < 0) {
                        fail("a malformed \\u escape");
                        return {};
                    }
                    char32_t point = static_cast<char32_t>(code);
                    if (code >= 0xD800 && code <= 0xDBFF && text_.mid(pos_, 2) == "\\u") {
                        pos_ += 2;
                        const int low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) {
                            fail("a malformed surrogate pair");
                            return {};
                        }
                        point = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xD800 && code <= 0xDFFF) {
                        point = 0xFFFD;  // a lone surrogate
                    }
                    utf8 += QString::fromUcs4(&point, 1).toUtf8();
                    break;
                }
                default:
                    failAt(QStringLiteral("an unknown escape in a string"), pos_ - 2);
                    return {};
            }
        }
        return QString::fromUtf8(utf8);
    }

    Json array(int depth) {
        ++pos_;
        Json j;
        j.type = Json::Type::Array;
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == ']') {
            ++pos_;
            return j;
        }
        for (;;) {
            j.items.push_back(value(depth + 1));
            if (failed()) return {};
            skipBlanks();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == ']') {
                ++pos_;
                return j;
            }
            return fail("expected \",\" or \"]\" in an array");
        }
    }

    Json object(int depth) {
        ++pos_;
        Json j;
        j.type = Json::Type::Object;
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '}') {
            ++pos_;
            return j;
        }
        for (;;) {
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '"') return fail("expected a member name");
            QString key = string();
            if (failed()) return {};
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != ':') return fail("expected \":\"");
            ++pos_;
            Json v = value(depth + 1);
            if (failed()) return {};
            j.members.emplace_back(std::move(key), std::move(v));
            skipBlanks();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '}') {
                ++pos_;
                return j;
            }
            return fail("expected \",\" or \"}\" in an object");
        }
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
    QString error_;
};

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
    JsonParser parser(text);
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
