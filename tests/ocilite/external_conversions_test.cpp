// Every external type both ways through the C entry points: a column value defined as each
// type (the bytes in the buffer, the indicator, returned length and column return code, and
// the call's return code for NULL and cut values and for values the type cannot take), and
// each type bound and read back. Raw bytes come back byte for byte.
#include "oci_client.h"

#include <cstring>
#include <string>
#include <vector>

namespace ocilite::test {
namespace {

struct Fetched {
    int rc = 0;
    std::string bytes; // the first `rlen` bytes of the buffer, or all of it when told to
    sb2 indicator = 99;
    ub2 length = 99;
    ub2 code = 99;
    std::string buffer; // the whole buffer
};

std::string bytes(std::initializer_list<int> list) {
    std::string out;
    for (int b : list)
        out += static_cast<char>(b);
    return out;
}

class Conversions : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("CREATE TABLE V (N NUMBER, C VARCHAR2(20), F CHAR(4), D DATE, "
                             "R RAW(8), L LONG, LR LONG RAW)"));
        ASSERT_EQ(0, oci.run("INSERT INTO V VALUES (-123.45, 'abc', 'xy', TO_DATE('1999-12-31 "
                             "23:59:58', 'YYYY-MM-DD HH24:MI:SS'), '0A0BFF', 'long text', "
                             "'00FF10')"));
        ASSERT_EQ(0, oci.run("INSERT INTO V (N) VALUES (NULL)"));
    }

    // Fetches `expression` of V's first row (or of the row with N NULL) as `type` into a
    // buffer of `size` bytes filled with '#'.
    Fetched fetch(const std::string &expression, int type, int size, bool nullRow = false,
                  int scale = 0, bool indicator = true) {
        Fetched f;
        const std::string sql =
            "SELECT " + expression + " FROM V WHERE N IS " + (nullRow ? "NULL" : "NOT NULL");
        if (oparse(&oci.cur, (OraText *)sql.c_str(), -1, 0, 1) != 0) {
            f.rc = oci.cur.rc;
            return f;
        }
        f.buffer.assign(static_cast<size_t>(size), '#');
        if (odefin(&oci.cur, 1, (ub1 *)f.buffer.data(), size, type, scale,
                   indicator ? &f.indicator : nullptr, nullptr, -1, -1, &f.length, &f.code) ||
            oexec(&oci.cur)) {
            f.rc = oci.cur.rc;
            return f;
        }
        f.rc = ofetch(&oci.cur) ? oci.cur.rc : 0;
        f.bytes = f.buffer.substr(0, f.length <= size ? f.length : 0);
        return f;
    }
};

TEST_F(Conversions, TextTypesOfEveryValue) {
    struct Case {
        const char *expression;
        int type;
        int size;
        std::string buffer; // the whole buffer after the fetch
        ub2 length;
    };
    const Case cases[] = {
        {"C", OCIV7_EXT_CHR, 5, "abc##", 3},
        {"C", OCIV7_EXT_LNG, 5, "abc##", 3},
        {"C", OCIV7_EXT_STR, 5, std::string("abc\0#", 5), 3},
        {"C", OCIV7_EXT_AFC, 5, "abc  ", 3},
        {"C", OCIV7_EXT_AVC, 5, std::string("abc \0", 5), 3},
        {"C", OCIV7_EXT_VCS, 6, std::string("\3\0abc#", 6), 3},
        {"C", OCIV7_EXT_LVC, 8, std::string("\3\0\0\0abc#", 8), 3},
        {"F", OCIV7_EXT_CHR, 4, "xy  ", 4}, // CHAR(4) comes blank-padded
        {"N", OCIV7_EXT_STR, 8, std::string("-123.45\0", 8), 7},
        {"D", OCIV7_EXT_CHR, 9, "31-DEC-99", 9},
        {"R", OCIV7_EXT_CHR, 8, "0A0BFF##", 6}, // RAWTOHEX
        {"LR", OCIV7_EXT_STR, 8, std::string("00FF10\0#", 8), 6},
        {"L", OCIV7_EXT_CHR, 12, "long text###", 9},
    };
    for (const Case &c : cases) {
        const Fetched f = fetch(c.expression, c.type, c.size);
        EXPECT_EQ(0, f.rc) << c.expression << " as " << c.type << ": " << oci.message(f.rc);
        EXPECT_EQ(c.buffer, f.buffer) << c.expression << " as " << c.type;
        EXPECT_EQ(c.length, f.length) << c.expression << " as " << c.type;
        EXPECT_EQ(0, f.indicator);
        EXPECT_EQ(0, f.code);
    }
}

