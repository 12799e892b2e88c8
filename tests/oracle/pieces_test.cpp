// Values in pieces and arrays of structures through Oracle: a piecewise bind (obindps opcode
// 0) makes oexec answer 3129 until the program has given its last piece through osetpi, a
// piecewise define (odefinps opcode 0) makes ofetch answer 3130 for each piece's buffer, ogetpi
// names the bind or define by the program's context with the element or row it is for, and the
// interrupted call goes on where it stopped; skip parameters (opcode 1) lay the elements out
// as arrays of structures.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;

class PiecesTest : public Logged {
protected:
    void insert(int rows = 1) {
        Statement st;
        st.match = "INSERT";
        st.type = 4;
        st.rowCount = rows;
        st.placeholders = {":V"};
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("INSERT INTO DOC VALUES (:V)"));
    }
    void query(const std::vector<scriptedoci::Value> &bodies) {
        Statement st;
        st.match = "SELECT";
        st.columns = {column("ID", 2, 22), column("BODY", 8, 0)};
        int id = 0;
        for (const auto &body : bodies)
            st.rows.push_back({std::to_string(++id), body});
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT ID, BODY FROM DOC"));
    }
    int bindPieces(sb2 *indicator = nullptr) {
        return v7::obindps(&cur, OCIV7_OP_PIECEWISE, txt(":V"), -1, reinterpret_cast<ub1 *>(&ctx),
                           1 << 20, OCIV7_EXT_LNG, -1, indicator, nullptr, nullptr, 0, 0, 0, 0, 0,
                           nullptr, nullptr, -1, -1);
    }
    // Gives `pieces` one by one while oexec / oexn asks; the pieces ogetpi asked for.
    std::vector<int> give(const std::vector<std::string> &pieces, int iterations = 0) {
        std::vector<int> asked;
        lengths.assign(pieces.size(), 0);
        for (size_t i = 0;; ++i) {
            const int rc = iterations ? v7::oexn(&cur, iterations, 0) : v7::oexec(&cur);
            if (rc != OCIV7_RC_NEED_PIECE || i == pieces.size()) {
                last = rc;
                return asked;
            }
            ub1 piece = 99;
            void *context = nullptr;
            ub4 iteration = 99, index = 99;
            EXPECT_EQ(0, v7::ogetpi(&cur, &piece, &context, &iteration, &index));
            EXPECT_EQ(&ctx, context);
            asked.push_back(piece);
            iterationsAsked.push_back(static_cast<int>(iteration));
            lengths[i] = static_cast<ub4>(pieces[i].size());
            const bool lastOfValue = pieces[i].empty() || pieces[i].back() == '.';
            const ub1 first = piece == OCIV7_FIRST_PIECE;
            const ub1 giving = lastOfValue ? (first ? OCIV7_ONE_PIECE : OCIV7_LAST_PIECE)
                                           : (first ? OCIV7_FIRST_PIECE : OCIV7_NEXT_PIECE);
            EXPECT_EQ(0,
                      v7::osetpi(&cur, giving, const_cast<char *>(pieces[i].data()), &lengths[i]));
        }
    }
    // Fetches with ofen(rows) and gives buffers of `size` bytes; each row's pieces.
    std::vector<std::string> takePieces(int rows, ub4 size, std::vector<int> &rowsAsked) {
        std::vector<std::string> out;
        std::string buffer;
        ub4 length = 0;
        bool given = false;
        for (;;) {
            last = v7::ofen(&cur, rows);
            if (given)
                out.push_back(buffer.substr(0, length));
            if (last != OCIV7_RC_NEED_BUFFER)
                return out;
            ub1 piece = 99;
            void *context = nullptr;
            ub4 iteration = 99;
            EXPECT_EQ(0, v7::ogetpi(&cur, &piece, &context, &iteration, nullptr));
            EXPECT_EQ(&ctx, context);
            rowsAsked.push_back(static_cast<int>(iteration));
            buffer.assign(size, '#');
            length = size;
            EXPECT_EQ(0, v7::osetpi(&cur, OCIV7_NEXT_PIECE, buffer.data(), &length));
            given = true;
        }
    }

    int ctx = 0;
    int last = 0;
    std::vector<ub4> lengths;
    std::vector<int> iterationsAsked;
};

