#pragma once
// Splits expression text into tokens. Strings keep their raw UTF-8 bytes; the
// parser converts them to the table's code page.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pc::xbase::expr {

enum class Tok : uint8_t {
    End,
    Number,
    String,
    Ident,
    True,   // .T. .Y.
    False,  // .F. .N.
    And,    // .AND.
    Or,     // .OR.
    Not,    // .NOT. !
    LParen,
    RParen,
    Comma,
    Arrow,  // ->
    Plus,
    Minus,
    Star,
    Slash,
    Percent,
    Power,  // ^ **
    Dollar,
    Eq,    // =
    EqEq,  // ==
    Ne,    // <> # !=
    Lt,
    Le,
    Gt,
    Ge,
};

struct Token {
    Tok kind = Tok::End;
    uint32_t pos = 0;  // byte offset in the text
    std::string text;  // identifier, string contents or number text
};

// Tokenises the whole text. Returns false and sets *error for a stray
// character or an unterminated string.
bool tokenize(std::string_view text, std::vector<Token>* out, std::string* error);

// True for an identifier spelling the dotless word (AND, OR, NOT) in any case.
bool isWord(const Token& t, std::string_view upperWord);

}  // namespace pc::xbase::expr