TEST_F(Conversions, NumberTypes) {
    struct Case {
        const char *expression;
        int type;
        int size;
        int scale;
        std::string bytes;
    };
    const auto i2 = [](short v) { return std::string(reinterpret_cast<char *>(&v), 2); };
    const auto u4 = [](unsigned v) { return std::string(reinterpret_cast<char *>(&v), 4); };
    const auto d8 = [](double v) { return std::string(reinterpret_cast<char *>(&v), 8); };
    const auto f4 = [](float v) { return std::string(reinterpret_cast<char *>(&v), 4); };
    const Case cases[] = {
        {"N", OCIV7_EXT_NUM, 22, 0, bytes({61, 100, 78, 56, 102})},
        {"N", OCIV7_EXT_VNU, 22, 0, bytes({5, 61, 100, 78, 56, 102})},
        {"123", OCIV7_EXT_NUM, 22, 0, bytes({194, 2, 24})},
        {"0", OCIV7_EXT_VNU, 22, 0, bytes({1, 128})},
        {"N", OCIV7_EXT_INT, 2, 0, i2(-123)},
        {"-N", OCIV7_EXT_UIN, 4, 0, u4(123)},
        {"N", OCIV7_EXT_FLT, 8, 0, d8(-123.45)},
        {"N", OCIV7_EXT_FLT, 4, 0, f4(-123.45f)},
        {"N", OCIV7_EXT_PDN, 3, 2, bytes({0x12, 0x34, 0x5D})},
        {"N", OCIV7_EXT_SLS, 6, 1, "-01235"},
        {"'  42 '", OCIV7_EXT_INT, 2, 0, i2(42)}, // text that reads as a number
        {"C || 'x'", OCIV7_EXT_STR, 8, 0, "abcx"},
    };
    for (const Case &c : cases) {
        const Fetched f = fetch(c.expression, c.type, c.size, false, c.scale);
        EXPECT_EQ(0, f.rc) << c.expression << " as " << c.type << ": " << oci.message(f.rc);
        EXPECT_EQ(c.bytes, f.bytes) << c.expression << " as " << c.type;
    }
}

TEST_F(Conversions, DateRowidAndRawTypes) {
    Fetched f = fetch("D", OCIV7_EXT_DAT, 7);
    EXPECT_EQ(bytes({119, 199, 12, 31, 24, 60, 59}), f.bytes);
    f = fetch("'01-JAN-00'", OCIV7_EXT_DAT, 8); // text in the default date format
    EXPECT_EQ(bytes({120, 100, 1, 1, 1, 1, 1}), f.bytes);
    f = fetch("R", OCIV7_EXT_BIN, 8);
    EXPECT_EQ(bytes({0x0A, 0x0B, 0xFF}), f.bytes);
    f = fetch("LR", OCIV7_EXT_LBI, 8);
    EXPECT_EQ(bytes({0x00, 0xFF, 0x10}), f.bytes);
    f = fetch("R", OCIV7_EXT_VBI, 8);
    EXPECT_EQ(bytes({3, 0, 0x0A, 0x0B, 0xFF, '#', '#', '#'}), f.buffer);
    f = fetch("R", OCIV7_EXT_LVB, 8);
    EXPECT_EQ(bytes({3, 0, 0, 0, 0x0A, 0x0B, 0xFF, '#'}), f.buffer);
    f = fetch("'abc'", OCIV7_EXT_BIN, 8); // HEXTORAW of text that is hexadecimal
    EXPECT_EQ(bytes({0x0A, 0xBC}), f.bytes);
    f = fetch("ROWID", OCIV7_EXT_RID, 8);
    EXPECT_EQ(0, f.rc);
    EXPECT_EQ(8, f.length);
    const Result rowid = oci.query("SELECT ROWID FROM V WHERE N IS NOT NULL");
    ASSERT_EQ(1u, rowid.rows.size());
    // The binary address binds back as the same row.
    const std::string binary = f.bytes;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT C FROM V WHERE ROWID = :1", -1, 0, 1));
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)binary.data(), 8, OCIV7_EXT_RID, -1, nullptr, nullptr,
                        -1, -1));
    char c[8] = {};
    ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)c, sizeof c, OCIV7_EXT_STR, -1, nullptr, nullptr, -1,
                        -1, nullptr, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur)) << oci.message(oci.cur.rc);
    EXPECT_STREQ("abc", c);
}

