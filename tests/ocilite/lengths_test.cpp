// Program variables of a length their type cannot have: a bind or define is refused with
// Oracle's error before anything is read or written past the caller's variable (the
// variables here are heap blocks of exactly the given size, so the sanitizer build sees any
// stray byte), and fetched numbers that do not fit an integer define end the row with
// ORA-01455.
#include "oci_client.h"

#include <cstring>
#include <memory>

namespace ocilite::test {
namespace {

// A heap variable of exactly `length` bytes holding a value of the type where it fits: the
// integer 7 (native order), the double or float 7, or 2024-02-29 13:14:15 as a DATE.
std::unique_ptr<ub1[]> variable(int ftype, int length) {
    auto v = std::make_unique<ub1[]>(static_cast<size_t>(std::max(length, 1)));
    std::memset(v.get(), 0, static_cast<size_t>(std::max(length, 1)));
    if (ftype == OCIV7_EXT_INT && length > 0)
        v[0] = 7; // little-endian: 7 in any width
    if (ftype == OCIV7_EXT_FLT && length == 4) {
        const float f = 7;
        std::memcpy(v.get(), &f, 4);
    }
    if (ftype == OCIV7_EXT_FLT && length == 8) {
        const double d = 7;
        std::memcpy(v.get(), &d, 8);
    }
    const ub1 date[7] = {120, 124, 2, 29, 14, 15, 16};
    if (ftype == OCIV7_EXT_DAT)
        std::memcpy(v.get(), date, static_cast<size_t>(std::min(length, 7)));
    return v;
}

TEST_F(OciTest, BindLengthsATypeCannotHaveAreRefused) {
    struct Case {
        int ftype;
        int length;
        int rc; // of the bind; a bind that works must then execute
    };
    const Case cases[] = {
        {OCIV7_EXT_INT, 1, 0},    {OCIV7_EXT_INT, 2, 0},     {OCIV7_EXT_INT, 4, 0},
        {OCIV7_EXT_INT, 8, 0},    {OCIV7_EXT_INT, 0, 1460},  {OCIV7_EXT_INT, 3, 1460},
        {OCIV7_EXT_INT, 5, 1460}, {OCIV7_EXT_INT, 7, 1460},  {OCIV7_EXT_INT, 16, 1460},
        {OCIV7_EXT_FLT, 4, 0},    {OCIV7_EXT_FLT, 8, 0},     {OCIV7_EXT_FLT, 1, 1460},
        {OCIV7_EXT_FLT, 2, 1460}, {OCIV7_EXT_FLT, 6, 1460},  {OCIV7_EXT_FLT, 16, 1460},
        {OCIV7_EXT_DAT, 7, 0},    {OCIV7_EXT_DAT, 0, 1460},  {OCIV7_EXT_DAT, 3, 1460},
        {OCIV7_EXT_DAT, 6, 1460}, {OCIV7_EXT_INT, -1, 1460}, {OCIV7_EXT_FLT, -1, 1460},
    };
    for (const Case &c : cases) {
        for (const bool byName : {true, false}) {
            const std::string label = std::to_string(c.ftype) + "/" + std::to_string(c.length) +
                                      (byName ? " obndrv" : " obndrn");
            const char *sql = byName ? "select count(*) from dual where :V is not null"
                                     : "select count(*) from dual where :1 is not null";
            ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 1));
            auto value = variable(c.ftype, c.length);
            const int rc = byName ? obndrv(&oci.cur, (OraText *)":V", -1, value.get(), c.length,
                                           c.ftype, -1, nullptr, nullptr, -1, -1)
                                  : obndrn(&oci.cur, 1, value.get(), c.length, c.ftype, -1, nullptr,
                                           nullptr, -1, -1);
            EXPECT_EQ(c.rc, rc ? oci.cur.rc : 0) << label << ": " << oci.message(oci.cur.rc);
            if (rc == 0)
                EXPECT_EQ(0, oexec(&oci.cur)) << label << ": " << oci.message(oci.cur.rc);
            else
                EXPECT_EQ(1008, oexec(&oci.cur) ? oci.cur.rc : 0) << label;
        }
    }
}

TEST_F(OciTest, BoundNumbersArriveWhole) {
    struct Case {
        int ftype;
        int length;
    };
    for (const Case c : {Case{OCIV7_EXT_INT, 1}, Case{OCIV7_EXT_INT, 2}, Case{OCIV7_EXT_INT, 4},
                         Case{OCIV7_EXT_INT, 8}, Case{OCIV7_EXT_FLT, 4}, Case{OCIV7_EXT_FLT, 8}}) {
        ASSERT_EQ(0,
                  oparse(&oci.cur, (OraText *)"insert into dept (deptno) values (:1)", -1, 0, 1));
        auto value = variable(c.ftype, c.length);
        ASSERT_EQ(
            0, obndrn(&oci.cur, 1, value.get(), c.length, c.ftype, -1, nullptr, nullptr, -1, -1));
        ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
        EXPECT_EQ(Rows{{"7"}}, oci.rows("select deptno from dept where deptno = 7"))
            << c.ftype << "/" << c.length;
        ASSERT_EQ(0, oci.run("delete from dept where deptno = 7"));
    }
}

