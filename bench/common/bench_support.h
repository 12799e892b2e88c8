// What the benchmark programs share: timing a pass, the raw SQLite pass over the same data
// that every figure is printed beside, the SQLite table that holds a schema's table, a
// private home for the run, and the report lines.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

namespace bench {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start);

// One timed pass over rows; bytes keeps the reads from being optimised away.
struct Pass {
    long rows = 0;
    long long bytes = 0;
    double seconds = 0;
};

// The fastest of several passes of the same kind.
double bestSeconds(const std::vector<Pass> &passes);

// "name  rows  s  rows/s" on one line.
void report(const char *name, const Pass &pass);

// Prints "<program>: what" to stderr; returns false so callers can `return fail(...)`.
bool fail(const std::string &what);
// The program name fail() prints.
void setProgramName(const char *name);

// The raw pass: the statement prepared and stepped on a read-only connection of its own,
// every column of every row read as text; timed from the prepare to the last row.
bool rawPass(const std::string &path, const std::string &sql, Pass &pass,
             const std::vector<std::string> &binds = {});

// The name of the SQLite table that holds a schema's table (the engine decides it).
std::string storageTable(sqlite3 *db, const std::string &table);
std::string storageTable(const std::string &path, const std::string &table);

// A temporary folder for the run with XDG_DATA_HOME and XDG_CONFIG_HOME below it, so the run
// never touches the user's databases or settings; removed at the end.
class BenchHome {
public:
    BenchHome();
    ~BenchHome();
    BenchHome(const BenchHome &) = delete;
    BenchHome &operator=(const BenchHome &) = delete;
    std::string path(const std::string &name) const { return (m_dir / name).string(); }

private:
    std::filesystem::path m_dir;
};

} // namespace bench
