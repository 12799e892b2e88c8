// Array fetch and array execution through Oracle: ofen and oexfet fill the caller's arrays
// element by element, a batch ends at the row that reports a NULL or a cut value without an
// indicator, the rows running out end it with 1403 and the rows it did fetch, rpc counts every
// row since the execution; oexn runs once per element from the offset, each element's values
// and indicators read in turn, and a failing element leaves rpc at the rows done before it.
// The version-2 describe (odsc) and name (oname) calls answer from the same describe.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;
using scriptedoci::Value;

constexpr int kWidth = 8;

class ArrayFetchTest : public Logged {
protected:
    void query(std::vector<Value> values) {
        Statement st;
        st.match = "SELECT";
        st.columns = {column("V", 1, kWidth - 1)};
        for (auto &v : values)
            st.rows.push_back({v});
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT V FROM T"));
    }
    int define(bool withIndicators) {
        std::memset(texts, '#', sizeof texts);
        return v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(texts), kWidth, OCIV7_EXT_STR, -1,
                          withIndicators ? indicators : nullptr, nullptr, -1, -1, nullptr, nullptr);
    }
    std::vector<std::string> firstTexts(size_t n) const {
        return std::vector<std::string>(texts, texts + n);
    }

    char texts[4][kWidth];
    sb2 indicators[4] = {9, 9, 9, 9};
};

TEST_F(ArrayFetchTest, BatchesFillTheArraysAndTheLastPartialOneEndsWith1403) {
    query({"KING", "BLAKE", "CLARK", "JONES", "FORD"});
    ASSERT_EQ(0, define(true));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofen(&cur, 3));
    EXPECT_EQ(3u, cur.rpc);
    EXPECT_EQ((std::vector<std::string>{"KING", "BLAKE", "CLARK"}), firstTexts(3));
    EXPECT_EQ(std::string(kWidth, '#'), std::string(texts[3], kWidth)) << "past the batch";
    EXPECT_EQ(1403, v7::ofen(&cur, 3));
    EXPECT_EQ(5u, cur.rpc) << "the rows fetched, those of the partial batch included";
    EXPECT_EQ((std::vector<std::string>{"JONES", "FORD"}), firstTexts(2));
    EXPECT_EQ(1403, v7::ofetch(&cur));
    EXPECT_EQ(5u, cur.rpc);
    // A single-row fetch after an array fetch fills the first element again.
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofen(&cur, 2));
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ("CLARK", std::string(texts[0]));
    EXPECT_EQ("BLAKE", std::string(texts[1]));
    EXPECT_EQ(3u, cur.rpc);
}

TEST_F(ArrayFetchTest, NullsFillEachRowsIndicatorOrEndTheBatchWithout) {
    query({"A", std::nullopt, "C", std::nullopt});
    ASSERT_EQ(0, define(true));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofen(&cur, 4));
    EXPECT_EQ(4u, cur.rpc);
    EXPECT_EQ((std::vector<sb2>{0, -1, 0, -1}), std::vector<sb2>(indicators, indicators + 4));
    EXPECT_EQ((std::vector<std::string>{"A", "", "C", ""}), firstTexts(4));
    // Without indicators, a NULL ends the batch with 1405, its row delivered.
    ASSERT_EQ(0, define(false));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(1405, v7::ofen(&cur, 4));
    EXPECT_EQ(2u, cur.rpc);
    EXPECT_EQ(1405, v7::ofen(&cur, 4));
    EXPECT_EQ(4u, cur.rpc);
    EXPECT_EQ("C", std::string(texts[0]));
    EXPECT_EQ(1403, v7::ofen(&cur, 4));
    EXPECT_EQ(4u, cur.rpc);
}

TEST_F(ArrayFetchTest, ExecuteAndFetchInOneCall) {
    struct Case {
        ub4 rows;
        sword exact;
        sword cancel;
        int rc;
        ub4 rpc;
        int nextFetch; // ofetch afterwards
    };
    const Case cases[] = {
        {3, 1, 0, 0, 3, 1403}, {4, 1, 0, 1403, 3, 1403}, {2, 1, 0, 1422, 2, 1002},
        {2, 0, 0, 0, 2, 0},    {2, 0, 1, 0, 2, 1002},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        query({"KING", "BLAKE", "CLARK"});
        ASSERT_EQ(0, define(true));
        const std::string label = std::to_string(c.rows) + " exact " + std::to_string(c.exact) +
                                  " cancel " + std::to_string(c.cancel);
        const sword rc = v7::oexfet(&cur, c.rows, c.cancel, c.exact);
        EXPECT_EQ(c.rc, rc ? cur.rc : 0) << label;
        EXPECT_EQ(c.rpc, cur.rpc) << label;
        EXPECT_EQ("KING", std::string(texts[0])) << label;
        if (rc) {
            EXPECT_EQ(OCIV7_FC_EXFET, cur.fc) << label;
        }
        const sword next = v7::ofetch(&cur);
        EXPECT_EQ(c.nextFetch, next ? cur.rc : 0) << label;
    }
}

