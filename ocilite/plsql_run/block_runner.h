// Anonymous PL/SQL blocks (DECLARE ... BEGIN ... END; / BEGIN ... END;) run in the embedded
// database: compiled first (errors fail the block with ORA-06550 as Oracle reports them to a
// client, and nothing runs), checked for what the interpreter cannot run (ORA-03001 before
// anything runs), then run. An exception the block does not handle fails it with Oracle's
// error stack ("ORA-01403: no data found" then "ORA-06512: at line 5"), and what the block
// changed since it started is undone, as Oracle undoes a failed call.
#pragma once

#include "ocilite/plsql_run/output_buffer.h"

#include <atomic>
#include <string>

namespace ocilite {

class Database;

namespace plsql_run {

// A block's budget, counted in statements run (a loop's round counts as one), a statement
// that goes to the database as kSqlCost: a loop that never ends is stopped within seconds.
struct Limits {
    static constexpr long kSqlCost = 20;
    long statements = 10'000'000;            // what a block may spend in all
    const std::atomic<bool> *stop = nullptr; // set from another thread to stop the block
};

// The ORA-03001 detail for something a block holds that the interpreter does not run.
std::string unsupportedText(const std::string &what, int line);

// Runs the block as the database's current schema; throws OraError when it fails. Output
// of DBMS_OUTPUT goes to the buffer.
void runAnonymousBlock(Database &db, const std::string &block, OutputBuffer &output,
                       const Limits &limits);

} // namespace plsql_run

// The same with the database's own buffer and limits (its statement budget and break flag).
void runAnonymousBlock(Database &db, const std::string &block);

} // namespace ocilite
