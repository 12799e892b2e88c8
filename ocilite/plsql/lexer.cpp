#include "ocilite/plsql/lexer.h"

#include "ocilite/plsql/keywords.h"

#include <cctype>
#include <cstring>
#include <strings.h>

namespace ocilite::plsql {
namespace {

bool isIdentStart(unsigned char c) {
    return std::isalpha(c) || c >= 0x80;
}
bool isIdentPart(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c >= 0x80;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the source keeping Oracle's line and column.
struct Cursor {
    std::string_view s;
    size_t i = 0;
    int line = 1;
    int col = 1;

    bool done() const { return i >= s.size(); }
    char at(size_t ahead = 0) const { return i + ahead < s.size() ? s[i + ahead] : '\0'; }
    void step() {
        const unsigned char c = static_cast<unsigned char>(s[i++]);
        if (c == '\n') {
            ++line;
            col = 1;
        } else if ((c & 0xC0) != 0x80) {
            // A continuation byte belongs to the character already counted.
            ++col;
        }
    }
    void stepN(size_t n) {
        for (size_t k = 0; k < n && !done(); ++k)
            step();
    }
};

// Skips blanks and comments; false when an unterminated /* comment ran to the end.
bool skipSpace(Cursor &c) {
    for (;;) {
        while (!c.done() && std::isspace(static_cast<unsigned char>(c.at())))
            c.step();
        if (c.at() == '-' && c.at(1) == '-') {
            while (!c.done() && c.at() != '\n')
                c.step();
        } else if (c.at() == '/' && c.at(1) == '*') {
            c.stepN(2);
            while (!c.done() && !(c.at() == '*' && c.at(1) == '/'))
                c.step();
            if (c.done())
                return false;
            c.stepN(2);
        } else {
            return true;
        }
    }
}

char closingOf(char open) {
    switch (open) {
    case '[':
        return ']';
    case '{':
        return '}';
    case '<':
        return '>';
    case '(':
        return ')';
    default:
        return open;
    }
}

// q'Xtext X' after the q and the quote; false when unterminated.
bool scanQQuote(Cursor &c, Token &t) {
    const char close = closingOf(c.at());
    c.step();
    t.innerOffset = static_cast<uint32_t>(c.i);
    while (!c.done() && !(c.at() == close && c.at(1) == '\''))
        c.step();
    if (c.done())
        return false;
    t.innerLength = static_cast<uint32_t>(c.i - t.innerOffset);
    c.stepN(2);
    return true;
}

// 'text' with '' inside, after the opening quote; false when unterminated.
bool scanQuoted(Cursor &c, Token &t) {
    t.innerOffset = static_cast<uint32_t>(c.i);
    for (;;) {
        if (c.done())
            return false;
        if (c.at() == '\'' && c.at(1) == '\'') {
            c.stepN(2);
        } else if (c.at() == '\'') {
            t.innerLength = static_cast<uint32_t>(c.i - t.innerOffset);
            c.step();
            return true;
        } else {
            c.step();
        }
    }
}

// A string literal: '..', N'..', q'[..]', nq'[..]'. Returns false when this is no literal.
bool scanString(Cursor &c, Token &t) {
    size_t n = 0;
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(c.at())));
    if (a == 'N')
        n = 1;
    const char q = static_cast<char>(std::toupper(static_cast<unsigned char>(c.at(n))));
    const bool qquote = q == 'Q' && c.at(n + 1) == '\'' && c.at(n + 2) != '\0';
    if (!qquote && c.at(n) != '\'')
        return false;
    t.kind = Tok::String;
    c.stepN(n + (qquote ? 2 : 1));
    if (!(qquote ? scanQQuote(c, t) : scanQuoted(c, t)))
        t.kind = Tok::Bad;
    return true;
}

void scanNumber(Cursor &c) {
    while (isDigit(c.at()))
        c.step();
    if (c.at() == '.' && c.at(1) != '.') {
        c.step();
        while (isDigit(c.at()))
            c.step();
    }
    if ((c.at() == 'e' || c.at() == 'E') &&
        (isDigit(c.at(1)) || ((c.at(1) == '+' || c.at(1) == '-') && isDigit(c.at(2))))) {
        c.stepN(2);
        while (isDigit(c.at()))
            c.step();
    }
    const char f = c.at();
    if ((f == 'f' || f == 'F' || f == 'd' || f == 'D') && !isIdentPart(c.at(1)))
        c.step();
}

void scanWord(Cursor &c) {
    while (!c.done() && isIdentPart(static_cast<unsigned char>(c.at())))
        c.step();
}

Tok ccKind(std::string_view word) {
    static const struct {
        const char *name;
        Tok kind;
    } kDirectives[] = {{"IF", Tok::CcIf},     {"THEN", Tok::CcThen}, {"ELSIF", Tok::CcElsif},
                       {"ELSE", Tok::CcElse}, {"END", Tok::CcEnd},   {"ERROR", Tok::CcError}};
    for (const auto &d : kDirectives)
        if (word.size() == std::strlen(d.name) &&
            strncasecmp(word.data(), d.name, word.size()) == 0)
            return d.kind;
    return Tok::Bad;
}

// $IF ... and $$NAME.
void scanDollar(Cursor &c, Token &t) {
    const bool inquiry = c.at(1) == '$';
    c.stepN(inquiry ? 2 : 1);
    const size_t start = c.i;
    scanWord(c);
    if (inquiry)
        t.kind = c.i > start ? Tok::CcInquiry : Tok::Bad;
    else
        t.kind = ccKind(c.s.substr(start, c.i - start));
}

constexpr const char *kTwoCharOps[] = {
    ":=", "=>", "..", "||", "**", "<>", "!=", "~=", "^=", "<=", ">=", "<<", ">>"};

void scanOp(Cursor &c, Token &t) {
    t.kind = Tok::Op;
    for (const char *op : kTwoCharOps)
        if (c.at() == op[0] && c.at(1) == op[1]) {
            c.stepN(2);
            return;
        }
    if (std::strchr("()[];,.+-*/=<>@%&|:!^~?{}", c.at()) == nullptr)
        t.kind = Tok::Bad;
    c.step();
}

void scanBindVar(Cursor &c, Token &t) {
    c.step();
    if (c.at() == '"') {
        c.step();
        while (!c.done() && c.at() != '"')
            c.step();
        c.step();
    } else {
        scanWord(c);
    }
    t.kind = Tok::BindVar;
}

void scanOne(Cursor &c, Token &t) {
    const char ch = c.at();
    if (scanString(c, t))
        return;
    if (isIdentStart(static_cast<unsigned char>(ch))) {
        scanWord(c);
        t.kind = Tok::Word;
        t.kw = static_cast<uint16_t>(keywordOf(c.s.substr(t.offset, c.i - t.offset)));
    } else if (isDigit(ch) || (ch == '.' && isDigit(c.at(1)))) {
        scanNumber(c);
        t.kind = Tok::Number;
    } else if (ch == '"') {
        c.step();
        t.innerOffset = static_cast<uint32_t>(c.i);
        while (!c.done() && c.at() != '"' && c.at() != '\n')
            c.step();
        t.innerLength = static_cast<uint32_t>(c.i - t.innerOffset);
        t.kind = c.at() == '"' ? Tok::QuotedIdent : Tok::Bad;
        c.step();
    } else if (ch == '$') {
        scanDollar(c, t);
    } else if (ch == ':' && (isIdentStart(static_cast<unsigned char>(c.at(1))) ||
                             isDigit(c.at(1)) || c.at(1) == '"')) {
        scanBindVar(c, t);
    } else {
        scanOp(c, t);
    }
}

} // namespace

