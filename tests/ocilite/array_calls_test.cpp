// Array operations through the C entry points, as Oracle documents them: ofen fills arrays of
// defines and ends a partial last batch with 1403 and the rows it did fetch, rpc counting every
// row since the execution; oexfet executes and fetches in one call, cancels, and insists on an
// exact count; oexn runs a statement once per element of the bind arrays from rowoff on, and
// stops at a failing element with the rows before it processed; skip parameters lay elements
// out as arrays of structures.
#include "oci_client.h"

#include <cstring>
#include <string>
#include <vector>

namespace ocilite::test {
namespace {

class ArrayCalls : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("CREATE TABLE SEQ (N NUMBER NOT NULL, S VARCHAR2(8))"));
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO SEQ VALUES (:1, :2)", -1, 0, 1));
        for (int i = 1; i <= kRows; ++i) {
            const std::string s = "r" + std::to_string(i);
            int n = i;
            bindInt(1, &n);
            ASSERT_EQ(0, obndrn(&oci.cur, 2, (ub1 *)s.c_str(), -1, OCIV7_EXT_STR, -1, nullptr,
                                nullptr, -1, -1));
            ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
        }
    }

    void bindInt(int position, int *n, sb2 *indicator = nullptr) {
        ASSERT_EQ(0, obndrn(&oci.cur, position, (ub1 *)n, sizeof *n, OCIV7_EXT_INT, -1, indicator,
                            nullptr, -1, -1));
    }

    // Parses and defines the two columns as arrays of `size` elements, then executes.
    void openQuery(const char *sql, int size) {
        numbers.assign(static_cast<size_t>(size), 0);
        texts.assign(static_cast<size_t>(size) * 9, '#');
        indicators.assign(static_cast<size_t>(size), 99);
        lengths.assign(static_cast<size_t>(size), 99);
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 1));
        ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)numbers.data(), sizeof(int), OCIV7_EXT_INT, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
        ASSERT_EQ(0, odefin(&oci.cur, 2, (ub1 *)texts.data(), 9, OCIV7_EXT_STR, -1,
                            indicators.data(), nullptr, -1, -1, lengths.data(), nullptr));
    }

    std::string text(size_t i) const { return std::string(texts.data() + 9 * i); }

    static constexpr int kRows = 10;
    std::vector<int> numbers;
    std::vector<char> texts;
    std::vector<sb2> indicators;
    std::vector<ub2> lengths;
};

TEST_F(ArrayCalls, FetchBatchesEndWithAPartialBatch) {
    // batch size -> rows each call delivers, the last with 1403
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {3, {3, 3, 3, 1}},
        {5, {5, 5, 0}},
        {10, {10, 0}},
        {25, {10}},
    };
    for (const auto &[size, batches] : cases) {
        openQuery("SELECT N, S FROM SEQ ORDER BY N", size);
        ASSERT_EQ(0, oexec(&oci.cur));
        int seen = 0;
        for (size_t b = 0; b < batches.size(); ++b) {
            const bool last = b + 1 == batches.size();
            const ub4 before = oci.cur.rpc;
            EXPECT_EQ(last ? 1403 : 0, ofen(&oci.cur, size)) << size << " batch " << b;
            EXPECT_EQ(static_cast<ub4>(batches[b]), oci.cur.rpc - before) << size;
            for (int i = 0; i < batches[b]; ++i) {
                ++seen;
                EXPECT_EQ(seen, numbers[static_cast<size_t>(i)]);
                EXPECT_EQ("r" + std::to_string(seen), text(static_cast<size_t>(i)));
                EXPECT_EQ(0, indicators[static_cast<size_t>(i)]);
                EXPECT_EQ(text(static_cast<size_t>(i)).size(), lengths[static_cast<size_t>(i)]);
            }
        }
        EXPECT_EQ(static_cast<ub4>(kRows), oci.cur.rpc) << size;
        EXPECT_EQ(1403, ofen(&oci.cur, size));
        EXPECT_EQ(static_cast<ub4>(kRows), oci.cur.rpc);
    }
}

TEST_F(ArrayCalls, FetchMixesSingleRowsAndArrays) {
    openQuery("SELECT N, S FROM SEQ ORDER BY N", 4);
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur));
    EXPECT_EQ(1, numbers[0]);
    ASSERT_EQ(0, ofen(&oci.cur, 4));
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), numbers);
    EXPECT_EQ(5u, oci.cur.rpc);
    // Executing again starts the count again.
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(0u, oci.cur.rpc);
    ASSERT_EQ(0, ofen(&oci.cur, 2));
    EXPECT_EQ(2u, oci.cur.rpc);
}

