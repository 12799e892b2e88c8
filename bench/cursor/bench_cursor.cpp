// Reads 1,000,000 rows of five columns through TOCIcur (Execute, then Fetch row by row over
// the embedded client library) and, in the same run, the same rows straight from SQLite with
// sqlite3_step and sqlite3_column_text, and prints both rates side by side.
//
// Usage: bench_cursor [rows]   (default 1000000). Runs in a private XDG_DATA_HOME.

#include "bench_support.h"
#include "cursor/tocicur.h"
#include "ocilite/demo/demo_schema.h"
#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"
#include "session/toci.h"

#include <QByteArray>
#include <QCoreApplication>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using bench::Clock;
using bench::fail;
using bench::Pass;
using bench::secondsSince;

const char *kTable = "BENCH_ROWS";
const char *kQuery = "select id, name, amount, created, note from bench_rows";

bool runRaw(sqlite3 *db, const std::string &sql) {
    char *message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    const std::string text = message ? message : "unknown SQLite error";
    sqlite3_free(message);
    return fail(sql + ": " + text);
}

// A seed of rows goes in through the engine's own statement path, so every value is stored
// as the engine stores it; the seed is then doubled inside SQLite up to the row count.
constexpr long kSeedRows = 1000;

bool seedRows(ocilite::Database &db, long rows) {
    std::string error;
    if (!db.execute("SCOTT",
                    "create table bench_rows (id number(10), name varchar2(30), "
                    "amount number(12,2), created date, note varchar2(40))",
                    error))
        return fail(error);
    for (long i = 1; i <= std::min(rows, kSeedRows); ++i) {
        const std::string n = std::to_string(i);
        const std::string sql =
            "insert into bench_rows values (" + n + ", 'name " + n + "', " + n +
            ".25, to_date('2026-12-07 10:11:12', 'yyyy-mm-dd hh24:mi:ss'), 'note for row " + n +
            "')";
        if (!db.execute("SCOTT", sql, error))
            return fail(error);
    }
    return true;
}

bool doubleRows(sqlite3 *db, long rows) {
    const std::string table = bench::storageTable(db, kTable);
    if (table.empty())
        return fail("no SQLite table for BENCH_ROWS");
    const std::string t = "\"" + table + "\"";
    if (!runRaw(db, "begin"))
        return false;
    for (long have = std::min(rows, kSeedRows); have < rows; have *= 2) {
        if (!runRaw(db, "insert into " + t + " (id, name, amount, created, note) select id + " +
                            std::to_string(have) + ", name, amount, created, note from " + t))
            return false;
    }
    return runRaw(db, "delete from " + t + " where id > " + std::to_string(rows)) &&
           runRaw(db, "commit");
}

bool loadRows(long rows, std::string &dbPath) {
    std::string error;
    auto db = ocilite::openConnectString("", ocilite::installDemoSchema, error);
    if (!db)
        return fail(error);
    dbPath = db->path();
    return seedRows(*db, rows) && doubleRows(db->handle(), rows);
}

bool rawPass(const std::string &path, Pass &pass) {
    const std::string table = bench::storageTable(path, kTable);
    if (table.empty())
        return fail("no SQLite table for " + std::string(kTable));
    return bench::rawPass(path, "select * from \"" + table + "\"", pass);
}

bool cursorPass(Pass &pass) {
    QObject owner;
    auto *ctrl = new TOCIctrl(&owner);
    auto *cur = new TOCIcur(&owner);
    if (!ctrl->Active())
        return fail("client library: " + ctrl->ErrMsg.toStdString());
    ctrl->UserID = "SCOTT";
    ctrl->Password = "TIGER";
    if (!ctrl->Connect())
        return fail("logon: " + ctrl->ErrMsg.toStdString());
    cur->SetParent(ctrl);
    cur->SQL = kQuery;
    const auto start = Clock::now();
    if (!cur->Execute())
        return fail(cur->ErrMsg.toStdString());
    while (cur->Fetch()) {
        for (const QByteArray &value : cur->Row)
            pass.bytes += value.size();
    }
    pass.seconds = secondsSince(start);
    pass.rows = cur->FetchCount;
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    bench::setProgramName("bench_cursor");
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (rows <= 0)
        return 2;
    bench::BenchHome home;

    std::string path;
    const auto loadStart = Clock::now();
    if (!loadRows(rows, path))
        return 1;
    std::printf("loaded %ld rows of five columns in %.1f s (%s)\n", rows, secondsSince(loadStart),
                path.c_str());

    // The raw pass runs before and after the cursor pass and the faster of the two counts, so
    // a cold page cache never flatters the cursor.
    Pass raw, rawAgain, cursor;
    if (!rawPass(path, raw) || !cursorPass(cursor) || !rawPass(path, rawAgain))
        return 1;
    if (rawAgain.seconds < raw.seconds)
        raw = rawAgain;
    bench::report("raw sqlite3_step + text", raw);
    bench::report("TOCIcur Execute/Fetch", cursor);
    std::printf("TOCIcur / raw throughput: %.2f (target >= 0.33)\n",
                (cursor.rows / cursor.seconds) / (raw.rows / raw.seconds));
    return cursor.rows == raw.rows ? 0 : 1;
}