std::vector<Token> tokenize(std::string_view source) {
    std::vector<Token> out;
    out.reserve(source.size() / 4 + 8);
    Cursor c{source};
    for (;;) {
        const bool closed = skipSpace(c);
        Token t;
        t.offset = static_cast<uint32_t>(c.i);
        t.line = c.line;
        t.col = c.col;
        if (!closed) {
            t.kind = Tok::Bad;
        } else if (c.done()) {
            out.push_back(t);
            return out;
        } else {
            scanOne(c, t);
        }
        t.length = static_cast<uint32_t>(c.i - t.offset);
        out.push_back(t);
        if (t.kind == Tok::Bad && c.done()) {
            Token eof;
            eof.offset = static_cast<uint32_t>(c.i);
            eof.line = c.line;
            eof.col = c.col;
            out.push_back(eof);
            return out;
        }
    }
}

std::string stringValue(std::string_view source, const Token &t) {
    std::string_view inner = source.substr(t.innerOffset, t.innerLength);
    const char first = source[t.offset];
    const bool qquote =
        first == 'q' || first == 'Q' ||
        (t.length > 1 && (source[t.offset + 1] == 'q' || source[t.offset + 1] == 'Q'));
    if (qquote)
        return std::string(inner);
    std::string v;
    v.reserve(inner.size());
    for (size_t i = 0; i < inner.size(); ++i) {
        v += inner[i];
        if (inner[i] == '\'' && i + 1 < inner.size() && inner[i + 1] == '\'')
            ++i;
    }
    return v;
}

std::string identName(std::string_view source, const Token &t) {
    if (t.kind == Tok::QuotedIdent)
        return std::string(source.substr(t.innerOffset, t.innerLength));
    std::string name(source.substr(t.offset, t.length));
    for (char &ch : name)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return name;
}

} // namespace ocilite::plsql