TEST_F(Conversions, NullsAndCutValuesOfEveryType) {
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 15, 23, 24, 68, 91, 94, 95, 96, 97};
    for (int type : types) {
        const int size = type == 3 || type == 68 ? 4 : type == 4 ? 8 : 12;
        Fetched f = fetch("C", type, size, true);
        EXPECT_EQ(0, f.rc) << type;
        EXPECT_EQ(-1, f.indicator) << type;
        EXPECT_EQ(1405, f.code) << type;
        EXPECT_EQ(0, f.length) << type;
        f = fetch("C", type, size, true, 0, false);
        EXPECT_EQ(1405, f.rc) << type;
    }
    struct Cut {
        const char *expression;
        int type;
        int size;
        std::string buffer; // the whole buffer after the fetch
        sb2 indicator;
    };
    const Cut cuts[] = {
        {"C", OCIV7_EXT_CHR, 2, "ab", 3},
        {"C", OCIV7_EXT_STR, 2, std::string("a\0", 2), 3},
        {"C", OCIV7_EXT_VCS, 4, std::string("\2\0ab", 4), 3},
        {"C", OCIV7_EXT_AVC, 3, std::string("ab\0", 3), 3},
        {"R", OCIV7_EXT_BIN, 2, bytes({0x0A, 0x0B}), 3},
        {"N", OCIV7_EXT_NUM, 3, bytes({61, 100, 78}), 5},
    };
    for (const Cut &c : cuts) {
        Fetched f = fetch(c.expression, c.type, c.size);
        EXPECT_EQ(0, f.rc) << c.expression << " as " << c.type;
        EXPECT_EQ(c.buffer, f.buffer) << c.expression << " as " << c.type;
        EXPECT_EQ(c.indicator, f.indicator) << c.expression << " as " << c.type;
        EXPECT_EQ(1406, f.code);
        f = fetch(c.expression, c.type, c.size, false, 0, false);
        EXPECT_EQ(1406, f.rc) << c.expression << " as " << c.type;
    }
}

TEST_F(Conversions, ValuesATypeCannotTake) {
    struct Case {
        const char *expression;
        int type;
        int size;
        int rc;
    };
    const Case cases[] = {
        {"D", OCIV7_EXT_INT, 4, 932},      {"N", OCIV7_EXT_DAT, 7, 932},
        {"N", OCIV7_EXT_BIN, 8, 932},      {"D", OCIV7_EXT_NUM, 22, 932},
        {"R", OCIV7_EXT_FLT, 8, 932},      {"C", OCIV7_EXT_INT, 4, 1722},
        {"'xyz'", OCIV7_EXT_BIN, 8, 1465}, {"N * 1000", OCIV7_EXT_INT, 2, 1455},
        {"N", OCIV7_EXT_UIN, 4, 1455},     {"N", OCIV7_EXT_PDN, 1, 1457},
        {"C", OCIV7_EXT_RID, 8, 1410},     {"N", OCIV7_EXT_RID, 8, 932},
        {"N", OCIV7_EXT_INT, 3, 1460},     {"N", OCIV7_EXT_FLT, 2, 1460},
        {"N", OCIV7_EXT_DAT, 6, 1460},     {"N", 42, 8, 932},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.rc, fetch(c.expression, c.type, c.size).rc) << c.expression << " as " << c.type;
}