TEST_F(PiecesTest, BindInPiecesUntilTheLastOne) {
    insert();
    ASSERT_EQ(0, bindPieces());
    EXPECT_EQ((std::vector<int>{OCIV7_FIRST_PIECE, OCIV7_NEXT_PIECE, OCIV7_NEXT_PIECE}),
              give({"first part, ", "second part, ", "the end."}));
    ASSERT_EQ(0, last) << message(lda, last);
    EXPECT_EQ(1u, cur.rpc);
    std::vector<scriptedoci::Call> executions;
    for (const auto &call : callsOf("OCIStmtExecute"))
        if (!(call.mode & 0x100)) // not the parse
            executions.push_back(call);
    EXPECT_EQ(4u, executions.size()) << "one execution asked again for each piece";
    EXPECT_EQ(std::vector<std::string>{":V=first part, second part, the end."},
              executions.back().bound);
    EXPECT_EQ(2u, callsOf("OCIBindByName").back().mode) << "OCI_DATA_AT_EXEC";
    // The next execution asks afresh.
    EXPECT_EQ(std::vector<int>{OCIV7_FIRST_PIECE}, give({"again."}));
    EXPECT_EQ(0, last);
    EXPECT_EQ(std::vector<std::string>{":V=again."}, callsOf("OCIStmtExecute").back().bound);
}

TEST_F(PiecesTest, ANullTakesNoPieceAndEachElementOfAnArrayExecutionHasItsOwn) {
    insert();
    sb2 indicators[2] = {-1, 0};
    ASSERT_EQ(0, bindPieces(indicators));
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(std::vector<std::string>{":V=NULL"}, callsOf("OCIStmtExecute").back().bound);
    indicators[0] = 0;
    EXPECT_EQ((std::vector<int>{OCIV7_FIRST_PIECE, OCIV7_NEXT_PIECE, OCIV7_FIRST_PIECE}),
              give({"one ", "row.", "two."}, 2));
    ASSERT_EQ(0, last) << message(lda, last);
    EXPECT_EQ((std::vector<int>{0, 0, 1}), iterationsAsked) << "the element each piece is for";
    EXPECT_EQ(2u, cur.rpc);
    std::vector<std::string> bound;
    for (const auto &call : callsOf("OCIStmtExecute"))
        if (!call.bound.empty())
            bound.push_back(call.bound[0]);
    EXPECT_EQ((std::vector<std::string>{":V=NULL", ":V=one row.", ":V=two."}), bound);
}

TEST_F(PiecesTest, FetchInPiecesIntoTheProgramsBuffers) {
    query({std::string("first part, second part, the end"), std::nullopt});
    sb4 id = 0;
    sb2 indicator = 99;
    ub2 length = 0;
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(&id), sizeof id, OCIV7_EXT_INT, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefinps(&cur, OCIV7_OP_PIECEWISE, 2, reinterpret_cast<ub1 *>(&ctx), 1 << 20,
                              OCIV7_EXT_LNG, -1, &indicator, nullptr, -1, -1, &length, nullptr, 0,
                              0, 0, 0));
    ASSERT_EQ(0, v7::oexec(&cur));
    std::vector<int> rows;
    EXPECT_EQ((std::vector<std::string>{"first part", ", second p", "art, the e", "nd"}),
              takePieces(1, 10, rows));
    EXPECT_EQ(0, last) << message(lda, last);
    EXPECT_EQ(1, id);
    EXPECT_EQ(0, indicator);
    EXPECT_EQ(32, length) << "the whole value's length";
    EXPECT_EQ(1u, cur.rpc);
    EXPECT_EQ(2u, callsOf("OCIDefineByPos").back().mode) << "OCI_DYNAMIC_FETCH";
    // A NULL still asks for its buffer, then reports itself in the indicator.
    EXPECT_EQ(std::vector<std::string>{""}, takePieces(1, 10, rows));
    EXPECT_EQ(0, last);
    EXPECT_EQ(-1, indicator);
    EXPECT_EQ(2, id);
    EXPECT_EQ(1403, v7::ofetch(&cur));
    EXPECT_EQ(2u, cur.rpc);
}

