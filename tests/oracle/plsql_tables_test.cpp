// PL/SQL tables and OUT binds through Oracle: obndra with a maximum binds the program's arrays
// whole (OCI 8's maxarr_len and curelep), the block reads the current elements and leaves its
// own, with their lengths, indicators and codes, and the new count; skip parameters lay a
// table out as an array of structures; a table too small for what the block returns, and a
// table bound to a SQL statement, are refused as Oracle refuses them.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;
using scriptedoci::Value;

class TablesTest : public Logged {
protected:
    void block(std::vector<Value> names) {
        Statement st;
        st.match = "BEGIN";
        st.type = 8;
        st.placeholders = {":NAMES", ":N"};
        st.outputs = {{":NAMES", std::move(names)}, {":N", {std::string("42")}}};
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("BEGIN swap_names(:NAMES, :N); END;"));
    }
    int bindNames(ub4 maxsiz) {
        return v7::obndra(&cur, txt(":NAMES"), -1, reinterpret_cast<ub1 *>(names), sizeof names[0],
                          OCIV7_EXT_CHR, -1, indicators, lengths, codes, maxsiz, &count, nullptr,
                          -1, -1);
    }
    int bindCount() {
        return v7::obndrv(&cur, txt(":N"), -1, reinterpret_cast<ub1 *>(number), sizeof number,
                          OCIV7_EXT_STR, -1, nullptr, nullptr, -1, -1);
    }
    std::string name(int k) const { return std::string(names[k], lengths[k]); }

    char names[4][6] = {{'K', 'I', 'N', 'G'}, {'F', 'O', 'R', 'D'}};
    sb2 indicators[4] = {0, 0, 0, 0};
    ub2 lengths[4] = {4, 4, 0, 0};
    ub2 codes[4] = {9, 9, 9, 9};
    ub4 count = 2;
    char number[8] = "7";
};

TEST_F(TablesTest, ATableGoesInWholeAndComesBackWithItsNewCount) {
    block({std::string("SMITH"), std::nullopt, std::string("CLARKSON")});
    ASSERT_EQ(0, bindNames(4));
    ASSERT_EQ(0, bindCount());
    ASSERT_EQ(0, v7::oexec(&cur)) << message(lda, cur.rc);
    EXPECT_EQ((std::vector<std::string>{":N=7", ":NAMES=[KING,FORD]"}),
              callsOf("OCIStmtExecute").back().bound);
    EXPECT_EQ(4, callsOf("OCIBindByName")[0].position) << "the table's maximum";
    EXPECT_EQ(3u, count);
    EXPECT_EQ("SMITH", name(0));
    EXPECT_EQ((std::vector<int>{0, -1, 8}),
              (std::vector<int>{indicators[0], indicators[1], indicators[2]}));
    EXPECT_EQ((std::vector<int>{0, 1405, 1406}), (std::vector<int>{codes[0], codes[1], codes[2]}));
    EXPECT_EQ("CLARKS", name(2)) << "cut to the element's size";
    EXPECT_EQ("42", std::string(number)) << "a scalar OUT bind";
}

TEST_F(TablesTest, MoreElementsThanTheMaximumIsRefused) {
    block({std::string("A"), std::string("B"), std::string("C")});
    ASSERT_EQ(0, bindNames(2));
    ASSERT_EQ(0, bindCount());
    EXPECT_EQ(6513, v7::oexec(&cur));
    EXPECT_EQ(OCIV7_FC_EXEC, cur.fc);
}

TEST_F(TablesTest, ATableOfStructuresAndTablesOnlyForBlocks) {
    struct Entry {
        char name[6];
        sb2 indicator;
        ub2 length;
        ub2 code;
    } entries[3] = {{"ADAMS", 0, 5, 0}, {"WARD", 0, 4, 0}, {"", 0, 0, 0}};
    block({std::string("X"), std::string("YY")});
    const sb4 skip = sizeof(Entry);
    ASSERT_EQ(0, v7::obindps(&cur, OCIV7_OP_STRUCTS, txt(":NAMES"), -1,
                             reinterpret_cast<ub1 *>(entries[0].name), sizeof entries[0].name,
                             OCIV7_EXT_CHR, -1, &entries[0].indicator, &entries[0].length,
                             &entries[0].code, skip, skip, skip, skip, 3, &count, nullptr, -1, -1));
    ASSERT_EQ(0, bindCount());
    const auto skips = callsOf("OCIBindArrayOfStruct");
    ASSERT_EQ(1u, skips.size());
    EXPECT_EQ(static_cast<unsigned>(skip), skips[0].mode);
    ASSERT_EQ(0, v7::oexec(&cur)) << message(lda, cur.rc);
    EXPECT_EQ(":NAMES=[ADAMS,WARD]", callsOf("OCIStmtExecute").back().bound[1]);
    EXPECT_EQ(2u, count);
    EXPECT_EQ("YY", std::string(entries[1].name, entries[1].length));

    Statement st;
    st.match = "UPDATE";
    st.type = 2;
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("UPDATE EMP SET ENAME = :NAMES"));
    ASSERT_EQ(0, bindNames(4));
    EXPECT_EQ(1484, v7::oexec(&cur));
    ub4 *noCount = nullptr;
    EXPECT_EQ(1009,
              v7::obndra(&cur, txt(":NAMES"), -1, reinterpret_cast<ub1 *>(names), 6, OCIV7_EXT_CHR,
                         -1, nullptr, nullptr, nullptr, 4, noCount, nullptr, -1, -1))
        << "a table without its count";
}

} // namespace
} // namespace oracle_test