// Each type bound into a column and read back as text.
TEST_F(Conversions, BindsOfEveryType) {
    ASSERT_EQ(0, oci.run("CREATE TABLE B (N NUMBER, C VARCHAR2(20), D DATE, R RAW(8))"));
    struct Case {
        const char *column;
        int type;
        std::string value;
        int scale;
        const char *text; // TO_CHAR / RAWTOHEX of what was stored; empty for NULL
    };
    const double half = -2.5;
    const float quarter = 0.25f;
    const long long big = 1234567890123LL;
    const unsigned short small = 65535;
    const Case cases[] = {
        {"N", OCIV7_EXT_NUM, bytes({194, 2, 24, 46}), 0, "123.45"},
        {"N", OCIV7_EXT_VNU, bytes({3, 62, 100, 102}), 0, "-1"},
        {"N", OCIV7_EXT_INT, std::string(reinterpret_cast<const char *>(&big), 8), 0,
         "1234567890123"},
        {"N", OCIV7_EXT_UIN, std::string(reinterpret_cast<const char *>(&small), 2), 0, "65535"},
        {"N", OCIV7_EXT_FLT, std::string(reinterpret_cast<const char *>(&half), 8), 0, "-2.5"},
        {"N", OCIV7_EXT_FLT, std::string(reinterpret_cast<const char *>(&quarter), 4), 0, ".25"},
        {"N", OCIV7_EXT_PDN, bytes({0x12, 0x34, 0x5C}), 3, "12.345"},
        {"N", OCIV7_EXT_SLS, "-0042", 1, "-4.2"},
        {"N", OCIV7_EXT_STR, std::string("17\0zz", 5), 0, "17"},
        {"C", OCIV7_EXT_VCS, std::string("\2\0hi!", 5), 0, "hi"},
        {"C", OCIV7_EXT_LVC, std::string("\3\0\0\0abcd", 8), 0, "abc"},
        {"C", OCIV7_EXT_AFC, "ab  ", 0, "ab  "},
        {"C", OCIV7_EXT_AVC, std::string("ab\0c", 4), 0, "ab"},
        {"C", OCIV7_EXT_CHR, "", 0, ""}, // an empty value is NULL
        {"D", OCIV7_EXT_DAT, bytes({120, 100, 2, 29, 13, 31, 1}), 0, "2000-02-29 12:30:00"},
        {"R", OCIV7_EXT_BIN, bytes({0x00, 0x01, 0xFE}), 0, "0001FE"},
        {"R", OCIV7_EXT_VBI, bytes({2, 0, 0xAB, 0xCD, 0xEF}), 0, "ABCD"},
        {"R", OCIV7_EXT_LVB, bytes({1, 0, 0, 0, 0x7F}), 0, "7F"},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(0, oci.run("DELETE FROM B"));
        const std::string insert = std::string("INSERT INTO B (") + c.column + ") VALUES (:1)";
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)insert.c_str(), -1, 0, 1));
        ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)c.value.data(), static_cast<sword>(c.value.size()),
                            c.type, c.scale, nullptr, nullptr, -1, -1))
            << c.type;
        ASSERT_EQ(0, oexec(&oci.cur)) << c.type << ": " << oci.message(oci.cur.rc);
        const std::string read =
            std::string(c.column) == "D"   ? "SELECT TO_CHAR(D, 'YYYY-MM-DD HH24:MI:SS') FROM B"
            : std::string(c.column) == "R" ? "SELECT RAWTOHEX(R) FROM B"
                                           : std::string("SELECT ") + c.column + " FROM B";
        EXPECT_EQ((Rows{{c.text}}), oci.rows(read)) << c.type;
    }
}

TEST_F(Conversions, RawValuesComeBackByteForByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_EQ(0, oci.run("CREATE TABLE LR (ID NUMBER, V LONG RAW)"));
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO LR VALUES (1, :V)", -1, 0, 1));
    ASSERT_EQ(0,
              obndrv(&oci.cur, (OraText *)":V", -1, (ub1 *)all.data(),
                     static_cast<sword>(all.size()), OCIV7_EXT_LBI, -1, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
    std::string back(300, '#');
    ub2 length = 0;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT V FROM LR", -1, 0, 1));
    ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)back.data(), 300, OCIV7_EXT_LBI, -1, nullptr, nullptr,
                        -1, -1, &length, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur));
    EXPECT_EQ(256, length);
    EXPECT_EQ(all, back.substr(0, 256));
    EXPECT_EQ((Rows{{"000102"}}), oci.rows("SELECT SUBSTR(RAWTOHEX(V), 1, 6) FROM LR"));
}

TEST_F(Conversions, HexTextAndRawInSql) {
    EXPECT_EQ((Rows{{"0A0B", "3"}}),
              oci.rows("SELECT RAWTOHEX(HEXTORAW('0a0b')), LENGTH(HEXTORAW('0a0b0c')) FROM DUAL"));
    ASSERT_EQ(0, oci.run("INSERT INTO V (N, R) VALUES (1, HEXTORAW('FF00'))"));
    EXPECT_EQ((Rows{{"FF00"}}), oci.rows("SELECT RAWTOHEX(R) FROM V WHERE N = 1"));
    EXPECT_EQ(1465, oci.query("SELECT HEXTORAW('XYZ') FROM DUAL").rc);
}

} // namespace
} // namespace ocilite::test
