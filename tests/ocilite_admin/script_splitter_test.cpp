// The SQL*Plus script splitter: what becomes one statement, what is a unit, what is passed
// over, and on which script line each item is reported.
#include "ocilite/scripts/script_splitter.h"

#include <gtest/gtest.h>

namespace ocilite {
namespace {

using K = ScriptItemKind;

struct Expected {
    K kind;
    int line;
    std::string text;
    std::string command = {}; // Command: its name
};

struct SplitCase {
    const char *name;
    std::string script;
    std::vector<Expected> items;
};

void PrintTo(const SplitCase &c, std::ostream *os) {
    *os << c.name;
}

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, ItemsKindsLinesAndTexts) {
    const SplitCase &c = GetParam();
    const std::vector<ScriptItem> items = splitScript(c.script);
    ASSERT_EQ(items.size(), c.items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(items[i].kind, c.items[i].kind);
        EXPECT_EQ(items[i].line, c.items[i].line);
        if (c.items[i].kind == K::Invalid)
            EXPECT_NE(items[i].text.find(c.items[i].text), std::string::npos) << items[i].text;
        else
            EXPECT_EQ(items[i].text, c.items[i].text);
        EXPECT_EQ(items[i].command, c.items[i].command);
    }
}

const SplitCase kCases[] = {
    {"plain statement", "select 1 from dual;\n", {{K::Sql, 1, "select 1 from dual"}}},
    {"semicolon inside a literal",
     "insert into t values ('a;b');\nselect 2 from dual;",
     {{K::Sql, 1, "insert into t values ('a;b')"}, {K::Sql, 2, "select 2 from dual"}}},
    {"doubled quote inside a literal",
     "insert into t values ('it''s; fine');",
     {{K::Sql, 1, "insert into t values ('it''s; fine')"}}},
    {"q-quoted literal",
     "select q'[x;'y]' from dual;",
     {{K::Sql, 1, "select q'[x;'y]' from dual"}}},
    {"quoted identifier with semicolon",
     "select \"a;b\" from t;",
     {{K::Sql, 1, "select \"a;b\" from t"}}},
    {"dashes inside a literal",
     "select '--x;' from dual;",
     {{K::Sql, 1, "select '--x;' from dual"}}},
    {"leading comments are not part of the statement",
     "-- lead ;\n/* block ; */\nselect\n  1 -- one;\nfrom dual;\n",
     {{K::Sql, 3, "select\n  1 -- one;\nfrom dual"}}},
    {"block comment over lines between statements",
     "/* a\n;\n*/\nselect 1 from dual;",
     {{K::Sql, 4, "select 1 from dual"}}},
    {"two statements on one line",
     "select 1 from dual; select 2 from dual;",
     {{K::Sql, 1, "select 1 from dual"}, {K::Sql, 1, "select 2 from dual"}}},
    {"line numbers count blank lines",
     "\n\n\nselect 1\nfrom dual;\n\ndelete t;",
     {{K::Sql, 4, "select 1\nfrom dual"}, {K::Sql, 7, "delete t"}}},
    {"CRLF line ends",
     "select 1 from dual;\r\nselect 2\r\nfrom dual;\r\n",
     {{K::Sql, 1, "select 1 from dual"}, {K::Sql, 2, "select 2\nfrom dual"}}},
    {"slash ends a statement without semicolon",
     "select 1 from dual\n/\n",
     {{K::Sql, 1, "select 1 from dual"}}},
    {"slash after a semicolon is passed over",
     "create table t (a number);\n/\n",
     {{K::Sql, 1, "create table t (a number)"}, {K::Ignored, 2, "/"}}},
    {"procedure up to the slash line",
     "create or replace procedure p is\nbegin\n  null; -- x;\nend;\n/\nselect 1 from dual;",
     {{K::PlsqlUnit, 1, "create or replace procedure p is\nbegin\n  null; -- x;\nend;"},
      {K::Sql, 6, "select 1 from dual"}}},
    {"unit header over two lines",
     "CREATE OR REPLACE\nPACKAGE BODY x AS\n  PROCEDURE a IS BEGIN NULL; END;\nEND;\n/",
     {{K::PlsqlUnit, 1,
       "CREATE OR REPLACE\nPACKAGE BODY x AS\n  PROCEDURE a IS BEGIN NULL; END;\nEND;"}}},
    {"package spec with semicolons",
     "create package k as\n  x number;\nend k;\n  /  \n",
     {{K::PlsqlUnit, 1, "create package k as\n  x number;\nend k;"}}},
    {"trigger and type are units",
     "create trigger trg before insert on t for each row begin null; end;\n/\n"
     "create or replace type body tb as member function f return number is begin return 1; "
     "end; end;\n/",
     {{K::PlsqlUnit, 1, "create trigger trg before insert on t for each row begin null; end;"},
      {K::PlsqlUnit, 3,
       "create or replace type body tb as member function f return number is begin return 1; "
       "end; end;"}}},
    {"anonymous block",
     "begin\n  null;\nend;\n/",
     {{K::AnonymousBlock, 1, "begin\n  null;\nend;"}}},
    {"declare block",
     "declare x number; begin x := 1; end;\n/",
     {{K::AnonymousBlock, 1, "declare x number; begin x := 1; end;"}}},
    {"exec is a command",
     "exec emp_mgmt.fire(7369);",
     {{K::Command, 1, "emp_mgmt.fire(7369);", "EXECUTE"}}},
    {"SQL*Plus commands by their abbreviations",
     "SET ECHO ON\nprompt hello; world\nREM x;\nREMARK y\nSHOW ERRORS\nsho err\nSPOOL out.log\n"
     "WHENEVER SQLERROR EXIT FAILURE\nwhenever sqlerror continue\nEXIT\ndef x = 1\n"
     "col a new_value b\nundef x\nacc v prompt 'V?'\nvar n number\nquit",
     {{K::Command, 1, "ECHO ON", "SET"},
      {K::Command, 2, "hello; world", "PROMPT"},
      {K::Command, 3, "x;", "REMARK"},
      {K::Command, 4, "y", "REMARK"},
      {K::Command, 5, "ERRORS", "SHOW"},
      {K::Command, 6, "err", "SHOW"},
      {K::Command, 7, "out.log", "SPOOL"},
      {K::Command, 8, "SQLERROR EXIT FAILURE", "WHENEVER"},
      {K::Command, 9, "sqlerror continue", "WHENEVER"},
      {K::Command, 10, "", "EXIT"},
      {K::Command, 11, "x = 1", "DEFINE"},
      {K::Command, 12, "a new_value b", "COLUMN"},
      {K::Command, 13, "x", "UNDEFINE"},
      {K::Command, 14, "v prompt 'V?'", "ACCEPT"},
      {K::Command, 15, "n number", "VARIABLE"},
      {K::Command, 16, "", "QUIT"}}},
    {"host commands take one line and the next statement still runs",
     "! rm x.tmp\n$ del x.tmp\nhost ls;\nselect 1 from dual;",
     {{K::Command, 1, "rm x.tmp", "HOST"},
      {K::Command, 2, "del x.tmp", "HOST"},
      {K::Command, 3, "ls;", "HOST"},
      {K::Sql, 4, "select 1 from dual"}}},
    {"a line ending in '-' continues a command",
     "exec p( -\n  1)\nprompt a -\nb",
     {{K::Command, 1, "p(   1)", "EXECUTE"}, {K::Command, 3, "a b", "PROMPT"}}},
    {"SET TRANSACTION is SQL",
     "set transaction read only;",
     {{K::Sql, 1, "set transaction read only"}}},
    {"words that only look like commands",
     "settle_up;\nprocedure_log;",
     {{K::Sql, 1, "settle_up"}, {K::Sql, 2, "procedure_log"}}},
    {"includes with their arguments as written",
     "@a.sql\n@@sub/b 'x y' &1\nSTART c.sql;\n",
     {{K::Include, 1, "a.sql"}, {K::Include, 2, "sub/b 'x y' &1"}, {K::Include, 3, "c.sql"}}},
    {"include without a file", "@\n", {{K::Invalid, 1, "SP2-1506"}}},
    {"missing semicolon at the end",
     "select 1 from dual;\nselect 2\nfrom dual",
     {{K::Sql, 1, "select 1 from dual"}, {K::Invalid, 2, "';'"}}},
    {"missing slash at the end",
     "create procedure p is begin null; end;\n",
     {{K::Invalid, 1, "'/'"}}},
    {"unterminated literal", "select 'abc from dual;\n", {{K::Invalid, 1, "ORA-01756"}}},
    {"unterminated comment",
     "select 1 from dual;\n/* open\n",
     {{K::Sql, 1, "select 1 from dual"}, {K::Invalid, 2, "comment"}}},
    {"directive without a unit", "--@error 1:1 PLS-00201: x", {{K::Invalid, 1, "follow"}}},
    {"directive after a SQL statement",
     "create table t (a number);\n--@error 1:1 X",
     {{K::Sql, 1, "create table t (a number)"}, {K::Invalid, 2, "follow"}}},
    {"malformed directives",
     "create procedure p is begin null; end;\n/\n--@error x:1 X\n--@error 1:0 X\n--@error 1:2\n"
     "--@error 1:2X",
     {{K::PlsqlUnit, 1, "create procedure p is begin null; end;"},
      {K::Invalid, 3, "malformed"},
      {K::Invalid, 4, "malformed"},
      {K::Invalid, 5, "malformed"},
      {K::Invalid, 6, "malformed"}}},
    {"continuation without a directive", "--@+ text", {{K::Invalid, 1, "continue"}}},
};

INSTANTIATE_TEST_SUITE_P(Scripts, SplitTest, ::testing::ValuesIn(kCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(SplitDirectives, AttachToTheUnitBeforeThemAcrossShowErrors) {
    const std::vector<ScriptItem> items = splitScript(
        "create or replace procedure p is\n"
        "begin\n"
        "  x := 1;\n"
        "end;\n"
        "/\n"
        "SHOW ERRORS\n"
        "--@error 3:3 PL/SQL: Statement ignored\n"
        "--@error 3:3 PLS-00201: identifier 'X' must be declared\n"
        "--@error 4:1 PLS-00103: Encountered the symbol \"END\" when expecting one of the "
        "following:\n"
        "--@+\n"
        "--@+    := . ( @ % ;\n"
        "select 1 from dual;\n"
        "--@error 1:1 too late\n");
    ASSERT_EQ(items.size(), 4u);
    ASSERT_EQ(items[0].kind, K::PlsqlUnit);
    const std::vector<ErrorDirective> &errors = items[0].errors;
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0].line, 3);
    EXPECT_EQ(errors[0].position, 3);
    EXPECT_EQ(errors[0].text, "PL/SQL: Statement ignored");
    EXPECT_EQ(errors[0].scriptLine, 7);
    EXPECT_EQ(errors[1].text, "PLS-00201: identifier 'X' must be declared");
    EXPECT_EQ(errors[2].line, 4);
    EXPECT_EQ(errors[2].position, 1);
    EXPECT_EQ(errors[2].text, "PLS-00103: Encountered the symbol \"END\" when expecting one of "
                              "the following:\n\n   := . ( @ % ;");
    EXPECT_EQ(items[1].kind, K::Command);
    EXPECT_EQ(items[2].kind, K::Sql);
    EXPECT_EQ(items[3].kind, K::Invalid);
    EXPECT_EQ(items[3].line, 13);
}

TEST(SplitDirectives, InsideAUnitTheyAreSourceText) {
    const std::vector<ScriptItem> items =
        splitScript("create procedure p is\n--@error 1:1 X\nbegin null; end;\n/\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "create procedure p is\n--@error 1:1 X\nbegin null; end;");
    EXPECT_TRUE(items[0].errors.empty());
}

TEST(SplitDirectives, KeepTabsAndJapaneseInTheUnit) {
    const std::string unit =
        "create procedure p is\n\t-- 日本語のコメント;\nbegin\n\t\tnull;\nend;";
    const std::vector<ScriptItem> items = splitScript(unit + "\n/\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, unit);
}

TEST(UnitHeader, StoredSourceBeginsAtTheTypeKeyword) {
    UnitHeader header;
    const std::string statement = "/* x */ CREATE OR REPLACE\n  package body k as";
    ASSERT_TRUE(parseUnitHeader(statement, header));
    EXPECT_EQ(statement.substr(header.sourceOffset), "package body k as");
}

struct HeaderCase {
    const char *statement;
    bool ok;
    const char *type;
    const char *name;
};

TEST(UnitHeader, TypeAndName) {
    const HeaderCase cases[] = {
        {"create or replace package body scott.emp_mgmt as", true, "PACKAGE BODY", "EMP_MGMT"},
        {"CREATE PACKAGE k AS", true, "PACKAGE", "K"},
        {"create function \"MixedCase\" return number", true, "FUNCTION", "MixedCase"},
        {"create editionable procedure p is", true, "PROCEDURE", "P"},
        {"/* c */ create -- x\n or replace\n procedure\n p2 is", true, "PROCEDURE", "P2"},
        {"create or replace type body t_x as", true, "TYPE BODY", "T_X"},
        {"create or replace trigger trg before insert", true, "TRIGGER", "TRG"},
        {"create table t (a number)", false, "", ""},
        {"create or procedure p", false, "", ""},
        {"create package", false, "", ""},
        {"select 1 from dual", false, "", ""},
    };
    for (const HeaderCase &c : cases) {
        SCOPED_TRACE(c.statement);
        UnitHeader header;
        EXPECT_EQ(parseUnitHeader(c.statement, header), c.ok);
        if (c.ok) {
            EXPECT_EQ(header.type, c.type);
            EXPECT_EQ(header.name, c.name);
        }
    }
}

} // namespace
} // namespace ocilite
