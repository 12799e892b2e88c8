// The SQL of a block: static statements (SELECT INTO, INSERT, UPDATE, DELETE, MERGE, COMMIT,
// ROLLBACK, SAVEPOINT ...) with the block's variables bound where they are named (a column
// of the statement's tables takes precedence, as in Oracle), and EXECUTE IMMEDIATE with its
// USING values and INTO targets.
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <algorithm>
#include <cstdint>

namespace ocilite::plsql_run {
namespace {

using plsql::Kw;
using plsql::Tok;

// The INTO clause of a query (not of its subqueries).
const Node *intoOf(const Node *n) {
    for (const Node *c = n ? n->child : nullptr; c; c = c->next) {
        if (c->kind == NK::Into)
            return c;
        if (c->kind == NK::QueryBlock || c->kind == NK::Select)
            if (const Node *found = intoOf(c))
                return found;
    }
    return nullptr;
}

bool isName(const plsql::Token &t) {
    return t.kind == Tok::Word || t.kind == Tok::QuotedIdent;
}

bool isOp(const plsql::ParsedUnit &u, size_t i, char c) {
    const plsql::Token &t = u.tokens[i];
    return t.kind == Tok::Op && t.length == 1 && u.source[t.offset] == c;
}

// INSERT INTO t [alias] (columns) ...: the token range of the column list, whose names are
// the table's columns and never the block's variables; empty for other statements.
std::pair<size_t, size_t> insertColumns(const plsql::ParsedUnit &u, const Node *n) {
    size_t i = n->first;
    if (u.tokens[i].kw != uint16_t(Kw::INSERT) || u.tokens[i + 1].kw != uint16_t(Kw::INTO))
        return {0, 0};
    i += 2;
    while (i + 2 < n->end && isName(u.tokens[i]) && isOp(u, i + 1, '.'))
        i += 2;
    ++i; // the table's name
    if (i < n->end && isName(u.tokens[i]) && u.tokens[i].kw != uint16_t(Kw::VALUES) &&
        u.tokens[i].kw != uint16_t(Kw::SELECT))
        ++i; // an alias
    if (i + 1 >= n->end || !isOp(u, i, '(') || u.tokens[i + 1].kw == uint16_t(Kw::SELECT) ||
        u.tokens[i + 1].kw == uint16_t(Kw::WITH))
        return {0, 0};
    size_t close = i;
    for (int depth = 0; close < n->end; ++close) {
        depth += isOp(u, close, '(') ? 1 : isOp(u, close, ')') ? -1 : 0;
        if (depth == 0)
            break;
    }
    return {i, close};
}

} // namespace

void Interpreter::sqlStatement(const Node *s) {
    const Node *body = s->child;
    const Node *into = body && body->kind == NK::Select ? intoOf(body) : nullptr;
    for (const Node *c = body ? body->child : nullptr; c; c = c->next)
        if (c->kind == NK::Returning)
            unsupported("RETURNING INTO");
    if (into && m_unit.tokens[into->first].kw == uint16_t(Kw::BULK))
        unsupported("BULK COLLECT");
    m_columns = columnsOfStatement(s);
    Binds binds;
    const std::string sql = render(s, into, binds);
    m_columns.clear();
    const SqlOutcome out = runSql(sql, binds, into ? 1 : 0);
    if (into)
        this->into(into, out);
    counted(out);
}

// FOR r IN (query) / FOR r IN cursor: the rows are read first, then the body runs once for
// each with r's fields holding the row (so the body may change the tables it reads).
Flow Interpreter::forCursor(const Node *s) {
    const std::string label = std::exchange(m_label, {});
    const Node *source = s->child;
    const Node *query = source->kind == NK::Select ? source : cursorQuery(word(source->first));
    if (!query)
        unsupported("a cursor FOR loop over " + text(source->first));
    m_columns = columnsOfStatement(query);
    Binds binds;
    const std::string sql = render(query, nullptr, binds);
    m_columns.clear();
    const SqlOutcome rows = runSql(sql, binds, SIZE_MAX);
    Scope scope;
    Variable &record = scope.variables[word(s->tok)];
    record.record = true;
    for (const std::string &column : rows.columns)
        record.fields.emplace_back(column, Value());
    const EnteredScope entered(m_scope, scope);
    bool stop = false;
    for (const std::vector<Value> &row : rows.fetched) {
        for (size_t i = 0; i < row.size() && i < record.fields.size(); ++i)
            record.fields[i].second = row[i];
        const Flow flow = loopBody(source->next, label, stop);
        if (stop)
            return flow;
    }
    return Flow::Next;
}

void Interpreter::counted(const SqlOutcome &out) {
    m_sqlRows = out.query ? std::min<long>(out.rows, 1) : out.rows;
}

// SELECT ... INTO: exactly one row (ORA-01403 / ORA-01422 otherwise), one target a column.
void Interpreter::into(const Node *targets, const SqlOutcome &out) {
    if (!out.query)
        return;
    if (out.rows == 0)
        fail(kOraNoDataFound);
    if (out.rows > 1)
        fail(kOraExactFetchTooMany);
    const std::vector<Value> &row = out.fetched.front();
    if (!targets->child->next) {
        const Place record = locate(targets->child, true);
        if (record.var && !record.value && record.var->record)
            return fillRecord(*record.var, row);
    }
    size_t i = 0;
    for (const Node *t = targets->child; t; t = t->next, ++i) {
        if (i >= row.size())
            unsupported("INTO with more targets than columns");
        store(t, row[i]);
    }
    if (i != row.size())
        unsupported("INTO with fewer targets than columns");
}

void Interpreter::executeImmediate(const Node *s) {
    const Node *statement = s->child;
    const Node *into = nullptr;
    std::vector<const Node *> using_;
    for (const Node *c = statement->next; c; c = c->next) {
        if (c->kind == NK::Into)
            into = c;
        else if (c->kind == NK::Returning)
            unsupported("RETURNING INTO");
        else if (m_unit.tokens[c->first - 1].kw == uint16_t(Kw::OUT))
            unsupported("USING OUT");
        else
            using_.push_back(c);
    }
    if (into && m_unit.tokens[into->first].kw == uint16_t(Kw::BULK))
        unsupported("BULK COLLECT");
    const std::string sql = asText(eval(statement), m_conversions);
    Binds binds;
    if (!using_.empty()) {
        const std::vector<std::string> names = m_sql.placeholders(sql);
        if (names.size() > using_.size())
            fail(kOraNotAllBound);
        if (names.size() < using_.size())
            fail(kOraBindVariableMissing);
        for (size_t i = 0; i < names.size(); ++i)
            binds[names[i]] = eval(using_[i]);
    }
    const SqlOutcome out = runSql(sql, binds, into ? 1 : 0);
    if (into)
        this->into(into, out);
    counted(out);
}

// The statement's text from its tokens, the INTO clause left out and each name of a variable
// (or a loop record's field) replaced by a placeholder bound to its value.
std::string Interpreter::render(const Node *n, const Node *skip, Binds &binds) {
    std::string out;
    size_t end = n->end;
    if (end > n->first && text(static_cast<uint32_t>(end - 1)) == ";")
        --end;
    size_t gapFrom = m_unit.tokens[n->first].offset;
    const auto [columnsFrom, columnsTo] = insertColumns(m_unit, n);
    std::map<uint32_t, const Node *> names;
    nameNodes(n, names);
    for (size_t i = n->first; i < end;) {
        const plsql::Token &t = m_unit.tokens[i];
        out += m_unit.source.substr(gapFrom, t.offset > gapFrom ? t.offset - gapFrom : 0);
        const bool column = i > columnsFrom && i < columnsTo;
        if (skip && i == skip->first) {
            i = skip->end;
            out += ' ';
        } else if (column || !renderName(i, end, out, binds, names)) {
            out += plsql::tokenText(m_unit.source, t);
            ++i;
        }
        const plsql::Token &last = m_unit.tokens[i - 1];
        gapFrom = last.offset + last.length;
    }
    return out;
}

void Interpreter::nameNodes(const Node *n, std::map<uint32_t, const Node *> &names) {
    for (const Node *c = n->child; c; c = c->next) {
        if (c->kind == NK::Name)
            names.emplace(c->first, c);
        nameNodes(c, names);
    }
}

// A name of the block's (a variable, a record's field, a table's element or method,
// SQL%attribute) becomes a placeholder bound to its value; a column of the same name wins.
bool Interpreter::renderName(size_t &i, size_t end, std::string &out, Binds &binds,
                             const std::map<uint32_t, const Node *> &names) {
    const std::vector<plsql::Token> &t = m_unit.tokens;
    if (!isName(t[i]) || (i > 0 && text(static_cast<uint32_t>(i - 1)) == "."))
        return false;
    const std::string id = word(static_cast<uint32_t>(i));
    const bool attribute = id == "SQL" && i + 2 < end && text(static_cast<uint32_t>(i + 1)) == "%";
    Variable *v = attribute ? nullptr : variable(id);
    const auto node = names.find(static_cast<uint32_t>(i));
    const bool whole = node != names.end() && node->second->end <= end;
    const bool single = !whole || !node->second->child || !node->second->child->next;
    const bool error = !v && whole && single && (id == "SQLCODE" || id == "SQLERRM");
    if (!attribute && !error &&
        (!v || (single && std::find(m_columns.begin(), m_columns.end(), id) != m_columns.end())))
        return false;
    if (v && whole && !single && !v->record && !v->table)
        return false; // an alias's column that a variable's name shadows not
    Value value;
    size_t next = i + 1;
    if (attribute) {
        value = sqlAttribute(word(static_cast<uint32_t>(i + 2)));
        next = i + 3;
    } else if (whole) {
        value = eval(node->second);
        next = node->second->end;
    } else if (v && !v->record && !v->table) {
        value = v->value;
    } else {
        return false;
    }
    const std::string bind = "B" + std::to_string(binds.size() + 1);
    binds[bind] = value;
    out += value.kind == Value::Kind::Date ? "TO_DATE(:" + bind + ", 'YYYY-MM-DD HH24:MI:SS')"
                                           : ":" + bind;
    i = next;
    return true;
}

// The column names of the tables and views the statement names.
std::vector<std::string> Interpreter::columnsOfStatement(const Node *n) {
    std::vector<std::string> columns;
    const Catalog &catalog = m_db.catalog();
    for (size_t i = n->first; i < n->end; ++i) {
        if (!isName(m_unit.tokens[i]) || variable(word(static_cast<uint32_t>(i))))
            continue;
        // INSERT's table is no scope of its VALUES.
        if (i >= 2 && m_unit.tokens[i - 1].kw == uint16_t(Kw::INTO) &&
            m_unit.tokens[i - 2].kw == uint16_t(Kw::INSERT))
            continue;
        const bool qualified = i + 2 < n->end && text(static_cast<uint32_t>(i + 1)) == "." &&
                               isName(m_unit.tokens[i + 2]);
        std::optional<std::string> table =
            qualified ? catalog.tableFor(word(static_cast<uint32_t>(i)),
                                         word(static_cast<uint32_t>(i + 2)))
                      : std::nullopt;
        if (!table)
            table = catalog.tableFor(m_db.currentSchema(), word(static_cast<uint32_t>(i)));
        if (table)
            for (const auto &column : catalog.columnsOf(*table))
                columns.push_back(column.first);
    }
    return columns;
}

} // namespace ocilite::plsql_run
