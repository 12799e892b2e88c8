// The scripted client's handles, attributes, errors, logon and transaction calls.
#include "scripted_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace scriptedoci::detail {
namespace {

bool isRoundTrip(const std::string &function) {
    static const std::set<std::string> kRoundTrips = {
        "OCIServerAttach", "OCISessionBegin",  "OCIStmtExecute", "OCIStmtFetch2",
        "OCITransCommit",  "OCITransRollback", "OCISessionEnd",  "OCIDescribeAny"};
    return kRoundTrips.count(function) > 0;
}

void freeTree(State &s, Handle *h) {
    for (Handle *child : std::set<Handle *>(s.handles))
        if (child != h && s.handles.count(child) && child->env == h) // not freed meanwhile
            freeTree(s, child);
    s.handles.erase(h);
    delete h;
}

template <typename T> void put(void *value, ub4 *size, T v) {
    std::memcpy(value, &v, sizeof v);
    if (size)
        *size = sizeof v;
}

sword getStatementAttr(Handle *h, void *value, ub4 *size, ub4 attr, Handle *err) {
    const Statement &st = h->script;
    switch (attr) {
    case oci::kAttrStmtType:
        put<ub2>(value, size, static_cast<ub2>(st.type));
        return oci::kSuccess;
    case oci::kAttrSqlFnCode: {
        int code = 0;
        if (h->parsed || h->executed)
            code = st.functionCode ? st.functionCode
                                   : (st.type == 1   ? 4
                                      : st.type == 4 ? 3
                                      : st.type == 2 ? 5
                                      : st.type == 3 ? 9
                                                     : 0);
        put<ub2>(value, size, static_cast<ub2>(code));
        return oci::kSuccess;
    }
    case oci::kAttrParamCount:
        put<ub4>(value, size, h->parsed || h->executed ? static_cast<ub4>(st.columns.size()) : 0);
        return oci::kSuccess;
    case oci::kAttrRowCount:
        put<ub4>(value, size, st.type == 1 ? h->fetched : static_cast<ub4>(st.rowCount));
        return oci::kSuccess;
    default:
        return raise(err, {24315, "ORA-24315: illegal attribute type", 0});
    }
}

sword getParamAttr(Handle *h, void *value, ub4 *size, ub4 attr, Handle *err) {
    const Column &c = h->column;
    switch (attr) {
    case oci::kAttrDataType:
        put<ub2>(value, size, static_cast<ub2>(c.type));
        return oci::kSuccess;
    case oci::kAttrDataSize:
        put<ub2>(value, size, static_cast<ub2>(c.size));
        return oci::kSuccess;
    case oci::kAttrPrecision:
        put<sb2>(value, size, static_cast<sb2>(c.precision));
        return oci::kSuccess;
    case oci::kAttrScale:
        put<sb1>(value, size, static_cast<sb1>(c.scale));
        return oci::kSuccess;
    case oci::kAttrIsNull:
        put<ub1>(value, size, c.nullable ? 1 : 0);
        return oci::kSuccess;
    case oci::kAttrName:
        *static_cast<const OraText **>(value) = reinterpret_cast<const OraText *>(c.name.data());
        if (size)
            *size = static_cast<ub4>(c.name.size());
        return oci::kSuccess;
    default:
        return raise(err, {24315, "ORA-24315: illegal attribute type", 0});
    }
}

} // namespace

State &state() {
    static State *s = new State; // outlives every library that uses it
    return *s;
}

std::string oraText(int code, const std::string &text) {
    if (!text.empty())
        return text;
    char buf[64];
    std::snprintf(buf, sizeof buf, "ORA-%05d: scripted error\n", code);
    return buf;
}

bool anyNonBlocking(const State &s) {
    for (const Handle *h : s.handles)
        if (h->type == oci::kHtypeServer && h->nonBlocking)
            return true;
    return false;
}

// A non-blocking server answers OCI_STILL_EXECUTING as programmed, and refuses any other
// call until the same call comes again.
const Failure *stillBusy(State &s, const std::string &call) {
    static const Failure kStill{kStillExecutingCode, "", 0};
    static const Failure kActive{
        3127, "ORA-03127: no new operations allowed until the active operation ends\n", 0};
    if (s.busy) {
        if (*s.busy != call)
            return &kActive;
        s.busy.reset();
        return nullptr;
    }
    if (s.stillExecuting > 0 && anyNonBlocking(s)) {
        --s.stillExecuting;
        s.busy = call;
        return &kStill;
    }
    return nullptr;
}

const Failure *roundTrip(State &s, const std::string &call) {
    static const Failure kLost{3113, "ORA-03113: end-of-file on communication channel\n", 0};
    static const Failure kGone{3114, "ORA-03114: not connected to ORACLE\n", 0};
    if (const Failure *f = stillBusy(s, call))
        return f;
    if (s.lost)
        return &kGone;
    if (s.loseAfter < 0)
        return nullptr;
    if (s.loseAfter-- > 0)
        return nullptr;
    s.lost = true;
    return &kLost;
}

