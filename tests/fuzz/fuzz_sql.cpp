// Fuzzes the SQL translator and the statement engine through the twenty entry points, the way
// a program drives them: an input is a statement (with its exact length, zero bytes and all),
// a parse mode, binds of any external type and length, defines of any type and length, then
// execute and fetch. Every call must answer, and never with ORA-00600: an internal error
// means a statement the engine did not expect, which is a finding.
//
// Input: flags byte, statement, then per bind "name", "value" and a type byte, then per
// column a type byte and a length byte; pieces are separated by 0xFF.
#include "fuzz_input.h"

#include "oci/ociv7.h"
#include "ocilite/engine/database.h"

#include <sodium.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char *const kSetUp[] = {
    "CREATE TABLE DEPT (DEPTNO NUMBER(2) NOT NULL PRIMARY KEY, DNAME VARCHAR2(14), "
    "LOC VARCHAR2(13))",
    "CREATE TABLE EMP (EMPNO NUMBER(4) NOT NULL, ENAME VARCHAR2(10), HIREDATE DATE, "
    "SAL NUMBER(7,2), COMM NUMBER(7,2), DEPTNO NUMBER(2), NOTE CHAR(4))",
    "INSERT INTO DEPT VALUES (10, 'ACCOUNTING', 'NEW YORK')",
    "INSERT INTO DEPT VALUES (20, 'RESEARCH', NULL)",
    "INSERT INTO EMP VALUES (7369, 'SMITH', TO_DATE('17-12-1980', 'DD-MM-YYYY'), 800, NULL, "
    "20, 'a')",
    "INSERT INTO EMP VALUES (7839, 'KING', TO_DATE('1981-11-17', 'YYYY-MM-DD'), 5000.5, 0, 10, "
    "NULL)",
    "CREATE OR REPLACE PROCEDURE P IS\nBEGIN\n  UPDATE EMP SET SAL = SAL;\nEND;",
    "CREATE OR REPLACE PACKAGE PK AS\n  FUNCTION F(X NUMBER) RETURN NUMBER;\nEND PK;",
};

// The harness's world: a template database, the working copy the logon uses, and the logon.
struct World {
    std::string templatePath;
    std::string dbPath;
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    Cda_Def cur{};
};

void makeTemplate(const std::string &path) {
    std::string error;
    auto db = ocilite::Database::open(path, true, error);
    if (!db || !db->addUser("SCOTT", "TIGER", error)) {
        std::fprintf(stderr, "fuzz_sql: %s\n", error.c_str());
        std::abort();
    }
    for (const char *sql : kSetUp)
        if (!db->execute("SCOTT", sql, error)) {
            std::fprintf(stderr, "fuzz_sql: %s\n%s\n", sql, error.c_str());
            std::abort();
        }
    // A hash with the smallest work libsodium allows, so that the harness can log on again
    // after each input that changed the database (the library's own hashes cost 64 MB).
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, "TIGER", 5, crypto_pwhash_OPSLIMIT_MIN,
                          crypto_pwhash_MEMLIMIT_MIN) != 0)
        std::abort();
    const std::string update =
        std::string("UPDATE OCILITE_USERS SET PASSWORD_HASH = '") + hash + "'";
    sqlite3_exec(db->handle(), update.c_str(), nullptr, nullptr, nullptr);
}

void logOn(World &w) {
    fs::copy_file(w.templatePath, w.dbPath, fs::copy_options::overwrite_existing);
    for (const char *suffix : {"-wal", "-shm"})
        fs::remove(w.dbPath + suffix);
    if (olog(&w.lda, w.hda, (OraText *)"SCOTT", -1, (OraText *)"TIGER", -1,
             (OraText *)w.dbPath.c_str(), -1, 0) != 0 ||
        oopen(&w.cur, &w.lda, nullptr, -1, -1, nullptr, -1) != 0)
        std::abort();
}

World &world() {
    static World *w = [] {
        auto *made = new World;
        char pattern[] = "/tmp/fuzz-sql-XXXXXX";
        const std::string dir = ::mkdtemp(pattern);
        ::setenv("HOME", dir.c_str(), 1);
        ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        static const std::string folder = dir;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        });
        made->templatePath = dir + "/template.db";
        made->dbPath = dir + "/work.db";
        makeTemplate(made->templatePath);
        logOn(*made);
        return made;
    }();
    return *w;
}

// An internal error is a finding; anything else is an answer.
void check(World &w, int rc, const char *call) {
    if (rc != 600)
        return;
    char text[512] = {};
    oerhms(&w.lda, 600, (OraText *)text, sizeof text);
    std::fprintf(stderr, "fuzz_sql: %s answered %s\n", call, text);
    std::abort();
}

const int kTypes[] = {OCIV7_EXT_CHR,
                      OCIV7_EXT_INT,
                      OCIV7_EXT_FLT,
                      OCIV7_EXT_STR,
                      OCIV7_EXT_DAT,
                      OCIV7_EXT_AFC,
                      OCIV7_EXT_AVC,
                      2,
                      8,
                      23};

