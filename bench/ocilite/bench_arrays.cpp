// The array and long-value calls of the embedded client library against raw SQLite doing the
// same work in the same run: oexn inserting N rows in batches of B bound array elements (raw:
// one prepared INSERT stepped N times in one transaction), ofen fetching them B rows at a time
// into arrays (raw: sqlite3_step + column_text over the same table), and LONG values of a few
// hundred kilobytes fetched in 8 KiB pieces through odefinps/ogetpi/osetpi and in 8 KiB parts
// through oflng (raw: sqlite3_column_blob copied out in 8 KiB parts).
// Run: build/bin/bench_arrays [ROWS] [BATCH] [LONGS]
#include "bench_support.h"
#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Clock;

constexpr const char *kUser = "BENCH";
constexpr const char *kPassword = "bench";
constexpr int kNameWidth = 32;
constexpr size_t kLongBytes = 256 * 1024;
constexpr ub4 kPiece = 8 * 1024;

OraText *ot(const char *s) {
    return reinterpret_cast<OraText *>(const_cast<char *>(s));
}

[[noreturn]] void die(const std::string &what) {
    bench::fail(what);
    std::exit(1);
}

struct Session {
    Cda_Def lda{};
    Cda_Def cur{};
    ub1 hda[OCIV7_HDA_SIZE] = {};

    std::string error(const Cda_Def &area) {
        char text[512] = {};
        oerhms(&lda, static_cast<sb2>(area.rc), reinterpret_cast<OraText *>(text), sizeof text);
        return text;
    }
    void check(sword rc, const char *what) {
        if (rc)
            die(std::string(what) + ": " + error(cur.rc ? cur : lda));
    }
    void parse(const char *sql) { check(oparse(&cur, ot(sql), -1, 0, 2), sql); }
};

std::string longValue(long row) {
    std::string v(kLongBytes, ' ');
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<char>('a' + (i + static_cast<size_t>(row)) % 26);
    return v;
}

// oexn: `rows` rows in batches of `batch` elements of two bound arrays.
double insertArrays(Session &s, long rows, int batch) {
    std::vector<sb4> ids(static_cast<size_t>(batch));
    std::vector<char> names(static_cast<size_t>(batch) * kNameWidth);
    s.parse("INSERT INTO T (ID, NAME) VALUES (:ID, :NAME)");
    s.check(obndrv(&s.cur, ot(":ID"), -1, reinterpret_cast<ub1 *>(ids.data()), sizeof(sb4),
                   OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1),
            "bind ID");
    s.check(obndrv(&s.cur, ot(":NAME"), -1, reinterpret_cast<ub1 *>(names.data()), kNameWidth,
                   OCIV7_EXT_STR, -1, nullptr, nullptr, -1, -1),
            "bind NAME");
    const auto start = Clock::now();
    for (long done = 0; done < rows; done += batch) {
        const int n = static_cast<int>(std::min<long>(batch, rows - done));
        for (int i = 0; i < n; ++i) {
            ids[static_cast<size_t>(i)] = static_cast<sb4>(done + i + 1);
            std::snprintf(&names[static_cast<size_t>(i) * kNameWidth], kNameWidth, "CUSTOMER_%07ld",
                          done + i + 1);
        }
        s.check(oexn(&s.cur, n, 0), "oexn");
    }
    s.check(ocom(&s.lda), "ocom");
    return bench::secondsSince(start);
}

