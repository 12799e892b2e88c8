// Describe of every type, the text forms of fetched values, NULL, truncation and the
// external types a version-7 program defines its buffers with.
#include "oci_client.h"

#include <cstring>

namespace ocilite::test {
namespace {

class TypesTest : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("CREATE TABLE ALLTYPES (V VARCHAR2(10), N NUMBER, P NUMBER(7,2), "
                             "I INTEGER, D DATE NOT NULL, C CHAR(5), L LONG, R RAW(16), "
                             "CL CLOB, BL BLOB, F FLOAT)"))
            << oci.message(oci.cur.rc);
        ASSERT_EQ(0, oci.run("INSERT INTO ALLTYPES (V, N, P, I, D, C) VALUES ('abc', 0.5, "
                             "12345.67, 42, TO_DATE('2024-02-29 13:14:15', 'YYYY-MM-DD "
                             "HH24:MI:SS'), 'xy')"));
    }
};

TEST_F(TypesTest, DescribeReportsOracleTypesAndSizes) {
    Result r = oci.query("SELECT V, N, P, I, D, C, L, R, CL, BL, F, ROWID FROM ALLTYPES");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    const Column expected[] = {
        {"V", 1, 10, 10, 0, 0, 1},        {"N", 2, 22, 40, 0, -127, 1},
        {"P", 2, 22, 9, 7, 2, 1},         {"I", 2, 22, 40, 38, 0, 1},
        {"D", 12, 7, 9, 0, 0, 0},         {"C", 96, 5, 5, 0, 0, 1},
        {"L", 8, 0, 0, 0, 0, 1},          {"R", 23, 16, 32, 0, 0, 1},
        {"CL", 112, 4000, 4000, 0, 0, 1}, {"BL", 113, 4000, 4000, 0, 0, 1},
        {"F", 2, 22, 40, 126, -127, 1},   {"ROWID", 11, 18, 18, 0, 0, 1},
    };
    ASSERT_EQ(std::size(expected), r.columns.size());
    for (size_t i = 0; i < r.columns.size(); ++i) {
        const Column &c = r.columns[i];
        const Column &e = expected[i];
        EXPECT_EQ(e.name, c.name);
        EXPECT_EQ(e.dbtype, c.dbtype) << e.name;
        EXPECT_EQ(e.dbsize, c.dbsize) << e.name;
        EXPECT_EQ(e.prec, c.prec) << e.name;
        EXPECT_EQ(e.scale, c.scale) << e.name;
        EXPECT_EQ(e.nullok, c.nullok) << e.name;
        if (e.dbtype != 2 || e.prec == 7) {
            EXPECT_EQ(e.dsize, c.dsize) << e.name;
        }
    }
}

TEST_F(TypesTest, ExpressionsAreTypedSensibly) {
    Result r = oci.query("SELECT COUNT(*), V || 'x', SYSDATE, TO_CHAR(N), TO_DATE('01-01-2000', "
                         "'DD-MM-YYYY'), NVL(V, 'none'), UPPER(V), N * 2, 'lit' FROM "
                         "ALLTYPES");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    const int types[] = {2, 1, 12, 1, 12, 1, 1, 2, 96};
    ASSERT_EQ(std::size(types), r.columns.size());
    for (size_t i = 0; i < r.columns.size(); ++i)
        EXPECT_EQ(types[i], r.columns[i].dbtype) << r.columns[i].name;
    EXPECT_EQ("COUNT(*)", r.columns[0].name);
    EXPECT_EQ("V||'X'", r.columns[1].name);
    EXPECT_EQ(10, r.columns[6].dbsize);
    EXPECT_EQ((std::vector<std::string>{"1", "abcx", r.rows[0][2], ".5", "01-JAN-00", "abc", "ABC",
                                        "1", "lit"}),
              r.rows.at(0));
}

