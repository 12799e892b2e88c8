// Speed of the PL/SQL compiler: parses and resolves a generated 100,000-line package body
// (and, when folders are given on the command line, every unit of a real project such as
// utPLSQL's sources), printing lines per second beside the time raw SQLite takes to store
// the same lines in the same run; then stores the body through the engine (source, compile,
// 1,000 error rows) and prints that time as a multiple of storing the source alone.
#include "ocilite/engine/database.h"
#include "ocilite/plsql/compiler.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace ocilite::plsql;

namespace {

constexpr int kProcedures = 4546; // 22 lines each: 100,012 lines with the head and END
constexpr int kFaultEvery = 9;    // every 9th procedure has one undeclared name: 2 rows

double seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string procedure(int n, bool fault) {
    const std::string id = std::to_string(n);
    return "    PROCEDURE proc_" + id +
           " (p_id IN NUMBER, p_name IN VARCHAR2) IS\n"
           "        v_total NUMBER := 0;\n        v_name  VARCHAR2(100);\n"
           "        CURSOR c_items IS SELECT id, amount FROM bench_items WHERE owner_id = p_id;\n"
           "    BEGIN\n        FOR r IN c_items LOOP\n            IF r.amount > 100 THEN\n"
           "                v_total := v_total + r.amount * 2;\n"
           "            ELSIF r.amount < 0 THEN\n"
           "                v_total := v_total - ABS(r.amount);\n            ELSE\n" +
           std::string(fault ? "                v_total := v_totl + NVL(r.amount, 0);\n"
                             : "                v_total := v_total + NVL(r.amount, 0);\n") +
           "            END IF;\n        END LOOP;\n"
           "        v_name := UPPER(SUBSTR(p_name, 1, 50)) || TO_CHAR(v_total);\n"
           "        UPDATE bench_items SET amount = v_total WHERE owner_id = p_id;\n"
           "        DBMS_OUTPUT.PUT_LINE(v_name);\n    EXCEPTION\n        WHEN NO_DATA_FOUND THEN\n"
           "            NULL;\n    END proc_" +
           id + ";\n\n";
}

std::string bigBody() {
    std::string text = "PACKAGE BODY bench_pkg AS\n";
    for (int n = 1; n <= kProcedures; ++n)
        text += procedure(n, n % kFaultEvery == 0);
    return text + "END bench_pkg;";
}

class BenchSchema : public SchemaLookup {
public:
    std::optional<SchemaObject> object(const std::string &o, const std::string &n) const override {
        if (n == "BENCH_PKG")
            return SchemaObject{o, n, "PACKAGE", false};
        if (n == "BENCH_ITEMS")
            return SchemaObject{o, n, "TABLE", false};
        return std::nullopt;
    }
    std::optional<std::string> source(const std::string &, const std::string &n,
                                      const std::string &) const override {
        if (n == "BENCH_PKG")
            return std::string("PACKAGE bench_pkg AS\n  PROCEDURE proc_1 (p_id IN NUMBER, "
                               "p_name IN VARCHAR2);\nEND bench_pkg;");
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> columns(const std::string &,
                                                    const std::string &) const override {
        return std::vector<std::string>{"ID", "OWNER_ID", "AMOUNT"};
    }
    bool userExists(const std::string &) const override { return false; }
};

std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line + "\n");
    return lines;
}

// Raw SQLite: the lines into a table like the dictionary's source table, one transaction.
double rawStore(const fs::path &file, const std::vector<std::string> &lines) {
    sqlite3 *db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=WAL; CREATE TABLE IF NOT EXISTS S(OWNER, NAME, TYPE, "
                 "LINE, TEXT, PRIMARY KEY(OWNER, NAME, TYPE, LINE)); DELETE FROM S;",
                 nullptr, nullptr, nullptr);
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO S VALUES ('BENCH', 'BENCH_PKG', 'PACKAGE BODY', ?1, ?2)",
                       -1, &st, nullptr);
    for (size_t i = 0; i < lines.size(); ++i) {
        sqlite3_bind_int64(st, 1, static_cast<sqlite3_int64>(i + 1));
        sqlite3_bind_text(st, 2, lines[i].c_str(), -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double t = seconds(start);
    sqlite3_close(db);
    return t;
}

double bestOf(int rounds, const std::function<void()> &f) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        f();
        best = std::min(best, seconds(start));
    }
    return best;
}

} // namespace

