// The scripted client's statements: prepare finds the programmed statement, execute parses,
// describes or runs it as the mode asks, fetch converts the programmed text values into the
// defined external types with OCI 8's indicator, length and column-code rules.
#include "scripted_internal.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace scriptedoci::detail {
namespace {

int typeOfFirstWord(const std::string &sql) {
    size_t i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i])))
        ++i;
    std::string word;
    while (i < sql.size() && std::isalpha(static_cast<unsigned char>(sql[i])))
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[i++])));
    static const std::map<std::string, int> kTypes = {
        {"SELECT", 1}, {"UPDATE", 2}, {"DELETE", 3},  {"INSERT", 4}, {"CREATE", 5}, {"DROP", 6},
        {"ALTER", 7},  {"BEGIN", 8},  {"DECLARE", 9}, {"CALL", 10},  {"MERGE", 16}};
    const auto it = kTypes.find(word);
    return it == kTypes.end() ? 0 : it->second;
}

std::string elementText(const Bind &b, size_t i) {
    const sb2 *ind = elementOf(b.ind, b.indicatorSkip ? b.indicatorSkip : sizeof(sb2), i);
    if (ind && *ind < 0)
        return "NULL";
    const char *p =
        elementOf(static_cast<const char *>(b.value),
                  b.valueSkip ? b.valueSkip : static_cast<size_t>(std::max(b.size, 0)), i);
    if (!p)
        return "";
    const ub2 *alen = elementOf(b.alen, b.lengthSkip ? b.lengthSkip : sizeof(ub2), i);
    const size_t size = alen ? *alen : static_cast<size_t>(std::max(b.size, 0));
    return b.type == 5 ? std::string(p, strnlen(p, size)) : std::string(p, size);
}

std::string boundText(const std::string &name, const Bind &b) {
    if (b.atExec)
        return name + "=" + (b.null ? "NULL" : b.gathered);
    if (b.maxElements == 0)
        return name + "=" + elementText(b, 0);
    std::string text = name + "=[";
    const ub4 n = b.currentElements ? *b.currentElements : 0;
    for (ub4 i = 0; i < n && i < b.maxElements; ++i)
        text += (i ? "," : "") + elementText(b, i);
    return text + "]";
}

} // namespace

int convert(const std::string &v, void *value, sb4 size, ub2 type, size_t &copied) {
    char *out = static_cast<char *>(value);
    const size_t room = size > 0 ? static_cast<size_t>(size) : 0;
    switch (type) {
    case 1:
    case 8:
    case 96:
        copied = std::min(v.size(), room);
        std::memcpy(out, v.data(), copied);
        if (type == 96 && copied < room)
            std::memset(out + copied, ' ', room - copied);
        return v.size() > room ? 1406 : 0;
    case 5:
    case 97:
        if (room == 0)
            return 1406;
        copied = std::min(v.size(), room - 1);
        std::memcpy(out, v.data(), copied);
        out[copied] = 0;
        return v.size() > room - 1 ? 1406 : 0;
    case 3: {
        const long long n = std::strtoll(v.c_str(), nullptr, 10);
        copied = room;
        if (room == 2) {
            const auto s = static_cast<short>(n);
            std::memcpy(out, &s, 2);
        } else if (room == 4) {
            const auto i = static_cast<int>(n);
            std::memcpy(out, &i, 4);
        } else if (room == 8) {
            std::memcpy(out, &n, 8);
        } else {
            return 932;
        }
        return 0;
    }
    case 4: {
        const double x = std::strtod(v.c_str(), nullptr);
        copied = room;
        if (room == 4) {
            const auto f = static_cast<float>(x);
            std::memcpy(out, &f, 4);
        } else if (room == 8) {
            std::memcpy(out, &x, 8);
        } else {
            return 932;
        }
        return 0;
    }
    default:
        return 932;
    }
}

