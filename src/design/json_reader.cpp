#include "design/json_reader.h"

#include <utility>

namespace pc::design {
namespace {

Json boolean(bool b) {
    Json j;
    j.type = Json::Type::Bool;
    j.boolean = b;
    return j;
}

}  // namespace

const Json* Json::member(const QString& name) const {
    for (const JsonMember& m : members)
        if (m.key == name) return &m.value;
    return nullptr;
}

bool JsonReader::more() {
    skipBlanks();
    return pos_ < text_.size();
}

Json JsonReader::value(int depth) {
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

Json JsonReader::failAt(const QString& what, qsizetype at) {
    if (failed()) return {};
    qsizetype line = 1, lineStart = 0;
    for (qsizetype i = 0; i < at && i < text_.size(); ++i)
        if (text_[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    error_ = QStringLiteral("line %1, column %2: %3").arg(line).arg(at - lineStart + 1).arg(what);
    return {};
}

void JsonReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r'))
        ++pos_;
}

bool JsonReader::literal(const char* word) {
    const QByteArray w(word);
    if (text_.mid(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
}

bool JsonReader::digits() {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
    return pos_ > start;
}

Json JsonReader::number() {
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

int JsonReader::hex4() {
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

QString JsonReader::string() {
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

Json JsonReader::array(int depth) {
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

Json JsonReader::object(int depth) {
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
        j.members.push_back({std::move(key), std::move(v)});
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

}  // namespace pc::design
