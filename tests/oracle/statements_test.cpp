// Parsing and describing: ft from the statement, what reaches the server at parse time,
// peo after a parse error, and the select list as version 7 describes it.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;

class StatementsTest : public Logged {};

// Execute modes the server saw, in order ("parse", "describe", "run").
std::vector<std::string> executions() {
    std::vector<std::string> seen;
    for (const auto &call : callsOf("OCIStmtExecute"))
        seen.push_back(call.mode & 0x100 ? "parse" : call.mode & 0x10 ? "describe" : "run");
    return seen;
}

TEST_F(StatementsTest, StatementsFtAndWhatTheServerDoesAtParseAndExecute) {
    struct Case {
        const char *sql;
        int type;       // OCI_ATTR_STMT_TYPE
        int serverCode; // OCI_ATTR_SQLFNCODE the server reports (0: none)
        int ft;         // ft after oparse
        std::vector<std::string> atParse, atExec;
    } cases[] = {
        {"SELECT * FROM EMP", 1, 0, 4, {"describe"}, {"describe", "run"}},
        {"INSERT INTO DEPT VALUES (50, 'X', 'Y')", 4, 0, 3, {"parse"}, {"parse", "run"}},
        {"UPDATE EMP SET SAL = 1", 2, 0, 5, {"parse"}, {"parse", "run"}},
        {"DELETE FROM EMP", 3, 0, 9, {"parse"}, {"parse", "run"}},
        {"CREATE TABLE T (A NUMBER)", 5, 1, 1, {"parse"}, {"parse"}},
        {"DROP PROCEDURE P", 6, 68, 68, {"parse"}, {"parse"}},
        {"BEGIN NULL; END;", 8, 47, 47, {"parse"}, {"parse", "run"}},
        {"TRUNCATE TABLE T", 0, 85, 0, {}, {"run"}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        Statement st;
        st.match = c.sql;
        st.type = c.type;
        st.functionCode = c.serverCode;
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse(c.sql)) << c.sql << ": " << message(lda, cur.rc);
        EXPECT_EQ(c.ft, cur.ft) << c.sql;
        EXPECT_EQ(c.atParse, executions()) << c.sql;
        ASSERT_EQ(0, v7::oexec(&cur)) << c.sql << ": " << message(lda, cur.rc);
        EXPECT_EQ(c.atExec, executions()) << c.sql;
        if (c.serverCode) {
            EXPECT_EQ(c.serverCode, cur.ft) << c.sql;
        }
    }
}

TEST_F(StatementsTest, DeferredParseLeavesTheServerUntilExecuteOrDescribe) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("ENAME")};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, v7::oparse(&cur, txt("SELECT ENAME FROM EMP"), -1, 1, 2));
    EXPECT_EQ(4, cur.ft);
    EXPECT_TRUE(executions().empty());
    EXPECT_EQ(std::vector<std::string>{"ENAME"}, columnNames());
    EXPECT_EQ(std::vector<std::string>{"describe"}, executions());
}

