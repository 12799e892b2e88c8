// The lexer: token kinds, Oracle's line/column (TAB and multi-byte characters are one
// column), literals of every quoting style, comments and conditional compilation tokens.
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <gtest/gtest.h>

using namespace ocilite::plsql;

namespace {

struct Expected {
    Tok kind;
    int line;
    int col;
    const char *text;
};

TEST(PlsqlLexer, KindsAndPositions) {
    struct Case {
        const char *source;
        std::vector<Expected> tokens;
    };
    const Case cases[] = {
        {"x := 1;",
         {{Tok::Word, 1, 1, "x"},
          {Tok::Op, 1, 3, ":="},
          {Tok::Number, 1, 6, "1"},
          {Tok::Op, 1, 7, ";"}}},
        {"\t\tv := a;",
         {{Tok::Word, 1, 3, "v"},
          {Tok::Op, 1, 5, ":="},
          {Tok::Word, 1, 8, "a"},
          {Tok::Op, 1, 9, ";"}}},
        {"'社員' || r.x",
         {{Tok::String, 1, 1, "'社員'"},
          {Tok::Op, 1, 6, "||"},
          {Tok::Word, 1, 9, "r"},
          {Tok::Op, 1, 10, "."},
          {Tok::Word, 1, 11, "x"}}},
        {"a -- note\n/* b\n c */ d", {{Tok::Word, 1, 1, "a"}, {Tok::Word, 3, 7, "d"}}},
        {"q'[it's]' nq'{x}' N'y' 'a''b'",
         {{Tok::String, 1, 1, "q'[it's]'"},
          {Tok::String, 1, 11, "nq'{x}'"},
          {Tok::String, 1, 19, "N'y'"},
          {Tok::String, 1, 24, "'a''b'"}}},
        {"1..10 1.5e3 .5 2f",
         {{Tok::Number, 1, 1, "1"},
          {Tok::Op, 1, 2, ".."},
          {Tok::Number, 1, 4, "10"},
          {Tok::Number, 1, 7, "1.5e3"},
          {Tok::Number, 1, 13, ".5"},
          {Tok::Number, 1, 16, "2f"}}},
        {":new.id \"Mixed Case\" a#$_1",
         {{Tok::BindVar, 1, 1, ":new"},
          {Tok::Op, 1, 5, "."},
          {Tok::Word, 1, 6, "id"},
          {Tok::QuotedIdent, 1, 9, "\"Mixed Case\""},
          {Tok::Word, 1, 22, "a#$_1"}}},
        {"$IF $$debug $THEN $ELSE $END $ERROR",
         {{Tok::CcIf, 1, 1, "$IF"},
          {Tok::CcInquiry, 1, 5, "$$debug"},
          {Tok::CcThen, 1, 13, "$THEN"},
          {Tok::CcElse, 1, 19, "$ELSE"},
          {Tok::CcEnd, 1, 25, "$END"},
          {Tok::CcError, 1, 30, "$ERROR"}}},
        {"a <> b != c ~= d ^= e => f ** g",
         {{Tok::Word, 1, 1, "a"},
          {Tok::Op, 1, 3, "<>"},
          {Tok::Word, 1, 6, "b"},
          {Tok::Op, 1, 8, "!="},
          {Tok::Word, 1, 11, "c"},
          {Tok::Op, 1, 13, "~="},
          {Tok::Word, 1, 16, "d"},
          {Tok::Op, 1, 18, "^="},
          {Tok::Word, 1, 21, "e"},
          {Tok::Op, 1, 23, "=>"},
          {Tok::Word, 1, 26, "f"},
          {Tok::Op, 1, 28, "**"},
          {Tok::Word, 1, 31, "g"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.source);
        const std::vector<Token> tokens = tokenize(c.source);
        ASSERT_EQ(tokens.size(), c.tokens.size() + 1);
        for (size_t i = 0; i < c.tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].kind, c.tokens[i].kind) << i;
            EXPECT_EQ(tokens[i].line, c.tokens[i].line) << i;
            EXPECT_EQ(tokens[i].col, c.tokens[i].col) << i;
            EXPECT_EQ(tokenText(c.source, tokens[i]), c.tokens[i].text) << i;
        }
        EXPECT_EQ(tokens.back().kind, Tok::Eof);
    }
}

TEST(PlsqlLexer, BrokenInputEndsInBadTokenAndEof) {
    for (const char *source : {"'open", "/* open", "\"open", "a ` b"}) {
        SCOPED_TRACE(source);
        const std::vector<Token> tokens = tokenize(source);
        bool bad = false;
        for (const Token &t : tokens)
            bad = bad || t.kind == Tok::Bad;
        EXPECT_TRUE(bad);
        EXPECT_EQ(tokens.back().kind, Tok::Eof);
    }
}

TEST(PlsqlLexer, ValuesAndNames) {
    const std::string src = "'a''b' q'<x'y>' \"MiXed\" mixed";
    const std::vector<Token> t = tokenize(src);
    EXPECT_EQ(stringValue(src, t[0]), "a'b");
    EXPECT_EQ(stringValue(src, t[1]), "x'y");
    EXPECT_EQ(identName(src, t[2]), "MiXed");
    EXPECT_EQ(identName(src, t[3]), "MIXED");
    EXPECT_EQ(keywordOf("begin"), Kw::BEGIN);
    EXPECT_EQ(keywordOf("Null"), Kw::NULL_);
    EXPECT_EQ(keywordName(Kw::NULL_), "NULL");
    EXPECT_EQ(keywordOf("begins"), Kw::None);
    EXPECT_TRUE(isReserved(Kw::BEGIN));
    EXPECT_FALSE(isReserved(Kw::LOOP));
}

} // namespace
