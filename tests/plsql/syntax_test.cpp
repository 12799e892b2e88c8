// Syntax errors as Oracle reports them (PLS-00103 with its expected-symbol list, the
// ";" substitution, end-of-file on the last character), and the absence of any row for
// units that are valid. The listings are Oracle's (sources in ocilite/plsql/expected.cpp).
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

TEST(PlsqlSyntax, OracleListings) {
    struct Case {
        const char *name;
        const char *source;
        Row row;
    };
    const Case cases[] = {
        {"missing semicolon after a name",
         "PROCEDURE p IS\n    v NUMBER;\nBEGIN\n    v := v + w\n    INSERT INTO t VALUES "
         "(v);\nEND;",
         {5, 5,
          "PLS-00103: Encountered the symbol \"INSERT\" when expecting one of the following:\n\n"
          "   . ( * @ % & = - + ; < / > at in is mod remainder not rem\n"
          "   <an exponent (**)> <> or != or ~= >= <= <> and or like like2\n"
          "   like4 likec between || multiset member submultiset\n"
          "The symbol \";\" was substituted for \"INSERT\" to continue."}},
        {"missing semicolon after a value",
         "TRIGGER t BEFORE INSERT ON x FOR EACH ROW\nBEGIN\n  :new.a := 1\n  IF :new.b IS NULL "
         "THEN NULL; END IF;\nEND;",
         {4, 3,
          "PLS-00103: Encountered the symbol \"IF\" when expecting one of the following:\n\n"
          "   * & = - + ; < / > at in is mod remainder not rem\n"
          "   <an exponent (**)> <> or != or ~= >= <= <> and or like like2\n"
          "   like4 likec between || multiset member submultiset\n"
          "The symbol \";\" was substituted for \"IF\" to continue."}},
        {"END closing an IF, the text ending there",
         "PROCEDURE p IS\nBEGIN\n  IF 1 = 1 THEN\n    NULL;\n  END;",
         {5, 6,
          "PLS-00103: Encountered the symbol \";\" when expecting one of the following:\n\n   if"}},
        {"end-of-file inside the body",
         "PROCEDURE p1\nis\nbegin\n  dbms_output.put_line('Procedure 1');",
         {4, 38,
          "PLS-00103: Encountered the symbol \"end-of-file\" when expecting one of the "
          "following:\n\n"
          "   ( begin case declare end exception exit for goto if loop mod\n"
          "   null pragma raise return select update while with\n"
          "   <an identifier> <a double-quoted delimited-identifier>\n"
          "   <a bind variable> << continue close current delete fetch lock\n"
          "   insert open rollback savepoint set sql execute commit forall\n"
          "   merge pipe purge json_exists json_value json_query\n"
          "   json_object json_array"}},
        {"a name where a statement goes on",
         "PROCEDURE p IS\nBEGIN\n  IF 1 > 0 THEN\n    NULL;\n  ELSEIF 2 > 1 THEN\n    NULL;\n  END "
         "IF;\nEND;",
         {5, 10,
          "PLS-00103: Encountered the symbol \"2\" when expecting one of the following:\n\n"
          "   := . ( @ % ;"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Row> rows = rowsOf(c.source);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0].line, c.row.line);
        EXPECT_EQ(rows[0].position, c.row.position);
        EXPECT_EQ(rows[0].text, c.row.text);
    }
}

