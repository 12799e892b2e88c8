// Numbers and dates at and past their limits: Oracle's error where Oracle refuses the value
// (a zero divisor, a NUMBER beyond 1E+126, a year out of range, a DATE field out of its
// range), never a NULL, an infinity or a date that cannot be stored.
#include "oci_client.h"

#include "ocilite/dialect/text_form.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace ocilite::test {
namespace {

TEST_F(OciTest, ValuesPastTheirLimitsGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"select 1/0 from dual", 1476},
        {"select 1/0.0 from dual", 1476},
        {"select 1/-0 from dual", 1476},
        {"select sal/(comm - comm) from emp where empno = 7499", 1476},
        {"select 5 / case when 1 = 1 then 0 end from dual", 1476},
        {"select 1/'0' from dual", 1476},
        {"select count(*) from emp where sal / 0 > 1", 1476},
        {"select 1/null from dual", 0},
        {"select mod(5, 0) from dual", 0},
        {"select to_number('1e999') from dual", 1426},
        {"select to_number('-1e126') from dual", 1426},
        {"select to_number('9.99e125') from dual", 0},
        {"select 1e200 from dual", 1426},
        {"select 1e125 * 1e125 from dual", 1426},
        {"select to_char(1e300 * 1e300) from dual", 1426},
        {"select to_date('-0005-01-01', 'SYYYY-MM-DD') from dual", 3001},
        {"select to_date('0000-01-01', 'YYYY-MM-DD') from dual", 1841},
        {"select add_months(hiredate, -24000) from emp where empno = 7369", 3001},
        {"select add_months(hiredate, 120000) from emp where empno = 7369", 1841},
        {"select add_months(hiredate, 1e120) from emp where empno = 7369", 1841},
        {"select hiredate - 1e7 from emp where empno = 7369", 1841},
        {"select hiredate + 1e120 from emp where empno = 7369", 1841},
        {"select substr('abc', 1e120) from dual", 0},
        {"select substr('abc', -1e120, 1e120) from dual", 0},
        {"select instr('abc', 'b', 1e120, 1e120) from dual", 0},
        {"select trunc(1.5, 1e120) from dual", 0},
        {"select length(lpad('x', 1e120)) from dual", 0},
    };
    for (const auto &[sql, rc] : cases) {
        EXPECT_EQ(rc, oci.query(sql).rc) << sql << ": " << oci.message(oci.query(sql).rc);
    }
    EXPECT_EQ(Rows{{"4000"}}, oci.rows("select length(lpad('x', 1e9, 'ab')) from dual"));
    EXPECT_EQ(Rows{{"5"}}, oci.rows("select mod(5, 0) from dual"));
}

// SUM and AVG add numbers: a text that reads as one counts, any other text and a date are
// refused as Oracle refuses them, and whole numbers stay exact.
TEST_F(OciTest, SumAndAverageRefuseWhatIsNoNumber) {
    const std::pair<const char *, int> cases[] = {
        {"select sum(ename) from emp", 1722},
        {"select sum(distinct ename) from emp", 1722},
        {"select avg(hiredate) from emp", 932},
        {"select deptno, sum(job) from emp group by deptno", 1722},
        {"select sum(sal) from emp", 0},
    };
    for (const auto &[sql, rc] : cases)
        EXPECT_EQ(rc, oci.query(sql).rc) << sql << ": " << oci.message(oci.query(sql).rc);
    EXPECT_EQ((Rows{{"7400", "2467", "36", "9007199254740993"}}),
              oci.rows("select sum(sal), round(avg(all sal)), sum('12'), "
                       "sum(distinct 9007199254740993) from emp"));
    EXPECT_EQ(Rows{{"3"}}, oci.rows("select count(*) from emp having sum(nvl(comm, 0)) = 300"));
}

