// Long values in pieces and in parts, as Oracle's version-7 calls move them: a piecewise bind
// asks for each piece with ORA-03129 until the program gives the last one, a piecewise define
// asks for a buffer for each piece with ORA-03130 until the value is all delivered, ogetpi
// names the bind or define and the piece, and oflng reads any part of a long column of the
// current row.
#include "oci_client.h"

#include <string>
#include <vector>

namespace ocilite::test {
namespace {

class Pieces : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("CREATE TABLE DOC (ID NUMBER, BODY LONG)"));
        ASSERT_EQ(0, oci.run("CREATE TABLE BIN (ID NUMBER, DATA LONG RAW)"));
    }

    // Inserts `pieces` through a piecewise bind of `type`; returns the last call's code.
    int insertInPieces(const char *sql, int type, const std::vector<std::string> &pieces,
                       std::vector<int> &asked) {
        if (oparse(&oci.cur, (OraText *)sql, -1, 0, 1))
            return oci.cur.rc;
        if (obindps(&oci.cur, OCIV7_OP_PIECEWISE, (OraText *)":V", -1, (ub1 *)&context, 1 << 20,
                    type, -1, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, -1, -1))
            return oci.cur.rc;
        std::vector<ub4> lengths(pieces.size());
        for (size_t i = 0;; ++i) {
            const int rc = oexec(&oci.cur);
            if (rc != OCIV7_RC_NEED_PIECE || i == pieces.size())
                return rc;
            ub1 piece = 99;
            void *ctx = nullptr;
            ub4 iteration = 99, index = 99;
            EXPECT_EQ(0, ogetpi(&oci.cur, &piece, &ctx, &iteration, &index));
            EXPECT_EQ(&context, ctx);
            EXPECT_EQ(0u, iteration);
            asked.push_back(piece);
            lengths[i] = static_cast<ub4>(pieces[i].size());
            const ub1 giving = i + 1 == pieces.size() ? OCIV7_LAST_PIECE
                               : i == 0               ? OCIV7_FIRST_PIECE
                                                      : OCIV7_NEXT_PIECE;
            EXPECT_EQ(0, osetpi(&oci.cur, giving, (void *)pieces[i].data(), &lengths[i]));
        }
    }

    // Fetches the first column of the query's first row in pieces of `size` bytes.
    std::vector<std::string> fetchInPieces(const char *sql, int type, ub4 size, int &rc,
                                           sb2 &indicator) {
        std::vector<std::string> out;
        rc = oparse(&oci.cur, (OraText *)sql, -1, 0, 1);
        if (rc)
            return out;
        rc = odefinps(&oci.cur, OCIV7_OP_PIECEWISE, 1, (ub1 *)&context, 1 << 20, type, -1,
                      &indicator, nullptr, -1, -1, nullptr, nullptr, 0, 0, 0, 0);
        if (rc || (rc = oexec(&oci.cur)) != 0)
            return out;
        std::string buffer;
        ub4 length = 0;
        bool pending = false;
        for (;;) {
            rc = ofetch(&oci.cur);
            if (pending)
                out.push_back(buffer.substr(0, length));
            if (rc != OCIV7_RC_NEED_BUFFER)
                return out;
            ub1 piece = 99;
            void *ctx = nullptr;
            EXPECT_EQ(0, ogetpi(&oci.cur, &piece, &ctx, nullptr, nullptr));
            EXPECT_EQ(&context, ctx);
            EXPECT_EQ(out.empty() ? OCIV7_FIRST_PIECE : OCIV7_NEXT_PIECE, piece);
            buffer.assign(size, '#');
            length = size;
            EXPECT_EQ(0, osetpi(&oci.cur, OCIV7_NEXT_PIECE, buffer.data(), &length));
            pending = true;
        }
    }

    int context = 0;
};

TEST_F(Pieces, BindInPiecesThenFetchInPieces) {
    const std::vector<std::string> pieces = {"first part, ", "second part, ", "the end"};
    std::vector<int> asked;
    ASSERT_EQ(0, insertInPieces("INSERT INTO DOC VALUES (1, :V)", OCIV7_EXT_LNG, pieces, asked));
    EXPECT_EQ((std::vector<int>{OCIV7_FIRST_PIECE, OCIV7_NEXT_PIECE, OCIV7_NEXT_PIECE}), asked);
    EXPECT_EQ((Rows{{"first part, second part, the end"}}), oci.rows("SELECT BODY FROM DOC"));

    int rc = 0;
    sb2 indicator = 99;
    const auto got = fetchInPieces("SELECT BODY FROM DOC", OCIV7_EXT_LNG, 10, rc, indicator);
    EXPECT_EQ(0, rc) << oci.message(rc);
    EXPECT_EQ((std::vector<std::string>{"first part", ", second p", "art, the e", "nd"}), got);
    EXPECT_EQ(0, indicator);
    EXPECT_EQ(1u, oci.cur.rpc);
    EXPECT_EQ(1403, ofetch(&oci.cur));
}