namespace {

// The units of the scripts under `dir` (text from the unit keyword to the "/" line).
void collectUnits(const fs::path &dir, std::vector<std::string> &units) {
    static const std::regex create(
        R"(^\s*create\s+(or\s+replace\s+)?((editionable|noneditionable)\s+)?(package|procedure|function|type|trigger)\b)",
        std::regex::icase);
    for (const auto &e : fs::recursive_directory_iterator(dir)) {
        const std::string ext = e.path().extension().string();
        if (!e.is_regular_file() || (ext != ".pks" && ext != ".pkb" && ext != ".tps" &&
                                     ext != ".tpb" && ext != ".sql" && ext != ".trg"))
            continue;
        std::ifstream in(e.path());
        std::string line, unit;
        bool inUnit = false;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!inUnit && std::regex_search(line, m, create)) {
                inUnit = true;
                unit = line.substr(static_cast<size_t>(m.position(4))) + "\n";
            } else if (inUnit && line.find_first_not_of(" \t\r") != std::string::npos &&
                       line.substr(line.find_first_not_of(" \t\r"), 1) == "/" &&
                       line.find_first_not_of(" \t\r/") == std::string::npos) {
                units.push_back(unit);
                inUnit = false;
            } else if (inUnit) {
                unit += line + "\n";
            }
        }
    }
}

void benchProject(int argc, char **argv, const BenchSchema &schema, const fs::path &dbFile) {
    std::vector<std::string> units;
    for (int i = 1; i < argc; ++i)
        collectUnits(argv[i], units);
    if (units.empty())
        return;
    std::string all;
    for (const std::string &u : units)
        all += u;
    const std::vector<std::string> lines = splitLines(all);
    const double compile = bestOf(3, [&] {
        for (const std::string &u : units)
            compileUnit("BENCH", "PACKAGE BODY", u, schema);
    });
    const double raw = bestOf(3, [&] { rawStore(dbFile, lines); });
    std::printf("project sources: %zu units, %zu lines: parse+resolve %.3f s = %.0f lines/s; "
                "raw SQLite store of the same lines %.3f s\n",
                units.size(), lines.size(), compile, lines.size() / compile, raw);
}

// The body through the engine (source + compile + error rows) against raw storage.
void benchEngine(const std::string &body, const fs::path &dir, double raw) {
    std::string error;
    auto db = ocilite::Database::open((dir / "engine.db").string(), true, error);
    if (!db || !db->addUser("BENCH", "bench", error) ||
        !db->execute("BENCH",
                     "CREATE TABLE bench_items (id NUMBER, owner_id NUMBER, amount NUMBER)",
                     error) ||
        !db->execute("BENCH",
                     "CREATE PACKAGE bench_pkg AS\n  PROCEDURE proc_1 (p_id IN NUMBER, "
                     "p_name IN VARCHAR2);\nEND bench_pkg;",
                     error)) {
        std::fprintf(stderr, "bench_plsql: %s\n", error.c_str());
        std::exit(1);
    }
    const std::string create = "CREATE OR REPLACE " + body;
    const double engine = bestOf(3, [&] {
        if (!db->execute("BENCH", create, error))
            std::fprintf(stderr, "bench_plsql: %s\n", error.c_str());
    });
    std::printf("engine CREATE of the body (source + compile + error rows): %.3f s = %.2fx raw "
                "SQLite storing its source\n",
                engine, engine / raw);
}

} // namespace

int main(int argc, char **argv) {
    const fs::path dir = fs::temp_directory_path() / ("bench_plsql_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string body = bigBody();
    const std::vector<std::string> lines = splitLines(body);
    const BenchSchema schema;
    size_t rows = 0;
    const double compile =
        bestOf(3, [&] { rows = compileUnit("BENCH", "PACKAGE BODY", body, schema).errors.size(); });
    const double raw = bestOf(3, [&] { rawStore(dir / "raw.db", lines); });
    std::printf("generated body: %zu lines, %zu error rows: parse+resolve %.3f s = %.0f lines/s; "
                "raw SQLite store of the same lines %.3f s\n",
                lines.size(), rows, compile, lines.size() / compile, raw);
    benchEngine(body, dir, raw);
    benchProject(argc, argv, schema, dir / "raw.db");
    fs::remove_all(dir);
    return 0;
}