TEST_F(OciTest, DatesOfFieldsOutOfRangeAreRefusedWhenBound) {
    struct Case {
        ub1 bytes[7];
        int rc;
    };
    const Case cases[] = {
        {{120, 124, 2, 29, 14, 15, 16}, 0}, // 2024-02-29 13:14:15
        {{120, 123, 2, 29, 1, 1, 1}, 1847}, // 2023 has no 29 February
        {{120, 124, 13, 1, 1, 1, 1}, 1843}, // month 13
        {{120, 124, 0, 1, 1, 1, 1}, 1843},  // month 0
        {{120, 124, 1, 0, 1, 1, 1}, 1847},  // day 0
        {{120, 124, 1, 32, 1, 1, 1}, 1847}, // day 32
        {{120, 124, 1, 1, 25, 1, 1}, 1850}, // hour 24
        {{120, 124, 1, 1, 0, 1, 1}, 1850},  // hour -1
        {{120, 124, 1, 1, 1, 61, 1}, 1851}, // minute 60
        {{120, 124, 1, 1, 1, 1, 61}, 1852}, // second 60
        {{100, 100, 1, 1, 1, 1, 1}, 1841},  // year 0
        {{99, 95, 1, 1, 1, 1, 1}, 3001},    // 105 BC
        {{200, 200, 1, 1, 1, 1, 1}, 1841},  // year 10100
        {{255, 255, 255, 255, 255, 255, 255}, 1841},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"update emp set hiredate = :1 where empno = 7369",
                            -1, 0, 1));
        ASSERT_EQ(
            0, obndrn(&oci.cur, 1, (ub1 *)c.bytes, 7, OCIV7_EXT_DAT, -1, nullptr, nullptr, -1, -1));
        EXPECT_EQ(c.rc, oexec(&oci.cur) ? oci.cur.rc : 0)
            << int(c.bytes[0]) << " " << int(c.bytes[1]) << " " << int(c.bytes[2]) << ": "
            << oci.message(oci.cur.rc);
    }
    // What was refused changed nothing: the last date stored is the one that was valid.
    EXPECT_EQ(Rows{{"2024-02-29 13:14:15"}},
              oci.rows("select to_char(hiredate, 'YYYY-MM-DD HH24:MI:SS') from emp "
                       "where empno = 7369"));
}

TEST_F(OciTest, FloatsNumberCannotHoldAreRefusedWhenBound) {
    const double cases[] = {HUGE_VAL, -HUGE_VAL, NAN, DBL_MAX, -1e126, 1e126};
    for (const double v : cases) {
        ASSERT_EQ(
            0, oparse(&oci.cur, (OraText *)"update emp set sal = :1 where empno = 7369", -1, 0, 1));
        ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)&v, sizeof v, OCIV7_EXT_FLT, -1, nullptr, nullptr,
                            -1, -1));
        EXPECT_EQ(1426, oexec(&oci.cur) ? oci.cur.rc : 0) << v;
    }
    EXPECT_EQ(Rows{{"800"}}, oci.rows("select sal from emp where empno = 7369"));
}

// Every finite double's text reads back as the same number to fifteen digits, the largest
// ones included (rounding them up would read back as an infinity).
TEST(NumberText, ReadsBackAsTheNumberItWasMadeFrom) {
    const double cases[] = {DBL_MAX,
                            -DBL_MAX,
                            DBL_MIN,
                            9.999999999999999e125,
                            1.7976931348623155e308,
                            1e-130,
                            123456789012345678.0,
                            0.1 + 0.2,
                            1.0 / 3,
                            -2.5e-7,
                            5e-324};
    for (const double v : cases) {
        const std::string text = numberText(v);
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_TRUE(std::isfinite(back)) << v << " -> " << text;
        EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-14) << v << " -> " << text;
        if (std::fabs(v) < 1e126) {
            EXPECT_NO_THROW(parseNumber(text)) << text;
        }
    }
}

} // namespace
} // namespace ocilite::test