const Failure *record(State &s, Call call) {
    const std::string function = call.function;
    s.calls.push_back(std::move(call));
    for (auto it = s.failures.begin(); it != s.failures.end(); ++it) {
        if (it->function != function)
            continue;
        if (it->skip-- > 0)
            continue;
        static Failure fired;
        fired = it->failure;
        s.failures.erase(it);
        return &fired;
    }
    return isRoundTrip(function) ? roundTrip(s, function + "|" + s.calls.back().text) : nullptr;
}

sword raise(Handle *err, const Failure &failure) {
    if (failure.code == kStillExecutingCode)
        return oci::kStillExecuting;
    if (err) {
        err->code = failure.code;
        err->text = oraText(failure.code, failure.text);
        err->parseOffset = static_cast<ub2>(failure.parseOffset);
    }
    return oci::kError;
}

Handle *checked(void *handle, ub4 type) {
    State &s = state();
    auto *h = static_cast<Handle *>(handle);
    return h && s.handles.count(h) && h->type == type ? h : nullptr;
}

sword envNlsCreate(oci::OCIEnv **envp, ub4 mode, ub2 charset) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.scenarioLoaded) {
        s.scenarioLoaded = true;
        if (const char *path = std::getenv("VELMORA_SCRIPTED_OCI_SCENARIO")) {
            std::string error;
            s.mutex.unlock();
            if (!loadScenario(path, error))
                std::fprintf(stderr, "scripted client: %s\n", error.c_str());
            s.mutex.lock();
        }
    }
    Call call{"OCIEnvNlsCreate"};
    call.mode = mode;
    call.size = charset;
    if (!envp)
        return oci::kInvalidHandle;
    *envp = nullptr;
    if (const Failure *f = record(s, call)) {
        (void)f;
        return oci::kError;
    }
    auto *env = new Handle;
    env->type = oci::kHtypeEnv;
    s.handles.insert(env);
    *envp = reinterpret_cast<oci::OCIEnv *>(env);
    return oci::kSuccess;
}

sword handleAlloc(const void *parent, void **handle, ub4 type) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *env = checked(const_cast<void *>(parent), oci::kHtypeEnv);
    if (!env || !handle)
        return oci::kInvalidHandle;
    Call call{"OCIHandleAlloc"};
    call.iters = type;
    if (record(s, call))
        return oci::kError;
    auto *h = new Handle;
    h->type = type;
    h->env = env;
    s.handles.insert(h);
    *handle = h;
    return oci::kSuccess;
}

sword handleFree(void *handle, ub4 type) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(handle, type);
    if (!h)
        return oci::kInvalidHandle;
    s.calls.push_back(Call{"OCIHandleFree", "", 0, type});
    freeTree(s, h);
    return oci::kSuccess;
}

sword descriptorFree(void *descriptor, ub4 type) {
    return handleFree(descriptor, type);
}

sword errorGet(void *handle, ub4 recordNo, sb4 *errcode, OraText *buf, ub4 bufsiz, ub4 type) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(handle, type);
    if (!h)
        return oci::kInvalidHandle;
    if (recordNo != 1 || h->code == 0)
        return oci::kNoData;
    if (errcode)
        *errcode = h->code;
    if (buf && bufsiz > 0) {
        const size_t n = std::min<size_t>(h->text.size(), bufsiz - 1);
        std::memcpy(buf, h->text.data(), n);
        buf[n] = 0;
    }
    return oci::kSuccess;
}

sword attrSet(void *target, ub4 targetType, void *value, ub4 size, ub4 attr, oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(target, targetType);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!h || !err)
        return oci::kInvalidHandle;
    Call call{"OCIAttrSet"};
    call.mode = attr;
    call.size = static_cast<int>(size);
    if (targetType == oci::kHtypeSession && (attr == oci::kAttrUserName))
        h->user.assign(static_cast<const char *>(value), size);
    else if (targetType == oci::kHtypeSession && attr == oci::kAttrPassword)
        h->password.assign(static_cast<const char *>(value), size);
    else if (targetType == oci::kHtypeSvcCtx && attr == oci::kAttrServer)
        h->server = static_cast<Handle *>(value);
    else if (targetType == oci::kHtypeSvcCtx && attr == oci::kAttrSession)
        h->session = static_cast<Handle *>(value);
    else if (targetType == oci::kHtypeDescribe && attr == oci::kAttrDescPublic)
        h->descPublic = value && *static_cast<const sb4 *>(value) != 0;
    else if (targetType == oci::kHtypeServer && attr == oci::kAttrNonblockingMode)
        h->nonBlocking = !h->nonBlocking; // setting it toggles the mode
    else if (targetType == oci::kHtypeStmt && attr == oci::kAttrPrefetchRows)
        call.iters = *static_cast<ub4 *>(value);
    if (attr == oci::kAttrUserName)
        call.text = h->user;
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    return oci::kSuccess;
}