double insertRaw(const std::string &path, long rows) {
    sqlite3 *db = nullptr;
    sqlite3_stmt *st = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
        sqlite3_exec(db, "CREATE TABLE T (ID INTEGER, NAME TEXT)", nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        die("raw table");
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO T (ID, NAME) VALUES (?, ?)", -1, &st, nullptr);
    char name[kNameWidth];
    for (long r = 1; r <= rows; ++r) {
        std::snprintf(name, sizeof name, "CUSTOMER_%07ld", r);
        sqlite3_bind_int64(st, 1, r);
        sqlite3_bind_text(st, 2, name, -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE)
            die(sqlite3_errmsg(db));
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double seconds = bench::secondsSince(start);
    sqlite3_close(db);
    return seconds;
}

// ofen: every row, `batch` rows a call, into two arrays.
bench::Pass fetchArrays(Session &s, int batch) {
    std::vector<sb4> ids(static_cast<size_t>(batch));
    std::vector<char> names(static_cast<size_t>(batch) * kNameWidth);
    s.parse("SELECT ID, NAME FROM T");
    s.check(odefin(&s.cur, 1, reinterpret_cast<ub1 *>(ids.data()), sizeof(sb4), OCIV7_EXT_INT, -1,
                   nullptr, nullptr, -1, -1, nullptr, nullptr),
            "define ID");
    s.check(odefin(&s.cur, 2, reinterpret_cast<ub1 *>(names.data()), kNameWidth, OCIV7_EXT_STR, -1,
                   nullptr, nullptr, -1, -1, nullptr, nullptr),
            "define NAME");
    bench::Pass pass;
    const auto start = Clock::now();
    s.check(oexec(&s.cur), "oexec");
    for (ub4 before = 0;; before = s.cur.rpc) {
        const sword rc = ofen(&s.cur, batch);
        for (ub4 i = 0; i < s.cur.rpc - before; ++i)
            pass.bytes += ids[i] + names[i * kNameWidth + 9];
        if (rc == OCIV7_RC_NO_DATA_FOUND)
            break;
        s.check(rc, "ofen");
    }
    pass.seconds = bench::secondsSince(start);
    pass.rows = static_cast<long>(s.cur.rpc);
    return pass;
}

void insertLongs(Session &s, long rows) {
    std::string body;
    sb4 id = 0;
    s.parse("INSERT INTO DOC (ID, BODY) VALUES (:ID, :BODY)");
    s.check(obndrv(&s.cur, ot(":ID"), -1, reinterpret_cast<ub1 *>(&id), sizeof id, OCIV7_EXT_INT,
                   -1, nullptr, nullptr, -1, -1),
            "bind ID");
    for (long r = 1; r <= rows; ++r) {
        body = longValue(r);
        id = static_cast<sb4>(r);
        s.check(obndrv(&s.cur, ot(":BODY"), -1, reinterpret_cast<ub1 *>(body.data()),
                       static_cast<sword>(body.size()), OCIV7_EXT_LNG, -1, nullptr, nullptr, -1,
                       -1),
                "bind BODY");
        s.check(oexec(&s.cur), "oexec");
    }
    s.check(ocom(&s.lda), "ocom");
}

// Every LONG value in 8 KiB pieces through a piecewise define.
bench::Pass fetchPieces(Session &s) {
    std::vector<char> piece(kPiece);
    int context = 0;
    s.parse("SELECT BODY FROM DOC");
    s.check(odefinps(&s.cur, OCIV7_OP_PIECEWISE, 1, reinterpret_cast<ub1 *>(&context), 1 << 30,
                     OCIV7_EXT_LNG, -1, nullptr, nullptr, -1, -1, nullptr, nullptr, 0, 0, 0, 0),
            "odefinps");
    bench::Pass pass;
    const auto start = Clock::now();
    s.check(oexec(&s.cur), "oexec");
    ub4 length = 0;
    bool given = false;
    for (;;) {
        const sword rc = ofetch(&s.cur);
        if (given)
            pass.bytes += length + static_cast<unsigned char>(piece[0]);
        if (rc == OCIV7_RC_NO_DATA_FOUND)
            break;
        given = rc == OCIV7_RC_NEED_BUFFER;
        if (!given) {
            s.check(rc, "ofetch");
            continue;
        }
        length = kPiece;
        s.check(osetpi(&s.cur, OCIV7_NEXT_PIECE, piece.data(), &length), "osetpi");
    }
    pass.seconds = bench::secondsSince(start);
    pass.rows = static_cast<long>(s.cur.rpc);
    return pass;
}

// Every LONG value in 8 KiB parts through oflng, the column left undefined.
bench::Pass fetchParts(Session &s) {
    std::vector<ub1> part(kPiece);
    s.parse("SELECT ID, BODY FROM DOC");
    sb4 id = 0;
    s.check(odefin(&s.cur, 1, reinterpret_cast<ub1 *>(&id), sizeof id, OCIV7_EXT_INT, -1, nullptr,
                   nullptr, -1, -1, nullptr, nullptr),
            "define ID");
    bench::Pass pass;
    const auto start = Clock::now();
    s.check(oexec(&s.cur), "oexec");
    while (ofetch(&s.cur) == 0) {
        ub4 got = 0;
        for (sb4 offset = 0;; offset += static_cast<sb4>(got)) {
            s.check(oflng(&s.cur, 2, part.data(), kPiece, OCIV7_EXT_LNG, &got, offset), "oflng");
            if (got == 0)
                break;
            pass.bytes += got + part[0];
        }
    }
    pass.seconds = bench::secondsSince(start);
    pass.rows = static_cast<long>(s.cur.rpc);
    return pass;
}

bench::Pass rawLongs(const std::string &path, const std::string &table) {
    sqlite3 *db = nullptr;
    sqlite3_stmt *st = nullptr;
    std::vector<char> part(kPiece);
    bench::Pass pass;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const auto start = Clock::now();
    const std::string sql = "SELECT \"BODY\" FROM \"" + table + "\"";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        die(sqlite3_errmsg(db));
    while (sqlite3_step(st) == SQLITE_ROW) {
        const char *p = static_cast<const char *>(sqlite3_column_blob(st, 0));
        const size_t n = static_cast<size_t>(sqlite3_column_bytes(st, 0));
        for (size_t at = 0; at < n; at += kPiece) {
            const size_t k = std::min<size_t>(kPiece, n - at);
            std::memcpy(part.data(), p + at, k);
            pass.bytes += static_cast<long long>(k) + static_cast<unsigned char>(part[0]);
        }
        ++pass.rows;
    }
    pass.seconds = bench::secondsSince(start);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return pass;
}

bench::Pass faster(const bench::Pass &best, const bench::Pass &next) {
    return best.rows == 0 || next.seconds < best.seconds ? next : best;
}

void reportBytes(const char *name, const bench::Pass &p) {
    std::printf("%-32s %9ld rows %8.3f s %12.1f MB/s\n", name, p.rows, p.seconds,
                static_cast<double>(p.rows) * kLongBytes / 1e6 / p.seconds);
}

} // namespace

int main(int argc, char **argv) {
    bench::setProgramName("bench_arrays");
    const long rows = argc > 1 ? std::atol(argv[1]) : 200'000;
    const int batch = argc > 2 ? std::atoi(argv[2]) : 100;
    const long longs = argc > 3 ? std::atol(argv[3]) : 200;
    if (rows <= 0 || batch <= 0 || longs <= 0)
        die("usage: bench_arrays [ROWS] [BATCH] [LONGS]");
    bench::BenchHome home;
    const std::string path = home.path("arrays.db");
    std::string error;
    {
        auto db = ocilite::Database::open(path, true, error);
        if (!db || !db->addUser(kUser, kPassword, error) ||
            !db->execute(kUser, "CREATE TABLE T (ID NUMBER, NAME VARCHAR2(30))", error) ||
            !db->execute(kUser, "CREATE TABLE DOC (ID NUMBER, BODY LONG)", error))
            die(error);
    }
    Session s;
    if (olog(&s.lda, s.hda, ot(kUser), -1, ot(kPassword), -1, ot(path.c_str()), -1, 0) ||
        oopen(&s.cur, &s.lda, nullptr, -1, -1, nullptr, -1))
        die("logon: " + s.error(s.lda));

    const double ociInsert = insertArrays(s, rows, batch);
    const double rawInsert = insertRaw(home.path("raw.db"), rows);
    // Each read three times, the fastest kept, so a cold cache favours neither side.
    const std::string table = bench::storageTable(path, "T");
    const std::string docs = bench::storageTable(path, "DOC");
    if (table.empty() || docs.empty())
        die("cannot find the tables' storage");
    insertLongs(s, longs);
    bench::Pass ociFetch, rawFetch, pieces, parts, rawLong;
    for (int pass = 0; pass < 3; ++pass) {
        ociFetch = faster(ociFetch, fetchArrays(s, batch));
        bench::Pass raw;
        if (!bench::rawPass(path, "SELECT \"ID\", \"NAME\" FROM \"" + table + "\"", raw))
            die("cannot read the table's storage");
        rawFetch = faster(rawFetch, raw);
        pieces = faster(pieces, fetchPieces(s));
        parts = faster(parts, fetchParts(s));
        rawLong = faster(rawLong, rawLongs(path, docs));
    }
    ologof(&s.lda);
    if (ociFetch.rows != rows || rawFetch.rows != rows || pieces.rows != longs ||
        parts.rows != longs || rawLong.rows != longs || pieces.bytes != rawLong.bytes ||
        parts.bytes != rawLong.bytes)
        die("the passes read different rows or bytes");

    std::printf("%ld rows of (NUMBER, VARCHAR2(30)), arrays of %d; %ld LONG values of %zu KiB\n",
                rows, batch, longs, kLongBytes / 1024);
    bench::report("oexn insert, batch arrays", bench::Pass{rows, 0, ociInsert});
    bench::report("raw INSERT, one transaction", bench::Pass{rows, 0, rawInsert});
    std::printf("  oexn: %.2fx raw\n", ociInsert / rawInsert);
    bench::report("ofen fetch, batch arrays", ociFetch);
    bench::report("raw step + column_text", rawFetch);
    std::printf("  ofen: %.2fx raw\n", ociFetch.seconds / rawFetch.seconds);
    reportBytes("piecewise fetch, 8 KiB pieces", pieces);
    reportBytes("oflng, 8 KiB parts", parts);
    reportBytes("raw column_blob, 8 KiB copies", rawLong);
    std::printf("  pieces: %.2fx raw   oflng: %.2fx raw\n", pieces.seconds / rawLong.seconds,
                parts.seconds / rawLong.seconds);
    return 0;
}
