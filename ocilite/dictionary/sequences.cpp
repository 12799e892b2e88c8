// Sequences: CREATE / ALTER / DROP SEQUENCE with Oracle's defaults and checks, and NEXTVAL
// and CURRVAL as SQL functions. Each session takes CACHE numbers at a time, writing the next
// free one to LAST_NUMBER as Oracle does; numbers handed out are never taken back, even when
// the transaction that drew them rolls back.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <climits>

namespace ocilite {
namespace {

struct SequenceRow {
    long long min = 1;
    long long max = LLONG_MAX;
    long long increment = 1;
    bool cycle = false;
    bool order = false;
    long long cache = 20;
    long long last = 1;
};

std::optional<SequenceRow> readSequence(sqlite3 *db, const std::string &owner,
                                        const std::string &name) {
    Prepared q(db, "SELECT MIN_VALUE, MAX_VALUE, INCREMENT_BY, CYCLE_FLAG, ORDER_FLAG, "
                   "CACHE_SIZE, LAST_NUMBER FROM main.OCILITE_SEQUENCES WHERE SEQUENCE_OWNER = "
                   "?1 AND SEQUENCE_NAME = ?2");
    q.bind(1, owner).bind(2, name);
    if (!q.step())
        return std::nullopt;
    SequenceRow r;
    auto number = [&](int c) {
        const double d = sqlite3_column_double(q.get(), c);
        return d >= 9.2e18 ? LLONG_MAX : d <= -9.2e18 ? LLONG_MIN : q.integer(c);
    };
    r.min = number(0);
    r.max = number(1);
    r.increment = q.integer(2);
    r.cycle = q.text(3) == "Y";
    r.order = q.text(4) == "Y";
    r.cache = q.integer(5);
    r.last = number(6);
    return r;
}

// Oracle's unbounded limits, as USER_SEQUENCES shows them.
void bindLimit(Prepared &q, int index, long long v) {
    if (v == LLONG_MAX)
        q.bind(index, std::string("9999999999999999999999999999"));
    else if (v == LLONG_MIN)
        q.bind(index, std::string("-99999999999999999999999999"));
    else
        q.bind(index, v);
}

void writeSequence(sqlite3 *db, const std::string &owner, const std::string &name,
                   const SequenceRow &r) {
    Prepared q(db, "INSERT OR REPLACE INTO main.OCILITE_SEQUENCES VALUES (?1, ?2, CAST(?3 AS "
                   "NUMERIC), CAST(?4 AS NUMERIC), ?5, ?6, ?7, ?8, CAST(?9 AS NUMERIC))");
    q.bind(1, owner).bind(2, name);
    bindLimit(q, 3, r.min);
    bindLimit(q, 4, r.max);
    q.bind(5, r.increment).bind(6, std::string(r.cycle ? "Y" : "N"));
    q.bind(7, std::string(r.order ? "Y" : "N")).bind(8, r.cache);
    bindLimit(q, 9, r.last);
    q.run();
}

// The options over a row, with the checks CREATE and ALTER make.
void applyOptions(SequenceRow &r, const ddl::SequenceOptions &o, bool creating) {
    if (o.increment)
        r.increment = *o.increment;
    if (r.increment == 0)
        throw OraError(kOraSequenceIncrementZero);
    const bool ascending = r.increment > 0;
    if (creating || o.noMinValue || o.noMaxValue) {
        if (creating || o.noMinValue)
            r.min = ascending ? 1 : LLONG_MIN;
        if (creating || o.noMaxValue)
            r.max = ascending ? LLONG_MAX : -1;
    }
    if (o.minValue)
        r.min = *o.minValue;
    if (o.maxValue)
        r.max = *o.maxValue;
    if (o.cache)
        r.cache = *o.cache;
    if (o.cycle)
        r.cycle = *o.cycle;
    if (o.order)
        r.order = *o.order;
    if (r.min >= r.max)
        throw OraError(kOraMinValueNotBelowMax);
    if (r.cycle && r.cache > 0 &&
        static_cast<double>(r.cache) >
            (static_cast<double>(r.max) - static_cast<double>(r.min)) /
                static_cast<double>(r.increment > 0 ? r.increment : -r.increment))
        throw OraError(kOraCacheTooLarge);
}

void checkStart(const SequenceRow &r, long long start) {
    if (start < r.min)
        throw OraError(kOraStartBelowMinValue);
    if (start > r.max)
        throw OraError(kOraStartAboveMaxValue);
}

std::string argument(sqlite3_value *v) {
    const unsigned char *t = sqlite3_value_text(v);
    return t ? reinterpret_cast<const char *>(t) : "";
}

template <typename F> void sequenceFunction(sqlite3_context *ctx, sqlite3_value **argv, F &&f) {
    auto *catalog = static_cast<Catalog *>(sqlite3_user_data(ctx));
    try {
        sqlite3_result_int64(ctx, f(*catalog, argument(argv[0]), argument(argv[1])));
    } catch (const OraError &e) {
        sqlite3_result_error(ctx, e.text().c_str(), -1);
    }
}

} // namespace

void createSequence(Catalog &catalog, const DdlContext &ctx, const ddl::CreateSequence &s) {
    if (s.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    SequenceRow r;
    applyOptions(r, s.options, true);
    r.last = s.options.start.value_or(r.increment > 0 ? r.min : r.max);
    checkStart(r, r.last);
    addObject(catalog.db(), NewObject{s.name.owner, s.name.name, "SEQUENCE"});
    writeSequence(catalog.db(), s.name.owner, s.name.name, r);
}

void alterSequence(Catalog &catalog, const DdlContext &ctx, const ddl::AlterSequence &s) {
    sqlite3 *db = catalog.db();
    std::optional<SequenceRow> r = readSequence(db, s.name.owner, s.name.name);
    if (!r)
        throw OraError(kOraSequenceNotFound);
    if (s.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    applyOptions(*r, s.options, false);
    if (s.options.restart)
        r->last = s.options.start.value_or(r->increment > 0 ? r->min : r->max);
    else if (r->increment > 0 ? r->max < r->last - r->increment : r->min > r->last - r->increment)
        throw OraError(kOraMaxBelowCurrent);
    checkStart(*r, r->last);
    writeSequence(db, s.name.owner, s.name.name, *r);
    touchObject(db, s.name.owner, s.name.name, "SEQUENCE");
    catalog.forgetSequence(s.name.owner, s.name.name);
}

void dropSequence(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name) {
    sqlite3 *db = catalog.db();
    if (!objectExists(db, name.owner, name.name, "SEQUENCE"))
        throw OraError(kOraSequenceNotFound);
    if (name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    Prepared q(db, "DELETE FROM main.OCILITE_SEQUENCES WHERE SEQUENCE_OWNER = ?1 AND "
                   "SEQUENCE_NAME = ?2");
    q.bind(1, name.owner).bind(2, name.name).run();
    removeObject(db, name.owner, name.name, "SEQUENCE");
    catalog.forgetSequence(name.owner, name.name);
    invalidateDependents(db, name.owner, name.name, "SEQUENCE");
}

void dropIdentitySequences(sqlite3 *db, const std::string &owner, const std::string &table) {
    Prepared q(db, "SELECT SQLITE_DEFAULT FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND "
                   "TABLE_NAME = ?2 AND IDENTITY_COLUMN = 'YES'");
    q.bind(1, owner).bind(2, table);
    std::vector<std::string> names;
    while (q.step()) {
        const std::string d = q.isNull(0) ? "" : q.text(0);
        const size_t at = d.find("ISEQ$$_");
        if (at != std::string::npos)
            names.push_back(d.substr(at, d.find('\'', at) - at));
    }
    for (const std::string &n : names) {
        Prepared s(db, "DELETE FROM main.OCILITE_SEQUENCES WHERE SEQUENCE_OWNER = ?1 AND "
                       "SEQUENCE_NAME = ?2");
        s.bind(1, owner).bind(2, n).run();
        removeObject(db, owner, n, "SEQUENCE");
    }
}

long long Catalog::nextValue(const std::string &owner, const std::string &name) {
    SequenceCache &c = m_sequences[owner + "." + name];
    if (c.remaining == 0) {
        std::optional<SequenceRow> r = readSequence(m_db, owner, name);
        if (!r)
            throw OraError(kOraSequenceNotFound);
        long long first = r->last;
        const bool past = r->increment > 0 ? first > r->max : first < r->min;
        if (past && !r->cycle)
            throw OraError(kOraNextvalExceedsMax,
                           name + ".NEXTVAL " +
                               (r->increment > 0 ? "exceeds MAXVALUE" : "goes below MINVALUE") +
                               " and cannot be instantiated");
        if (past)
            first = r->increment > 0 ? r->min : r->max;
        // A block never runs past the limit: the next one cycles or fails there.
        const double room =
            (r->increment > 0 ? static_cast<double>(r->max) - static_cast<double>(first)
                              : static_cast<double>(first) - static_cast<double>(r->min)) /
                static_cast<double>(r->increment > 0 ? r->increment : -r->increment) +
            1;
        const long long block = static_cast<long long>(
            std::min(room, static_cast<double>(r->cache > 1 ? r->cache : 1)));
        const double after = static_cast<double>(first) +
                             static_cast<double>(r->increment) * static_cast<double>(block);
        r->last = after >= 9.2e18    ? LLONG_MAX
                  : after <= -9.2e18 ? LLONG_MIN
                                     : first + r->increment * block;
        writeSequence(m_db, owner, name, *r);
        c.next = first;
        c.remaining = block;
        c.increment = r->increment;
        c.written = r->last;
    }
    c.current = c.next;
    c.hasCurrent = true;
    c.next += c.increment;
    --c.remaining;
    return c.current;
}

long long Catalog::currentValue(const std::string &owner, const std::string &name) {
    const auto found = m_sequences.find(owner + "." + name);
    if (found == m_sequences.end() || !found->second.hasCurrent)
        throw OraError(kOraCurrvalNotDefined, owner + "." + name);
    return found->second.current;
}

void Catalog::forgetSequence(const std::string &owner, const std::string &name) {
    const auto found = m_sequences.find(owner + "." + name);
    if (found != m_sequences.end())
        found->second.remaining = 0;
}

// Numbers handed out stay handed out: LAST_NUMBER is written again after a rollback.
void Catalog::afterRollback() {
    for (const auto &[key, c] : m_sequences) {
        if (c.written == 0)
            continue;
        const size_t dot = key.find('.');
        Prepared q(m_db, "UPDATE main.OCILITE_SEQUENCES SET LAST_NUMBER = MAX(LAST_NUMBER, ?3) "
                         "WHERE SEQUENCE_OWNER = ?1 AND SEQUENCE_NAME = ?2");
        q.bind(1, key.substr(0, dot)).bind(2, key.substr(dot + 1)).bind(3, c.written).run();
    }
}

void registerSequenceFunctions(sqlite3 *db, Catalog *catalog) {
    sqlite3_create_function_v2(
        db, "OCILITE_NEXTVAL", 2, SQLITE_UTF8, catalog,
        [](sqlite3_context *ctx, int, sqlite3_value **argv) {
            sequenceFunction(ctx, argv, [](Catalog &c, const std::string &o, const std::string &n) {
                return c.nextValue(o, n);
            });
        },
        nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(
        db, "OCILITE_CURRVAL", 2, SQLITE_UTF8, catalog,
        [](sqlite3_context *ctx, int, sqlite3_value **argv) {
            sequenceFunction(ctx, argv, [](Catalog &c, const std::string &o, const std::string &n) {
                return c.currentValue(o, n);
            });
        },
        nullptr, nullptr, nullptr);
}

} // namespace ocilite
