// The functions behind LISTAGG and ROWNUM. OCILITE_LISTAGG(distinct, x, delimiter, key,
// order, ...) gathers the group's non-NULL values and joins them in the order of the keys
// (numbers by value, texts and dates byte by byte, NULLs first or last as asked); more than
// 4000 bytes is ORA-01489, as LISTAGG's VARCHAR2 result. OCILITE_ROWNUM_LIMIT(n, 'op') is how
// many rows ROWNUM op n lets through.
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/sql_functions.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace ocilite {
namespace {

constexpr size_t kMaxListaggBytes = 4000;

struct SortKey {
    int kind = 0; // 0 NULL, 1 number, 2 text
    double number = 0;
    std::string text;
};

struct Gathered {
    std::string value;
    std::vector<SortKey> keys;
};

struct Listagg {
    bool distinct = false;
    std::string delimiter;
    std::string orders; // two letters a key
    std::vector<Gathered> rows;
};

SortKey sortKey(sqlite3_value *v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL)
        return {};
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return {1, sqlite3_value_double(v), {}};
    return {2, 0, argText(v)};
}

// The value as text: a number in Oracle's form, a date in the session's date format.
std::string valueText(sqlite3_context *ctx, sqlite3_value *v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER)
        return numberText(static_cast<int64_t>(sqlite3_value_int64(v)));
    if (type == SQLITE_FLOAT)
        return numberText(sqlite3_value_double(v));
    if (auto date = argDate(v))
        return formatDate(*date, sessionDateFormat(ctx));
    return argText(v);
}

void listaggStep(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (argc < 3 || argc % 2 == 0)
        return resultError(ctx, OraError(kOraArgumentCount));
    auto **slot = static_cast<Listagg **>(sqlite3_aggregate_context(ctx, sizeof(Listagg *)));
    if (!slot)
        return sqlite3_result_error_nomem(ctx);
    guarded(ctx, [&] {
        if (!*slot) {
            *slot = new Listagg;
            (*slot)->distinct = sqlite3_value_int(argv[0]) != 0;
            (*slot)->delimiter = argText(argv[2]);
            for (int k = 4; k < argc; k += 2)
                (*slot)->orders += argText(argv[k]).substr(0, 2);
        }
        if (isNull(argv[1]))
            return;
        Gathered row{valueText(ctx, argv[1]), {}};
        for (int k = 3; k < argc; k += 2)
            row.keys.push_back(sortKey(argv[k]));
        (*slot)->rows.push_back(std::move(row));
    });
}

// Whether a sorts before b under the key's order ("AL": ascending, NULLs last ...).
int compareKeys(const SortKey &a, const SortKey &b, const char *order) {
    if (a.kind == 0 || b.kind == 0) {
        if (a.kind == b.kind)
            return 0;
        const int nullFirst = order[1] == 'F' ? -1 : 1;
        return a.kind == 0 ? nullFirst : -nullFirst;
    }
    int c = 0;
    if (a.kind != b.kind)
        c = a.kind < b.kind ? -1 : 1;
    else if (a.kind == 1)
        c = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    else
        c = a.text.compare(b.text) < 0 ? -1 : a.text == b.text ? 0 : 1;
    return order[0] == 'D' ? -c : c;
}

std::string joined(Listagg &agg) {
    std::stable_sort(agg.rows.begin(), agg.rows.end(), [&](const Gathered &a, const Gathered &b) {
        for (size_t k = 0; k < a.keys.size() && k * 2 + 1 < agg.orders.size(); ++k)
            if (const int c = compareKeys(a.keys[k], b.keys[k], agg.orders.c_str() + k * 2))
                return c < 0;
        return false;
    });
    std::string out;
    std::set<std::string> seen;
    for (const Gathered &row : agg.rows) {
        if (agg.distinct && !seen.insert(row.value).second)
            continue;
        if (!out.empty())
            out += agg.delimiter;
        out += row.value;
        if (out.size() > kMaxListaggBytes)
            throw OraError(kOraConcatenationTooLong);
    }
    return out;
}

void listaggFinal(sqlite3_context *ctx) {
    auto **slot = static_cast<Listagg **>(sqlite3_aggregate_context(ctx, 0));
    Listagg *agg = slot ? *slot : nullptr;
    if (!agg)
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] { resultText(ctx, joined(*agg)); });
    delete agg;
    *slot = nullptr;
}

// How many rows ROWNUM <= n, ROWNUM < n or ROWNUM = n admits: the row numbers are 1, 2, ...,
// so ROWNUM = 2 admits none, and a NULL bound none.
void fnRownumLimit(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_int(ctx, 0);
    guarded(ctx, [&] {
        const double n = argNumber(argv[0]);
        const std::string relation = argText(argv[1]);
        double rows = relation == "="   ? (n == 1 ? 1 : 0)
                      : relation == "<" ? std::ceil(n) - 1
                                        : std::floor(n);
        rows = std::clamp(rows, 0.0, 9.0e18);
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(rows));
    });
}

} // namespace

void registerRowFunctions(sqlite3 *db, const SqlSession *session) {
    auto *data = const_cast<SqlSession *>(session);
    sqlite3_create_function_v2(db, "OCILITE_LISTAGG", -1, SQLITE_UTF8, data, nullptr, listaggStep,
                               listaggFinal, nullptr);
    sqlite3_create_function_v2(db, "OCILITE_ROWNUM_LIMIT", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               nullptr, fnRownumLimit, nullptr, nullptr, nullptr);
}

} // namespace ocilite
