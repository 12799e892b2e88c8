// State shared by the test process and every scripted client library variant it loads.

#include "fakeoci.h"
#include "fakeoci_internal.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>

namespace fakeoci {
namespace {

struct ResultSet {
    std::vector<Column> columns;
    Rows rows;
};

struct Failure {
    int skip = 0;
    int times = 0;
    int rc = 0;
    int fc = 0;
};

struct Define {
    ub1 *buf = nullptr;
    int length = 0;
};

struct Binding {
    const ub1 *address = nullptr;
    int length = 0;
};

struct CursorState {
    ResultSet result;
    std::size_t nextRow = 0;
    std::map<int, Define> defines;
    std::map<int, Binding> bindings;
};

struct State {
    std::vector<Call> calls;
    std::map<std::string, std::deque<Failure>> failures;
    ResultSet defaultResult;
    std::deque<ResultSet> queuedResults;
    int rowsProcessed = 0;
    std::map<int, int> describeFailures;
    std::map<int, std::string> errorTexts;
    std::map<const Cda_Def *, CursorState> cursors;
    std::vector<std::string> loaded;
    std::vector<std::string> unloaded;
    bool loggedOn = false;
    std::function<void(const Call &)> hook;
};

// Never destroyed: a variant still loaded at exit announces its unloading after the
// statics of this library are gone.
State &state() {
    static State *s = new State;
    return *s;
}

std::intptr_t arg(const void *p) {
    return reinterpret_cast<std::intptr_t>(p);
}
std::intptr_t arg(long long v) {
    return static_cast<std::intptr_t>(v);
}

Call &record(const char *lib, const char *entry, const Cda_Def *area,
             std::vector<std::intptr_t> args) {
    Call c;
    c.entry = entry;
    c.library = lib;
    c.area = area;
    c.args = std::move(args);
    state().calls.push_back(std::move(c));
    return state().calls.back();
}

void setCodes(Cda_Def *area, int rc, int fc) {
    if (area == nullptr)
        return;
    area->rc = static_cast<ub2>(rc);
    area->v2_rc = static_cast<sb2>(rc == 0 ? 0 : -rc);
    area->fc = static_cast<ub1>(fc);
}

// Applies a programmed failure to this call, if one is due.
bool programmedFailure(const std::string &entry, Cda_Def *area) {
    if (state().hook) {
        const Call current = state().calls.back();
        state().hook(current);
    }
    auto &queue = state().failures[entry];
    if (queue.empty())
        return false;
    Failure &f = queue.front();
    if (f.skip > 0) {
        --f.skip;
        return false;
    }
    setCodes(area, f.rc, f.fc);
    if (--f.times <= 0)
        queue.pop_front();
    return true;
}

sword finish(Call &call, Cda_Def *area, int rc, int fc = 0) {
    setCodes(area, rc, fc);
    call.result = rc == 0 ? 0 : -1;
    return call.result;
}

sword failed(Call &call) {
    call.result = -1;
    return -1;
}

std::string textOf(const OraText *p, sword len) {
    if (p == nullptr)
        return {};
    const char *s = reinterpret_cast<const char *>(p);
    return len < 0 ? std::string(s) : std::string(s, static_cast<std::size_t>(len));
}

int functionType(const std::string &sql) {
    std::string word;
    for (char ch : sql) {
        if (std::isspace(static_cast<unsigned char>(ch)) && word.empty())
            continue;
        if (!std::isalpha(static_cast<unsigned char>(ch)))
            break;
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    if (word == "SELECT")
        return OCIV7_FT_SELECT;
    if (word == "INSERT")
        return OCIV7_FT_INSERT;
    if (word == "UPDATE")
        return OCIV7_FT_UPDATE;
    if (word == "DELETE")
        return OCIV7_FT_DELETE;
    return 0;
}

// Writes one value into a defined buffer; true when it had to be cut.
bool writeValue(const Define &d, const std::string &value) {
    if (d.buf == nullptr || d.length <= 0)
        return false;
    const std::size_t room = static_cast<std::size_t>(d.length) - 1;
    const std::size_t n = std::min(room, value.size());
    std::memcpy(d.buf, value.data(), n);
    d.buf[n] = 0;
    return n < value.size();
}

std::string boundValue(const Binding &b) {
    if (b.address == nullptr)
        return {};
    const char *s = reinterpret_cast<const char *>(b.address);
    const std::size_t max = b.length > 0 ? static_cast<std::size_t>(b.length) : 0;
    return std::string(s, strnlen(s, max));
}

} // namespace

void reset() {
    state() = State{};
}

void failNext(const std::string &entry, int rc, int fc, int times) {
    failAfter(entry, 0, rc, fc, times);
}

void failAfter(const std::string &entry, int skip, int rc, int fc, int times) {
    state().failures[entry].push_back(Failure{skip, times, rc, fc});
}

void setResult(std::vector<Column> columns, Rows rows) {
    state().defaultResult = ResultSet{std::move(columns), std::move(rows)};
}

void queueResult(std::vector<Column> columns, Rows rows) {
    state().queuedResults.push_back(ResultSet{std::move(columns), std::move(rows)});
}

void setRowsProcessed(int rpc) {
    state().rowsProcessed = rpc;
}

void setDescribeFailure(int pos, int rc) {
    state().describeFailures[pos] = rc;
}

void setErrorText(int code, const std::string &text) {
    state().errorTexts[code] = text;
}

std::string errorText(int code) {
    auto it = state().errorTexts.find(code);
    if (it != state().errorTexts.end())
        return it->second;
    char text[64];
    std::snprintf(text, sizeof text, "ORA-%05d: scripted error", code);
    return text;
}

std::vector<Call> calls() {
    return state().calls;
}

std::vector<Call> callsOf(const std::string &entry) {
    std::vector<Call> out;
    for (const Call &c : state().calls)
        if (c.entry == entry)
            out.push_back(c);
    return out;
}

std::vector<std::string> parsedStatements() {
    std::vector<std::string> texts;
    for (const Call &call : callsOf("oparse"))
        texts.push_back(call.text);
    return texts;
}

int callCount(const std::string &entry) {
    return static_cast<int>(callsOf(entry).size());
}

int totalCalls() {
    return static_cast<int>(state().calls.size());
}

std::vector<CallSite> callSitesSince(std::size_t from) {
    std::vector<CallSite> sites;
    std::map<std::string, int> seen;
    const std::vector<Call> &all = state().calls;
    for (std::size_t i = from; i < all.size(); ++i) {
        if (all[i].entry != "oerhms")
            sites.push_back({all[i].entry, seen[all[i].entry]++});
    }
    return sites;
}

std::vector<std::string> loadedLibraries() {
    return state().loaded;
}
std::vector<std::string> unloadedLibraries() {
    return state().unloaded;
}

bool loggedOn() {
    return state().loggedOn;
}

void setCallHook(std::function<void(const Call &)> hook) {
    state().hook = std::move(hook);
}

namespace detail {

void libraryLoaded(const char *library) {
    state().loaded.emplace_back(library);
}
void libraryUnloaded(const char *library) {
    state().unloaded.emplace_back(library);
}

sword olog(const char *lib, Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd,
           sword pswdl, OraText *conn, sword connl, ub4 mode) {
    Call &c = record(lib, "olog", lda,
                     {arg(lda), arg(hda), arg(uid), arg(uidl), arg(pswd), arg(pswdl), arg(conn),
                      arg(connl), arg(static_cast<long long>(mode))});
    c.user = textOf(uid, uidl);
    c.password = textOf(pswd, pswdl);
    c.conn = textOf(conn, connl);
    c.code = static_cast<int>(mode);
    if (programmedFailure("olog", lda))
        return failed(c);
    state().loggedOn = true;
    return finish(c, lda, 0);
}

sword ologof(const char *lib, Cda_Def *lda) {
    Call &c = record(lib, "ologof", lda, {arg(lda)});
    if (programmedFailure("ologof", lda))
        return failed(c);
    state().loggedOn = false;
    return finish(c, lda, 0);
}

sword oopen(const char *lib, Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize,
            OraText *uid, sword uidl) {
    Call &c =
        record(lib, "oopen", cursor,
               {arg(cursor), arg(lda), arg(dbn), arg(dbnl), arg(arsize), arg(uid), arg(uidl)});
    c.lda = lda;
    if (programmedFailure("oopen", cursor))
        return failed(c);
    state().cursors[cursor] = CursorState{};
    return finish(c, cursor, 0);
}

sword oclose(const char *lib, Cda_Def *cursor) {
    Call &c = record(lib, "oclose", cursor, {arg(cursor)});
    if (programmedFailure("oclose", cursor))
        return failed(c);
    state().cursors.erase(cursor);
    return finish(c, cursor, 0);
}

sword oparse(const char *lib, Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg,
             ub4 lngflg) {
    Call &c = record(
        lib, "oparse", cursor,
        {arg(cursor), arg(sqlstm), arg(sqllen), arg(defflg), arg(static_cast<long long>(lngflg))});
    c.text = textOf(sqlstm, sqllen);
    c.length = sqllen;
    if (programmedFailure("oparse", cursor))
        return failed(c);
    CursorState &cs = state().cursors[cursor];
    if (!state().queuedResults.empty()) {
        cs.result = std::move(state().queuedResults.front());
        state().queuedResults.pop_front();
    } else {
        cs.result = state().defaultResult;
    }
    cs.nextRow = 0;
    cs.defines.clear();
    cs.bindings.clear();
    cursor->ft = static_cast<ub2>(functionType(c.text));
    return finish(c, cursor, 0);
}

sword odescr(const char *lib, Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf,
             sb4 *cbufl, sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    Call &c = record(lib, "odescr", cursor,
                     {arg(cursor), arg(pos), arg(dbsize), arg(dbtype), arg(cbuf), arg(cbufl),
                      arg(dsize), arg(prec), arg(scale), arg(nullok)});
    c.position = pos;
    if (programmedFailure("odescr", cursor))
        return failed(c);
    auto failure = state().describeFailures.find(pos);
    if (failure != state().describeFailures.end())
        return finish(c, cursor, failure->second);
    const auto &columns = state().cursors[cursor].result.columns;
    if (pos < 1 || static_cast<std::size_t>(pos) > columns.size())
        return finish(c, cursor, OCIV7_RC_NOT_IN_SELECT_LIST);
    const Column &col = columns[static_cast<std::size_t>(pos) - 1];
    if (dbsize)
        *dbsize = col.dbsize;
    if (dbtype)
        *dbtype = static_cast<sb2>(col.dbtype);
    if (cbuf && cbufl) {
        const std::size_t room = *cbufl > 0 ? static_cast<std::size_t>(*cbufl) : 0;
        std::memcpy(cbuf, col.name.data(), std::min(room, col.name.size()));
    }
    if (cbufl)
        *cbufl = static_cast<sb4>(col.name.size());
    if (dsize)
        *dsize = col.dsize < 0 ? col.dbsize : col.dsize;
    if (prec)
        *prec = static_cast<sb2>(col.prec);
    if (scale)
        *scale = static_cast<sb2>(col.scale);
    if (nullok)
        *nullok = col.nullok ? 1 : 0;
    return finish(c, cursor, 0);
}

sword odefin(const char *lib, Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    Call &c = record(lib, "odefin", cursor,
                     {arg(cursor), arg(pos), arg(buf), arg(bufl), arg(ftype), arg(scale), arg(indp),
                      arg(fmt), arg(fmtl), arg(fmtt), arg(rlen), arg(rcode)});
    c.position = pos;
    c.length = bufl;
    c.type = ftype;
    if (programmedFailure("odefin", cursor))
        return failed(c);
    state().cursors[cursor].defines[pos] = Define{buf, bufl};
    return finish(c, cursor, 0);
}

sword obndrn(const char *lib, Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    Call &c = record(lib, "obndrn", cursor,
                     {arg(cursor), arg(sqlvn), arg(progv), arg(progvl), arg(ftype), arg(scale),
                      arg(indp), arg(fmt), arg(fmtl), arg(fmtt)});
    c.position = sqlvn;
    c.length = progvl;
    c.type = ftype;
    c.text = boundValue(Binding{progv, progvl});
    if (programmedFailure("obndrn", cursor))
        return failed(c);
    state().cursors[cursor].bindings[sqlvn] = Binding{progv, progvl};
    return finish(c, cursor, 0);
}

sword oexec(const char *lib, Cda_Def *cursor) {
    Call &c = record(lib, "oexec", cursor, {arg(cursor)});
    CursorState &cs = state().cursors[cursor];
    int highest = cs.bindings.empty() ? 0 : cs.bindings.rbegin()->first;
    for (int n = 1; n <= highest; ++n) {
        auto it = cs.bindings.find(n);
        c.bound.push_back(it == cs.bindings.end() ? std::string() : boundValue(it->second));
    }
    if (programmedFailure("oexec", cursor))
        return failed(c);
    cs.nextRow = 0;
    cursor->rpc = static_cast<ub4>(state().rowsProcessed);
    return finish(c, cursor, 0);
}

sword ofetch(const char *lib, Cda_Def *cursor) {
    Call &c = record(lib, "ofetch", cursor, {arg(cursor)});
    if (programmedFailure("ofetch", cursor))
        return failed(c);
    CursorState &cs = state().cursors[cursor];
    if (cs.nextRow >= cs.result.rows.size())
        return finish(c, cursor, OCIV7_RC_NO_DATA_FOUND);
    const auto &row = cs.result.rows[cs.nextRow++];
    bool sawNull = false;
    bool cut = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        auto d = cs.defines.find(static_cast<int>(i) + 1);
        if (d == cs.defines.end())
            continue;
        // A NULL leaves the buffer as it was: clearing it is the caller's business.
        if (!row[i].has_value())
            sawNull = true;
        else
            cut = writeValue(d->second, *row[i]) || cut;
    }
    cursor->rpc += 1;
    if (cut)
        return finish(c, cursor, OCIV7_RC_TRUNCATED);
    return finish(c, cursor, sawNull ? OCIV7_RC_NULL_FETCHED : 0);
}

sword oerhms(const char *lib, Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    Call &c = record(lib, "oerhms", lda, {arg(lda), arg(rcode), arg(buf), arg(bufsiz)});
    c.lda = lda;
    c.code = rcode;
    c.length = bufsiz;
    if (programmedFailure("oerhms", nullptr))
        return failed(c);
    if (buf != nullptr && bufsiz > 0) {
        const std::string text = errorText(rcode);
        const std::size_t n = std::min(text.size(), static_cast<std::size_t>(bufsiz) - 1);
        std::memcpy(buf, text.data(), n);
        buf[n] = 0;
    }
    c.result = 0;
    return 0;
}

// Entries whose only behaviour is to be recorded and succeed (or fail as programmed).
sword recordedOnly(const char *lib, const char *entry, Cda_Def *area) {
    Call &c = record(lib, entry, area, {arg(area)});
    if (programmedFailure(entry, area))
        return failed(c);
    return finish(c, area, 0);
}

sword obndrv(const char *lib, Cda_Def *cursor, OraText *, sword, ub1 *, sword, sword, sword, sb2 *,
             OraText *, sword, sword) {
    return recordedOnly(lib, "obndrv", cursor);
}
sword ocan(const char *lib, Cda_Def *cursor) {
    return recordedOnly(lib, "ocan", cursor);
}
sword ocon(const char *lib, Cda_Def *lda) {
    return recordedOnly(lib, "ocon", lda);
}
sword ocof(const char *lib, Cda_Def *lda) {
    return recordedOnly(lib, "ocof", lda);
}
sword ocom(const char *lib, Cda_Def *lda) {
    return recordedOnly(lib, "ocom", lda);
}
sword orol(const char *lib, Cda_Def *lda) {
    return recordedOnly(lib, "orol", lda);
}
sword obndra(const char *lib, Cda_Def *cursor, OraText *, sword, ub1 *, sword, sword, sword, sb2 *,
             ub2 *, ub2 *, ub4, ub4 *, OraText *, sword, sword) {
    return recordedOnly(lib, "obndra", cursor);
}
sword odessp(const char *lib, Cda_Def *cursor, OraText *, size_t, ub1 *, size_t, ub1 *, size_t,
             ub2 *, ub2 *, ub2 *, OraText **, ub2 *, ub2 *, ub1 *, ub1 *, ub4 *, sb2 *, sb2 *,
             ub1 *, ub4 *, ub4 *) {
    return recordedOnly(lib, "odessp", cursor);
}
sword ogetpi(const char *lib, Cda_Def *cursor, ub1 *, void **, ub4 *, ub4 *) {
    return recordedOnly(lib, "ogetpi", cursor);
}

} // namespace detail
} // namespace fakeoci