sword attrGet(const void *target, ub4 targetType, void *value, ub4 *size, ub4 attr,
              oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(const_cast<void *>(target), targetType);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!h || !err || !value)
        return oci::kInvalidHandle;
    Call call{"OCIAttrGet"};
    call.mode = attr;
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    if (targetType == oci::kHtypeError && attr == oci::kAttrParseErrorOffset) {
        put<ub2>(value, size, h->parseOffset);
        return oci::kSuccess;
    }
    if (targetType == oci::kHtypeServer && attr == oci::kAttrNonblockingMode) {
        put<ub1>(value, size, h->nonBlocking ? 1 : 0);
        return oci::kSuccess;
    }
    if (targetType == oci::kHtypeDescribe || h->node != Handle::Node::None)
        return describedAttr(h, value, size, attr, err);
    if (targetType == oci::kHtypeStmt)
        return getStatementAttr(h, value, size, attr, err);
    if (targetType == oci::kDtypeParam)
        return getParamAttr(h, value, size, attr, err);
    return raise(err, {24315, "ORA-24315: illegal attribute type", 0});
}

sword serverAttach(oci::OCIServer *srv, oci::OCIError *errp, const OraText *dblink, sb4 length) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(srv, oci::kHtypeServer);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!h || !err)
        return oci::kInvalidHandle;
    Call call{"OCIServerAttach"};
    call.text.assign(reinterpret_cast<const char *>(dblink), length > 0 ? length : 0);
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    h->attached = true;
    return oci::kSuccess;
}

sword serverDetach(oci::OCIServer *srv, oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *h = checked(srv, oci::kHtypeServer);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!h || !err || !h->attached)
        return oci::kInvalidHandle;
    if (const Failure *f = record(s, Call{"OCIServerDetach"}))
        return raise(err, *f);
    h->attached = false;
    return oci::kSuccess;
}

sword sessionBegin(oci::OCISvcCtx *svcp, oci::OCIError *errp, oci::OCISession *sessionp,
                   ub4 credt) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *svc = checked(svcp, oci::kHtypeSvcCtx);
    Handle *session = checked(sessionp, oci::kHtypeSession);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!svc || !session || !err || !svc->server || !svc->server->attached)
        return oci::kInvalidHandle;
    Call call{"OCISessionBegin", session->user, credt};
    if (const Failure *f = record(s, call))
        return raise(err, *f);
    if (credt == oci::kCredRdbms && session->password.empty())
        return raise(err, {1005, "ORA-01005: null password given; logon denied\n", 0});
    if (s.account && credt == oci::kCredRdbms &&
        (s.account->first != session->user || s.account->second != session->password))
        return raise(err, {1017, "ORA-01017: invalid username/password; logon denied\n", 0});
    session->begun = true;
    return oci::kSuccess;
}

sword sessionEnd(oci::OCISvcCtx *svcp, oci::OCIError *errp, oci::OCISession *sessionp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *svc = checked(svcp, oci::kHtypeSvcCtx);
    Handle *session = checked(sessionp, oci::kHtypeSession);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!svc || !session || !err || !session->begun)
        return oci::kInvalidHandle;
    session->begun = false;
    if (const Failure *f = record(s, Call{"OCISessionEnd"}))
        return raise(err, *f);
    return oci::kSuccess;
}

static sword transaction(const char *function, oci::OCISvcCtx *svcp, oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *svc = checked(svcp, oci::kHtypeSvcCtx);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!svc || !err || !svc->session || !svc->session->begun)
        return oci::kInvalidHandle;
    if (const Failure *f = record(s, Call{function}))
        return raise(err, *f);
    return oci::kSuccess;
}

sword transCommit(oci::OCISvcCtx *svc, oci::OCIError *err) {
    return transaction("OCITransCommit", svc, err);
}

sword transRollback(oci::OCISvcCtx *svc, oci::OCIError *err) {
    return transaction("OCITransRollback", svc, err);
}

} // namespace scriptedoci::detail

namespace scriptedoci::detail {

sword breakCall(void *handle, oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!checked(handle, oci::kHtypeSvcCtx) && !checked(handle, oci::kHtypeServer))
        return oci::kInvalidHandle;
    if (!checked(errp, oci::kHtypeError))
        return oci::kInvalidHandle;
    s.calls.push_back(Call{"OCIBreak"});
    s.broken = s.busy.has_value();
    return oci::kSuccess;
}

sword reset(void *handle, oci::OCIError *errp) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!checked(handle, oci::kHtypeSvcCtx) && !checked(handle, oci::kHtypeServer))
        return oci::kInvalidHandle;
    if (!checked(errp, oci::kHtypeError))
        return oci::kInvalidHandle;
    s.calls.push_back(Call{"OCIReset"});
    if (s.broken)
        s.busy.reset();
    s.broken = false;
    return oci::kSuccess;
}

} // namespace scriptedoci::detail