TEST_F(ArrayFetchTest, OlderDescribeAndNameCallsReportTheColumnAndTheLastFetch) {
    query({"KING", std::nullopt});
    ASSERT_EQ(0, define(true));
    ASSERT_EQ(0, v7::oexec(&cur));
    sb2 dbsize = 0, fsize = 9, rcode = 9, dtype = 0, dsize = 0;
    sb1 name[8];
    sb2 nameLength = 1;
    ASSERT_EQ(0, v7::odsc(&cur, 1, &dbsize, &fsize, &rcode, &dtype, name, &nameLength, &dsize));
    EXPECT_EQ(kWidth - 1, dbsize);
    EXPECT_EQ(1, dtype);
    EXPECT_EQ(1, nameLength) << "the name cut to the room given";
    EXPECT_EQ('V', name[0]);
    EXPECT_EQ(0, fsize) << "nothing fetched yet";
    ASSERT_EQ(0, v7::ofetch(&cur));
    ASSERT_EQ(0, v7::odsc(&cur, 1, nullptr, &fsize, &rcode, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(4, fsize);
    EXPECT_EQ(0, rcode);
    ASSERT_EQ(0, v7::ofetch(&cur));
    ASSERT_EQ(0, v7::odsc(&cur, 1, nullptr, &fsize, &rcode, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, fsize);
    EXPECT_EQ(1405, rcode);
    EXPECT_EQ(1007,
              v7::odsc(&cur, 2, &dbsize, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    sb1 table[8];
    sb2 tableLength = 8;
    nameLength = sizeof name;
    ASSERT_EQ(0, v7::oname(&cur, 1, table, &tableLength, name, &nameLength));
    EXPECT_EQ(0, tableLength);
    EXPECT_EQ("V", std::string(reinterpret_cast<char *>(name), nameLength));
    EXPECT_EQ(1007, v7::oname(&cur, 0, table, &tableLength, name, &nameLength));
}

class ArrayExecuteTest : public Logged {
protected:
    void insert(int rowsEach) {
        Statement st;
        st.match = "INSERT";
        st.type = 4;
        st.placeholders = {":V"};
        st.rowCount = rowsEach;
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("INSERT INTO T VALUES (:V)"));
        ASSERT_EQ(0, v7::obndrv(&cur, txt(":V"), -1, reinterpret_cast<ub1 *>(values), 4,
                                OCIV7_EXT_STR, -1, indicators, nullptr, -1, -1));
    }
    std::vector<std::string> boundPerExecution() const {
        std::vector<std::string> out;
        for (const auto &call : callsOf("OCIStmtExecute"))
            if (call.mode != 0x100) // not the parse (OCI_PARSE_ONLY)
                for (const std::string &b : call.bound)
                    out.push_back(b);
        return out;
    }

    char values[4][4] = {"a", "bb", "ccc", "d"};
    sb2 indicators[4] = {0, -1, 0, 0};
};

TEST_F(ArrayExecuteTest, OncePerElementFromTheOffset) {
    struct Case {
        sword iters, offset;
        std::vector<std::string> bound;
    };
    const Case cases[] = {
        {4, 0, {":V=a", ":V=NULL", ":V=ccc", ":V=d"}},
        {4, 2, {":V=ccc", ":V=d"}},
        {1, 0, {":V=a"}},
        {2, 2, {}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        insert(1);
        const std::string label = std::to_string(c.iters) + "/" + std::to_string(c.offset);
        ASSERT_EQ(0, v7::oexn(&cur, c.iters, c.offset)) << label << message(lda, cur.rc);
        EXPECT_EQ(c.bound.size(), cur.rpc) << label;
        EXPECT_EQ(c.bound, boundPerExecution()) << label;
        // oexec afterwards reads the first element again.
        ASSERT_EQ(0, v7::oexec(&cur));
        EXPECT_EQ(1u, cur.rpc) << label;
    }
}

TEST_F(ArrayExecuteTest, AFailingElementStopsWithTheRowsBeforeIt) {
    insert(2);
    // The third element's execution fails.
    scriptedoci::failCall("OCIStmtExecute", {1, "ORA-00001: unique constraint (T.PK) violated\n"},
                          2);
    EXPECT_EQ(1, v7::oexn(&cur, 4, 0));
    EXPECT_EQ(4u, cur.rpc) << "two elements of two rows each";
    EXPECT_EQ("ORA-00001: unique constraint (T.PK) violated\n", message(lda, 1));
    // The program goes on after the bad element.
    ASSERT_EQ(0, v7::oexn(&cur, 4, 3));
    EXPECT_EQ(2u, cur.rpc);
}

} // namespace
} // namespace oracle_test
