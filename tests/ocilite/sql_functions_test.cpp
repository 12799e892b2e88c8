// Oracle's SQL functions as the embedded database computes them, one expression per case,
// with the values Oracle's SQL Reference gives; and the errors of a bad argument.
#include "oci_client.h"

namespace ocilite::test {
namespace {

struct Case {
    const char *expression;
    const char *value; // as fetched into a string buffer; NULL reads ""
};

void expectValues(Oci &oci, const Case *begin, const Case *end) {
    for (const Case *c = begin; c != end; ++c) {
        const std::string sql = std::string("select ") + c->expression + " from dual";
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        ASSERT_EQ(1u, r.rows.size()) << sql;
        EXPECT_EQ(c->value, r.rows[0].at(0)) << sql;
    }
}

TEST_F(OciTest, CharacterFunctions) {
    const Case cases[] = {
        {"substr('ABCDEFG', 3, 4)", "CDEF"},
        {"substr('ABCDEFG', -3, 2)", "EF"},
        {"substr('ABC', 0)", "ABC"},
        {"substr('ABC', 5)", ""},
        {"substr('ABC', 2, 0)", ""},
        {"substr('日本語テキスト', 2, 3)", "本語テ"},
        {"instr('CORPORATE FLOOR', 'OR', 3, 2)", "14"},
        {"instr('CORPORATE FLOOR', 'OR', -3, 2)", "2"},
        {"instr('ABC', 'X')", "0"},
        {"instr('日本語日本', '本', 1, 2)", "5"},
        {"lpad('abc', 6, 'xy')", "xyxabc"},
        {"rpad('abc', 2)", "ab"},
        {"lpad('日本', 4, '*')", "**日本"},
        {"rpad('a', 3) || '|'", "a  |"},
        {"initcap('the soap')", "The Soap"},
        {"initcap('hELLO wORLD-foo')", "Hello World-Foo"},
        {"length('日本')", "2"},
        {"chr(65) || chr(97)", "Aa"},
        {"translate('SQL*Plus User''s Guide', ' */''', '___')", "SQL_Plus_Users_Guide"},
        {"translate('2KRW229', '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ', "
         "'9999999999XXXXXXXXXXXXXXXXXXXXXXXXXX')",
         "9XXX999"},
        {"translate('日本語', '本', 'x')", "日x語"},
        {"translate('abc', 'abc', 'x')", "x"},
        {"translate('abc', 'abc', 'xy') || '|'", "xy|"},
        {"nvl(translate('ab', 'ab', ' '), 'null')", " "},
        {"nvl(translate('a', 'a', null), 'null')", "null"},
        {"ascii('Abc')", "65"},
        {"ascii('é')", "50089"},
        {"nvl(to_char(ascii('')), 'null')", "null"},
        {"concat('a', null)", "a"},
        {"upper('abc') || lower('ABC')", "ABCabc"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
}

TEST_F(OciTest, NumberFunctionsAndFormats) {
    const Case cases[] = {
        {"trunc(15.79, 1)", "15.7"},
        {"trunc(-15.79)", "-15"},
        {"trunc(15.79, -1)", "10"},
        {"mod(11, 4)", "3"},
        {"mod(11, 0)", "11"},
        {"mod(-11, 4)", "-3"},
        {"to_number(' 12.5 ')", "12.5"},
        {"to_number('1e3')", "1000"},
        {"to_char(0.5)", ".5"},
        {"to_char(-0.5, 'FM0.00')", "-0.50"},
        {"to_char(1234.5, '9,999.99')", " 1,234.50"},
        {"to_char(123, '99')", "###"},
        {"to_char(5, '009')", " 005"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
}

TEST_F(OciTest, DateFunctions) {
    const Case cases[] = {
        {"add_months(to_date('2024-01-31', 'YYYY-MM-DD'), 1)", "29-FEB-24"},
        {"add_months(to_date('2024-03-15', 'YYYY-MM-DD'), -13)", "15-FEB-23"},
        // The last day of a month moves to the last day of the other month.
        {"add_months(to_date('2023-02-28', 'YYYY-MM-DD'), 1)", "31-MAR-23"},
        {"add_months(to_date('2024-04-30', 'YYYY-MM-DD'), -2)", "29-FEB-24"},
        {"add_months(to_date('2023-02-28', 'YYYY-MM-DD'), 12)", "29-FEB-24"},
        {"add_months(to_date('2024-02-28', 'YYYY-MM-DD'), 1)", "28-MAR-24"},
        {"last_day(to_date('2024-02-10', 'YYYY-MM-DD'))", "29-FEB-24"},
        {"last_day(to_date('2023-12-31', 'YYYY-MM-DD'))", "31-DEC-23"},
        {"to_char(last_day(to_date('2023-11-05 13:14', 'YYYY-MM-DD HH24:MI')), 'DD HH24:MI')",
         "30 13:14"},
        {"last_day(null)", ""},
        // Whole months for the same day or two last days; else the rest in 31-day months.
        {"months_between(to_date('1995-02-02', 'YYYY-MM-DD'), to_date('1995-01-01', "
         "'YYYY-MM-DD'))",
         "1.03225806451613"},
        {"months_between(to_date('2024-02-29', 'YYYY-MM-DD'), to_date('2023-11-30', "
         "'YYYY-MM-DD'))",
         "3"},
        {"months_between(to_date('2024-01-15', 'YYYY-MM-DD'), to_date('2024-03-15', "
         "'YYYY-MM-DD'))",
         "-2"},
        {"months_between(to_date('2024-01-02 12:00', 'YYYY-MM-DD HH24:MI'), "
         "to_date('2024-01-01', 'YYYY-MM-DD')) * 62",
         "3"},
        {"to_char(trunc(to_date('2024-02-29 13:14:15', 'YYYY-MM-DD HH24:MI:SS')), 'HH24:MI:SS')",
         "00:00:00"},
        {"to_char(to_date('2024-02-29', 'YYYY-MM-DD'), 'DY DD MON YYYY')", "THU 29 FEB 2024"},
        {"to_char(to_date('2024-02-29 13:05', 'YYYY-MM-DD HH24:MI'), 'HH12:MI AM')", "01:05 PM"},
        {"to_char(to_date('01-JAN-00') - 1, 'YYYY-MM-DD')", "1999-12-31"},
        {"to_date('2024-03-01', 'YYYY-MM-DD') - to_date('2024-02-28 12:00', 'YYYY-MM-DD HH24:MI')",
         "1.5"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
}

// ROUND and TRUNC of a date go to the unit the format names, rounding up where Oracle's table
// says (a year on 1 July, a month on the sixteenth, a day at noon ...); the result is a DATE.
TEST_F(OciTest, DatesRoundAndTruncateToTheNamedUnit) {
    const char *const kAt = "to_date('2024-05-17 13:47:31', 'YYYY-MM-DD HH24:MI:SS')";
    const std::pair<const char *, const char *> cases[] = {
        {"round(%, 'YYYY')", "2024-01-01 00:00"},
        {"round(to_date('2024-07-01', 'YYYY-MM-DD'), 'year')", "2025-01-01 00:00"},
        {"trunc(%, 'YEAR')", "2024-01-01 00:00"},
        {"round(%, 'MM')", "2024-06-01 00:00"},
        {"round(to_date('2024-05-15 23:59', 'YYYY-MM-DD HH24:MI'), 'MON')", "2024-05-01 00:00"},
        {"trunc(%, 'MONTH')", "2024-05-01 00:00"},
        {"round(%, 'Q')", "2024-07-01 00:00"},
        {"round(to_date('2024-05-15 23:59', 'YYYY-MM-DD HH24:MI'), 'Q')", "2024-04-01 00:00"},
        {"trunc(%, 'Q')", "2024-04-01 00:00"},
        {"round(%)", "2024-05-18 00:00"},
        {"round(%, 'DD')", "2024-05-18 00:00"},
        {"round(to_date('2024-05-17 11:59', 'YYYY-MM-DD HH24:MI'), 'J')", "2024-05-17 00:00"},
        {"round(%, 'HH')", "2024-05-17 14:00"},
        {"trunc(%, 'HH24')", "2024-05-17 13:00"},
        {"round(%, 'MI')", "2024-05-17 13:48"},
        {"trunc(%, 'MI')", "2024-05-17 13:47"},
        {"trunc(%, 'DAY')", "2024-05-12 00:00"}, // the Sunday before
        {"round(%, 'D')", "2024-05-19 00:00"},   // past Wednesday noon: the next Sunday
        {"trunc(%, 'IW')", "2024-05-13 00:00"},  // Monday
        {"trunc(%, 'WW')", "2024-05-13 00:00"},  // 1 January 2024 was a Monday
        {"trunc(%, 'W')", "2024-05-15 00:00"},   // the 1st, 8th, 15th ...
        {"trunc(to_date('2021-01-02', 'YYYY-MM-DD'), 'IYYY')", "2019-12-30 00:00"},
        {"trunc(%, 'CC')", "2001-01-01 00:00"},
        {"trunc(to_date('2000-12-31', 'YYYY-MM-DD'), 'SCC')", "1901-01-01 00:00"},
        {"round(to_date('2051-01-01', 'YYYY-MM-DD'), 'CC')", "2101-01-01 00:00"},
        {"next_day(%, 'TUESDAY')", "2024-05-21 13:47"},
        {"next_day(%, 'fri')", "2024-05-24 13:47"}, // the same day counts a week on
        {"next_day(to_date('2001-02-02', 'YYYY-MM-DD'), 'TUEsday')", "2001-02-06 00:00"},
    };
    for (const auto &[pattern, value] : cases) {
        std::string expression = pattern;
        if (const size_t at = expression.find('%'); at != std::string::npos)
            expression.replace(at, 1, kAt);
        const std::string sql =
            "select to_char(" + expression + ", 'YYYY-MM-DD HH24:MI') from dual";
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        EXPECT_EQ(value, r.rows.at(0).at(0)) << sql;
    }
    // The SQL Reference's example: the default date format shows the rounded year.
    EXPECT_EQ(Rows{{"01-JAN-01"}},
              oci.rows("select round(to_date('27-OCT-00', 'DD-MON-RR'), 'YEAR') from dual"));
}

TEST_F(OciTest, NumbersRoundInDecimal) {
    const Case cases[] = {
        {"round(15.193, 1)", "15.2"},
        {"round(15.193, -1)", "20"},
        {"round(1.005, 2)", "1.01"},
        {"round(-2.5)", "-3"},
        {"round(2.4999)", "2"},
        {"round(0.04)", "0"},
        {"round(9.96, 1)", "10"},
        {"round(-0.0051, 2)", "-.01"},
        {"round(123456789012345678, -3)", "123456789012346000"},
        {"round(7)", "7"},
        {"trunc(15.79, 1)", "15.7"},
        {"trunc(-15.79)", "-15"},
        {"trunc(1999, -3)", "1000"},
        {"round('2.5')", "3"},
        {"round(null, 1)", ""},
        {"round(2.5, null)", ""},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
}

// Integers keep every digit SQLite's 64-bit integers carry, stored, computed and shown; a
// literal with more digits than the engine keeps is refused, never rounded.
TEST_F(OciTest, IntegersKeepEveryDigitOrAreRefused) {
    const Case cases[] = {
        {"9007199254740993", "9007199254740993"},
        {"9007199254740993 + 1", "9007199254740994"},
        {"123456789012345678 * 10", "1234567890123456780"},
        {"to_char(9223372036854775807)", "9223372036854775807"},
        {"-9223372036854775807 - 1", "-9223372036854775808"},
        {"0.1 + 0.2", ".3"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
    ASSERT_EQ(0, oci.run("CREATE TABLE BIG_NUMBERS (N NUMBER)"));
    ASSERT_EQ(0, oci.run("INSERT INTO BIG_NUMBERS VALUES (9223372036854775806)"));
    EXPECT_EQ(Rows{{"9223372036854775807"}}, oci.rows("select n + 1 from big_numbers"));
    for (const char *literal :
         {"12345678901234567890123", "0.12345678901234567890123", "99999999999999999999"}) {
        const Result r = oci.query(std::string("select ") + literal + " from dual");
        EXPECT_EQ(3001, r.rc) << literal;
        EXPECT_NE(std::string::npos, oci.message(r.rc).find(literal)) << literal;
    }
}

// LENGTHB, VSIZE and DUMP read the bytes of a value; USERENV and UID what the session is.
TEST_F(OciTest, ByteAndSessionFunctions) {
    const Case cases[] = {
        {"lengthb('CANDIDE')", "7"},
        {"lengthb('日本')", "6"},
        {"lengthb(12.5)", "4"},
        {"lengthb(to_date('2024-01-31', 'YYYY-MM-DD'))", "9"},
        {"nvl(to_char(lengthb('')), 'null')", "null"},
        {"vsize(100)", "2"},
        {"vsize(-1)", "3"},
        {"vsize('日本')", "6"},
        {"vsize(sysdate)", "7"},
        {"dump(1)", "Typ=2 Len=2: 193,2"},
        {"dump(-1)", "Typ=2 Len=3: 62,100,102"},
        {"dump(123)", "Typ=2 Len=3: 194,2,24"},
        {"dump('abc', 16)", "Typ=1 Len=3: 61,62,63"},
        {"dump('abc', 1017)", "Typ=1 Len=3 CharacterSet=AL32UTF8: a,b,c"},
        {"dump('abc', 8, 2)", "Typ=1 Len=3: 142,143"},
        {"dump('abcd', 10, 2, 2)", "Typ=1 Len=4: 98,99"},
        {"dump(to_date('2024-02-29 10:11:12', 'YYYY-MM-DD HH24:MI:SS'))",
         "Typ=12 Len=7: 120,124,2,29,11,12,13"},
        {"dump(null)", "NULL"},
        {"userenv('LANGUAGE')", "AMERICAN_AMERICA.AL32UTF8"},
        {"userenv('isdba')", "FALSE"},
        {"userenv('LANG')", "US"},
        {"nvl(userenv('CLIENT_INFO'), 'none')", "none"},
        {"userenv('SESSIONID') - userenv('SESSIONID')", "0"},
        {"sys_context('USERENV', 'SESSION_USER')", "SCOTT"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
    EXPECT_EQ(oci.rows("select user_id from all_users where username = 'SCOTT'"),
              oci.rows("select uid from dual"));
    EXPECT_EQ(Rows{{"1"}}, oci.rows("select count(*) from all_users where user_id = uid"));
}

TEST_F(OciTest, NullHandlingFunctions) {
    const Case cases[] = {
        {"nvl2(null, 'a', 'b')", "b"},
        {"nvl2('x', 'a', 'b')", "a"},
        {"decode(null, null, 'nulls match', 'x')", "nulls match"},
        {"decode(2, 1, 'one')", ""},
        {"decode('2', 2, 'two', 'other')", "two"},
        {"coalesce(null, '', 'c')", "c"},
        {"nvl(to_char(null), 'none')", "none"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
}

// GREATEST and LEAST compare in the type of their first argument: numbers as numbers (the
// other arguments read as numbers), text byte by byte, dates as dates; a NULL gives NULL.
TEST_F(OciTest, GreatestAndLeastCompareInTheFirstArgumentsType) {
    const Case cases[] = {
        {"greatest(1, '3.925', '2.4')", "3.925"},
        {"least(1, '3.925', '2.4')", "1"},
        {"greatest(9, 10)", "10"},
        {"greatest('9', 10)", "9"},
        {"least('HARRY', 'HARRIOT', 'HAROLD')", "HAROLD"},
        {"greatest('HARRY', 'HARRIOT', 'HAROLD')", "HARRY"},
        {"greatest('a', 'B')", "a"},
        {"greatest('x', .5)", "x"},
        {"least('1', .5)", ".5"},
        {"greatest(-0.5)", "-.5"},
        {"greatest(2, null, 3)", ""},
        {"least(null, 'a')", ""},
        {"to_char(greatest(hiredate, to_date('1990-01-01', 'YYYY-MM-DD')), 'YYYY-MM-DD')",
         "1990-01-01"},
        {"to_char(least(hiredate, '01-JAN-70'), 'YYYY-MM-DD')", "1970-01-01"},
        {"to_char(greatest(to_date('2000-02-01', 'YYYY-MM-DD'), '15-JAN-2000'), 'MM-DD')", "02-01"},
    };
    for (const Case &c : cases) {
        const std::string sql =
            std::string("select ") + c.expression + " from emp where empno = 7369";
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        ASSERT_EQ(1u, r.rows.size()) << sql;
        EXPECT_EQ(c.value, r.rows[0].at(0)) << sql;
    }
    const std::pair<const char *, int> bad[] = {
        {"greatest()", 938},
        {"least(1, 'abc')", 1722},
        {"greatest(sysdate, 'not a date')", 1858},
    };
    for (const auto &[expression, code] : bad) {
        const std::string sql = std::string("select ") + expression + " from dual";
        EXPECT_EQ(code, oci.query(sql).rc) << sql;
    }
    EXPECT_EQ(Rows({{"7499"}, {"7839"}}),
              oci.rows("select empno from emp where greatest(sal, nvl(comm, 0) * 6) > 1700 "
                       "order by empno"));
    EXPECT_EQ(Rows({{"7369"}, {"7499"}}),
              oci.rows("select empno from emp where least(sal, 2000) < 2000 order by empno"));
}

// The SQL Reference's own examples, utPLSQL's installer's use, and characters beyond ASCII.
TEST_F(OciTest, RegularExpressionFunctions) {
    const Case cases[] = {
        {"regexp_substr('500 Oracle Parkway, Redwood Shores, CA', ',[^,]+,')", ", Redwood Shores,"},
        {"regexp_substr('http://www.example.com/products', "
         "'http://([[:alnum:]]+\\.?){3,4}/?')",
         "http://www.example.com/"},
        {"regexp_substr('1234567890', '(123)(4(56)(78))', 1, 1, 'i', 4)", "78"},
        {"upper(regexp_substr('core/ut_utils.pks', '\\/(\\w*)\\.', 1, 1, 'i', 1))", "UT_UTILS"},
        {"regexp_substr('abc', 'x')", ""},
        {"regexp_substr('日本語', '.', 2)", "本"},
        {"regexp_substr('a' || chr(10) || 'b', 'a.b')", ""},
        {"length(regexp_substr('a' || chr(10) || 'b', 'a.b', 1, 1, 'n'))", "3"},
        {"regexp_substr('Abc', 'abc', 1, 1, 'ic')", ""},
        {"regexp_instr('500 Oracle Parkway, Redwood Shores, CA', '[^ ]+', 1, 6)", "37"},
        {"regexp_instr('500 Oracle Parkway, Redwood Shores, CA', "
         "'[s|r|p][[:alpha:]]{6}', 3, 2, 1, 'i')",
         "28"},
        {"regexp_instr('1234567890', '(123)(4(56)(78))', 1, 1, 0, 'i', 2)", "4"},
        {"regexp_instr('日本語', '語')", "3"},
        {"regexp_instr('abc', 'x')", "0"},
        {"regexp_replace('500   Oracle     Parkway,    Redwood  Shores, CA', '( ){2,}', ' ')",
         "500 Oracle Parkway, Redwood Shores, CA"},
        {"regexp_replace('515.123.4567', "
         "'([[:digit:]]{3})\\.([[:digit:]]{3})\\.([[:digit:]]{4})', '(\\1) \\2-\\3')",
         "(515) 123-4567"},
        {"regexp_replace('aaa', 'a', 'b', 1, 2)", "aba"},
        {"regexp_replace('aaa', 'a', 'b', 2)", "abb"},
        {"regexp_replace('abc', 'b')", "ac"},
        {"regexp_replace('a', 'a', '$1')", "$1"},
        {"regexp_count('123123123123', '123', 3, 'i')", "3"},
        {"regexp_count('aaa', 'a a', 1, 'x')", "1"},
        {"regexp_count('a' || chr(10) || 'b', '^b')", "0"},
        {"regexp_count('a' || chr(10) || 'b', '^b', 1, 'm')", "1"},
    };
    expectValues(oci, std::begin(cases), std::end(cases));
    EXPECT_EQ(Rows({{"SMITH"}}), oci.rows("select ename from emp where regexp_like(ename, '^s', "
                                          "'i') and not regexp_like(ename, 'K')"));
    const std::pair<const char *, int> mistakes[] = {
        {"regexp_substr('a', '(')", 12725},
        {"regexp_substr('a', '[a')", 12726},
        {"regexp_substr('a', 'a', 0)", 1428},
        {"regexp_instr('a', 'a', 1, 0)", 1428},
        {"regexp_count('a', 'a', 1, 'z')", 1760},
        {"regexp_count(rpad('a', 600, 'a'), rpad('a', 600, 'a'))", 12733},
    };
    for (const auto &[expression, code] : mistakes) {
        const std::string sql = std::string("select ") + expression + " from dual";
        EXPECT_EQ(code, oci.query(sql).rc) << sql;
    }
}

// Oracle would run them; the embedded database says it does not rather than call the name
// unknown.
TEST_F(OciTest, PlsqlCalledFromSqlIsRefusedAsNotSupported) {
    for (const char *expression : {"get_name", "get_name()", "pk_orders.ship(1)",
                                   "dbms_random.value", "sys.dbms_utility.get_time()"}) {
        const std::string sql = std::string("select ") + expression + " from dual";
        EXPECT_EQ(3001, oci.query(sql).rc) << sql;
    }
    EXPECT_EQ(904, oci.query("select get_nothing from dual").rc);
    EXPECT_EQ(904, oci.query("select e.get_name from emp e").rc);
}

// CAST converts as Oracle does: text to a number or a date or refused, a number rounded to
// its scale and refused past its precision, a text of a number or a date in Oracle's form.
TEST_F(OciTest, CastConvertsOrRefusesAsOracleDoes) {
    const Case cases[] = {
        {"cast('12' as number) + 1", "13"},
        {"cast(1.25 as number(3,1))", "1.3"},
        {"cast('1.5' as integer)", "2"},
        {"cast(-2.5 as int)", "-3"},
        {"cast(123.456 as decimal(5,2))", "123.46"},
        {"cast(0.5 as varchar2(10))", ".5"},
        {"cast(hiredate as varchar2(30))", "17-DEC-80"},
        {"cast('17-DEC-80' as date)", "17-DEC-80"},
        {"to_char(cast(hiredate as date), 'YYYY-MM-DD')", "1980-12-17"},
        {"cast('ab' as char(4)) || '|'", "ab  |"},
        {"length(cast('x' as char(3)))", "3"},
        {"cast(null as number)", ""},
        {"cast(cast(7 as varchar2(5)) as number) * 2", "14"},
    };
    for (const Case &c : cases) {
        const std::string sql =
            std::string("select ") + c.expression + " from emp where empno = 7369";
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        ASSERT_EQ(1u, r.rows.size()) << sql;
        EXPECT_EQ(c.value, r.rows[0].at(0)) << sql;
    }
    const std::pair<const char *, int> bad[] = {
        {"cast('abc' as number)", 1722},          {"cast(123.45 as number(4,2))", 1438},
        {"cast('abcdef' as varchar2(3))", 25137}, {"cast(5 as date)", 932},
        {"cast('not a date' as date)", 1858},
    };
    for (const auto &[expression, code] : bad) {
        const std::string sql = std::string("select ") + expression + " from dual";
        EXPECT_EQ(code, oci.query(sql).rc) << sql;
    }
    EXPECT_EQ(Rows{{"1"}},
              oci.rows("select count(*) from emp where cast(sal as varchar2(10)) = '800'"));
}

TEST_F(OciTest, BadArgumentsGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"to_number('abc')", 1722},
        {"to_date('31-02-2024', 'DD-MM-YYYY')", 1847},
        {"to_date('2024-13-01', 'YYYY-MM-DD')", 1843},
        {"to_date('2024-01-01', 'YYYY-QQ')", 1821},
        {"to_date('2024-01-01 x', 'YYYY-MM-DD')", 1830},
        {"to_char(sysdate, 'QQQ')", 1821},
        {"decode(1)", 938},
        {"substr('a')", 909},
        {"no_such_function(1)", 904},
        {"add_months('not a date', 1)", 1861},
        {"trunc(sysdate, 'XX')", 1821},
        {"round(sysdate, 'QQQ')", 1821},
        {"trunc(sysdate, 'SS')", 1899},
        {"round(sysdate, 'AM')", 1899},
        {"trunc(sysdate, 'YYYYMM')", 1898},
        {"round(sysdate, 'MM-DD')", 1898},
        {"next_day(sysdate, 'XYZ')", 1846},
        {"next_day(sysdate, 'SU')", 1846},
        {"next_day('x', 'MONDAY')", 1861},
        {"userenv('NO_SUCH_PARAMETER')", 2003},
        {"round('abc')", 1722},
    };
    for (const auto &[expression, code] : cases) {
        const std::string sql = std::string("select ") + expression + " from dual";
        EXPECT_EQ(code, oci.query(sql).rc) << sql;
    }
    EXPECT_EQ(1425, oci.query("select 1 from dual where 'x' like 'x' escape 'ab'").rc);
}

} // namespace
} // namespace ocilite::test
