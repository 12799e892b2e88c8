// After a syntax error it cannot repair, the parser resumes where Oracle's does: it gives up
// what it has read back to the nearest state that can read the symbol met (a finished list
// of statements or declarations only as a whole), dropping that symbol when none can, and
// reports the errors after it; where the parse cannot get seven tokens past the error that
// way, the error is the last row. Words Oracle keeps for functions (MAX, SUM ...) need their
// '(' as operands, and a qualified call's arguments are plain expressions.
#include "ocilite/plsql/syntax.h"

#include <gtest/gtest.h>

using namespace ocilite::plsql;

namespace {

struct Row {
    int line;
    int position;
    std::string text;
};

std::vector<Row> rowsOf(std::string_view source) {
    auto unit = parseUnit(source);
    std::vector<Row> rows;
    for (const Diagnostic &d : unit->diags.rows())
        rows.push_back({d.line, d.position, d.text});
    return rows;
}

const std::string kEncountered = "PLS-00103: Encountered the symbol ";
const std::string kExpecting = " when expecting one of the following:\n\n   ";
const std::string kStatementStart =
    "( begin case declare end exception exit for goto if loop mod\n"
    "   null pragma raise return select update while with\n"
    "   <an identifier> <a double-quoted delimited-identifier>\n"
    "   <a bind variable> << continue close current delete fetch lock\n"
    "   insert open rollback savepoint set sql execute commit forall\n"
    "   merge pipe purge json_exists json_value json_query\n"
    "   json_object json_array";

TEST(PlsqlResume, RowsAfterAnUnrepairedError) {
    struct Case {
        const char *name;
        const char *source;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"a second block after the unit's END is read as a statement of its body",
         "PROCEDURE p IS\nBEGIN\n  NULL;\nEND;\nBEGIN\n  NULL;\n  NULL;\nEND;",
         {{5, 1, kEncountered + "\"BEGIN\""},
          {8, 4, kEncountered + "\"end-of-file\"" + kExpecting + kStatementStart}}},
        {"a block after the unit's END meets the end of the text too soon: no more rows",
         "PROCEDURE p IS\nBEGIN\n  NULL;\nEND;\nBEGIN\n  NULL;\nEND;",
         {{5, 1, kEncountered + "\"BEGIN\""}}},
        {"a query after the unit's END: the same",
         "PROCEDURE p IS\nBEGIN\n  NULL;\nEND;\nSELECT * FROM t;",
         {{5, 1, kEncountered + "\"SELECT\""}}},
        {"a ';' where RETURN belongs is dropped and the next heading read",
         "PROCEDURE p IS\n  FUNCTION a (x number);\n  FUNCTION b (x number, y number);\n"
         "  FUNCTION c (x number);\nEND p;",
         {{2, 24, kEncountered + "\";\"" + kExpecting + "return"},
          {3, 34, kEncountered + "\";\"" + kExpecting + "return"},
          {4, 24, kEncountered + "\";\"" + kExpecting + "return"}}},
        {"a body in a specification: its declaration gets six tokens on, the error is the last",
         "PACKAGE k IS\n  FUNCTION f (r number) RETURN number IS\n    v number(3);\n  BEGIN\n"
         "    RETURN r;\n  END f;\n  FUNCTION g RETURN number;\nEND k;",
         {{3, 5, kEncountered + "\"V\"" + kExpecting + "language"}}},
        {"a finished IF statement is not reopened for a stray ELSE",
         "PROCEDURE p IS\nBEGIN\n  IF 1 = 1 THEN NULL; END IF;\n"
         "  ELSE NULL; NULL; NULL;\nEND;",
         {{4, 3, kEncountered + "\"ELSE\"" + kExpecting + kStatementStart}}},
        {"FUNCTION read as a subprogram's END name: the next heading's name wants ';'",
         "PACKAGE BODY k IS\n  FUNCTION f RETURN NUMBER IS BEGIN RETURN 1; END\n"
         "  FUNCTION g RETURN NUMBER IS BEGIN RETURN 2; END;\nEND k;",
         {{3, 12, kEncountered + "\"G\"" + kExpecting + ";"}}},
        {"MAX declared as a variable: each read of it wants its '('",
         "PROCEDURE p IS\n  MAX NUMBER := 0;\nBEGIN\n  MAX := MAX + 1;\n  NULL;\n  f(MAX);\nEND;",
         {{4, 14, kEncountered + "\"+\"" + kExpecting + "("},
          {6, 8, kEncountered + "\")\"" + kExpecting + "("}}},
        {"a SQL statement keeps its columns named like functions",
         "PROCEDURE p IS\n  n NUMBER;\nBEGIN\n  SELECT max INTO n FROM t;\nEND;",
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Row> rows = rowsOf(c.source);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].line, c.rows[i].line) << i;
            EXPECT_EQ(rows[i].position, c.rows[i].position) << i;
            EXPECT_EQ(rows[i].text, c.rows[i].text) << i;
        }
    }
}