TEST_F(StatementsTest, ParseErrorSetsRcPeoAndOraclesText) {
    struct Case {
        const char *sql;
        bool deferred;
        scriptedoci::Failure error;
    } cases[] = {
        {"SELECT * FROM NOPE", false, {942, "ORA-00942: table or view does not exist\n", 14}},
        {"INSERT INTO T VALUES (1", false, {907, "ORA-00907: missing right parenthesis\n", 23}},
        {"SELEC 1 FROM DUAL", false, {900, "ORA-00900: invalid SQL statement\n", 0}},
        {"UPDATE NOPE SET A = 1", true, {942, "ORA-00942: table or view does not exist\n", 7}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        Statement st;
        st.match = c.sql;
        st.type = std::string(c.sql).rfind("SELECT", 0) == 0 ? 1 : 4;
        st.parseError = c.error;
        scriptedoci::addStatement(st);
        int rc = v7::oparse(&cur, txt(c.sql), -1, c.deferred ? 1 : 0, 2);
        if (c.deferred) {
            EXPECT_EQ(0, rc);
            rc = v7::oexec(&cur);
            EXPECT_EQ(4, cur.fc) << "a deferred parse error surfaces at oexec";
        } else {
            EXPECT_EQ(54, cur.fc);
        }
        EXPECT_EQ(c.error.code, rc) << c.sql;
        EXPECT_EQ(c.error.code, cur.rc);
        EXPECT_EQ(c.error.parseOffset, cur.peo) << c.sql;
        EXPECT_EQ(c.error.text, message(lda, cur.rc));
    }
    scriptedoci::reset();
    ASSERT_EQ(0, parse("SELECT 1 FROM DUAL"));
    EXPECT_EQ(0, cur.peo) << "a good parse clears peo";
}

struct Described {
    sb4 dbsize = -1, dsize = -1;
    sb2 dbtype = -1, prec = -1, scale = -1, nullok = -1;
};

TEST_F(StatementsTest, DescribeReportsVersion7TypesAndSizes) {
    struct Case {
        scriptedoci::Column oci8;
        Described v7;
    } cases[] = {
        {column("ENAME", 1, 10, 0, 0, true), {10, 10, 1, 0, 0, 1}},
        {column("EMPNO", 2, 22, 4, 0, false), {22, 5, 2, 4, 0, 0}},
        {column("SAL", 2, 22, 7, 2, true), {22, 9, 2, 7, 2, 1}},
        {column("AMOUNT", 2, 22, 0, -127, true), {22, 40, 2, 0, -127, 1}},
        {column("HIREDATE", 12, 7), {7, 9, 12, 0, 0, 1}},
        {column("CODE", 96, 3), {3, 3, 96, 0, 0, 1}},
        {column("TEXT", 8, 0), {0, 0, 8, 0, 0, 1}},
        {column("BYTES", 23, 16), {16, 32, 23, 0, 0, 1}},
        {column("ROWID", 104, 10), {18, 18, 11, 0, 0, 1}},
        {column("DOC", 112, 4000), {4000, 4000, 112, 0, 0, 1}},
        {column("RATIO", 101, 8, 0, 0), {22, 40, 2, 0, 0, 1}},
        {column("STAMP", 187, 11, 0, 6), {75, 75, 1, 0, 0, 1}},
        {column("PERIOD", 190, 11), {75, 75, 1, 0, 0, 1}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        Statement st;
        st.match = "SELECT";
        st.columns = {c.oci8};
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT X FROM T"));
        Described d;
        sb1 name[40] = {};
        sb4 cbufl = sizeof name;
        ASSERT_EQ(0, v7::odescr(&cur, 1, &d.dbsize, &d.dbtype, name, &cbufl, &d.dsize, &d.prec,
                                &d.scale, &d.nullok));
        const std::string got(reinterpret_cast<char *>(name), static_cast<size_t>(cbufl));
        EXPECT_EQ(c.oci8.name, got);
        EXPECT_EQ(c.v7.dbtype, d.dbtype) << got;
        EXPECT_EQ(c.v7.dbsize, d.dbsize) << got;
        EXPECT_EQ(c.v7.dsize, d.dsize) << got;
        EXPECT_EQ(c.v7.prec, d.prec) << got;
        EXPECT_EQ(c.v7.scale, d.scale) << got;
        EXPECT_EQ(c.v7.nullok, d.nullok) << got;
    }
}

TEST_F(StatementsTest, DescribePastTheLastColumnOrOfANonQueryIs1007) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("A"), column("B")};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT A, B FROM T"));
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), columnNames());
    sb4 dbsize = 0;
    EXPECT_EQ(1007, v7::odescr(&cur, 3, &dbsize, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr));
    EXPECT_EQ(1007, cur.rc);
    EXPECT_EQ(60, cur.fc);
    EXPECT_EQ("ORA-01007: variable not in select list", message(lda, 1007));
    EXPECT_EQ(1007, v7::odescr(&cur, 0, &dbsize, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr));
    ASSERT_EQ(0, parse("DELETE FROM T"));
    EXPECT_EQ(1007, v7::odescr(&cur, 1, &dbsize, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr));
}

TEST_F(StatementsTest, ColumnNameIsCutToTheCallersBuffer) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("A_RATHER_LONG_COLUMN_NAME")};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT 1 FROM T"));
    sb1 name[8];
    std::memset(name, '#', sizeof name);
    sb4 cbufl = 6;
    ASSERT_EQ(
        0, v7::odescr(&cur, 1, nullptr, nullptr, name, &cbufl, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(6, cbufl);
    EXPECT_EQ("A_RATH##", std::string(reinterpret_cast<char *>(name), sizeof name));
}

} // namespace
} // namespace oracle_test