TEST_F(ArrayCalls, NullsInAnArrayFillEachRowsIndicator) {
    ASSERT_EQ(0, oci.run("UPDATE SEQ SET S = NULL WHERE MOD(N, 2) = 0"));
    openQuery("SELECT N, S FROM SEQ ORDER BY N", kRows);
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(1403, ofen(&oci.cur, kRows + 1));
    for (size_t i = 0; i < kRows; ++i) {
        const bool null = (i + 1) % 2 == 0;
        EXPECT_EQ(null ? -1 : 0, indicators[i]) << i;
        if (null) {
            EXPECT_EQ("", text(i));
        }
    }
    // Without an indicator, the first NULL ends the batch with 1405, its row delivered.
    openQuery("SELECT S, N FROM SEQ ORDER BY N", kRows);
    ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)texts.data(), 9, OCIV7_EXT_STR, -1, nullptr, nullptr,
                        -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(1405, ofen(&oci.cur, kRows));
    EXPECT_EQ(2u, oci.cur.rpc);
    EXPECT_EQ(1405, ofen(&oci.cur, kRows));
    EXPECT_EQ(4u, oci.cur.rpc);
}

TEST_F(ArrayCalls, ExecuteAndFetchInOneCall) {
    struct Case {
        const char *where;
        ub4 rows;
        sword exact;
        int rc;
        ub4 rpc;
    };
    const Case cases[] = {
        {"N <= 3", 3, 1, 0, 3}, {"N <= 3", 5, 1, 1403, 3},  {"N <= 3", 2, 1, 1422, 2},
        {"N <= 3", 2, 0, 0, 2}, {"N > 100", 4, 0, 1403, 0},
    };
    for (const Case &c : cases) {
        const std::string sql =
            std::string("SELECT N, S FROM SEQ WHERE ") + c.where + " ORDER BY N";
        openQuery(sql.c_str(), 5);
        EXPECT_EQ(c.rc, oexfet(&oci.cur, c.rows, 0, c.exact)) << c.where << " " << c.rows;
        EXPECT_EQ(c.rpc, oci.cur.rpc) << c.where << " " << c.rows;
        if (c.rpc > 0) {
            EXPECT_EQ(1, numbers[0]);
        }
    }
    // cancel: the cursor is done after the rows asked for.
    openQuery("SELECT N, S FROM SEQ ORDER BY N", 5);
    ASSERT_EQ(0, oexfet(&oci.cur, 2, 1, 0));
    EXPECT_NE(0, ofetch(&oci.cur));
    EXPECT_EQ(1002, oci.cur.rc);
    // an exact fetch that found too many rows leaves the cursor cancelled too.
    openQuery("SELECT N, S FROM SEQ ORDER BY N", 5);
    ASSERT_EQ(1422, oexfet(&oci.cur, 3, 0, 1));
    EXPECT_EQ(1002, ofetch(&oci.cur));
}

TEST_F(ArrayCalls, ExecuteOncePerElementFromTheOffset) {
    ASSERT_EQ(0, oci.run("CREATE TABLE T (N NUMBER NOT NULL, S VARCHAR2(3))"));
    const char *insert = "INSERT INTO T VALUES (:N, :S)";
    int n[5] = {1, 2, 3, 4, 5};
    char s[5][4] = {"a", "bb", "ccc", "d", "e"};
    sb2 ind[5] = {0, -1, 0, 0, -1};
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)insert, -1, 0, 1));
    ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)":N", -1, (ub1 *)n, sizeof n[0], OCIV7_EXT_INT, -1,
                        nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)":S", -1, (ub1 *)s, sizeof s[0], OCIV7_EXT_STR, -1,
                        ind, nullptr, -1, -1));
    ASSERT_EQ(0, oexn(&oci.cur, 5, 2)) << oci.message(oci.cur.rc);
    EXPECT_EQ(3u, oci.cur.rpc);
    EXPECT_EQ((Rows{{"3", "ccc"}, {"4", "d"}, {"5", ""}}),
              oci.rows("SELECT N, S FROM T ORDER BY N"));
    // An element that fails stops the execution; the ones before it stay done.
    ASSERT_EQ(0, oci.run("DELETE FROM T"));
    std::strcpy(s[1], "xxx");
    ind[1] = 0;
    std::strcpy(s[2], "long");
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)insert, -1, 0, 1));
    ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)":N", -1, (ub1 *)n, sizeof n[0], OCIV7_EXT_INT, -1,
                        nullptr, nullptr, -1, -1));
    char wide[5][5] = {"a", "bb", "long", "d", "e"};
    ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)":S", -1, (ub1 *)wide, sizeof wide[0], OCIV7_EXT_STR,
                        -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(12899, oexn(&oci.cur, 5, 0));
    EXPECT_EQ(2u, oci.cur.rpc);
    // The program mends nothing and goes on after the bad element, which stays out.
    ASSERT_EQ(0, oexn(&oci.cur, 5, 3));
    EXPECT_EQ(2u, oci.cur.rpc);
    EXPECT_EQ((Rows{{"1"}, {"2"}, {"4"}, {"5"}}), oci.rows("SELECT N FROM T ORDER BY N"));
}

