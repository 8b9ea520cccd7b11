#include "xbase/expr_lexer.h"

#include "xbase/ascii_text.h"

namespace pc::xbase::expr {
namespace {

bool identStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool identChar(char c) {
    return identStart(c) || (c >= '0' && c <= '9');
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// Matches a dotted word such as ".AND." at text[i], any case.
bool dotted(std::string_view text, size_t i, std::string_view word) {
    if (text.size() - i < word.size() + 2 || text[i + word.size() + 1] != '.') return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (upperAscii(text[i + 1 + k]) != word[k]) return false;
    return true;
}

// A '[' opens a string only where an operand may start.
bool operandMayStart(const std::vector<Token>& toks) {
    if (toks.empty()) return true;
    const Token& t = toks.back();
    switch (t.kind) {
        case Tok::Number:
        case Tok::String:
        case Tok::True:
        case Tok::False:
        case Tok::RParen:
            return false;
        case Tok::Ident:
            return isWord(t, "AND") || isWord(t, "OR") || isWord(t, "NOT");
        default:
            return true;
    }
}

}  // namespace

bool isWord(const Token& t, std::string_view upperWord) {
    if (t.kind != Tok::Ident || t.text.size() != upperWord.size()) return false;
    for (size_t i = 0; i < upperWord.size(); ++i)
        if (upperAscii(t.text[i]) != upperWord[i]) return false;
    return true;
}

bool tokenize(std::string_view text, std::vector<Token>* out, std::string* error) {
    out->clear();
    size_t i = 0;
    const size_t n = text.size();
    auto fail = [&](const char* what, size_t at) {
        *error = std::string(what) + " at position " + std::to_string(at + 1);
        return false;
    };
    while (i < n) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        Token t;
        t.pos = uint32_t(i);
        auto simple = [&](Tok k, size_t len) {
            t.kind = k;
            i += len;
        };
        char next = i + 1 < n ? text[i + 1] : '\0';
        if (digit(c) || (c == '.' && digit(next))) {
            size_t start = i;
            while (i < n && digit(text[i])) ++i;
            if (i < n && text[i] == '.' && i + 1 < n && digit(text[i + 1])) {
                ++i;
                while (i < n && digit(text[i])) ++i;
            } else if (i < n && text[i] == '.' && !(i + 1 < n && identStart(text[i + 1]))) {
                ++i;  // "5." is five; "5.AND." is five and an operator
            }
            t.kind = Tok::Number;
            t.text.assign(text.substr(start, i - start));
        } else if (c == '"' || c == '\'' || (c == '[' && operandMayStart(*out))) {
            char close = c == '[' ? ']' : c;
            size_t end = text.find(close, i + 1);
            if (end == std::string_view::npos) return fail("Unterminated string", i);
            t.kind = Tok::String;
            t.text.assign(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (identStart(c)) {
            size_t start = i;
            while (i < n && identChar(text[i])) ++i;
            t.kind = Tok::Ident;
            t.text.assign(text.substr(start, i - start));
        } else if (c == '.') {
            if (dotted(text, i, "AND"))
                simple(Tok::And, 5);
            else if (dotted(text, i, "OR"))
                simple(Tok::Or, 4);
            else if (dotted(text, i, "NOT"))
                simple(Tok::Not, 5);
            else if (dotted(text, i, "T") || dotted(text, i, "Y"))
                simple(Tok::True, 3);
            else if (dotted(text, i, "F") || dotted(text, i, "N"))
                simple(Tok::False, 3);
            else
                return fail("Syntax error", i);
        } else {
            switch (c) {
                case '(':
                    simple(Tok::LParen, 1);
                    break;
                case ')':
                    simple(Tok::RParen, 1);
                    break;
                case ',':
                    simple(Tok::Comma, 1);
                    break;
                case '+':
                    simple(Tok::Plus, 1);
                    break;
                case '-':
                    next == '>' ? simple(Tok::Arrow, 2) : simple(Tok::Minus, 1);
                    break;
                case '*':
                    next == '*' ? simple(Tok::Power, 2) : simple(Tok::Star, 1);
                    break;
                case '/':
                    simple(Tok::Slash, 1);
                    break;
                case '%':
                    simple(Tok::Percent, 1);
                    break;
                case '^':
                    simple(Tok::Power, 1);
                    break;
                case '$':
                    simple(Tok::Dollar, 1);
                    break;
                case '#':
                    simple(Tok::Ne, 1);
                    break;
                case '=':
                    next == '=' ? simple(Tok::EqEq, 2) : simple(Tok::Eq, 1);
                    break;
                case '!':
                    next == '=' ? simple(Tok::Ne, 2) : simple(Tok::Not, 1);
                    break;
                case '<':
                    if (next == '>')
                        simple(Tok::Ne, 2);
                    else if (next == '=')
                        simple(Tok::Le, 2);
                    else
                        simple(Tok::Lt, 1);
                    break;
                case '>':
                    next == '=' ? simple(Tok::Ge, 2) : simple(Tok::Gt, 1);
                    break;
                default:
                    return fail("Syntax error", i);
            }
        }
        out->push_back(std::move(t));
    }
    Token end;
    end.kind = Tok::End;
    end.pos = uint32_t(n);
    out->push_back(end);
    return true;
}

}  // namespace pc::xbase::expr
