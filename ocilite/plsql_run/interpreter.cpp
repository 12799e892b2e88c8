#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/engine/database.h"
#include "ocilite/plsql/lexer.h"
#include "ocilite/plsql_run/block_runner.h"

namespace ocilite::plsql_run {

Interpreter::Interpreter(Database &db, const plsql::ParsedUnit &unit, OutputBuffer &output,
                         Limits limits)
    : m_db(db), m_unit(unit), m_output(output), m_limits(limits),
      m_sql(db, [&db, &output, limits](const std::string &sql) {
          runAnonymousBlock(db, sql, output, limits);
      }) {
    m_conversions.dateFormat = db.dateFormat();
}

void Interpreter::run() {
    Scope outermost;
    m_scope = &outermost;
    block(m_unit.root);
}

Variable *Interpreter::variable(const std::string &name) {
    for (Scope *s = m_scope; s; s = s->parent) {
        const auto found = s->variables.find(name);
        if (found != s->variables.end())
            return &found->second;
    }
    return nullptr;
}

const Node *Interpreter::cursorQuery(const std::string &name) {
    for (Scope *s = m_scope; s; s = s->parent) {
        const auto found = s->cursors.find(name);
        if (found != s->cursors.end())
            return found->second;
    }
    return nullptr;
}

std::string Interpreter::text(uint32_t token) const {
    return std::string(plsql::tokenText(m_unit.source, m_unit.tokens[token]));
}

std::string Interpreter::word(uint32_t token) const {
    return plsql::identName(m_unit.source, m_unit.tokens[token]);
}

int Interpreter::line(const Node *n) const {
    return m_unit.tokens[n->first].line;
}

void Interpreter::fail(int code, const std::string &detail) {
    if (code >= 20000 && code <= 20999)
        throw Raised{code, "ORA-" + std::to_string(code) + ": " + detail, nullptr, m_line};
    throw Raised{code, oraText(code, detail), nullptr, m_line};
}

void Interpreter::unsupported(const std::string &what) {
    throw OraError(kOraUnimplemented, unsupportedText(what, m_line));
}

// Every statement (and every round of a loop) counts against the block's budget, and a
// request to stop is seen at the next one.
void Interpreter::countStatement(long cost) {
    if (m_limits.stop && m_limits.stop->load())
        throw OraError(kOraUserCancel);
    m_statements += cost;
    if (m_statements > m_limits.statements)
        throw OraError(kOraUnimplemented,
                       "anonymous PL/SQL block: stopped at line " + std::to_string(m_line) +
                           " after running too long (a loop that does not end?); the embedded "
                           "database runs at most " +
                           std::to_string(m_limits.statements) +
                           " statements of a block, a SQL statement counting as " +
                           std::to_string(Limits::kSqlCost));
}

SqlOutcome Interpreter::runSql(const std::string &sql, const Binds &binds, size_t keep) {
    countStatement(Limits::kSqlCost);
    return m_sql.run(sql, binds, keep);
}

} // namespace ocilite::plsql_run