TEST_F(ArrayCalls, ArrayUpdateCountsTheRowsEachElementTouched) {
    const char *update = "UPDATE SEQ SET S = 'x' WHERE N <= :1";
    int limits[3] = {2, 5, 0};
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)update, -1, 0, 1));
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)limits, sizeof limits[0], OCIV7_EXT_INT, -1, nullptr,
                        nullptr, -1, -1));
    ASSERT_EQ(0, oexn(&oci.cur, 3, 0));
    EXPECT_EQ(7u, oci.cur.rpc);
}

TEST_F(ArrayCalls, ActualLengthsAndStructuresWithSkips) {
    ASSERT_EQ(0, oci.run("CREATE TABLE T (N NUMBER, S VARCHAR2(10))"));
    struct Row {
        int n;
        char s[10];
        ub2 len;
        sb2 ind;
    };
    Row rows[3] = {{7, "abcdefghi", 3, 0}, {8, "xyz", 2, 0}, {9, "ignored", 0, -1}};
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO T VALUES (:N, :S)", -1, 0, 1));
    ASSERT_EQ(0, obindps(&oci.cur, OCIV7_OP_STRUCTS, (OraText *)":N", -1, (ub1 *)&rows[0].n,
                         sizeof(int), OCIV7_EXT_INT, -1, nullptr, nullptr, nullptr, sizeof(Row), 0,
                         0, 0, 0, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, obindps(&oci.cur, OCIV7_OP_STRUCTS, (OraText *)":S", -1, (ub1 *)rows[0].s, 10,
                         OCIV7_EXT_CHR, -1, &rows[0].ind, &rows[0].len, nullptr, sizeof(Row),
                         sizeof(Row), sizeof(Row), 0, 0, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, oexn(&oci.cur, 3, 0)) << oci.message(oci.cur.rc);
    EXPECT_EQ((Rows{{"7", "abc"}, {"8", "xy"}, {"9", ""}}),
              oci.rows("SELECT N, S FROM T ORDER BY N"));
    // Fetched back into the same structures.
    Row out[3] = {};
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT N, S FROM T ORDER BY N", -1, 0, 1));
    ASSERT_EQ(0,
              odefinps(&oci.cur, OCIV7_OP_STRUCTS, 1, (ub1 *)&out[0].n, sizeof(int), OCIV7_EXT_INT,
                       -1, nullptr, nullptr, -1, -1, nullptr, nullptr, sizeof(Row), 0, 0, 0));
    ASSERT_EQ(0, odefinps(&oci.cur, OCIV7_OP_STRUCTS, 2, (ub1 *)out[0].s, 10, OCIV7_EXT_CHR, -1,
                          &out[0].ind, nullptr, -1, -1, &out[0].len, nullptr, sizeof(Row),
                          sizeof(Row), sizeof(Row), 0));
    ASSERT_EQ(1403, oexfet(&oci.cur, 4, 0, 0));
    EXPECT_EQ(3u, oci.cur.rpc);
    EXPECT_EQ(8, out[1].n);
    EXPECT_EQ("xy", std::string(out[1].s, out[1].len));
    EXPECT_EQ(-1, out[2].ind);
    EXPECT_EQ(0, out[0].ind);
}

TEST_F(ArrayCalls, PlsqlTablesNeedAPlsqlBlock) {
    int values[4] = {1, 2, 3, 4};
    ub2 lengths[4] = {4, 4, 4, 4};
    ub4 count = 4;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT N FROM SEQ WHERE N = :A", -1, 0, 1));
    ASSERT_EQ(0, obndra(&oci.cur, (OraText *)":A", -1, (ub1 *)values, sizeof values[0],
                        OCIV7_EXT_INT, -1, nullptr, lengths, nullptr, 4, &count, nullptr, -1, -1));
    EXPECT_EQ(1484, oexec(&oci.cur));
    // A block takes the bind, but the embedded database runs no block with host variables.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"BEGIN :A := 1; END;", -1, 0, 1));
    ASSERT_EQ(0, obndra(&oci.cur, (OraText *)":A", -1, (ub1 *)values, sizeof values[0],
                        OCIV7_EXT_INT, -1, nullptr, lengths, nullptr, 4, &count, nullptr, -1, -1));
    EXPECT_EQ(3001, oexec(&oci.cur));
}

} // namespace
} // namespace ocilite::test