TEST_F(PiecesTest, AnArrayFetchStopsAtEachRowsPiecesAndGoesOn) {
    query({std::string("abcdef"), std::string("ghi"), std::string("jk")});
    sb4 ids[3] = {};
    ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(ids), sizeof ids[0], OCIV7_EXT_INT, -1,
                            nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, v7::odefinps(&cur, OCIV7_OP_PIECEWISE, 2, reinterpret_cast<ub1 *>(&ctx), 100,
                              OCIV7_EXT_LNG, -1, nullptr, nullptr, -1, -1, nullptr, nullptr, 0, 0,
                              0, 0));
    ASSERT_EQ(0, v7::oexec(&cur));
    std::vector<int> rows;
    EXPECT_EQ((std::vector<std::string>{"abcd", "ef", "ghi", "jk"}), takePieces(3, 4, rows));
    EXPECT_EQ(0, last);
    EXPECT_EQ((std::vector<int>{0, 0, 1, 2}), rows);
    EXPECT_EQ((std::vector<sb4>{1, 2, 3}), std::vector<sb4>(ids, ids + 3));
    EXPECT_EQ(3u, cur.rpc);
}

TEST_F(PiecesTest, PieceCallsOutOfTurnAreRefused) {
    insert();
    char buffer[4];
    ub4 length = sizeof buffer;
    EXPECT_EQ(1010, v7::osetpi(&cur, OCIV7_NEXT_PIECE, buffer, &length));
    EXPECT_EQ(OCIV7_FC_SETPI, cur.fc);
    ASSERT_EQ(0, bindPieces());
    ASSERT_EQ(OCIV7_RC_NEED_PIECE, v7::oexec(&cur));
    EXPECT_EQ(1010, v7::osetpi(&cur, 7, buffer, &length)) << "no such piece";
    EXPECT_EQ(1010, v7::obindps(&cur, 5, txt(":V"), -1, nullptr, 0, 1, -1, nullptr, nullptr,
                                nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, -1, -1))
        << "no such operation";
    // Parsing again drops the execution that waited.
    ASSERT_EQ(0, parse("INSERT INTO DOC VALUES (:V)"));
    EXPECT_EQ(1010, v7::ogetpi(&cur, nullptr, nullptr, nullptr, nullptr));
}

struct Person {
    char name[8];
    sb2 indicator;
    ub2 length;
    ub2 code;
};

TEST_F(PiecesTest, ArraysOfStructuresInAndOut) {
    Statement st;
    st.match = "SELECT";
    st.columns = {column("NAME", 1, 7)};
    st.rows = {{std::string("KING")}, {std::nullopt}, {std::string("MILLERSON")}};
    scriptedoci::addStatement(st);
    ASSERT_EQ(0, parse("SELECT NAME FROM EMP"));
    Person people[3] = {};
    const sb4 skip = sizeof(Person);
    ASSERT_EQ(0,
              v7::odefinps(&cur, OCIV7_OP_STRUCTS, 1, reinterpret_cast<ub1 *>(people[0].name),
                           sizeof people[0].name, OCIV7_EXT_STR, -1, &people[0].indicator, nullptr,
                           -1, -1, &people[0].length, &people[0].code, skip, skip, skip, skip));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofen(&cur, 3));
    EXPECT_EQ("KING", std::string(people[0].name));
    EXPECT_EQ((std::vector<int>{0, -1, 9}),
              (std::vector<int>{people[0].indicator, people[1].indicator, people[2].indicator}));
    EXPECT_EQ("MILLERS", std::string(people[2].name));
    EXPECT_EQ((std::vector<int>{0, 1405, 1406}),
              (std::vector<int>{people[0].code, people[1].code, people[2].code}));

    insert(1);
    std::strcpy(people[0].name, "ADAMS");
    std::strcpy(people[1].name, "TURNER");
    people[0].indicator = 0;
    people[1].indicator = 0;
    people[1].length = 4;
    people[0].length = 5;
    ASSERT_EQ(0, v7::obindps(&cur, OCIV7_OP_STRUCTS, txt(":V"), -1,
                             reinterpret_cast<ub1 *>(people[0].name), sizeof people[0].name,
                             OCIV7_EXT_CHR, -1, &people[0].indicator, &people[0].length,
                             &people[0].code, skip, skip, skip, skip, 0, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, v7::oexn(&cur, 2, 0));
    std::vector<std::string> bound;
    for (const auto &call : callsOf("OCIStmtExecute"))
        if (!call.bound.empty())
            bound.push_back(call.bound[0]);
    EXPECT_EQ((std::vector<std::string>{":V=ADAMS", ":V=TURN"}), bound);
}

} // namespace
} // namespace oracle_test
