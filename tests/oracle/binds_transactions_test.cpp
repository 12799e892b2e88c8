// Binds by name and by number, read when the statement runs; commit, rollback and
// auto-commit as commit-on-success.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;

class BindsTest : public Logged {};
class TransactionsTest : public Logged {};

std::vector<std::string> boundAtLastExecute() {
    const auto executes = callsOf("OCIStmtExecute");
    return executes.empty() ? std::vector<std::string>{} : executes.back().bound;
}

TEST_F(BindsTest, PlaceholdersAreBoundByNameAndReadWhenTheStatementRuns) {
    Statement st;
    st.match = "UPDATE";
    st.type = 2;
    st.placeholders = {":SAL", ":ENAME", ":1"};
    st.rowCount = 3;
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("UPDATE EMP SET SAL = :SAL WHERE ENAME = :ENAME OR EMPNO = :1"));
    char sal[8] = "1000", name[8] = "KING", number[8] = "7839";
    ASSERT_EQ(0, v7::obndrv(&cur, txt(":SAL"), -1, reinterpret_cast<ub1 *>(sal), -1, 5, -1, nullptr,
                            nullptr, -1, -1));
    ASSERT_EQ(0, v7::obndrv(&cur, txt("ENAME"), 5, reinterpret_cast<ub1 *>(name), sizeof name, 5,
                            -1, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, v7::obndrn(&cur, 1, reinterpret_cast<ub1 *>(number), sizeof number, 5, -1, nullptr,
                            nullptr, -1, -1));
    std::strcpy(sal, "2000"); // the value at execution counts, as in version 7
    ASSERT_EQ(0, v7::oexec(&cur)) << message(lda, cur.rc);
    EXPECT_EQ(3u, cur.rpc);
    EXPECT_EQ(5, cur.ft);
    EXPECT_EQ((std::vector<std::string>{":1=7839", ":ENAME=KING", ":SAL=2000"}),
              boundAtLastExecute());
    const auto binds = callsOf("OCIBindByName");
    ASSERT_EQ(3u, binds.size());
    EXPECT_EQ(5, binds[0].size) << "a string given with length -1 is measured";
}

TEST_F(BindsTest, NullIndicatorAndRebindingTheSamePlaceholder) {
    Statement st;
    st.match = "INSERT";
    st.type = 4;
    st.placeholders = {":1"};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("INSERT INTO T VALUES (:1)"));
    char first[4] = "one", second[4] = "two";
    sb2 nullIndicator = -1;
    ASSERT_EQ(0, v7::obndrn(&cur, 1, reinterpret_cast<ub1 *>(first), 4, 5, -1, &nullIndicator,
                            nullptr, -1, -1));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(std::vector<std::string>{":1=NULL"}, boundAtLastExecute());
    ASSERT_EQ(0, v7::obndrn(&cur, 1, reinterpret_cast<ub1 *>(second), 4, 5, -1, nullptr, nullptr,
                            -1, -1));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(std::vector<std::string>{":1=two"}, boundAtLastExecute());
}

TEST_F(BindsTest, UnknownOrMissingPlaceholdersGiveOraclesErrors) {
    Statement st;
    st.match = "DELETE";
    st.type = 3;
    st.placeholders = {":1"};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("DELETE FROM T WHERE A = :1"));
    char value[4] = "x";
    EXPECT_EQ(1036, v7::obndrv(&cur, txt(":NOPE"), -1, reinterpret_cast<ub1 *>(value), 4, 5, -1,
                               nullptr, nullptr, -1, -1));
    EXPECT_EQ(28, cur.fc);
    EXPECT_EQ(1036, v7::obndrv(&cur, txt(""), 0, reinterpret_cast<ub1 *>(value), 4, 5, -1, nullptr,
                               nullptr, -1, -1));
    EXPECT_EQ(1008, v7::oexec(&cur));
    EXPECT_EQ("ORA-01008: not all variables bound\n", message(lda, 1008));
}

TEST_F(BindsTest, ArrayBindWithActualLengthBindsOneValue) {
    Statement st;
    st.match = "INSERT";
    st.type = 4;
    st.placeholders = {":NAME"};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("INSERT INTO T VALUES (:NAME)"));
    char value[16] = "ABCDEFGH";
    ub2 length = 3, code = 99;
    ASSERT_EQ(0,
              v7::obndra(&cur, txt(":NAME"), -1, reinterpret_cast<ub1 *>(value), sizeof value,
                         OCIV7_EXT_CHR, -1, nullptr, &length, &code, 0, nullptr, nullptr, -1, -1));
    EXPECT_EQ(0, code);
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(std::vector<std::string>{":NAME=ABC"}, boundAtLastExecute());
    // A PL/SQL table is for PL/SQL blocks only: the INSERT refuses it when it runs.
    ub4 current = 2;
    ASSERT_EQ(0,
              v7::obndra(&cur, txt(":NAME"), -1, reinterpret_cast<ub1 *>(value), 8, OCIV7_EXT_CHR,
                         -1, nullptr, &length, &code, 4, &current, nullptr, -1, -1));
    EXPECT_EQ(1484, v7::oexec(&cur));
    EXPECT_EQ(OCIV7_FC_EXEC, cur.fc);
    EXPECT_EQ("ORA-01484: arrays can only be bound to PL/SQL statements", message(lda, 1484));
}

std::vector<std::string> transactionCalls() {
    std::vector<std::string> seen;
    for (const auto &call : scriptedoci::calls()) {
        if (call.function == "OCITransCommit")
            seen.push_back("commit");
        else if (call.function == "OCITransRollback")
            seen.push_back("rollback");
        else if (call.function == "OCIStmtExecute" && !(call.mode & 0x110))
            seen.push_back(call.mode & 0x20 ? "run+commit" : "run");
    }
    return seen;
}

TEST_F(TransactionsTest, CommitRollbackAndAutoCommitAsCommitOnSuccess) {
    ASSERT_EQ(0, parse("INSERT INTO T VALUES (1)"));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ocom(&lda));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::orol(&lda));
    ASSERT_EQ(0, v7::ocon(&lda));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ocof(&lda));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ((std::vector<std::string>{"run", "commit", "run", "rollback", "run+commit", "run"}),
              transactionCalls());
}

TEST_F(TransactionsTest, FailedCommitReportsOraclesError) {
    scriptedoci::failCall("OCITransCommit", {2091, "ORA-02091: transaction rolled back\n"});
    EXPECT_EQ(2091, v7::ocom(&lda));
    EXPECT_EQ(2091, lda.rc);
    EXPECT_EQ(0, lda.fc);
    EXPECT_EQ("ORA-02091: transaction rolled back\n", message(lda, 2091));
    scriptedoci::failCall("OCITransRollback", {3114, "", 0});
    EXPECT_EQ(3114, v7::orol(&lda));
}

} // namespace
} // namespace oracle_test
