// How long the embedded client library takes to answer statements of a megabyte, in the
// shapes that once took time in the square of their length or recursed per token (nested
// parentheses, prefix signs, operator chains, long lists, many select items, many
// placeholders): oparse + oexec through the entry points, beside sqlite3_prepare_v2 of the
// same text on a raw SQLite connection to the same file. Run: build/bin/bench_statements [KB]
#include "bench_support.h"
#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using bench::Clock;

std::string repeat(size_t bytes, const std::string &head, const std::string &unit,
                   const std::string &tail) {
    std::string s = head;
    while (s.size() + unit.size() + tail.size() < bytes)
        s += unit;
    return s + tail;
}

std::string nested(size_t bytes, const std::string &open, const std::string &close) {
    const size_t n = bytes / (open.size() + close.size());
    std::string s = "select ";
    for (size_t i = 0; i < n; ++i)
        s += open;
    s += "1";
    for (size_t i = 0; i < n; ++i)
        s += close;
    return s + " from dual";
}

double rawPrepare(const std::string &path, const std::string &sql) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    const auto start = Clock::now();
    sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &st, nullptr);
    const double seconds = bench::secondsSince(start);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return seconds;
}

} // namespace

int main(int argc, char **argv) {
    bench::setProgramName("bench_statements");
    const size_t bytes = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024) * 1024;
    bench::BenchHome home;
    const std::string path = home.path("statements.db");
    std::string error;
    {
        auto db = ocilite::Database::open(path, true, error);
        if (!db || !db->addUser("BENCH", "bench", error) ||
            !db->execute("BENCH", "CREATE TABLE T (A NUMBER, B VARCHAR2(10))", error)) {
            bench::fail(error);
            return 1;
        }
    }
    Cda_Def lda{}, cur{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    if (olog(&lda, hda, (OraText *)"BENCH", -1, (OraText *)"bench", -1, (OraText *)path.c_str(), -1,
             0) ||
        oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1)) {
        bench::fail("logon");
        return 1;
    }
    std::string binds = "select a from t where a in (:b1";
    for (int i = 2; binds.size() < bytes; ++i)
        binds += ", :b" + std::to_string(i);
    binds += ")";
    const std::vector<std::pair<const char *, std::string>> shapes = {
        {"nested parentheses", nested(bytes, "(", ")")},
        {"prefix minus signs", repeat(bytes, "select ", "- ", "1 from dual")},
        {"nested calls", nested(bytes, "abs(", ")")},
        {"a + chain", repeat(bytes, "select 1", " + 1", " from dual")},
        {"a || chain", repeat(bytes, "select 'a'", " || 'a'", " from dual")},
        {"a / chain", repeat(bytes, "select 1", " / 1", " from dual")},
        {"DATE + chain", repeat(bytes, "select sysdate", " + 1", " from dual")},
        {"select items", repeat(bytes, "select 1", ", 1", " from dual")},
        {"an IN list", repeat(bytes, "select a from t where a in (0", ", 0", ")")},
        {"placeholders", binds},
        {"OR chain", repeat(bytes, "select a from t where a = 0", " or a = 0", "")},
    };
    std::printf("%-20s %10s %8s %12s %14s\n", "shape", "bytes", "rc", "oparse+oexec",
                "sqlite prepare");
    for (const auto &[name, sql] : shapes) {
        const auto start = Clock::now();
        int rc = oparse(&cur, (OraText *)sql.data(), static_cast<sb4>(sql.size()), 0, 1);
        if (rc == 0)
            rc = oexec(&cur);
        const double seconds = bench::secondsSince(start);
        std::printf("%-20s %10zu %8d %10.3f s %12.3f s\n", name, sql.size(), rc ? cur.rc : 0,
                    seconds, rawPrepare(path, sql));
    }
    oclose(&cur);
    ologof(&lda);
    return 0;
}
