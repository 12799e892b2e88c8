#include "ocilite/plsql_run/sql_runner.h"

#include "ocilite/dialect/translation.h"
#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>

namespace ocilite::plsql_run {
namespace {

void bindOne(sqlite3_stmt *stmt, int index, const Value &v) {
    switch (v.kind) {
    case Value::Kind::Null:
        sqlite3_bind_null(stmt, index);
        break;
    case Value::Kind::Number:
        if (v.integral)
            sqlite3_bind_int64(stmt, index, v.i);
        else
            sqlite3_bind_double(stmt, index, v.d);
        break;
    case Value::Kind::Text:
    case Value::Kind::Date:
        sqlite3_bind_text(stmt, index, v.s.data(), static_cast<int>(v.s.size()), SQLITE_TRANSIENT);
        break;
    case Value::Kind::Boolean:
        throw OraError(kOraUnimplemented,
                       "a BOOLEAN value in SQL is not supported by the embedded database");
    }
}

void bindAll(sqlite3_stmt *stmt, const std::vector<std::string> &names, const Binds &binds) {
    sqlite3_reset(stmt);
    for (size_t i = 0; i < names.size(); ++i) {
        const auto found = binds.find(names[i]);
        if (found == binds.end())
            throw OraError(kOraNotAllBound);
        bindOne(stmt, static_cast<int>(i + 1), found->second);
    }
}

Value columnValue(sqlite3_stmt *stmt, int column, bool isDate) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return Value::null();
    case SQLITE_INTEGER:
        return Value::integer(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return Value::real(sqlite3_column_double(stmt, column));
    default:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    std::string s(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, column)));
    return isDate ? Value::date(std::move(s)) : Value::text(std::move(s));
}

long step(sqlite3 *db, sqlite3_stmt *stmt) {
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        throwSqliteError(db, rc);
    return sqlite3_changes(db);
}

constexpr const char *kSavepoint = "\"ocilite block\"";

} // namespace

void markBlockStart(Database &db) {
    db.beginWork();
    exec(db.handle(), std::string("SAVEPOINT ") + kSavepoint);
}

void releaseBlock(Database &db) {
    sqlite3_exec(db.handle(), (std::string("RELEASE ") + kSavepoint).c_str(), nullptr, nullptr,
                 nullptr);
}

// A COMMIT in the block since its last mark leaves nothing to undo (the savepoint went with it).
void undoBlock(Database &db) {
    const std::string sql = std::string("ROLLBACK TO ") + kSavepoint + "; RELEASE " + kSavepoint;
    if (sqlite3_exec(db.handle(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK)
        db.catalog().invalidate();
}

std::vector<std::string> SqlRunner::placeholders(const std::string &sql) {
    const Translation tr = translate(sql, m_db.currentSchema(), m_db.catalog());
    std::vector<std::string> names;
    const auto add = [&](const std::vector<std::string> &binds) {
        for (const std::string &b : binds)
            if (std::find(names.begin(), names.end(), b) == names.end())
                names.push_back(b);
    };
    add(tr.binds);
    for (const SqlPart &part : tr.parts)
        add(part.binds);
    return names;
}

SqlOutcome SqlRunner::run(const std::string &sql, const Binds &binds, size_t keep) {
    const Translation tr = translate(sql, m_db.currentSchema(), m_db.catalog());
    SqlOutcome out;
    if (tr.kind == StatementKind::Block) {
        if (!binds.empty())
            throw OraError(kOraUnimplemented, "USING with a PL/SQL block in EXECUTE IMMEDIATE is "
                                              "not supported by the embedded database");
        m_nested(sql);
        return out;
    }
    if (tr.isDdl() || tr.kind == StatementKind::Commit || tr.kind == StatementKind::Rollback) {
        if (tr.isDdl())
            m_db.runDdl(tr);
        else
            transactionControl(tr);
        markBlockStart(m_db); // what follows is undone alone when the block fails
        return out;
    }
    if (transactionControl(tr))
        return out;
    if (tr.isQuery())
        return query(tr, binds, keep);
    out.rows = dml(tr, binds);
    return out;
}

bool SqlRunner::transactionControl(const Translation &tr) {
    switch (tr.kind) {
    case StatementKind::Commit:
        m_db.commitWork();
        return true;
    case StatementKind::Rollback:
        m_db.rollbackWork();
        return true;
    case StatementKind::Savepoint:
        m_db.savepoint(tr.objectName);
        return true;
    case StatementKind::RollbackTo:
        m_db.rollbackTo(tr.objectName);
        return true;
    default:
        return false;
    }
}

SqlOutcome SqlRunner::query(const Translation &tr, const Binds &binds, size_t keep) {
    Prepared stmt(m_db.handle(), tr.sql);
    bindAll(stmt.get(), tr.binds, binds);
    SqlOutcome out;
    out.query = true;
    const int n = sqlite3_column_count(stmt.get());
    const bool named = static_cast<int>(tr.items.size()) == n;
    std::vector<bool> dates(static_cast<size_t>(n), false);
    for (int c = 0; c < n; ++c) {
        const auto &item = named ? tr.items[static_cast<size_t>(c)] : SelectItem{};
        out.columns.push_back(named ? item.name : sqlite3_column_name(stmt.get(), c));
        const char *decl = sqlite3_column_decltype(stmt.get(), c);
        const std::optional<OraType> type = item.type ? item.type
                                            : decl    ? parseDeclaredType(decl)
                                                      : std::nullopt;
        dates[static_cast<size_t>(c)] = type && type->isDate();
    }
    while (stmt.step()) {
        if (static_cast<size_t>(out.rows++) >= keep)
            break; // one row past those asked for tells there are more
        std::vector<Value> row;
        for (int c = 0; c < n; ++c)
            row.push_back(columnValue(stmt.get(), c, dates[static_cast<size_t>(c)]));
        out.fetched.push_back(std::move(row));
    }
    return out;
}

long SqlRunner::dml(const Translation &tr, const Binds &binds) {
    m_db.beginWork();
    sqlite3 *db = m_db.handle();
    long rows = 0;
    const auto run = [&] {
        Prepared stmt(db, tr.sql);
        bindAll(stmt.get(), tr.binds, binds);
        rows = step(db, stmt.get());
        for (const SqlPart &part : tr.parts) {
            Prepared more(db, part.sql);
            bindAll(more.get(), part.binds, binds);
            rows += step(db, more.get());
        }
    };
    if (tr.parts.empty())
        run();
    else
        asOneStatement(db, run);
    return rows;
}

} // namespace ocilite::plsql_run
