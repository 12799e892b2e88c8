// The statement's preparation, describe, defines and binds; execution is in
// statement_execute.cpp and fetching in statement_fetch.cpp.
#include "ocilite/engine/statement.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/external_types.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>

namespace ocilite {

Statement::Statement(Database &db, const std::string &oracleSql)
    : m_db(db), m_tr(translate(oracleSql, db.currentSchema(), db.catalog())),
      m_placeholders(m_tr.binds.begin(), m_tr.binds.end()) {
    for (const SqlPart &part : m_tr.parts)
        m_placeholders.insert(part.binds.begin(), part.binds.end());
    if (!m_tr.isQuery() && !m_tr.isDml())
        return;
    try {
        prepare();
    } catch (...) {
        finalize();
        throw;
    }
}

Statement::~Statement() {
    closeRows();
    finalize();
}

void Statement::finalize() {
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    for (sqlite3_stmt *part : m_parts)
        sqlite3_finalize(part);
    m_parts.clear();
}

void Statement::prepare() {
    const auto prepareOne = [this](const std::string &sql) {
        sqlite3_stmt *stmt = nullptr;
        const int rc = sqlite3_prepare_v3(m_db.handle(), sql.c_str(), static_cast<int>(sql.size()),
                                          SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK)
            throwSqliteError(m_db.handle(), rc);
        return stmt;
    };
    m_stmt = prepareOne(m_tr.sql);
    for (const SqlPart &part : m_tr.parts)
        m_parts.push_back(prepareOne(part.sql));
    if (m_tr.isQuery())
        describe();
}

void Statement::describe() {
    const int n = sqlite3_column_count(m_stmt);
    const bool named = static_cast<int>(m_tr.items.size()) == n;
    m_columns.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        DescribedColumn &c = m_columns[static_cast<size_t>(i)];
        c.name = named ? m_tr.items[static_cast<size_t>(i)].name : sqlite3_column_name(m_stmt, i);
        const char *decl = sqlite3_column_decltype(m_stmt, i);
        std::optional<OraType> type;
        if (named && m_tr.items[static_cast<size_t>(i)].type)
            type = m_tr.items[static_cast<size_t>(i)].type;
        else if (decl)
            type = parseDeclaredType(decl);
        c.type = type ? *type : OraType::varchar2(4000);
        const char *table = sqlite3_column_table_name(m_stmt, i);
        const char *origin = sqlite3_column_origin_name(m_stmt, i);
        const char *database = sqlite3_column_database_name(m_stmt, i);
        int notNull = 0;
        if (table && origin &&
            sqlite3_table_column_metadata(m_db.handle(), database, table, origin, nullptr, nullptr,
                                          &notNull, nullptr, nullptr) == SQLITE_OK)
            c.nullable = !notNull;
    }
    m_defines.assign(m_columns.size(), DefineSpec());
    m_last.assign(m_columns.size(), LastFetched());
}

const DescribedColumn *Statement::column(int position) const {
    if (position < 1 || static_cast<size_t>(position) > m_columns.size())
        return nullptr;
    return &m_columns[static_cast<size_t>(position - 1)];
}

void Statement::define(int position, const DefineSpec &spec) {
    if (!m_tr.isQuery() || position < 1 || static_cast<size_t>(position) > m_columns.size())
        throw OraError(kOraNotInSelectList);
    if (spec.piecewise) {
        // The buffers come piece by piece; only the type must be one there is.
        knownExternalType(spec.externalType);
    } else {
        // A define without a buffer would report rows it never delivers; one whose length the
        // type cannot have would write past the caller's variable.
        if (spec.buffer == nullptr)
            throw OraError(kOraMissingParameter);
        checkedExternalType(spec.externalType, spec.length, true);
    }
    m_defines[static_cast<size_t>(position - 1)] = spec;
}

void Statement::bind(const std::string &name, const BindSpec &spec) {
    std::string key = name;
    if (!key.empty() && key[0] == ':')
        key.erase(0, 1);
    if (!(key.size() > 1 && key.front() == '"' && key.back() == '"'))
        key = foldName(key);
    else
        key = key.substr(1, key.size() - 2);
    if (!m_placeholders.count(key))
        throw OraError(kOraIllegalVariable);
    // Checked now, though the variable is read only at execution: a length the type cannot
    // have would make every later execution read past the variable.
    if (spec.value && !spec.piecewise && !spec.actualLength)
        checkedExternalType(spec.externalType, spec.length, false);
    else
        knownExternalType(spec.externalType);
    m_binds[key] = spec;
}

void Statement::bind(int number, const BindSpec &spec) {
    if (number < 1)
        throw OraError(kOraIllegalVariable);
    bind(std::to_string(number), spec);
}

void Statement::cancel() {
    closeRows();
    m_pieces.clear();
    m_executed = false;
    m_done = true;
}

void Statement::closeRows() {
    m_db.openQueries().remove(this);
    m_rows.clear();
    m_haveRow = false;
    m_batchWanted = m_batchDone = 0;
    m_inRow = false;
    m_resumeColumn = 0;
}

void Statement::holdRemainingRows() {
    m_rows.hold();
}

} // namespace ocilite
