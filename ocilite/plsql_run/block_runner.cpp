#include "ocilite/plsql_run/block_runner.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/large_stack.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql_run/interpreter.h"
#include "ocilite/plsql_run/support_check.h"

#include <sqlite3.h>

namespace ocilite {
namespace plsql_run {
namespace {

// Oracle hands a client each compile error as ORA-06550 with its place, then the message.
void failCompiled(const std::vector<plsql::Diagnostic> &diagnostics) {
    std::string text;
    for (const plsql::Diagnostic &d : diagnostics) {
        if (d.warning)
            continue;
        if (!text.empty())
            text += '\n';
        text += oraText(kOraPlsqlCompileError,
                        {std::to_string(d.line), std::to_string(d.position), d.text});
    }
    if (!text.empty())
        throw OraError(kOraPlsqlCompileError, text, OraError::FullText{});
}

// An exception the block did not handle, as Oracle's error stack shows it.
OraError unhandled(const Raised &r) {
    const bool user = r.declared && r.code == 1;
    const int code = user ? kOraUnhandledUserException : r.code;
    const std::string first = user ? oraText(kOraUnhandledUserException) : r.message;
    return OraError(code, first + '\n' + oraText(kOraAtLine, "line " + std::to_string(r.line)),
                    OraError::FullText{});
}

void runParsed(Database &db, const plsql::ParsedUnit &unit, OutputBuffer &output,
               const Limits &limits) {
    // The walks over the tree recurse as deep as its longest operator chain.
    std::optional<Unsupported> u;
    runOnLargeStack([&] { u = findUnsupported(db, unit); });
    if (u)
        throw OraError(kOraUnimplemented, unsupportedText(u->what, u->line));
    markBlockStart(db);
    try {
        Interpreter interpreter(db, unit, output, limits);
        runOnLargeStack([&] { interpreter.run(); });
    } catch (const Raised &r) {
        undoBlock(db);
        throw unhandled(r);
    } catch (...) {
        undoBlock(db);
        throw;
    }
    releaseBlock(db);
}

} // namespace

std::string unsupportedText(const std::string &what, int line) {
    return "anonymous PL/SQL block: " + what + " (line " + std::to_string(line) +
           ") is not supported by the embedded database";
}

void runAnonymousBlock(Database &db, const std::string &block, OutputBuffer &output,
                       const Limits &limits) {
    failCompiled(compileAnonymousBlock(db.handle(), db.catalog(), db.currentSchema(), block));
    const std::unique_ptr<plsql::ParsedUnit> unit = plsql::parseTriggerBody(block);
    if (!unit->root || unit->root->kind != plsql::NK::Block)
        throw OraError(kOraInvalidSql);
    runParsed(db, *unit, output, limits);
}

} // namespace plsql_run

void runAnonymousBlock(Database &db, const std::string &block) {
    plsql_run::Limits limits;
    limits.stop = db.stopFlag();
    plsql_run::runAnonymousBlock(db, block, db.output(), limits);
}

} // namespace ocilite
