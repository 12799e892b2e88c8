// Fetch speed of the embedded client library: builds a table of five columns (NUMBER,
// VARCHAR2, VARCHAR2, DATE, NUMBER(10,2)), fetches every row through olog / oopen / oparse /
// odescr / odefin (external type 5) / oexec / ofetch, and then reads the same rows from the
// same file with raw sqlite3_step + sqlite3_column_text. Prints rows per second and the ratio.
#include "bench_support.h"
#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Clock;

constexpr int kColumns = 5;
constexpr const char *kUser = "BENCH";
constexpr const char *kPassword = "bench";

OraText *ot(const char *s) {
    return reinterpret_cast<OraText *>(const_cast<char *>(s));
}

[[noreturn]] void die(const std::string &what) {
    bench::fail(what);
    std::exit(1);
}

std::string oraError(Cda_Def &lda, const Cda_Def &cda) {
    char text[512] = {};
    oerhms(&lda, static_cast<sb2>(cda.rc), reinterpret_cast<OraText *>(text), sizeof text);
    return text;
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

} // namespace

int main(int argc, char **argv) {
    bench::setProgramName("bench_ocilite");
    const long rows = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    if (rows <= 0)
        die("usage: bench_ocilite [ROWS] [DB-FILE]");
    bench::BenchHome home;
    const std::string path = argc > 2 ? argv[2] : home.path("bench.db");
    std::remove(path.c_str());
    createTable(path);

    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE] = {};
    if (olog(&lda, hda, ot(kUser), -1, ot(kPassword), -1, ot(path.c_str()), -1, 0))
        die(oraError(lda, lda));
    auto start = Clock::now();
    insertRows(lda, rows);
    const double insertSeconds = bench::secondsSince(start);

    bench::Pass oci, raw;
    size_t ociBytes = 0;
    start = Clock::now();
    oci.rows = fetchThroughOci(lda, ociBytes);
    oci.seconds = bench::secondsSince(start);
    ologof(&lda);

    const std::string table = bench::storageTable(path, "BENCH_ROWS");
    if (table.empty() ||
        !bench::rawPass(path,
                        "SELECT \"ID\", \"NAME\", \"CITY\", \"CREATED\", \"AMOUNT\" FROM \"" +
                            table + "\"",
                        raw))
        die("cannot read the table's storage in the SQLite file");
    if (oci.rows != rows || raw.rows != rows)
        die("row counts differ: " + std::to_string(oci.rows) + " / " + std::to_string(raw.rows));

    std::printf("rows: %ld, five columns (NUMBER, VARCHAR2, VARCHAR2, DATE, NUMBER(10,2))\n", rows);
    std::printf("insert through oexec:                  %10.0f rows/s  (%.2f s)\n",
                rows / insertSeconds, insertSeconds);
    bench::report("fetch through the entry points", oci);
    bench::report("raw sqlite3_step + column_text", raw);
    std::printf("overhead: %.2fx raw (target: at most 2x)   [%zu %lld]\n",
                oci.seconds / raw.seconds, ociBytes, raw.bytes);
    return 0;
}
