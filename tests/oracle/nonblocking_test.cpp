// Non-blocking mode and options through Oracle: onbset / onbclr set the server handle's
// OCI_ATTR_NONBLOCKING_MODE (a toggle, so only when the mode changes), onbtst reads it; a call
// the server has not finished returns ORA-03123 with nothing lost, the program makes the same
// call again and it goes on (an execution at its element, a fetch at its row, a parse without
// preparing again, a logoff without dropping the logon); another call meanwhile gets Oracle's
// ORA-03127. obreak aborts the unfinished call (OCIBreak, then OCIReset in non-blocking
// mode), which ends with ORA-01013 when made again. oopt takes its options on an open cursor.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;

constexpr unsigned kNonBlockingAttribute = 3;

int toggles() {
    int n = 0;
    for (const auto &call : callsOf("OCIAttrSet"))
        n += call.mode == kNonBlockingAttribute;
    return n;
}

class NonBlockingTest : public Logged {
protected:
    void insert() {
        Statement st;
        st.match = "INSERT";
        st.type = 4;
        st.rowCount = 3;
        scriptedoci::addStatement(st);
    }
    void query() {
        Statement st;
        st.match = "SELECT";
        st.columns = {column("N", 1, 4)};
        st.rows = {{std::string("a")}, {std::string("b")}, {std::string("c")}};
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT N FROM T"));
    }
};

TEST_F(NonBlockingTest, SetTestAndClearTheServersMode) {
    EXPECT_EQ(3128, v7::onbtst(&lda));
    EXPECT_EQ("ORA-03128: connection is in blocking mode", message(lda, 3128));
    ASSERT_EQ(0, v7::onbset(&lda));
    ASSERT_EQ(0, v7::onbset(&lda));
    EXPECT_EQ(0, v7::onbtst(&lda));
    EXPECT_EQ(1, toggles()) << "set once: setting the attribute toggles it";
    ASSERT_EQ(0, v7::onbclr(&lda));
    EXPECT_EQ(3128, v7::onbtst(&lda));
    EXPECT_EQ(2, toggles());
    Cda_Def stranger{};
    EXPECT_EQ(1012, v7::onbset(&stranger));
}

TEST_F(NonBlockingTest, ALogonInNonBlockingModeAndTheOptions) {
    Cda_Def second{};
    ub1 hda2[OCIV7_HDA_SIZE]{};
    ASSERT_EQ(0, v7::olog(&second, hda2, txt("SCOTT"), -1, txt("TIGER"), -1, txt(kConnect.c_str()),
                          -1, OCIV7_LM_NBL));
    EXPECT_EQ(0, v7::onbtst(&second));
    EXPECT_EQ(3128, v7::onbtst(&lda)) << "the other logon keeps its mode";
    EXPECT_EQ(0, v7::ologof(&second));
    EXPECT_EQ(0, v7::oopt(&cur, 0, 4));
    Cda_Def stranger{};
    EXPECT_EQ(1001, v7::oopt(&stranger, 0, 0));
}

TEST_F(NonBlockingTest, AnUnfinishedExecutionIsMadeAgainAndOtherCallsWait) {
    insert();
    ASSERT_EQ(0, parse("INSERT INTO T SELECT * FROM S"));
    ASSERT_EQ(0, v7::onbset(&lda));
    scriptedoci::stillExecuting(2);
    EXPECT_EQ(3123, v7::oexec(&cur));
    EXPECT_EQ(3123, cur.rc);
    EXPECT_EQ(OCIV7_FC_EXEC, cur.fc);
    EXPECT_EQ("ORA-03123: operation would block", message(lda, 3123));
    EXPECT_EQ(3127, v7::ocom(&lda));
    EXPECT_EQ("ORA-03127: no new operations allowed until the active operation ends\n",
              message(lda, 3127));
    EXPECT_EQ(0, v7::oexec(&cur)) << "the same execution, finished";
    EXPECT_EQ(3u, cur.rpc);
    EXPECT_EQ(3123, v7::oexec(&cur)) << "the next one, not finished yet";
    EXPECT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(0, v7::ocom(&lda));
}