// odefin of one column of "select 7839, 1.5, hiredate from emp where empno = 7839".
struct Define {
    int pos;
    int ftype;
    int length;
    bool nullBuffer;
    int rc; // of odefin
};

TEST_F(OciTest, DefinesThatCannotHoldTheTypeAreRefused) {
    const Define cases[] = {
        {1, OCIV7_EXT_STR, 16, true, 1009}, {1, OCIV7_EXT_STR, 0, false, 1460},
        {1, OCIV7_EXT_CHR, 0, false, 1460}, {1, OCIV7_EXT_STR, -5, false, 1460},
        {1, OCIV7_EXT_INT, 3, false, 1460}, {1, OCIV7_EXT_INT, 6, false, 1460},
        {1, OCIV7_EXT_INT, 0, false, 1460}, {1, OCIV7_EXT_INT, 4, true, 1009},
        {2, OCIV7_EXT_FLT, 2, false, 1460}, {2, OCIV7_EXT_FLT, 12, false, 1460},
        {3, OCIV7_EXT_DAT, 6, false, 1460}, {3, OCIV7_EXT_DAT, 0, false, 1460},
        {1, OCIV7_EXT_INT, 2, false, 0},    {2, OCIV7_EXT_FLT, 8, false, 0},
        {3, OCIV7_EXT_DAT, 7, false, 0},    {1, OCIV7_EXT_STR, 8, false, 0},
    };
    const char *sql = "select 7839, 1.5, hiredate from emp where empno = 7839";
    for (const Define &d : cases) {
        const std::string label = std::to_string(d.pos) + ": " + std::to_string(d.ftype) + "/" +
                                  std::to_string(d.length) + (d.nullBuffer ? " null" : "");
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 1));
        auto buffer = variable(d.ftype, d.length);
        const int rc = odefin(&oci.cur, d.pos, d.nullBuffer ? nullptr : buffer.get(), d.length,
                              d.ftype, -1, nullptr, nullptr, -1, -1, nullptr, nullptr);
        EXPECT_EQ(d.rc, rc ? oci.cur.rc : 0) << label << ": " << oci.message(oci.cur.rc);
        ASSERT_EQ(0, oexec(&oci.cur)) << label;
        EXPECT_EQ(0, ofetch(&oci.cur)) << label << ": " << oci.message(oci.cur.rc);
    }
}

TEST_F(OciTest, FetchedIntegersFitTheirDefineOrTheRowIsRefused) {
    struct Case {
        const char *value;
        int length;
        long long expected; // when the fetch works
        int rc;
    };
    const Case cases[] = {
        {"127", 1, 127, 0},         {"128", 1, 0, 1455},
        {"-129", 1, 0, 1455},       {"32767", 2, 32767, 0},
        {"40000", 2, 0, 1455},      {"2147483647", 4, 2147483647LL, 0},
        {"2147483648", 4, 0, 1455}, {"9223372036854775807", 8, 9223372036854775807LL, 0},
        {"1e19", 8, 0, 1455},       {"2.5", 4, 3, 0},
        {"-2.5", 4, -3, 0},
    };
    for (const Case &c : cases) {
        const std::string sql = std::string("select ") + c.value + " from dual";
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql.c_str(), -1, 0, 1));
        auto buffer = variable(OCIV7_EXT_INT, c.length);
        ASSERT_EQ(0, odefin(&oci.cur, 1, buffer.get(), c.length, OCIV7_EXT_INT, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
        ASSERT_EQ(0, oexec(&oci.cur));
        EXPECT_EQ(c.rc, ofetch(&oci.cur) ? oci.cur.rc : 0) << c.value << "/" << c.length;
        if (c.rc)
            continue;
        long long got = 0;
        if (c.length == 1)
            got = static_cast<signed char>(buffer[0]);
        else if (c.length == 2)
            got = [&] {
                short s;
                std::memcpy(&s, buffer.get(), 2);
                return s;
            }();
        else if (c.length == 4)
            got = [&] {
                int i;
                std::memcpy(&i, buffer.get(), 4);
                return i;
            }();
        else
            std::memcpy(&got, buffer.get(), 8);
        EXPECT_EQ(c.expected, got) << c.value;
    }
}

