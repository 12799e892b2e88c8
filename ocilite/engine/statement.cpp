#include "ocilite/engine/statement.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/conversions.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>

namespace ocilite {
namespace {

bool validExternalType(int type) {
    switch (type) {
    case OCIV7_EXT_CHR:
    case OCIV7_EXT_INT:
    case OCIV7_EXT_FLT:
    case OCIV7_EXT_STR:
    case OCIV7_EXT_DAT:
    case OCIV7_EXT_AFC:
    case OCIV7_EXT_AVC:
        return true;
    default:
        return false;
    }
}

// A binary number or date needs the room its type takes: an integer of 1, 2, 4 or 8 bytes, a
// float of 4 or 8, a date of 7. Any other length would read or write past the caller's
// variable, so Oracle refuses the conversion.
bool lengthFitsType(int type, int length) {
    switch (type) {
    case OCIV7_EXT_INT:
        return length == 1 || length == 2 || length == 4 || length == 8;
    case OCIV7_EXT_FLT:
        return length == 4 || length == 8;
    case OCIV7_EXT_DAT:
        return length >= 7;
    default:
        return true;
    }
}

void checkExternalType(int type) {
    if (!validExternalType(type))
        throw OraError(kOraInconsistentDatatypes,
                       "unsupported external type " + std::to_string(type));
}

} // namespace

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
}

const DescribedColumn *Statement::column(int position) const {
    if (position < 1 || static_cast<size_t>(position) > m_columns.size())
        return nullptr;
    return &m_columns[static_cast<size_t>(position - 1)];
}

void Statement::define(int position, const DefineSpec &spec) {
    if (!m_tr.isQuery() || position < 1 || static_cast<size_t>(position) > m_columns.size())
        throw OraError(kOraNotInSelectList);
    checkExternalType(spec.externalType);
    // A define without a buffer, or with no room in it, would report rows it never delivers.
    if (spec.buffer == nullptr)
        throw OraError(kOraMissingParameter);
    if (spec.length <= 0 || !lengthFitsType(spec.externalType, spec.length))
        throw OraError(kOraUnsupportedConversion, "a buffer of " + std::to_string(spec.length) +
                                                      " bytes for external type " +
                                                      std::to_string(spec.externalType));
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
    checkExternalType(spec.externalType);
    // Checked now, though the variable is read only at execution: a length the type cannot
    // have would make every later execution read past the variable.
    if (spec.value && !lengthFitsType(spec.externalType, spec.length))
        throw OraError(kOraUnsupportedConversion, "a variable of " + std::to_string(spec.length) +
                                                      " bytes for external type " +
                                                      std::to_string(spec.externalType));
    m_binds[key] = spec;
}

void Statement::bind(int number, const BindSpec &spec) {
    if (number < 1)
        throw OraError(kOraIllegalVariable);
    bind(std::to_string(number), spec);
}

void Statement::bindOne(sqlite3_stmt *stmt, int index, const BindSpec &spec) {
    if ((spec.indicator && *spec.indicator < 0) || !spec.value) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (spec.externalType) {
    case OCIV7_EXT_INT:
        return bindInteger(stmt, index, spec);
    case OCIV7_EXT_FLT:
        return bindFloat(stmt, index, spec);
    case OCIV7_EXT_DAT:
        return bindInternalDate(stmt, index, spec);
    default:
        return bindText(stmt, index, spec);
    }
}

void Statement::bindValues(sqlite3_stmt *stmt, const std::vector<std::string> &names) {
    for (size_t i = 0; i < names.size(); ++i) {
        auto found = m_binds.find(names[i]);
        if (found == m_binds.end())
            throw OraError(kOraNotAllBound);
        bindOne(stmt, static_cast<int>(i + 1), found->second);
    }
}

