// Defines and fetches: values into the caller's buffers, indicators, returned lengths and
// column return codes; 1405 and 1406 as version 7 reports them; 1403 and rpc at the end.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::Statement;
using scriptedoci::Value;

class FetchTest : public Logged {
protected:
    // A query over one VARCHAR2 column of the given size with the given rows.
    void oneColumn(int size, std::vector<Value> values) {
        Statement st;
        st.match = "SELECT";
        st.columns = {column("V", 1, size)};
        for (auto &v : values)
            st.rows.push_back({v});
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT V FROM T"));
    }
};

TEST_F(FetchTest, RowsArriveAsTextUntil1403WithRpcCountingThem) {
    oneColumn(10, {"KING", "BLAKE", "CLARK"});
    char buf[11];
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf), sizeof buf, OCIV7_EXT_STR, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(0u, cur.rpc);
    std::vector<std::string> got;
    while (v7::ofetch(&cur) == 0) {
        got.emplace_back(buf);
        EXPECT_EQ(got.size(), cur.rpc);
    }
    EXPECT_EQ((std::vector<std::string>{"KING", "BLAKE", "CLARK"}), got);
    EXPECT_EQ(1403, cur.rc);
    EXPECT_EQ(12, cur.fc);
    EXPECT_EQ(3u, cur.rpc);
    EXPECT_EQ("ORA-01403: no data found\n", message(lda, 1403));
}

struct Outcome {
    int rc;
    std::string text;
    sb2 indicator;
    ub2 length;
    ub2 code;
};

TEST_F(FetchTest, NullsAndCutValuesAsVersion7ReportsThem) {
    struct Case {
        const char *what;
        Value value;
        int bufferSize;
        bool withIndicator;
        Outcome expected;
    } cases[] = {
        {"whole value", std::string("SMITH"), 11, true, {0, "SMITH", 0, 5, 0}},
        {"NULL with indicator", std::nullopt, 11, true, {0, "", -1, 0, 1405}},
        {"NULL without indicator", std::nullopt, 11, false, {1405, "", 0, 0, 1405}},
        {"cut with indicator", std::string("MARTINEZ"), 5, true, {0, "MART", 8, 4, 1406}},
        {"cut without indicator", std::string("MARTINEZ"), 5, false, {1406, "MART", 0, 4, 1406}},
        {"value filling the buffer", std::string("A"), 2, true, {0, "A", 0, 1, 0}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        oneColumn(30, {c.value});
        char buf[32];
        std::memset(buf, 'x', sizeof buf);
        sb2 ind = 0;
        ub2 rlen = 99, rcode = 99;
        ASSERT_EQ(0,
                  v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf), c.bufferSize, OCIV7_EXT_STR, -1,
                             c.withIndicator ? &ind : nullptr, nullptr, -1, -1, &rlen, &rcode));
        ASSERT_EQ(0, v7::oexec(&cur));
        EXPECT_EQ(c.expected.rc, v7::ofetch(&cur)) << c.what;
        EXPECT_EQ(c.expected.text, std::string(buf)) << c.what;
        EXPECT_EQ(c.expected.indicator, ind) << c.what;
        EXPECT_EQ(c.expected.length, rlen) << c.what;
        EXPECT_EQ(c.expected.code, rcode) << c.what;
        EXPECT_EQ(1u, cur.rpc) << c.what << ": the row counts even when reported with 1405/1406";
        EXPECT_EQ(1403, v7::ofetch(&cur)) << c.what;
    }
}

TEST_F(FetchTest, CutWinsOverNullInOneRow) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("A"), column("B")};
    st.rows = {{std::nullopt, std::string("LONGER THAN FOUR")}};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT A, B FROM T"));
    char a[8], b[5];
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(a), sizeof a, 5, -1, nullptr, nullptr,
                            -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefin(&cur, 2, reinterpret_cast<ub1 *>(b), sizeof b, 5, -1, nullptr, nullptr,
                            -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(1406, v7::ofetch(&cur));
    EXPECT_EQ("ORA-01406: fetched column value was truncated", message(lda, 1406));
}

TEST_F(FetchTest, ExternalTypesReachOracleAsDefined) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("N", 2, 22, 5, 0), column("F", 2, 22, 7, 2), column("C", 96, 6),
                  column("Z", 1, 10)};
    st.rows = {{std::string("4711"), std::string("2.5"), std::string("AB"), std::string("Q")}};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT N, F, C, Z FROM T"));
    int n = 0;
    double f = 0;
    char c[6], z[4];
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(&n), sizeof n, OCIV7_EXT_INT, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefin(&cur, 2, reinterpret_cast<ub1 *>(&f), sizeof f, OCIV7_EXT_FLT, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefin(&cur, 3, reinterpret_cast<ub1 *>(c), sizeof c, OCIV7_EXT_AFC, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefin(&cur, 4, reinterpret_cast<ub1 *>(z), sizeof z, OCIV7_EXT_AVC, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur)) << message(lda, cur.rc);
    EXPECT_EQ(4711, n);
    EXPECT_DOUBLE_EQ(2.5, f);
    EXPECT_EQ("AB    ", std::string(c, sizeof c));
    EXPECT_EQ("Q", std::string(z));
    std::vector<unsigned> types;
    for (const auto &call : scriptedoci::callsOf("OCIDefineByPos"))
        types.push_back(call.iters);
    EXPECT_EQ((std::vector<unsigned>{3, 4, 96, 97}), types);
}

TEST_F(FetchTest, LongValueArrivesWhole) {
    const std::string longText(100000, 'L');
    Statement st;
    st.match = "SELECT";
    st.columns = {column("TEXT", 8, 0)};
    st.rows = {{longText}};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT TEXT FROM LONGS"));
    std::vector<char> buf(200001);
    ub2 rcode = 99;
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf.data()),
                            static_cast<sword>(buf.size()), OCIV7_EXT_STR, -1, nullptr, nullptr, -1,
                            -1, nullptr, &rcode));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur)) << message(lda, cur.rc);
    EXPECT_EQ(longText, std::string(buf.data()));
    EXPECT_EQ(0, rcode);
}

TEST_F(FetchTest, ColumnsTheCallerLeavesUndefinedAreSkipped) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("A"), column("B"), column("C")};
    st.rows = {{std::string("a1"), std::string("b1"), std::string("c1")}};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT A, B, C FROM T"));
    char b[8] = {};
    ASSERT_EQ(0, v7::odefin(&cur, 2, reinterpret_cast<ub1 *>(b), sizeof b, 5, -1, nullptr, nullptr,
                            -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur)) << message(lda, cur.rc);
    EXPECT_EQ("b1", std::string(b));
}

TEST_F(FetchTest, FetchBeforeExecuteAndAfterCancelIsOutOfSequence) {
    oneColumn(10, {"A", "B"});
    char buf[11];
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf), sizeof buf, 5, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
    EXPECT_EQ(1002, v7::ofetch(&cur));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ(0, v7::ocan(&cur));
    EXPECT_EQ(1002, v7::ofetch(&cur));
    EXPECT_EQ("ORA-01002: fetch out of sequence\n", message(lda, 1002));
    ASSERT_EQ(0, v7::oexec(&cur)) << "executing again starts the rows afresh";
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ("A", std::string(buf));
}

} // namespace
} // namespace oracle_test
