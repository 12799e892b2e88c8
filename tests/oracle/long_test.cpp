// LONG and LONG RAW columns through Oracle: the bridge fetches each value whole (dynamic fetch
// in pieces of its own, never seen by the program), the program's buffer gets it as its
// external type lays text or bytes out, and oflng reads any part of it while the row is
// current, a LONG RAW as bytes or as hexadecimal text.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;
using scriptedoci::Statement;

std::string letters(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

class LongTest : public Logged {
protected:
    void query(int type, std::vector<scriptedoci::Value> values) {
        Statement st;
        st.match = "SELECT";
        st.columns = {column("ID", 2, 22), column("BODY", type, 0)};
        int id = 0;
        for (auto &v : values)
            st.rows.push_back({std::to_string(++id), v});
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT ID, BODY FROM DOC"));
    }
    int define(sword type, sword length) {
        std::memset(buffer, '#', sizeof buffer);
        return v7::odefin(&cur, 2, buffer, length, type, -1, &indicator, nullptr, -1, -1, &rlen,
                          &rcode);
    }
    std::string part(long offset, sb4 length, sword type = OCIV7_EXT_LNG) {
        std::string out(static_cast<size_t>(length), '#');
        ub4 retl = 99;
        last = v7::oflng(&cur, 2, reinterpret_cast<ub1 *>(out.data()), length, type, &retl, offset);
        return out.substr(0, retl);
    }

    ub1 buffer[64];
    sb2 indicator = 99;
    ub2 rlen = 99, rcode = 99;
    int last = 0;
};

TEST_F(LongTest, TheWholeValueIsKeptForPartsAndTheBufferGetsWhatFits) {
    const std::string body = letters(100000);
    query(8, {body, std::nullopt});
    ASSERT_EQ(0, define(OCIV7_EXT_STR, 11));
    ASSERT_EQ(1002, v7::oflng(&cur, 2, buffer, 10, OCIV7_EXT_LNG, nullptr, 0)) << "before a row";
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur)) << "no piece reaches the program";
    EXPECT_EQ(body.substr(0, 10), std::string(reinterpret_cast<char *>(buffer)));
    EXPECT_EQ(-2, indicator) << "cut, longer than an indicator holds";
    EXPECT_EQ(1406, rcode);
    EXPECT_EQ(10, rlen);
    EXPECT_EQ(2u, callsOf("OCIDefineByPos").back().mode) << "defined for dynamic fetch";
    EXPECT_GT(callsOf("OCIStmtSetPieceInfo").size(), 1u) << "in pieces of its own";
    EXPECT_EQ(body.substr(0, 30), part(0, 30));
    EXPECT_EQ(body.substr(99990), part(99990, 30));
    EXPECT_EQ(body.substr(65530, 12), part(65530, 12)) << "across the bridge's pieces";
    EXPECT_EQ("", part(100000, 30));
    EXPECT_EQ(0, last);
    EXPECT_EQ(1007, v7::oflng(&cur, 3, buffer, 10, OCIV7_EXT_LNG, nullptr, 0));
    EXPECT_EQ(932, v7::oflng(&cur, 1, buffer, 10, OCIV7_EXT_LNG, nullptr, 0)) << "not a LONG";
    EXPECT_EQ(932, v7::oflng(&cur, 2, buffer, 4, OCIV7_EXT_INT, nullptr, 0));
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ(-1, indicator);
    EXPECT_EQ(1405, rcode);
    EXPECT_EQ("", part(0, 30));
    EXPECT_EQ(1403, v7::ofetch(&cur));
    EXPECT_EQ(1002, v7::oflng(&cur, 2, buffer, 10, OCIV7_EXT_LNG, nullptr, 0)) << "no row";
}

TEST_F(LongTest, TheExternalTypeLaysTheValueOut) {
    const struct {
        sword type;
        sword length;
        std::string bytes; // the buffer's first `length` bytes
        int indicator;
    } cases[] = {
        {OCIV7_EXT_CHR, 8, "hello###", 0},
        {OCIV7_EXT_STR, 8, std::string("hello\0##", 8), 0},
        {OCIV7_EXT_AFC, 8, "hello   ", 0},
        {OCIV7_EXT_AVC, 8, std::string("hello  \0", 8), 0},
        {OCIV7_EXT_VCS, 8, std::string("\5\0hello#", 8), 0},
        {OCIV7_EXT_LVC, 8, std::string("\4\0\0\0hell", 8), 5},
        {OCIV7_EXT_STR, 4, std::string("hel\0", 4), 5},
        {OCIV7_EXT_LBI, 8, "hello###", 0},
    };
    for (const auto &c : cases) {
        query(8, {std::string("hello")});
        ASSERT_EQ(0, define(c.type, c.length));
        ASSERT_EQ(0, v7::oexec(&cur));
        ASSERT_EQ(0, v7::ofetch(&cur)) << c.type;
        EXPECT_EQ(c.bytes, std::string(reinterpret_cast<char *>(buffer), c.bytes.size())) << c.type;
        EXPECT_EQ(c.indicator, indicator) << c.type;
    }
}

TEST_F(LongTest, LongRawAsBytesOrAsHexadecimalText) {
    const std::string bytes("\x01\xAB\x00\xFF", 4);
    query(24, {bytes});
    ASSERT_EQ(0, define(OCIV7_EXT_STR, 20));
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ("01AB00FF", std::string(reinterpret_cast<char *>(buffer)));
    EXPECT_EQ(bytes, part(0, 10, OCIV7_EXT_LBI));
    EXPECT_EQ("AB00", part(2, 4, OCIV7_EXT_CHR));
    // Not defined at all, still kept for oflng.
    query(24, {bytes});
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ(bytes.substr(1), part(1, 10, OCIV7_EXT_LBI));
}

} // namespace
} // namespace oracle_test