TEST_F(NonBlockingTest, AnUnfinishedFetchGoesOnAtItsRow) {
    query();
    char texts[3][4] = {};
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(texts), 4, OCIV7_EXT_STR, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::onbset(&lda));
    ASSERT_EQ(0, v7::ofen(&cur, 1));
    scriptedoci::stillExecuting(1);
    EXPECT_EQ(3123, v7::ofen(&cur, 2));
    EXPECT_EQ(0, v7::ofen(&cur, 2));
    EXPECT_EQ("b", std::string(texts[0]));
    EXPECT_EQ("c", std::string(texts[1]));
    EXPECT_EQ(3u, cur.rpc);
}

TEST_F(NonBlockingTest, ExecuteAndFetchInOneCallGoesOnWhereItStopped) {
    query();
    char texts[3][4] = {};
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(texts), 4, OCIV7_EXT_STR, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::onbset(&lda));
    scriptedoci::stillExecuting(1);
    EXPECT_EQ(3123, v7::oexfet(&cur, 3, 0, 0)) << "the execution";
    scriptedoci::stillExecuting(1);
    EXPECT_EQ(3123, v7::oexfet(&cur, 3, 0, 0)) << "the first row";
    EXPECT_EQ(0, v7::oexfet(&cur, 3, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}),
              (std::vector<std::string>{texts[0], texts[1], texts[2]}));
    EXPECT_EQ(3u, cur.rpc);
    int executions = 0;
    for (const auto &call : callsOf("OCIStmtExecute"))
        executions += call.mode == 0;
    EXPECT_EQ(2, executions) << "the unfinished one made again, never a new one";
}

TEST_F(NonBlockingTest, ABreakEndsTheUnfinishedCall) {
    EXPECT_EQ(0, v7::obreak(&lda)) << "nothing running";
    EXPECT_EQ(1u, callsOf("OCIBreak").size());
    EXPECT_TRUE(callsOf("OCIReset").empty()) << "blocking mode needs no reset";
    Cda_Def stranger{};
    EXPECT_EQ(1012, v7::obreak(&stranger));
    insert();
    ASSERT_EQ(0, parse("INSERT INTO T SELECT * FROM S"));
    ASSERT_EQ(0, v7::onbset(&lda));
    scriptedoci::stillExecuting(1);
    ASSERT_EQ(3123, v7::oexec(&cur));
    EXPECT_EQ(3127, v7::ocom(&lda)) << "still busy";
    ASSERT_EQ(0, v7::obreak(&lda));
    EXPECT_EQ(1u, callsOf("OCIReset").size());
    EXPECT_EQ(1013, v7::oexec(&cur)) << "the interrupted execution, made again";
    EXPECT_EQ("ORA-01013: user requested cancel of current operation", message(lda, 1013));
    EXPECT_EQ(0, v7::ocom(&lda)) << "the server is free again";
    EXPECT_EQ(0, v7::oexec(&cur)) << "a new execution";
    EXPECT_EQ(3u, cur.rpc);
}

TEST_F(NonBlockingTest, AnUnfinishedParseOrLogoffIsMadeAgain) {
    insert();
    ASSERT_EQ(0, v7::onbset(&lda));
    scriptedoci::stillExecuting(1);
    EXPECT_EQ(3123, parse("INSERT INTO T VALUES (1)"));
    EXPECT_EQ(0, parse("INSERT INTO T VALUES (1)"));
    EXPECT_EQ(1u, scriptedoci::preparedStatements().size()) << "prepared once";
    EXPECT_EQ(OCIV7_FT_INSERT, cur.ft);
    scriptedoci::stillExecuting(1);
    EXPECT_EQ(3123, v7::ologof(&lda));
    EXPECT_EQ(0, v7::onbtst(&lda)) << "still logged on";
    EXPECT_EQ(0, v7::ologof(&lda));
    EXPECT_EQ(1012, v7::onbtst(&lda));
}

} // namespace
} // namespace oracle_test
