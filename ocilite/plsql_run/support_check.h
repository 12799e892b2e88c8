// What the interpreter of anonymous blocks runs, told before a block runs (private): a walk
// over the compiled block that finds the first construct it does not run (cursors opened and
// fetched, collections, records, local subprograms, calls of stored units and supplied
// packages, host bind variables ...), so a block is refused whole instead of failing part way.
#pragma once

#include "ocilite/plsql/syntax.h"

#include <optional>
#include <set>
#include <string>

namespace ocilite {
class Database;
}

namespace ocilite::plsql_run {

struct Unsupported {
    std::string what;
    int line = 0;
};

// The first construct of the block the interpreter does not run, or nothing.
std::optional<Unsupported> findUnsupported(Database &db, const plsql::ParsedUnit &unit);

} // namespace ocilite::plsql_run