// The statements after the first (MERGE's INSERT after its UPDATE): their rows processed.
long Statement::executeParts() {
    long rows = 0;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        sqlite3_stmt *part = m_parts[i];
        sqlite3_reset(part);
        bindValues(part, m_tr.parts[i].binds);
        const int rc = sqlite3_step(part);
        if (rc != SQLITE_DONE) {
            sqlite3_reset(part);
            throwSqliteError(m_db.handle(), rc);
        }
        rows += static_cast<long>(sqlite3_changes(m_db.handle()));
        sqlite3_reset(part);
    }
    return rows;
}

long Statement::execute() {
    if (!m_stmt)
        throw OraError(kOraInvalidOperation);
    if (m_parts.empty())
        return executeFirst();
    long rows = 0;
    asOneStatement(m_db.handle(), [&] {
        rows = executeFirst();
        rows += executeParts();
    });
    return rows;
}

// The first SQLite statement: a query's first row, or the rows DML processed.
long Statement::executeFirst() {
    sqlite3_reset(m_stmt);
    bindValues(m_stmt, m_tr.binds);
    m_executed = true;
    m_haveRow = false;
    m_done = false;
    m_rowsFetched = 0;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        if (!m_tr.isQuery()) {
            sqlite3_reset(m_stmt);
            throw OraError(kOraInvalidOperation);
        }
        m_haveRow = true;
        return 0;
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(m_stmt);
        m_executed = false;
        throwSqliteError(m_db.handle(), rc);
    }
    m_done = true;
    return m_tr.isDml() ? static_cast<long>(sqlite3_changes(m_db.handle())) : 0;
}

void Statement::cancel() {
    if (m_stmt)
        sqlite3_reset(m_stmt);
    m_executed = false;
    m_haveRow = false;
    m_done = true;
}

FetchResult Statement::fetch() {
    if (!m_tr.isQuery() || !m_executed)
        throw OraError(kOraFetchOutOfSequence);
    if (!m_haveRow) {
        if (m_done)
            return kFetchNoData;
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_DONE) {
            m_done = true;
            return kFetchNoData;
        }
        if (rc != SQLITE_ROW) {
            m_done = true;
            sqlite3_reset(m_stmt);
            throwSqliteError(m_db.handle(), rc);
        }
    }
    m_haveRow = false;
    bool nullWithoutIndicator = false;
    bool cutWithoutIndicator = false;
    for (size_t i = 0; i < m_defines.size(); ++i) {
        const DefineSpec &spec = m_defines[i];
        if (!spec.buffer && spec.length == 0 && !spec.indicator)
            continue;
        bool cut = false;
        const bool present = convert(static_cast<int>(i), spec, cut);
        if (!present && !spec.indicator)
            nullWithoutIndicator = true;
        if (cut && !spec.indicator)
            cutWithoutIndicator = true;
    }
    ++m_rowsFetched;
    if (cutWithoutIndicator)
        return kFetchCut;
    return nullWithoutIndicator ? kFetchNull : kFetchOk;
}

// Writes one column into its define; false for NULL. Sets cut when the value was cut.
bool Statement::convert(int col, const DefineSpec &spec, bool &cut) {
    const int type = sqlite3_column_type(m_stmt, col);
    if (type == SQLITE_NULL) {
        fetchNull(spec);
        return false;
    }
    const OraType &columnType = m_columns[static_cast<size_t>(col)].type;
    switch (spec.externalType) {
    case OCIV7_EXT_INT:
    case OCIV7_EXT_FLT:
        fetchBinaryNumber(m_stmt, col, spec);
        return true;
    case OCIV7_EXT_DAT:
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT || !columnType.isDate())
            throw OraError(kOraInconsistentDatatypes);
        fetchInternalDate(
            std::string_view(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col)),
                             static_cast<size_t>(sqlite3_column_bytes(m_stmt, col))),
            spec);
        return true;
    default:
        fetchText(fetchedText(m_stmt, col, type, columnType, m_db.dateFormat(), m_text), spec, cut);
        return true;
    }
}

} // namespace ocilite