// The dictionary views describe their columns with the types and widths Oracle's Database
// Reference documents, also where the view writes a constant.
TEST_F(TypesTest, DictionaryViewsDescribeOraclesDocumentedColumns) {
    const struct {
        const char *view;
        const char *column;
        int dbtype;
        int dbsize;
    } cases[] = {
        {"USER_OBJECTS", "OBJECT_NAME", 1, 128},
        {"USER_OBJECTS", "SHARING", 1, 18},
        {"USER_OBJECTS", "ORACLE_MAINTAINED", 1, 1},
        {"USER_OBJECTS", "DEFAULT_COLLATION", 1, 100},
        {"USER_OBJECTS", "IMPORTED_OBJECT", 1, 3},
        {"USER_OBJECTS", "CREATED_APPID", 2, 22},
        {"ALL_OBJECTS", "SHARDED", 1, 1},
        {"ALL_USERS", "COMMON", 1, 3},
        {"ALL_USERS", "INHERITED", 1, 3},
        {"ALL_USERS", "IMPLICIT", 1, 3},
        {"USER_USERS", "ALL_SHARD", 1, 3},
        {"USER_TAB_PRIVS", "COMMON", 1, 3},
        {"USER_TABLES", "NUM_ROWS", 2, 22},
        {"USER_TABLES", "CLUSTER_NAME", 1, 128},
        {"USER_TABLES", "LAST_ANALYZED", 12, 7},
    };
    for (const auto &c : cases) {
        const std::string sql = std::string("SELECT ") + c.column + " FROM " + c.view;
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        ASSERT_EQ(1u, r.columns.size()) << sql;
        EXPECT_EQ(c.dbtype, r.columns[0].dbtype) << sql;
        EXPECT_EQ(c.dbsize, r.columns[0].dbsize) << sql;
    }
}

TEST_F(TypesTest, TextFormsFollowOracle) {
    ASSERT_EQ(0, oci.run("DELETE FROM ALLTYPES"));
    const std::pair<const char *, const char *> numbers[] = {
        {"1", "1"},
        {"0.5", ".5"},
        {"-0.5", "-.5"},
        {"123.45", "123.45"},
        {"-7", "-7"},
        {"1e125", "1E+125"},
        {"1.5e-130", "1.5E-130"},
        {"0", "0"},
        {"100000", "100000"},
        {"0.001", ".001"},
        {"123456789012345", "123456789012345"},
        {"1/3", ".333333333333333"},
    };
    for (const auto &[expr, text] : numbers) {
        Result r = oci.query(std::string("SELECT ") + expr + " FROM DUAL");
        ASSERT_EQ(0, r.rc) << expr << " " << oci.message(r.rc);
        EXPECT_EQ(text, r.rows.at(0).at(0)) << expr;
    }
    const std::pair<const char *, const char *> dates[] = {
        {"2024-02-29 13:14:15", "29-FEB-24"},
        {"1999-12-31 00:00:00", "31-DEC-99"},
        {"2000-01-01 00:00:00", "01-JAN-00"},
    };
    for (const auto &[stored, text] : dates) {
        Result r = oci.query(std::string("SELECT TO_DATE('") + stored +
                             "', 'YYYY-MM-DD HH24:MI:SS') FROM DUAL");
        ASSERT_EQ(0, r.rc);
        EXPECT_EQ(text, r.rows.at(0).at(0));
    }
}

// Defines one column into the given external type and fetches once.
struct Fetched {
    int rc;
    sb2 indicator;
    ub2 length;
    ub2 code;
};

class DefineTest : public TypesTest {
protected:
    Fetched fetchInto(const char *sql, void *buf, int bufl, int ftype, bool indicators = true) {
        EXPECT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 1)) << oci.message(oci.cur.rc);
        Fetched f{0, 99, 99, 99};
        EXPECT_EQ(0, odefin(&oci.cur, 1, (ub1 *)buf, bufl, ftype, -1,
                            indicators ? &f.indicator : nullptr, nullptr, -1, -1,
                            indicators ? &f.length : nullptr, indicators ? &f.code : nullptr));
        EXPECT_EQ(0, oexec(&oci.cur));
        f.rc = ofetch(&oci.cur) ? oci.cur.rc : 0;
        return f;
    }
};