// Oracle's repair: the listed symbols are tried in the list's order, first each put in
// before the symbol met ("X" was substituted for "Y"), then each operator put in its place
// ("X was inserted before "Y"); the first after which the parse reads on for four more
// tokens is taken. A symbol put in before the one met lets the parse go on (a later error
// gets its own row); any other repair, or none, ends the parse.
TEST(PlsqlSyntax, RepairsAsOracleMakesThem) {
    struct Case {
        const char *name;
        const char *source;
        std::vector<Row> rows;
    };
    const std::string call = "when expecting one of the following:\n\n   := . ( % ;";
    const std::string name = "when expecting one of the following:\n\n   := . ( @ % ;";
    const Case cases[] = {
        {"':' typed for ';' after a call: ':=' in its place",
         "PROCEDURE p IS\nBEGIN\n  f(1):\n  g(2);\nEND;",
         {{3, 7,
           "PLS-00103: Encountered the symbol \":\" " + call +
               "\nThe symbol \":= was inserted before \":\" to continue."}}},
        {"a call without ';' before END: ';' before it",
         "PROCEDURE p IS\nBEGIN\n  f(1)\nEND;",
         {{4, 1,
           "PLS-00103: Encountered the symbol \"END\" " + call +
               "\nThe symbol \";\" was substituted for \"END\" to continue."}}},
        {"'=' for ':=' repaired when the parse then reads on",
         "PROCEDURE p IS\n  x NUMBER;\nBEGIN\n  x = 1;\n  NULL;\nEND;",
         {{4, 5,
           "PLS-00103: Encountered the symbol \"=\" " + name +
               "\nThe symbol \":= was inserted before \"=\" to continue."}}},
        {"'=' for ':=' not repaired when the next statement has the same fault",
         "PROCEDURE p IS\n  x NUMBER;\nBEGIN\n  x = 1;\n  x = 2;\nEND;",
         {{4, 5, "PLS-00103: Encountered the symbol \"=\" " + name}}},
        {"IS missing: put in, and the parse goes on to the next error, repaired too",
         "PROCEDURE p\nBEGIN\n  NULL;\n  f(1)\nEND;",
         {{2, 1,
           "PLS-00103: Encountered the symbol \"BEGIN\" when expecting one of the following:\n\n"
           "   ( ; is with default authid as cluster compress order using\n"
           "   compiled wrapped external deterministic parallel_enable\n"
           "   pipelined result_cache accessible rewrite\n"
           "The symbol \"is\" was substituted for \"BEGIN\" to continue."},
          {5, 1,
           "PLS-00103: Encountered the symbol \"END\" " + call +
               "\nThe symbol \";\" was substituted for \"END\" to continue."}}},
        {"a keyword is never put in another's place: END LOOP for END IF",
         "PROCEDURE p IS\nBEGIN\n  IF 1 = 1 THEN\n    NULL;\n  END LOOP;\nEND;",
         {{5, 7,
           "PLS-00103: Encountered the symbol \"LOOP\" when expecting one of the following:\n\n"
           "   if"}}},
        {"text after the unit's END: the symbol only",
         "PROCEDURE p IS\nBEGIN\n  NULL;\nEND;\nSHOW ERRORS",
         {{5, 1, "PLS-00103: Encountered the symbol \"SHOW\""}}},
        {"the unit's END without its ';'",
         "PROCEDURE p IS\nBEGIN\n  NULL;\nEND p",
         {{4, 5,
           "PLS-00103: Encountered the symbol \"end-of-file\" when expecting one of the "
           "following:\n\n   ;"}}},
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

// A SQL statement runs to the next ';' and what it cannot hold is the SQL parser's error, with
// "PL/SQL: SQL Statement ignored" at its start; the PL/SQL after it is parsed on.
TEST(PlsqlSyntax, SqlStatementsEndAtTheirSemicolon) {
    struct Case {
        const char *name;
        const char *source;
        std::vector<Row> rows;
    };
    const std::string afterEnd =
        "PLS-00103: Encountered the symbol \"IF\" when expecting one of the following:\n\n"
        "   ; <an identifier> <a double-quoted delimited-identifier>";
    const Case cases[] = {
        {"a WHERE clause commented out (Oracle listing)",
         "PROCEDURE p IS\n    vname emp.ename%TYPE := 'x';\n    vpay NUMBER := 0;\n"
         "    vmessage VARCHAR2(100);\nBEGIN\n    -- one row only\n"
         "    SELECT ename, sal + comm pay\n        INTO vname, vpay\n    FROM emp\n"
         "--    WHERE empno = 1001;\n    \n    vmessage := vname || +  ', ' || vpay;\n"
         "    DBMS_OUTPUT.PUT_LINE(vmessage);\nEND;",
         {{12, 14, "PL/SQL: ORA-00933: SQL command not properly ended"},
          {7, 5, "PL/SQL: SQL Statement ignored"}}},
        {"a period for the semicolon; END IF then closes the body (Oracle listing)",
         "PROCEDURE p IS\nBEGIN\n  UPDATE emp\n  SET sal = 0\n  WHERE sal > 2200.\n"
         "  IF sal % found THEN\n    dbms_output.put_line('Update done!');\n  END IF;\nEND;",
         {{6, 3, "PL/SQL: ORA-00933: SQL command not properly ended"},
          {3, 3, "PL/SQL: SQL Statement ignored"},
          {8, 7, afterEnd.c_str()}}},
        {"OPEN FOR and a cursor's query; RETURNING after INSERT ... SELECT",
         "PROCEDURE p IS\n  CURSOR c IS SELECT ename FROM emp\n  v NUMBER;\n  rc SYS_REFCURSOR;\n"
         "BEGIN\n  OPEN rc FOR SELECT empno FROM emp WHERE deptno = v\n  RETURN;\n"
         "  INSERT INTO emp (empno) SELECT 1 FROM dual RETURNING empno INTO v;\nEND;",
         {{3, 5, "PL/SQL: ORA-00933: SQL command not properly ended"},
          {2, 15, "PL/SQL: SQL Statement ignored"},
          {7, 3, "PL/SQL: ORA-00933: SQL command not properly ended"},
          {6, 15, "PL/SQL: SQL Statement ignored"},
          {8, 46, "PL/SQL: ORA-00933: SQL command not properly ended"},
          {8, 3, "PL/SQL: SQL Statement ignored"}}},
        {"INSERT without INTO",
         "PROCEDURE p IS\nBEGIN\n  INSERT emp VALUES (1);\n  NULL;\nEND;",
         {{3, 10, "PL/SQL: ORA-00925: missing INTO keyword"},
          {3, 3, "PL/SQL: SQL Statement ignored"}}},
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

TEST(PlsqlSyntax, ValidUnitsHaveNoRows) {
    const char *const units[] = {
        "PACKAGE p AUTHID CURRENT_USER AS\n  SUBTYPE t IS VARCHAR2(10 CHAR);\n  c CONSTANT t := "
        "'x';\n"
        "  e EXCEPTION;\n  PRAGMA EXCEPTION_INIT(e, -20001);\n  TYPE r IS RECORD (a NUMBER(5,2) "
        "NOT NULL := 0, "
        "type VARCHAR2(1));\n  TYPE tt IS TABLE OF r INDEX BY PLS_INTEGER;\n  TYPE rc IS REF "
        "CURSOR RETURN r;\n"
        "  CURSOR cur(p NUMBER) RETURN r;\n  FUNCTION f(a IN OUT NOCOPY tt, b DATE DEFAULT "
        "SYSDATE) RETURN "
        "NUMBER DETERMINISTIC RESULT_CACHE;\n  PROCEDURE q ACCESSIBLE BY (PACKAGE z);\nEND p;",
        "PACKAGE BODY p AS\n  CURSOR cur(p NUMBER) RETURN r IS SELECT 1, 'x' FROM dual WHERE 1 = "
        "p;\n"
        "  FUNCTION f(a IN OUT NOCOPY tt, b DATE DEFAULT SYSDATE) RETURN NUMBER IS\n"
        "    l tt; n PLS_INTEGER := 0;\n  BEGIN\n    <<outer>> FOR i IN REVERSE 1 .. 10 LOOP\n"
        "      CONTINUE outer WHEN MOD(i, 2) = 0; n := n + i ** 2;\n    END LOOP outer;\n"
        "    FOR rec IN (SELECT object_name FROM user_objects o WHERE ROWNUM < 3) LOOP NULL; END "
        "LOOP;\n"
        "    FORALL i IN INDICES OF l SAVE EXCEPTIONS INSERT INTO t VALUES l(i);\n"
        "    EXECUTE IMMEDIATE 'select 1 from dual' INTO n USING IN OUT b;\n"
        "    CASE WHEN n > 1 THEN n := 1; ELSE NULL; END CASE;\n"
        "    SELECT COUNT(*), MAX(x) KEEP (DENSE_RANK FIRST ORDER BY y) INTO n, n FROM t t1\n"
        "      LEFT JOIN u ON u.id = t1.id WHERE t1.a(+) = 1 CONNECT BY PRIOR a = b START WITH a "
        "IS NULL\n"
        "      GROUP BY x HAVING COUNT(*) > 1 ORDER BY 1 DESC NULLS LAST FETCH FIRST 1 ROWS ONLY;\n"
        "    UPDATE t SET a = 1, (b, c) = (SELECT 1, 2 FROM dual) WHERE CURRENT OF cur RETURNING a "
        "INTO n;\n"
        "    MERGE INTO t USING (SELECT 1 id FROM dual) s ON (t.id = s.id)\n"
        "      WHEN MATCHED THEN UPDATE SET t.a = 1 WHEN NOT MATCHED THEN INSERT (id) VALUES "
        "(s.id);\n"
        "    $IF DBMS_DB_VERSION.VERSION >= 12 $THEN n := $$PLSQL_LINE; $ELSE this is not parsed "
        "$END\n"
        "    RETURN n;\n  EXCEPTION\n    WHEN NO_DATA_FOUND OR TOO_MANY_ROWS THEN RAISE;\n"
        "    WHEN OTHERS THEN RETURN NULL;\n  END f;\nEND p;",
        "TYPE o FORCE AS OBJECT (a NUMBER, MEMBER FUNCTION f RETURN NUMBER,\n"
        "  CONSTRUCTOR FUNCTION o RETURN SELF AS RESULT) NOT FINAL;",
        "TYPE BODY o AS\n  MEMBER FUNCTION f RETURN NUMBER IS BEGIN RETURN (SELF AS o).a; END;\n"
        "  CONSTRUCTOR FUNCTION o RETURN SELF AS RESULT IS BEGIN RETURN; END;\nEND;",
        "TRIGGER trg BEFORE INSERT OR UPDATE OF a ON t REFERENCING NEW AS n FOR EACH ROW\n"
        "WHEN (n.a > 0)\nDECLARE\n  x NUMBER;\nBEGIN\n  :n.b := SYSDATE;\nEND trg;",
        "FUNCTION f RETURN t_tab PIPELINED IS\nBEGIN\n  PIPE ROW (t_row(1, q'[it's]'));\n  "
        "RETURN;\nEND;",
    };
    for (const char *source : units) {
        SCOPED_TRACE(source);
        const std::vector<Row> rows = rowsOf(source);
        for (const Row &r : rows)
            ADD_FAILURE() << r.line << ":" << r.position << " " << r.text;
    }
}

TEST(PlsqlSyntax, ConditionalCompilation) {
    struct Case {
        const char *source;
        bool errors;
    };
    const Case cases[] = {
        {"PROCEDURE p IS BEGIN $IF DBMS_DB_VERSION.VER_LE_11 $THEN garbage garbage $ELSE NULL; "
         "$END END;",
         false},
        {"PROCEDURE p IS BEGIN $IF DBMS_DB_VERSION.VER_LE_19 $THEN NULL; $ELSE garbage garbage "
         "$END END;",
         false},
        {"PROCEDURE p IS BEGIN $IF FALSE $THEN x $ELSIF TRUE $THEN NULL; $ELSE y $END END;", false},
        {"PROCEDURE p IS BEGIN $IF $$unknown $THEN x x $END NULL; END;", false},
        {"PROCEDURE p IS BEGIN $IF TRUE $THEN garbage garbage $END END;", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(!rowsOf(c.source).empty(), c.errors);
    }
    const std::vector<Row> rows = rowsOf(
        "PROCEDURE p IS BEGIN\n$IF TRUE $THEN\n  $ERROR 'not ' || 'here' $END\n$END\nNULL; END;");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].line, 3);
    EXPECT_EQ(rows[0].position, 3);
    EXPECT_EQ(rows[0].text, "PLS-00179: $ERROR: not here");
}

} // namespace
