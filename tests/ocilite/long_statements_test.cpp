// Statements far beyond the usual: a megabyte of text in every shape that once made a pass
// recurse per token or take time in the square of the length. Each is answered with Oracle's
// error for it (ORA-03095 for nesting too deep to parse) or runs, on a thread whose stack is
// a quarter of the usual size, and the logon stays usable.
#include "oci_client.h"

#include <pthread.h>

#include <functional>

namespace ocilite::test {
namespace {

constexpr size_t kMegabyte = 1u << 20;

std::string repeat(const std::string &head, const std::string &unit, const std::string &tail) {
    std::string s = head;
    while (s.size() + unit.size() + tail.size() < kMegabyte)
        s += unit;
    return s + tail;
}

std::string nested(const std::string &open, const std::string &middle, const std::string &close) {
    const size_t n = kMegabyte / (open.size() + close.size());
    std::string s = "select ";
    for (size_t i = 0; i < n; ++i)
        s += open;
    s += middle;
    for (size_t i = 0; i < n; ++i)
        s += close;
    return s + " from dual";
}

// Runs body on a thread with a 2 MB stack, the size that once overflowed.
void onSmallStack(const std::function<void()> &body) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 2u << 20);
    pthread_t thread;
    auto run = [](void *arg) -> void * {
        (*static_cast<const std::function<void()> *>(arg))();
        return nullptr;
    };
    ASSERT_EQ(0, pthread_create(&thread, &attr, run, const_cast<std::function<void()> *>(&body)));
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

TEST_F(OciTest, MegabyteStatementsAreAnsweredWithOraclesErrors) {
    const std::pair<std::string, int> cases[] = {
        {nested("(", "1", ")"), 3095},
        {repeat("select ", "- ", "1 from dual"), 3095},
        {repeat("select ", "+ ", "1 from dual"), 3095},
        {repeat("select 1 from dual where ", "not ", "1 = 1"), 3095},
        {nested("abs(", "1", ")"), 3095},
        {nested("nvl(", "1", ", 2)"), 3095},
        {nested("case when 1 = 1 then ", "1", " end"), 3095},
        {nested("(select ", "1", " from dual)"), 3095},
        {repeat("select 1 from dual where 1 in ", "(", "1"), 3095},
        {repeat("select 1", " + 1", " from dual"), 3095},
        {repeat("select 1", " / 1", " from dual"), 3095},
        {repeat("select 'a'", " || 'a'", " from dual"), 3095},
        {repeat("select sysdate", " + 1", " from dual"), 3095},
        {repeat("select 1 from dual where 1 = 0", " or 1 = 0", ""), 3095},
        {repeat("select 1", ", 1", " from dual"), 1792},
        {repeat("select 1 from dual", " union all select 1 from dual", ""), 3001},
        {repeat("select 1 from dual where 1 in (0", ", 0", ")"), 1795},
        {repeat("select 1 from dual where 1 in (0", ", 0) or 1 in (0", ")"), 3095},
        {repeat("select 1 from emp e, dept d where e.deptno = d.deptno(+)",
                " and e.deptno = d.deptno(+)", ""),
         3095},
        {"select '" + std::string(kMegabyte, 'x') + "' from dual", 1704},
        {"select " + std::string(kMegabyte, 'x') + " from dual", 972},
        {"select \"" + std::string(kMegabyte, 'x') + "\" from dual", 972},
        {"select 1 from dual -- " + std::string(kMegabyte, 'x'), 0},
        {std::string(kMegabyte, ' '), 900},
        {std::string(kMegabyte, ';'), 900},
    };
    for (const auto &[sql, rc] : cases) {
        int got = -1;
        onSmallStack([&] { got = oci.query(sql).rc; });
        EXPECT_EQ(rc, got) << sql.substr(0, 60) << "...: " << oci.message(got);
        EXPECT_EQ(0, oci.query("select * from dual").rc);
    }
}

// Program units of a megabyte: the compiler bounds its nesting (PLS-00102 past Oracle's 255
// levels) and its operator chains (PLS-00123 past 65535 links), stores the unit with that
// error, and compiles a long but ordinary chain as Oracle would.
TEST_F(OciTest, MegabyteProgramUnitsCompileOrGetOraclesErrors) {
    auto unit = [](const std::string &name, const std::string &value) {
        return "create or replace procedure " + name + " is\n  x varchar2(4000) := " + value +
               ";\nbegin\n  null;\nend;";
    };
    auto nestedValue = [](const std::string &open, const std::string &close) {
        const size_t n = kMegabyte / (open.size() + close.size());
        std::string s;
        for (size_t i = 0; i < n; ++i)
            s += open;
        s += "1";
        for (size_t i = 0; i < n; ++i)
            s += close;
        return s;
    };
    std::string blocks = "create or replace procedure blocks is\nbegin\n";
    for (int i = 0; i < 300; ++i)
        blocks += "begin\n";
    blocks += "null;\n";
    for (int i = 0; i < 300; ++i)
        blocks += "end;\n";
    blocks += "end;";
    const std::pair<std::string, const char *> cases[] = {
        {unit("parens", nestedValue("(", ")")), "PLS-00102"},
        {unit("signs", repeat("", "- ", "1")), "PLS-00102"},
        {unit("nots", "case when " + repeat("", "not ", "1 = 1") + " then 'y' end"), "PLS-00102"},
        {unit("calls", nestedValue("abs(", ")")), "PLS-00102"},
        {unit("sums", repeat("1", " + 1", "")), "PLS-00123"},
        {unit("texts", repeat("'a'", " || 'a'", "")), "PLS-00123"},
        {blocks, "PLS-00102"},
        {unit("ordinary",
              [] {
                  std::string chain = "'a'";
                  for (int i = 0; i < 3000; ++i)
                      chain += " || 'a'";
                  return chain;
              }()),
         ""},
    };
    for (const auto &[sql, code] : cases) {
        int rc = -1;
        onSmallStack([&] { rc = oci.run(sql); });
        EXPECT_EQ(0, rc) << sql.substr(0, 60) << ": " << oci.message(rc);
        const std::string name = sql.substr(28, sql.find(' ', 28) - 28);
        const Rows errors = oci.rows("select text from user_errors where name = upper('" + name +
                                     "') order by sequence");
        if (*code == 0) {
            EXPECT_EQ(Rows{}, errors) << name;
        } else {
            ASSERT_FALSE(errors.empty()) << name;
            EXPECT_EQ(0u, errors[0][0].rfind(code, 0)) << name << ": " << errors[0][0];
        }
    }
}

// Placeholders by the ten thousand, bound by name and run; past Oracle's own limit (65535)
// the statement is refused with Oracle's error.
TEST_F(OciTest, TensOfThousandsOfPlaceholders) {
    struct Case {
        int count;
        int parseRc;
    };
    for (const Case c : {Case{20000, 0}, Case{40000, 0}, Case{70000, 1745}}) {
        // In lists of a thousand, the most one list holds.
        std::string sql = "select count(*) from emp where empno in (:b1";
        for (int i = 2; i <= c.count; ++i)
            sql += (i % 1000 == 1 ? ") or empno in (:b" : ", :b") + std::to_string(i);
        sql += ")";
        const int rc = oparse(&oci.cur, (OraText *)sql.c_str(), -1, 0, 1);
        EXPECT_EQ(c.parseRc, rc ? oci.cur.rc : 0) << c.count << ": " << oci.message(oci.cur.rc);
        if (rc)
            continue;
        std::vector<int> values(static_cast<size_t>(c.count));
        for (int i = 1; i <= c.count; ++i) {
            values[static_cast<size_t>(i - 1)] = 7000 + i;
            const std::string name = ":B" + std::to_string(i);
            ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)name.c_str(), -1,
                                (ub1 *)&values[static_cast<size_t>(i - 1)], sizeof(int),
                                OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1))
                << name;
        }
        char count[16] = {};
        ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)count, sizeof count, OCIV7_EXT_STR, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
        ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
        ASSERT_EQ(0, ofetch(&oci.cur));
        EXPECT_STREQ("3", count); // 7369, 7499 and 7839, all of the test schema's
    }
}

} // namespace
} // namespace ocilite::test