TEST_F(DefineTest, StringTypes) {
    char buf[16];
    std::memset(buf, '#', sizeof buf);
    Fetched f = fetchInto("SELECT V FROM ALLTYPES", buf, 8, OCIV7_EXT_STR);
    EXPECT_EQ(0, f.rc);
    EXPECT_STREQ("abc", buf);
    EXPECT_EQ(0, f.indicator);
    EXPECT_EQ(3, f.length);

    std::memset(buf, '#', sizeof buf);
    f = fetchInto("SELECT V FROM ALLTYPES", buf, 8, OCIV7_EXT_CHR);
    EXPECT_EQ(0, std::memcmp(buf, "abc#", 4));
    EXPECT_EQ(3, f.length);

    std::memset(buf, '#', sizeof buf);
    f = fetchInto("SELECT V FROM ALLTYPES", buf, 6, OCIV7_EXT_AFC);
    EXPECT_EQ(0, std::memcmp(buf, "abc   #", 7));

    std::memset(buf, '#', sizeof buf);
    f = fetchInto("SELECT V FROM ALLTYPES", buf, 6, OCIV7_EXT_AVC);
    EXPECT_EQ(0, std::memcmp(buf, "abc  \0#", 7));

    std::memset(buf, '#', sizeof buf);
    f = fetchInto("SELECT C FROM ALLTYPES", buf, 8, OCIV7_EXT_STR);
    EXPECT_STREQ("xy   ", buf); // CHAR(5) comes blank-padded
}

TEST_F(DefineTest, NumberTypes) {
    int i = 0;
    Fetched f = fetchInto("SELECT I FROM ALLTYPES", &i, sizeof i, OCIV7_EXT_INT);
    EXPECT_EQ(0, f.rc);
    EXPECT_EQ(42, i);
    double d = 0;
    fetchInto("SELECT P FROM ALLTYPES", &d, sizeof d, OCIV7_EXT_FLT);
    EXPECT_DOUBLE_EQ(12345.67, d);
    float fl = 0;
    fetchInto("SELECT N FROM ALLTYPES", &fl, sizeof fl, OCIV7_EXT_FLT);
    EXPECT_FLOAT_EQ(0.5f, fl);
    f = fetchInto("SELECT V FROM ALLTYPES", &i, sizeof i, OCIV7_EXT_INT);
    EXPECT_EQ(1722, f.rc);
}

TEST_F(DefineTest, NullsWithAndWithoutIndicators) {
    char buf[8] = "old";
    Fetched f = fetchInto("SELECT L FROM ALLTYPES", buf, sizeof buf, OCIV7_EXT_STR);
    EXPECT_EQ(0, f.rc);
    EXPECT_EQ(-1, f.indicator);
    EXPECT_EQ(1405, f.code);
    std::strcpy(buf, "old");
    f = fetchInto("SELECT L FROM ALLTYPES", buf, sizeof buf, OCIV7_EXT_STR, false);
    EXPECT_EQ(1405, f.rc);
    EXPECT_STREQ("", buf);
    EXPECT_EQ(1u, oci.cur.rpc); // the row still counts as fetched
}

TEST_F(DefineTest, TruncationWithAndWithoutIndicators) {
    char buf[8];
    Fetched f = fetchInto("SELECT 'abcdefghij' FROM DUAL", buf, 4, OCIV7_EXT_STR);
    EXPECT_EQ(0, f.rc);
    EXPECT_STREQ("abc", buf);
    EXPECT_EQ(10, f.indicator);
    EXPECT_EQ(1406, f.code);
    EXPECT_EQ(3, f.length);
    f = fetchInto("SELECT 'abcdefghij' FROM DUAL", buf, 4, OCIV7_EXT_STR, false);
    EXPECT_EQ(1406, f.rc);
    EXPECT_STREQ("abc", buf);
    char message[512] = {};
    oerhms(&oci.lda, 1406, (OraText *)message, sizeof message);
    EXPECT_STREQ("ORA-01406: fetched column value was truncated", message);
}

TEST_F(DefineTest, EndOfRowsAndRowCount) {
    char buf[8];
    fetchInto("SELECT V FROM ALLTYPES", buf, sizeof buf, OCIV7_EXT_STR);
    EXPECT_EQ(1u, oci.cur.rpc);
    EXPECT_NE(0, ofetch(&oci.cur));
    EXPECT_EQ(1403, oci.cur.rc);
    EXPECT_NE(0, ofetch(&oci.cur));
    EXPECT_EQ(1403, oci.cur.rc);
    EXPECT_EQ(1u, oci.cur.rpc);
}