namespace {

// Fills every define from the row; returns OCI's status for the row.
sword deliver(Handle *stmt, Handle *err, const std::vector<Value> &row) {
    bool cut = false;
    for (ub4 pos = 1; pos <= stmt->script.columns.size(); ++pos) {
        const auto it = stmt->defines.find(pos);
        if (it == stmt->defines.end())
            return raise(err, {24374,
                               "ORA-24374: define not done before fetch or execute and "
                               "fetch\n",
                               0});
        const Define &d = it->second;
        if (d.dynamic)
            continue; // goes out in pieces
        const Value &v = pos - 1 < row.size() ? row[pos - 1] : Value{};
        if (!v) {
            if (!d.ind)
                return raise(err, {1405, "ORA-01405: fetched column value is NULL\n", 0});
            *d.ind = -1;
            if (d.rcode)
                *d.rcode = 1405;
            continue;
        }
        size_t copied = 0;
        const int rc = convert(*v, d.value, d.size, d.type, copied);
        if (rc == 932)
            return raise(err, {932, "ORA-00932: inconsistent datatypes\n", 0});
        if (rc == 1406 && !d.ind)
            return raise(err, {1406, "ORA-01406: fetched column value was truncated\n", 0});
        cut = cut || rc == 1406;
        if (d.ind)
            *d.ind = rc == 1406 ? static_cast<sb2>(v->size() > 32767 ? -2 : v->size()) : 0;
        if (d.rlen)
            *d.rlen = static_cast<ub2>(copied);
        if (d.rcode)
            *d.rcode = static_cast<ub2>(rc);
    }
    if (!cut)
        return oci::kSuccess;
    raise(err, {24345, "ORA-24345: A Truncation or null fetch error occurred\n", 0});
    return oci::kSuccessWithInfo;
}

// Checks the binds and records their values at execution time.
const Failure *readBinds(Handle *stmt, Call &call) {
    static Failure missing{1008, "ORA-01008: not all variables bound\n", 0};
    for (const std::string &name : stmt->script.placeholders)
        if (!stmt->binds.count(name))
            return &missing;
    for (const auto &[name, bind] : stmt->binds)
        call.bound.push_back(boundText(name, bind));
    return nullptr;
}

} // namespace

sword stmtPrepare(oci::OCIStmt *stmtp, oci::OCIError *errp, const OraText *text, ub4 length) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || !err || !text)
        return oci::kInvalidHandle;
    const std::string sql(reinterpret_cast<const char *>(text), length);
    s.prepared.push_back(sql);
    if (const Failure *f = record(s, Call{"OCIStmtPrepare", sql}))
        return raise(err, *f);
    stmt->sql = sql;
    stmt->script = Statement{};
    stmt->script.type = typeOfFirstWord(sql);
    for (const Statement &known : s.statements)
        if (sql.find(known.match) != std::string::npos) {
            stmt->script = known;
            break;
        }
    stmt->parsed = stmt->executed = stmt->cancelled = false;
    stmt->defines.clear();
    stmt->binds.clear();
    return oci::kSuccess;
}

sword stmtExecute(oci::OCISvcCtx *svcp, oci::OCIStmt *stmtp, oci::OCIError *errp, ub4 iters,
                  ub4 mode) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *svc = checked(svcp, oci::kHtypeSvcCtx);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!svc || !stmt || !err || stmt->sql.empty() || !svc->session || !svc->session->begun)
        return oci::kInvalidHandle;
    if (const Failure *f = record(s, Call{"OCIStmtExecute", stmt->sql, mode, iters}))
        return raise(err, *f);
    const bool parseOnly = mode & (oci::kParseOnly | oci::kDescribeOnly);
    const bool resuming = stmt->wait.pending && stmt->wait.inOut == oci::kParamIn;
    const sword pieces = parseOnly ? oci::kSuccess : gatherPieces(stmt, resuming);
    const Failure *bindFailure =
        parseOnly || pieces != oci::kSuccess ? nullptr : readBinds(stmt, s.calls.back());
    const Statement &st = stmt->script;
    if (st.parseError.code)
        return raise(err, st.parseError);
    stmt->parsed = true;
    if (parseOnly || pieces != oci::kSuccess)
        return pieces;
    if (bindFailure)
        return raise(err, *bindFailure);
    if (st.type != 1 && iters == 0)
        return raise(err, {24333, "ORA-24333: zero iteration count\n", 0});
    if (st.executeError.code)
        return raise(err, st.executeError);
    stmt->executed = true;
    stmt->cancelled = false;
    stmt->nextRow = 0;
    stmt->fetched = 0;
    stmt->wait = PieceWait{};
    if ((st.type == 8 || st.type == 9) && !writeOutputs(stmt))
        return raise(err, {6513,
                           "ORA-06513: PL/SQL: index for PL/SQL table out of range for host "
                           "language array\n",
                           0});
    return oci::kSuccess;
}

