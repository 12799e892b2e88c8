// Fetch speed of the embedded client library: builds a table of five columns (NUMBER,
// VARCHAR2, VARCHAR2, DATE, NUMBER(10,2)), fetches every row through olog / oopen / oparse /
// odescr / odefin (external type 5) / oexec / ofetch, and then reads the same rows from the
// same file with raw sqlite3_step + sqlite3_column_text. Prints rows per second and the ratio.
#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kColumns = 5;
constexpr const char *kUser = "BENCH";
constexpr const char *kPassword = "bench";

OraText *ot(const char *s) {
    return reinterpret_cast<OraText *>(const_cast<char *>(s));
}

[[noreturn]] void die(const std::string &what) {
    std::fprintf(stderr, "bench_ocilite: %s\n", what.c_str());
    std::exit(1);
}

std::string oraError(Cda_Def &lda, const Cda_Def &cda) {
    char text[512] = {};
    oerhms(&lda, static_cast<sb2>(cda.rc), reinterpret_cast<OraText *>(text), sizeof text);
    return text;
}

double seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void createTable(const std::string &path) {
    std::string error;
    std::unique_ptr<ocilite::Database> db = ocilite::Database::open(path, true, error);
    if (!db || !db->addUser(kUser, kPassword, error) ||
        !db->execute(kUser,
                     "CREATE TABLE BENCH_ROWS (ID NUMBER, NAME VARCHAR2(30), CITY "
                     "VARCHAR2(30), CREATED DATE, AMOUNT NUMBER(10,2))",
                     error))
        die(error);
}

// Inserts through the entry points too: one parse, five bound buffers, one oexec per row.
void insertRows(Cda_Def &lda, long rows) {
    Cda_Def cda{};
    char id[24], name[32], city[32], created[16], amount[24];
    char *values[kColumns] = {id, name, city, created, amount};
    const int sizes[kColumns] = {sizeof id, sizeof name, sizeof city, sizeof created,
                                 sizeof amount};
    const char *sql = "INSERT INTO BENCH_ROWS VALUES (:1, :2, :3, TO_DATE(:4, 'YYYY-MM-DD'), :5)";
    if (oopen(&cda, &lda, nullptr, -1, -1, nullptr, -1) || oparse(&cda, ot(sql), -1, 0, 2))
        die(oraError(lda, cda));
    for (int i = 0; i < kColumns; ++i)
        if (obndrn(&cda, i + 1, reinterpret_cast<ub1 *>(values[i]), sizes[i], OCIV7_EXT_STR, -1,
                   nullptr, nullptr, -1, -1))
            die(oraError(lda, cda));
    static const char *const kCities[] = {"NEW YORK", "DALLAS", "CHICAGO", "BOSTON", "東京"};
    for (long r = 1; r <= rows; ++r) {
        std::snprintf(id, sizeof id, "%ld", r);
        std::snprintf(name, sizeof name, "CUSTOMER_%07ld", r);
        std::snprintf(city, sizeof city, "%s", kCities[r % 5]);
        std::snprintf(created, sizeof created, "%04ld-%02ld-%02ld", 1990 + r % 30, 1 + r % 12,
                      1 + r % 28);
        std::snprintf(amount, sizeof amount, "%ld.%02ld", r % 100000, r % 100);
        if (oexec(&cda))
            die(oraError(lda, cda));
    }
    if (ocom(&lda))
        die(oraError(lda, lda));
    oclose(&cda);
}