TEST_F(DefineTest, DescribeNameIsCutToItsBufferAndNotTerminated) {
    ASSERT_EQ(0, oparse(&oci.cur,
                        (OraText *)"SELECT V ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 "
                                   "FROM ALLTYPES",
                        -1, 0, 1));
    sb1 name[40];
    std::memset(name, '#', sizeof name);
    sb4 length = 33;
    sb4 size = 0;
    sb2 type = 0;
    ASSERT_EQ(0,
              odescr(&oci.cur, 1, &size, &type, name, &length, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(33, length);
    EXPECT_EQ(0, std::memcmp(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456#", 34));
    EXPECT_NE(0,
              odescr(&oci.cur, 2, &size, &type, name, &length, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(1007, oci.cur.rc);
    EXPECT_EQ(60, oci.cur.fc);
}

} // namespace
} // namespace ocilite::test

namespace ocilite::test {
namespace {

// Every external type a program binds with goes in and comes back out unchanged.
class ExternalTypes : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("CREATE TABLE XT (S NUMBER, BIG NUMBER, F NUMBER, D DATE, V "
                             "VARCHAR2(10))"));
    }

    int bind(int position, void *value, int length, int type) {
        return obndrn(&oci.cur, position, static_cast<ub1 *>(value), length, type, -1, nullptr,
                      nullptr, -1, -1);
    }

    int define(int position, void *buffer, int length, int type) {
        return odefin(&oci.cur, position, static_cast<ub1 *>(buffer), length, type, -1, nullptr,
                      nullptr, -1, -1, nullptr, nullptr);
    }
};

TEST_F(ExternalTypes, BindAndFetchRoundTrip) {
    const char *insert = "INSERT INTO XT VALUES (:1, :2, :3, :4, :5)";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)insert, -1, 0, 2));
    short s = -7;
    long long big = 9000000000LL;
    float f = 2.5f;
    // 2024-02-29 13:14:15 in Oracle's 7-byte form.
    unsigned char d[7] = {120, 124, 2, 29, 14, 15, 16};
    char v[4] = {'a', 'b', 'c', 'd'}; // CHR: the length says where it ends
    ASSERT_EQ(0, bind(1, &s, sizeof s, OCIV7_EXT_INT));
    ASSERT_EQ(0, bind(2, &big, sizeof big, OCIV7_EXT_INT));
    ASSERT_EQ(0, bind(3, &f, sizeof f, OCIV7_EXT_FLT));
    ASSERT_EQ(0, bind(4, d, sizeof d, OCIV7_EXT_DAT));
    ASSERT_EQ(0, bind(5, v, 3, OCIV7_EXT_CHR));
    ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);

    const Result text = oci.query("SELECT S, BIG, F, TO_CHAR(D, 'YYYY-MM-DD HH24:MI:SS'), V "
                                  "FROM XT");
    EXPECT_EQ((Rows{{"-7", "9000000000", "2.5", "2024-02-29 13:14:15", "abc"}}), text.rows);

    const char *select = "SELECT S, BIG, F, D FROM XT";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)select, -1, 0, 2));
    signed char tiny = 0;
    long long wide = 0;
    double real = 0;
    unsigned char date[7] = {};
    ASSERT_EQ(0, define(1, &tiny, 1, OCIV7_EXT_INT));
    ASSERT_EQ(0, define(2, &wide, sizeof wide, OCIV7_EXT_INT));
    ASSERT_EQ(0, define(3, &real, sizeof real, OCIV7_EXT_FLT));
    ASSERT_EQ(0, define(4, date, sizeof date, OCIV7_EXT_DAT));
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur)) << oci.message(oci.cur.rc);
    EXPECT_EQ(-7, tiny);
    EXPECT_EQ(big, wide);
    EXPECT_DOUBLE_EQ(2.5, real);
    EXPECT_EQ(0, std::memcmp(d, date, sizeof d));
}

TEST_F(ExternalTypes, TypesThatCannotServeAreRefused) {
    const char *select = "SELECT V FROM XT WHERE S = :1";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)select, -1, 0, 2));
    char buf[8];
    EXPECT_EQ(932, define(1, buf, sizeof buf, 10)); // no external type has the code
    EXPECT_EQ(932, bind(1, buf, sizeof buf, 99));
    // A DATE buffer for a character column fails at the fetch, as the value arrives: the text
    // is no date in the default format.
    ASSERT_EQ(0, oci.run("INSERT INTO XT (S, V) VALUES (1, 'x')"));
    const char *text = "SELECT V FROM XT";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)text, -1, 0, 2));
    unsigned char date[7];
    ASSERT_EQ(0, define(1, date, sizeof date, OCIV7_EXT_DAT));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_NE(0, ofetch(&oci.cur));
    EXPECT_EQ(1858, oci.cur.rc);
}

} // namespace
} // namespace ocilite::test
