#include "bench_support.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace bench {
namespace {

const char *g_program = "bench";

} // namespace

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double bestSeconds(const std::vector<Pass> &passes) {
    double seconds = passes.front().seconds;
    for (const Pass &p : passes)
        seconds = std::min(seconds, p.seconds);
    return seconds;
}

void report(const char *name, const Pass &pass) {
    std::printf("%-32s %9ld rows %8.3f s %12.0f rows/s\n", name, pass.rows, pass.seconds,
                pass.rows / pass.seconds);
}

void setProgramName(const char *name) {
    g_program = name;
}

bool fail(const std::string &what) {
    std::fprintf(stderr, "%s: %s\n", g_program, what.c_str());
    return false;
}

bool rawPass(const std::string &path, const std::string &sql, Pass &pass,
             const std::vector<std::string> &binds) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return fail("cannot open " + path);
    }
    sqlite3_stmt *st = nullptr;
    const auto start = Clock::now();
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        return fail("raw query: " + message);
    }
    for (size_t i = 0; i < binds.size(); ++i)
        sqlite3_bind_text(st, static_cast<int>(i + 1), binds[i].c_str(), -1, SQLITE_STATIC);
    const int columns = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++pass.rows;
        for (int c = 0; c < columns; ++c) {
            sqlite3_column_text(st, c);
            pass.bytes += sqlite3_column_bytes(st, c);
        }
    }
    pass.seconds = secondsSince(start);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return true;
}

std::string storageTable(sqlite3 *db, const std::string &table) {
    sqlite3_stmt *st = nullptr;
    std::string name;
    const char *sql = "select name from sqlite_master where type = 'table' and "
                      "upper(name) like '%.' || upper(?1) order by length(name) limit 1";
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(st) == SQLITE_ROW)
            name = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
    }
    sqlite3_finalize(st);
    return name;
}

std::string storageTable(const std::string &path, const std::string &table) {
    sqlite3 *db = nullptr;
    std::string name;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        name = storageTable(db, table);
    sqlite3_close(db);
    return name;
}

BenchHome::BenchHome() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_dir = pattern;
    setenv("XDG_DATA_HOME", path("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", path("config").c_str(), 1);
}

BenchHome::~BenchHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

} // namespace bench
