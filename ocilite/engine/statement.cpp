#include "ocilite/engine/statement.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace ocilite {
namespace {

const char *const kMonthAbbreviations[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// "YYYY-MM-DD HH24:MI:SS" -> "DD-MON-RR" without building a format model per value.
bool defaultDateText(const char *stored, int length, std::string &out) {
    if (length != 19 || stored[4] != '-' || stored[7] != '-')
        return false;
    const int month = (stored[5] - '0') * 10 + (stored[6] - '0');
    if (month < 1 || month > 12)
        return false;
    out.assign(stored + 8, 2);
    out += '-';
    out += kMonthAbbreviations[month - 1];
    out += '-';
    out.append(stored + 2, 2);
    return true;
}

// Oracle's 7-byte DATE: century+100, year+100, month, day, hour+1, minute+1, second+1.
bool internalDate(const std::string &stored, unsigned char out[7]) {
    const auto d = parseStoredDate(stored);
    if (!d)
        return false;
    out[0] = static_cast<unsigned char>(d->year / 100 + 100);
    out[1] = static_cast<unsigned char>(d->year % 100 + 100);
    out[2] = static_cast<unsigned char>(d->month);
    out[3] = static_cast<unsigned char>(d->day);
    out[4] = static_cast<unsigned char>(d->hour + 1);
    out[5] = static_cast<unsigned char>(d->minute + 1);
    out[6] = static_cast<unsigned char>(d->second + 1);
    return true;
}

bool validExternalType(int type) {
    return type == 1 || type == 3 || type == 4 || type == 5 || type == 96 || type == 97 ||
           type == 12;
}

} // namespace

Statement::Statement(Database &db, const std::string &oracleSql)
    : m_db(db), m_tr(translate(oracleSql, db.schema(), db.catalog())) {
    if (m_tr.isQuery() || m_tr.isDml())
        prepare();
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

void Statement::prepare() {
    const int rc =
        sqlite3_prepare_v3(m_db.handle(), m_tr.sql.c_str(), static_cast<int>(m_tr.sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(m_db.handle(), rc);
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
    if (!validExternalType(spec.externalType))
        throw OraError(kOraInconsistentDatatypes,
                       "unsupported external type " + std::to_string(spec.externalType));
    if (spec.length < 0 || (spec.buffer == nullptr && spec.length > 0))
        throw OraError(kOraMissingParameter);
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
    if (std::find(m_tr.binds.begin(), m_tr.binds.end(), key) == m_tr.binds.end())
        throw OraError(kOraIllegalVariable);
    if (!validExternalType(spec.externalType))
        throw OraError(kOraInconsistentDatatypes,
                       "unsupported external type " + std::to_string(spec.externalType));
    m_binds[key] = spec;
}

void Statement::bind(int number, const BindSpec &spec) {
    if (number < 1)
        throw OraError(kOraIllegalVariable);
    bind(std::to_string(number), spec);
}

void Statement::bindOne(int index, const BindSpec &spec) {
    if (spec.indicator && *spec.indicator < 0) {
        sqlite3_bind_null(m_stmt, index);
        return;
    }
    const auto *value = spec.value;
    int length = spec.length;
    if (!value) {
        sqlite3_bind_null(m_stmt, index);
        return;
    }
    switch (spec.externalType) {
    case 3: {
        long long v = 0;
        if (length == 1)
            v = *reinterpret_cast<const signed char *>(value);
        else if (length == 2) {
            short sh = 0;
            std::memcpy(&sh, value, 2);
            v = sh;
        } else if (length == 8)
            std::memcpy(&v, value, 8);
        else {
            int i = 0;
            std::memcpy(&i, value, sizeof i);
            v = i;
        }
        sqlite3_bind_int64(m_stmt, index, v);
        return;
    }
    case 4: {
        double d = 0;
        if (length == 4) {
            float f = 0;
            std::memcpy(&f, value, 4);
            d = f;
        } else {
            std::memcpy(&d, value, sizeof d);
        }
        sqlite3_bind_double(m_stmt, index, d);
        return;
    }
    case 12: {
        const auto *b = value;
        DateTime d{(b[0] - 100) * 100 + (b[1] - 100), b[2], b[3], b[4] - 1, b[5] - 1, b[6] - 1};
        const std::string text = storedDate(d);
        sqlite3_bind_text(m_stmt, index, text.c_str(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return;
    }
    case 5:
    case 97: {
        // Zero-terminated within the given length (-1: no limit).
        if (length < 0) {
            length = static_cast<int>(std::strlen(reinterpret_cast<const char *>(value)));
        } else {
            const void *nul = std::memchr(value, 0, static_cast<size_t>(length));
            if (nul)
                length = static_cast<int>(static_cast<const unsigned char *>(nul) - value);
        }
        break;
    }
    default:
        if (length < 0)
            length = static_cast<int>(std::strlen(reinterpret_cast<const char *>(value)));
        break;
    }
    // Oracle binds an empty string as NULL.
    if (length == 0)
        sqlite3_bind_null(m_stmt, index);
    else
        sqlite3_bind_text(m_stmt, index, reinterpret_cast<const char *>(value), length,
                          SQLITE_TRANSIENT);
}

void Statement::bindValues() {
    for (size_t i = 0; i < m_tr.binds.size(); ++i) {
        auto found = m_binds.find(m_tr.binds[i]);
        if (found == m_binds.end())
            throw OraError(kOraNotAllBound);
        bindOne(static_cast<int>(i + 1), found->second);
    }
}

long Statement::execute() {
    if (!m_stmt)
        throw OraError(kOraInvalidOperation);
    sqlite3_reset(m_stmt);
    bindValues();
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
    const DescribedColumn &c = m_columns[static_cast<size_t>(col)];
    const int type = sqlite3_column_type(m_stmt, col);
    if (type == SQLITE_NULL) {
        if (spec.indicator)
            *spec.indicator = -1;
        if (spec.returnCode)
            *spec.returnCode = kOraNullFetched;
        if (spec.returnedLength)
            *spec.returnedLength = 0;
        if ((spec.externalType == 5 || spec.externalType == 97) && spec.length > 0)
            spec.buffer[0] = '\0';
        return false;
    }
    // Numbers into binary types.
    if (spec.externalType == 3 || spec.externalType == 4) {
        double v = 0;
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            v = sqlite3_column_double(m_stmt, col);
        else
            v = parseNumber(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col)));
        if (spec.externalType == 3) {
            const long long i = type == SQLITE_INTEGER ? sqlite3_column_int64(m_stmt, col)
                                                       : static_cast<long long>(std::llround(v));
            if (spec.length == 1) {
                const auto b = static_cast<signed char>(i);
                std::memcpy(spec.buffer, &b, 1);
            } else if (spec.length == 2) {
                const auto s = static_cast<short>(i);
                std::memcpy(spec.buffer, &s, 2);
            } else if (spec.length >= 8) {
                std::memcpy(spec.buffer, &i, 8);
            } else if (spec.length >= 4) {
                const auto n = static_cast<int>(i);
                std::memcpy(spec.buffer, &n, 4);
            }
        } else if (spec.length == 4) {
            const auto f = static_cast<float>(v);
            std::memcpy(spec.buffer, &f, 4);
        } else if (spec.length >= 8) {
            std::memcpy(spec.buffer, &v, 8);
        }
        if (spec.indicator)
            *spec.indicator = 0;
        if (spec.returnCode)
            *spec.returnCode = 0;
        if (spec.returnedLength)
            *spec.returnedLength = static_cast<unsigned short>(spec.length);
        return true;
    }
    // Everything else goes through the value's text form.
    const char *text = nullptr;
    size_t length = 0;
    char number[32];
    if (type == SQLITE_INTEGER) {
        const auto r = std::to_chars(number, number + sizeof number,
                                     static_cast<long long>(sqlite3_column_int64(m_stmt, col)));
        text = number;
        length = static_cast<size_t>(r.ptr - number);
    } else if (type == SQLITE_FLOAT) {
        m_text = numberText(sqlite3_column_double(m_stmt, col));
        text = m_text.data();
        length = m_text.size();
    } else {
        text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col));
        length = static_cast<size_t>(sqlite3_column_bytes(m_stmt, col));
        if (c.type.isDate()) {
            if (spec.externalType == 12) {
                unsigned char raw[7];
                if (!internalDate(std::string(text, length), raw))
                    throw OraError(kOraLiteralMismatch);
                std::memcpy(spec.buffer, raw, std::min(spec.length, 7));
                if (spec.indicator)
                    *spec.indicator = 0;
                if (spec.returnedLength)
                    *spec.returnedLength = 7;
                return true;
            }
            if (defaultDateText(text, static_cast<int>(length), m_text)) {
                text = m_text.data();
                length = m_text.size();
            }
        } else if (c.type.code == 96 && length < static_cast<size_t>(c.type.size)) {
            // CHAR(n) values are blank-padded to their length.
            m_text.assign(text, length);
            m_text.append(static_cast<size_t>(c.type.size) - length, ' ');
            text = m_text.data();
            length = m_text.size();
        }
    }
    if (spec.externalType == 12)
        throw OraError(kOraInconsistentDatatypes);
    const bool terminated = spec.externalType == 5 || spec.externalType == 97;
    const size_t room =
        spec.length > 0 ? static_cast<size_t>(spec.length) - (terminated ? 1 : 0) : 0;
    const size_t copied = std::min(length, room);
    cut = length > room;
    if (copied)
        std::memcpy(spec.buffer, text, copied);
    size_t end = copied;
    if (spec.externalType == 96 || spec.externalType == 97) {
        std::memset(spec.buffer + copied, ' ', room - copied);
        end = room;
    }
    if (terminated && spec.length > 0)
        spec.buffer[end] = '\0';
    if (spec.indicator)
        *spec.indicator = cut ? static_cast<short>(std::min<size_t>(length, 32767)) : 0;
    if (spec.returnCode)
        *spec.returnCode = cut ? kOraTruncated : 0;
    if (spec.returnedLength)
        *spec.returnedLength = static_cast<unsigned short>(std::min<size_t>(copied, 65535));
    return true;
}

} // namespace ocilite