sword stmtFetch2(oci::OCIStmt *stmtp, oci::OCIError *errp, ub4 nrows, ub2 orientation) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || !err)
        return oci::kInvalidHandle;
    Call call{"OCIStmtFetch2", stmt->sql, 0, nrows};
    call.position = orientation;
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    if (!stmt->executed || stmt->cancelled || stmt->script.type != 1)
        return raise(err, {1002, "ORA-01002: fetch out of sequence\n", 0});
    if (nrows == 0) {
        stmt->cancelled = true;
        stmt->wait = PieceWait{};
        return oci::kSuccess;
    }
    const Statement &st = stmt->script;
    const bool inRow = stmt->wait.pending && stmt->wait.inOut == oci::kParamOut;
    if (!inRow && st.fetchErrorAt >= 0 && stmt->nextRow == static_cast<size_t>(st.fetchErrorAt))
        return raise(err, st.fetchError);
    if (stmt->nextRow >= st.rows.size()) {
        raise(err, {1403, "ORA-01403: no data found\n", 0});
        return oci::kNoData;
    }
    if (!inRow) {
        stmt->rowStatus = deliver(stmt, err, st.rows[stmt->nextRow]);
        if (stmt->rowStatus != oci::kSuccess && stmt->rowStatus != oci::kSuccessWithInfo)
            return stmt->rowStatus;
        stmt->pieceColumn = 0;
    }
    const sword pieces = deliverPieces(stmt, st.rows[stmt->nextRow]);
    if (pieces != oci::kSuccess)
        return pieces;
    ++stmt->nextRow;
    ++stmt->fetched;
    return stmt->rowStatus;
}

sword paramGet(const void *handle, ub4 htype, oci::OCIError *errp, void **param, ub4 pos) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(const_cast<void *>(handle), htype);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || (htype != oci::kHtypeStmt && htype != oci::kDtypeParam) || !err || !param)
        return oci::kInvalidHandle;
    Call call{"OCIParamGet"};
    call.position = static_cast<int>(pos);
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    if (htype == oci::kDtypeParam)
        return describedParam(stmt, err, param, pos);
    if (!(stmt->parsed || stmt->executed) || pos < 1 || pos > stmt->script.columns.size())
        return raise(err, {24334, "ORA-24334: no descriptor for this position\n", 0});
    auto *p = new Handle;
    p->type = oci::kDtypeParam;
    p->env = stmt;
    p->column = stmt->script.columns[pos - 1];
    s.handles.insert(p);
    *param = p;
    return oci::kSuccess;
}

sword defineByPos(oci::OCIStmt *stmtp, oci::OCIDefine **define, oci::OCIError *errp, ub4 position,
                  void *value, sb4 size, ub2 dty, void *indp, ub2 *rlenp, ub2 *rcodep, ub4 mode) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || !err || !define)
        return oci::kInvalidHandle;
    Call call{"OCIDefineByPos", stmt->sql, mode, dty, static_cast<int>(position), size};
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    Define &d = stmt->defines[position];
    d = Define{value,
               size,
               dty,
               static_cast<sb2 *>(indp),
               rlenp,
               rcodep,
               (mode & oci::kDynamicFetch) != 0};
    *define = reinterpret_cast<oci::OCIDefine *>(&d);
    return oci::kSuccess;
}

sword bindByName(oci::OCIStmt *stmtp, oci::OCIBind **bind, oci::OCIError *errp,
                 const OraText *placeholder, sb4 length, const BindArguments &a) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || !err || !bind || !placeholder || length <= 0)
        return oci::kInvalidHandle;
    const std::string name(reinterpret_cast<const char *>(placeholder), length);
    Call call{"OCIBindByName", name, a.mode, a.dty, static_cast<int>(a.maxarrLen), a.size};
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    const auto &known = stmt->script.placeholders;
    if (!known.empty() && std::find(known.begin(), known.end(), name) == known.end())
        return raise(err, {1036, "ORA-01036: illegal variable name/number\n", 0});
    Bind &b = stmt->binds[name];
    b = Bind{};
    b.value = a.value;
    b.size = a.size;
    b.type = a.dty;
    b.ind = static_cast<sb2 *>(a.indp);
    b.alen = a.alenp;
    b.rcode = a.rcodep;
    b.maxElements = a.maxarrLen;
    b.currentElements = a.curelep;
    b.atExec = (a.mode & oci::kDataAtExec) != 0;
    *bind = reinterpret_cast<oci::OCIBind *>(&b);
    return oci::kSuccess;
}

} // namespace scriptedoci::detail