// Errors before the point a pass resumes from were reported by an earlier pass: none is
// reported twice (a SQL statement's error keeps its two rows), and a repair made there is
// made again without a row.
TEST(PlsqlResume, EarlierRowsAreNotRepeated) {
    const std::vector<Row> rows = rowsOf("PROCEDURE p\nBEGIN\n  DELETE FROM t x y;\n  NULL;\nEND;\n"
                                         "BEGIN\n  NULL;\n  NULL;\nEND;");
    ASSERT_EQ(rows.size(), 5u);
    const std::string note = "\nThe symbol \"is\" was substituted for \"BEGIN\" to continue.";
    ASSERT_GT(rows[0].text.size(), note.size());
    EXPECT_EQ(rows[0].text.substr(rows[0].text.size() - note.size()), note);
    EXPECT_EQ(rows[1].text, "PL/SQL: ORA-00933: SQL command not properly ended");
    EXPECT_EQ(rows[2].text, "PL/SQL: SQL Statement ignored");
    EXPECT_EQ(rows[3].text, kEncountered + "\"BEGIN\"");
    EXPECT_EQ(rows[3].line, 6);
    EXPECT_EQ(rows[4].line, 9);
    EXPECT_EQ(rows[4].position, 4);
}

} // namespace

namespace {

// A call qualified by its package takes plain arguments: a word after one is an error with
// Oracle's after-argument list (a quote inside a literal ends it early); the built-in forms
// called unqualified keep their words.
TEST(PlsqlResume, ArgumentsOfAQualifiedCall) {
    const std::string afterArgument =
        " when expecting one of the following:\n\n"
        "   ) , * & = - + < / > at in is mod remainder not rem =>\n"
        "   <an exponent (**)> <> or != or ~= >= <= <> and or like like2\n"
        "   like4 likec as between from using || multiset member\n"
        "   submultiset";
    struct Case {
        const char *name;
        const char *source;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"a quote inside a literal",
         "PROCEDURE p IS\nBEGIN\n  dbms_output.put_line('You've done it');\nEND;",
         {{3, 29, kEncountered + "\"VE\"" + afterArgument}}},
        {"two names for one argument: a ',' between them",
         "PROCEDURE p IS\nBEGIN\n  k.f(a b);\nEND;",
         {{3, 9,
           kEncountered + "\"B\"" + afterArgument +
               "\nThe symbol \",\" was substituted for \"B\" to continue."}}},
        {"built-in forms",
         "PROCEDURE p(s VARCHAR2, d DATE) IS\n  n NUMBER;\nBEGIN\n"
         "  n := LENGTH(TRIM(LEADING '0' FROM s)) + CAST(s AS NUMBER) + EXTRACT(YEAR FROM d);\n"
         "  k.f(a => TRIM(BOTH ' ' FROM s), b => 1);\nEND;",
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Row> rows = rowsOf(c.source);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].line, c.rows[i].line) << i;
            EXPECT_EQ(rows[i].position, c.rows[i].position) << i;
            EXPECT_EQ(rows[i].text, c.rows[i].text) << i;
        }
    }
}

} // namespace