// Every row through the entry points, every value as text; returns the rows fetched and
// adds the bytes seen to `bytes` so nothing can be optimised away.
long fetchThroughOci(Cda_Def &lda, size_t &bytes) {
    Cda_Def cda{};
    const char *sql = "SELECT ID, NAME, CITY, CREATED, AMOUNT FROM BENCH_ROWS";
    if (oopen(&cda, &lda, nullptr, -1, -1, nullptr, -1) || oparse(&cda, ot(sql), -1, 0, 2))
        die(oraError(lda, cda));
    std::vector<std::vector<char>> buffers;
    std::vector<sb2> indicators(kColumns);
    for (sword pos = 1;; ++pos) {
        sb4 dbsize = 0, cbufl = 32, dsize = 0;
        sb2 dbtype = 0;
        sb1 cbuf[32];
        if (odescr(&cda, pos, &dbsize, &dbtype, cbuf, &cbufl, &dsize, nullptr, nullptr, nullptr))
            break;
        buffers.emplace_back(static_cast<size_t>(dsize > 0 ? dsize + 1 : 64) + 48);
    }
    if (cda.rc != OCIV7_RC_NOT_IN_SELECT_LIST || buffers.size() != kColumns)
        die("describe: " + oraError(lda, cda));
    for (int i = 0; i < kColumns; ++i)
        if (odefin(&cda, i + 1, reinterpret_cast<ub1 *>(buffers[i].data()),
                   static_cast<sword>(buffers[i].size()), OCIV7_EXT_STR, -1, &indicators[i],
                   nullptr, -1, -1, nullptr, nullptr))
            die(oraError(lda, cda));
    if (oexec(&cda))
        die(oraError(lda, cda));
    long rows = 0;
    while (ofetch(&cda) == 0) {
        ++rows;
        for (const auto &b : buffers)
            bytes += static_cast<unsigned char>(b[0]);
    }
    if (cda.rc != OCIV7_RC_NO_DATA_FOUND)
        die("fetch: " + oraError(lda, cda));
    oclose(&cda);
    return rows;
}

// The SQLite table the engine keeps BENCH.BENCH_ROWS in.
std::string storageTable(sqlite3 *db) {
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT name FROM sqlite_master WHERE type = 'table' AND "
                       "upper(name) LIKE '%BENCH_ROWS%'",
                       -1, &stmt, nullptr);
    std::string name;
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        name = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    if (name.empty())
        die("cannot find the table's storage in the SQLite file");
    return name;
}

long fetchRaw(const std::string &path, size_t &bytes) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        die(sqlite3_errmsg(db));
    const std::string sql = "SELECT \"ID\", \"NAME\", \"CITY\", \"CREATED\", \"AMOUNT\" FROM \"" +
                            storageTable(db) + "\"";
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        die(sqlite3_errmsg(db));
    long rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++rows;
        for (int i = 0; i < kColumns; ++i) {
            const unsigned char *text = sqlite3_column_text(stmt, i);
            bytes += text ? text[0] : 0;
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

} // namespace

int main(int argc, char **argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    if (rows <= 0)
        die("usage: bench_ocilite [ROWS] [DB-FILE]");
    const std::string path = argc > 2 ? argv[2]
                                      : (std::filesystem::temp_directory_path() /
                                         ("bench_ocilite_" + std::to_string(getpid()) + ".db"))
                                            .string();
    std::filesystem::remove(path);
    createTable(path);

    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE] = {};
    if (olog(&lda, hda, ot(kUser), -1, ot(kPassword), -1, ot(path.c_str()), -1, 0))
        die(oraError(lda, lda));
    auto start = Clock::now();
    insertRows(lda, rows);
    const double insertSeconds = seconds(start);

    size_t ociBytes = 0, rawBytes = 0;
    start = Clock::now();
    const long ociRows = fetchThroughOci(lda, ociBytes);
    const double ociSeconds = seconds(start);
    ologof(&lda);

    start = Clock::now();
    const long rawRows = fetchRaw(path, rawBytes);
    const double rawSeconds = seconds(start);
    if (argc <= 2)
        std::filesystem::remove(path);
    if (ociRows != rows || rawRows != rows)
        die("row counts differ: " + std::to_string(ociRows) + " / " + std::to_string(rawRows));

    std::printf("rows: %ld, five columns (NUMBER, VARCHAR2, VARCHAR2, DATE, NUMBER(10,2))\n", rows);
    std::printf("insert through oexec:                  %10.0f rows/s  (%.2f s)\n",
                rows / insertSeconds, insertSeconds);
    std::printf("fetch through the entry points:        %10.0f rows/s  (%.2f s)\n",
                rows / ociSeconds, ociSeconds);
    std::printf("raw sqlite3_step + sqlite3_column_text: %10.0f rows/s  (%.2f s)\n",
                rows / rawSeconds, rawSeconds);
    std::printf("overhead: %.2fx raw (target: at most 2x)   [checksums %zu %zu]\n",
                ociSeconds / rawSeconds, ociBytes, rawBytes);
    return 0;
}