TEST_F(Pieces, OnePieceAndRawBytes) {
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += static_cast<char>(i % 256);
    std::vector<int> asked;
    ub4 length = static_cast<ub4>(bytes.size());
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO BIN VALUES (1, :V)", -1, 0, 1));
    ASSERT_EQ(0, obindps(&oci.cur, OCIV7_OP_PIECEWISE, (OraText *)":V", -1, (ub1 *)&context,
                         1 << 20, OCIV7_EXT_LBI, -1, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0,
                         nullptr, nullptr, -1, -1));
    ASSERT_EQ(OCIV7_RC_NEED_PIECE, oexec(&oci.cur));
    ASSERT_EQ(0, osetpi(&oci.cur, OCIV7_ONE_PIECE, bytes.data(), &length));
    ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
    int rc = 0;
    sb2 indicator = 99;
    const auto got = fetchInPieces("SELECT DATA FROM BIN", OCIV7_EXT_LBI, 256, rc, indicator);
    ASSERT_EQ(0, rc);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(bytes, got[0] + got[1]);
}

TEST_F(Pieces, NullTakesNoPiece) {
    sb2 null = -1;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO DOC VALUES (2, :V)", -1, 0, 1));
    ASSERT_EQ(0, obindps(&oci.cur, OCIV7_OP_PIECEWISE, (OraText *)":V", -1, (ub1 *)&context,
                         1 << 20, OCIV7_EXT_LNG, -1, &null, nullptr, nullptr, 0, 0, 0, 0, 0,
                         nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, oexec(&oci.cur));
    int rc = 0;
    sb2 indicator = 99;
    const auto got = fetchInPieces("SELECT BODY FROM DOC", OCIV7_EXT_LNG, 10, rc, indicator);
    EXPECT_EQ(0, rc);
    EXPECT_TRUE(got.empty());
    EXPECT_EQ(-1, indicator);
}

TEST_F(Pieces, PieceCallsOutOfTurn) {
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT ID FROM DOC", -1, 0, 1));
    ub4 length = 4;
    char buffer[4];
    EXPECT_EQ(1010, ogetpi(&oci.cur, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(1010, osetpi(&oci.cur, OCIV7_NEXT_PIECE, buffer, &length));
}

TEST_F(Pieces, LongColumnReadInParts) {
    std::string body;
    for (int i = 0; i < 100; ++i)
        body += static_cast<char>('a' + i % 26);
    ASSERT_EQ(0, oci.run("INSERT INTO DOC VALUES (3, :1)", {body}));
    char head[11] = {};
    sb2 indicator = 0;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT ID, BODY FROM DOC", -1, 0, 1));
    ASSERT_EQ(0, odefin(&oci.cur, 2, (ub1 *)head, sizeof head, OCIV7_EXT_STR, -1, &indicator,
                        nullptr, -1, -1, nullptr, nullptr));
    char part[30];
    ub4 got = 99;
    EXPECT_EQ(1002, oflng(&oci.cur, 2, (ub1 *)part, sizeof part, OCIV7_EXT_LNG, &got, 0));
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur));
    EXPECT_EQ(100, indicator); // the define was cut; the whole value is still there
    const std::pair<sb4, std::string> parts[] = {
        {0, body.substr(0, 30)}, {30, body.substr(30, 30)}, {90, body.substr(90)}, {100, ""}};
    for (const auto &[offset, expected] : parts) {
        ASSERT_EQ(0, oflng(&oci.cur, 2, (ub1 *)part, sizeof part, OCIV7_EXT_LNG, &got, offset));
        EXPECT_EQ(expected, std::string(part, got)) << offset;
    }
    EXPECT_EQ(1007, oflng(&oci.cur, 3, (ub1 *)part, sizeof part, OCIV7_EXT_LNG, &got, 0));
}

} // namespace
} // namespace ocilite::test
