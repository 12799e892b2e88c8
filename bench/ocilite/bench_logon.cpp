// What a refused logon costs: an unknown user and a known user with a wrong password, each
// through olog, beside libsodium's own verification of one stored hash. The two refusals
// should cost the same, so that the time never tells whether a user exists.
// Run: build/bin/bench_logon [ATTEMPTS]
#include "bench_support.h"
#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <sodium.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using bench::Clock;

double refusals(const std::string &path, const char *user, int attempts) {
    const auto start = Clock::now();
    for (int i = 0; i < attempts; ++i) {
        Cda_Def lda{};
        ub1 hda[OCIV7_HDA_SIZE]{};
        olog(&lda, hda, (OraText *)user, -1, (OraText *)"wrong", -1, (OraText *)path.c_str(), -1,
             0);
    }
    return bench::secondsSince(start) / attempts;
}

double rawVerify(const std::string &path, int attempts) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    std::string hash;
    if (sqlite3_prepare_v2(db, "select password_hash from ocilite_users", -1, &st, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        hash = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    const auto start = Clock::now();
    for (int i = 0; i < attempts; ++i)
        if (crypto_pwhash_str_verify(hash.c_str(), "WRONG", 5) == 0)
            std::printf("unexpected match\n");
    return bench::secondsSince(start) / attempts;
}

} // namespace

int main(int argc, char **argv) {
    bench::setProgramName("bench_logon");
    const int attempts = argc > 1 ? std::atoi(argv[1]) : 10;
    bench::BenchHome home;
    const std::string path = home.path("logon.db");
    std::string error;
    {
        auto db = ocilite::Database::open(path, true, error);
        if (!db || !db->addUser("KNOWN", "secret", error)) {
            bench::fail(error);
            return 1;
        }
    }
    const double unknown = refusals(path, "NOBODY", attempts);
    const double wrong = refusals(path, "KNOWN", attempts);
    std::printf("unknown user      %8.1f ms per logon\n", unknown * 1e3);
    std::printf("wrong password    %8.1f ms per logon\n", wrong * 1e3);
    std::printf("raw hash verify   %8.1f ms\n", rawVerify(path, attempts) * 1e3);
    std::printf("unknown / wrong   %8.2f\n", unknown / wrong);
    return 0;
}