// Binds take values as the input spells them; the variable is exactly as long as the bind
// says, so a read past it is the sanitizer's to see.
void bind(World &w, fuzz::Input &in, std::vector<std::vector<ub1>> &values) {
    const std::string name(in.piece());
    const std::string_view value = in.piece();
    const int type = kTypes[in.below(std::size(kTypes))];
    const uint8_t how = in.byte();
    values.emplace_back(value.begin(), value.end());
    std::vector<ub1> &v = values.back();
    sb2 *indicator = nullptr;
    static sb2 null = -1;
    if (how & 1)
        indicator = &null;
    const sword length = (how & 2) ? -1 : static_cast<sword>(v.size());
    if (length < 0)
        v.push_back(0); // a terminated text for the -1 length
    const int rc =
        (how & 4)
            ? obndrn(&w.cur, in.byte() % 4, v.data(), length, type, -1, indicator, nullptr, -1, -1)
            : obndrv(&w.cur, (OraText *)name.data(), static_cast<sword>(name.size()),
                     v.empty() ? nullptr : v.data(), length, type, -1, indicator, nullptr, -1, -1);
    check(w, rc ? w.cur.rc : 0, "obndr");
}

struct Column {
    std::vector<ub1> buffer;
    sb2 indicator = 0;
    ub2 length = 0;
    ub2 code = 0;
};

void defineColumns(World &w, fuzz::Input &in, std::vector<Column> &columns) {
    for (int pos = 1; pos <= 64; ++pos) {
        sb4 dbsize = 0, cbufl = 32, dsize = 0;
        sb2 dbtype = 0, prec = 0, scale = 0, nullok = 0;
        sb1 name[32];
        if (odescr(&w.cur, pos, &dbsize, &dbtype, name, &cbufl, &dsize, &prec, &scale, &nullok)) {
            check(w, w.cur.rc, "odescr");
            return;
        }
        const int type = kTypes[in.below(std::size(kTypes))];
        const int size = in.byte() % 48;
        columns.emplace_back();
        Column &c = columns.back();
        c.buffer.resize(static_cast<size_t>(size));
        const bool extras = in.byte() & 1;
        const int rc = odefin(&w.cur, pos, c.buffer.empty() ? nullptr : c.buffer.data(), size, type,
                              -1, extras ? &c.indicator : nullptr, nullptr, -1, -1,
                              extras ? &c.length : nullptr, extras ? &c.code : nullptr);
        check(w, rc ? w.cur.rc : 0, "odefin");
    }
}

// Statements whose work grows without bound with their text (recursive queries, joins of
// many tables) are left out: they run as long as Oracle would, which is no finding.
bool boundedWork(std::string_view sql) {
    std::string upper(sql);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.find("WITH") != std::string::npos)
        return false;
    int tables = 0;
    for (const char *name : {"EMP", "DEPT", "DUAL", "USER_", "ALL_"})
        for (size_t at = upper.find(name); at != std::string::npos; at = upper.find(name, at + 1))
            ++tables;
    return tables <= 5;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    World &w = world();
    fuzz::Input in(data, size);
    const uint8_t flags = in.byte();
    const std::string_view sql = in.piece();
    if (!boundedWork(sql))
        return 0;
    int rc = oparse(&w.cur, (OraText *)sql.data(), static_cast<sb4>(sql.size()), flags & 1, 1);
    check(w, rc ? w.cur.rc : 0, "oparse");
    const ub2 ft = w.cur.ft;
    std::vector<std::vector<ub1>> values;
    for (unsigned i = 0; i < ((flags >> 1) & 3); ++i)
        bind(w, in, values);
    std::vector<Column> columns;
    columns.reserve(64);
    defineColumns(w, in, columns);
    rc = oexec(&w.cur);
    check(w, rc ? w.cur.rc : 0, "oexec");
    for (int row = 0; rc == 0 && row < 20; ++row) {
        rc = ofetch(&w.cur);
        check(w, rc ? w.cur.rc : 0, "ofetch");
        if (rc == OCIV7_RC_NULL_FETCHED || rc == OCIV7_RC_TRUNCATED)
            rc = 0;
    }
    char text[24];
    oerhms(&w.lda, static_cast<sb2>(w.cur.rc), (OraText *)text, sizeof text);
    if (flags & 8)
        ocan(&w.cur);
    orol(&w.lda);
    // Anything but a query or DML may have committed a change: start again from the template.
    const bool plain = ft == 0 || ft == OCIV7_FT_SELECT || ft == OCIV7_FT_INSERT ||
                       ft == OCIV7_FT_UPDATE || ft == OCIV7_FT_DELETE;
    if (!plain || (flags & 16)) {
        oclose(&w.cur);
        ologof(&w.lda);
        logOn(w);
    }
    return 0;
}