// A given length is the text: a zero byte inside it makes no shorter statement, name or
// password (the statement is refused as Oracle refuses it, and nothing runs).
TEST_F(OciTest, AZeroByteWithinAGivenLengthIsPartOfTheText) {
    using namespace std::string_literals;
    const std::pair<std::string, int> statements[] = {
        {"DELETE FROM EMP\0 WHERE EMPNO = 7369"s, 911},
        {"UPDATE EMP SET SAL = 0\0 WHERE EMPNO = 7369"s, 911},
        {"select 1 from dual\0"s, 911},
        {"select ename from emp where ename = 'SMITH\0'"s, 911},
        {"create or replace procedure p is begin null;\0 end;"s, 911},
        {"\0"s, 911},
        {""s, 900},
    };
    for (const auto &[sql, rc] : statements) {
        const int got = oparse(&oci.cur, (OraText *)sql.data(), static_cast<sb4>(sql.size()), 0, 1);
        EXPECT_EQ(rc, got ? oci.cur.rc : 0) << sql.size() << ": " << oci.message(oci.cur.rc);
    }
    EXPECT_EQ((Rows{{"3", "7400"}}), oci.rows("select count(*), sum(sal) from emp"));
    EXPECT_EQ(Rows{}, oci.rows("select object_name from user_objects where object_name = 'P'"));
    // A shorter length is a shorter statement.
    EXPECT_EQ(936, oparse(&oci.cur, (OraText *)"select * from emp", 6, 0, 1) ? oci.cur.rc : 0);

    const std::string name = ":V\0X"s;
    const int value = 1;
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"select :v from dual", -1, 0, 1));
    EXPECT_EQ(1036, obndrv(&oci.cur, (OraText *)name.data(), 4, (ub1 *)&value, sizeof value,
                           OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1)
                        ? oci.cur.rc
                        : 0);
    EXPECT_EQ(0, obndrv(&oci.cur, (OraText *)name.data(), 2, (ub1 *)&value, sizeof value,
                        OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1));
}

TEST_F(OciTest, AZeroByteWithinALogonTextLogsNobodyOn) {
    using namespace std::string_literals;
    struct Case {
        std::string user, password, connect;
        int rc;
    };
    const Case cases[] = {
        {"SCOTT"s, "TIGER\0xyz"s, dbPath, 1017},   {"SCOTT\0"s, "TIGER"s, dbPath, 1017},
        {"SCOTT\0ADMIN"s, "TIGER"s, dbPath, 1017}, {"SCOTT"s, "TIGER"s, dbPath + "\0junk"s, 12154},
        {"SCOTT"s, "TIGER"s, dbPath, 0},
    };
    for (const Case &c : cases) {
        Oci other;
        const int rc =
            olog(&other.lda, other.hda, (OraText *)c.user.data(), static_cast<sword>(c.user.size()),
                 (OraText *)c.password.data(), static_cast<sword>(c.password.size()),
                 (OraText *)c.connect.data(), static_cast<sword>(c.connect.size()), 0);
        EXPECT_EQ(c.rc, rc) << c.user.size() << "/" << c.password.size() << "/" << c.connect.size();
        if (rc == 0) {
            EXPECT_EQ(0, ologof(&other.lda));
        }
    }
}

// A megabyte where a short text belongs: each is refused with Oracle's error for it.
TEST_F(OciTest, MegabyteTextsInEveryArgument) {
    const std::string big(1u << 20, 'x');
    struct Logon {
        std::string user, password, connect;
        int rc;
    };
    for (const Logon &c : {Logon{big, "TIGER", dbPath, 1017}, Logon{"SCOTT", big, dbPath, 1017},
                           Logon{"SCOTT", "TIGER", "/" + big, 12154}}) {
        Oci other;
        EXPECT_EQ(c.rc, other.logon(c.user, c.password, c.connect))
            << c.user.size() << "/" << c.password.size() << "/" << c.connect.size() << ": "
            << other.message(other.lda.rc);
    }
    ASSERT_EQ(
        0, oparse(&oci.cur, (OraText *)"update dept set dname = :1 where deptno = 10", -1, 0, 1));
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)big.data(), static_cast<sword>(big.size()),
                        OCIV7_EXT_CHR, -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(12899, oexec(&oci.cur) ? oci.cur.rc : 0) << oci.message(oci.cur.rc);
    ASSERT_EQ(0,
              oparse(&oci.cur, (OraText *)"select count(*) from dept where dname = :1", -1, 0, 1));
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)big.data(), static_cast<sword>(big.size()),
                        OCIV7_EXT_CHR, -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
    const std::string name = ":" + big;
    EXPECT_EQ(1036, obndrv(&oci.cur, (OraText *)name.c_str(), -1, (ub1 *)big.data(), 10,
                           OCIV7_EXT_CHR, -1, nullptr, nullptr, -1, -1)
                        ? oci.cur.rc
                        : 0);
    char text[64];
    EXPECT_LT(0, oerhms(&oci.lda, 1036, (OraText *)text, sizeof text));
    EXPECT_EQ(Rows{{"ACCOUNTING"}}, oci.rows("select dname from dept where deptno = 10"));
}

} // namespace
} // namespace ocilite::test
