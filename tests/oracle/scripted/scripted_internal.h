#pragma once
// Private to the scripted Oracle client: the shared state behind every variant's exports,
// the handle records, and the functions the exported OCI entry points forward to.

#include "scriptedoci.h"

#include "ocilite/oracle/oci8.h"

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace scriptedoci::detail {

namespace oci = ocilite::oracle::oci;

struct Define {
    void *value = nullptr;
    sb4 size = 0;
    ub2 type = 0;
    sb2 *ind = nullptr;
    ub2 *rlen = nullptr;
    ub2 *rcode = nullptr;
};

struct Bind {
    void *value = nullptr;
    sb4 size = 0;
    ub2 type = 0;
    sb2 *ind = nullptr;
};

// Every handle and descriptor; which members matter depends on the type.
struct Handle {
    ub4 type = 0;
    Handle *env = nullptr;
    // error handle (and environment, for a failed creation)
    int code = 0;
    std::string text;
    ub2 parseOffset = 0;
    // service context, session
    Handle *server = nullptr;
    Handle *session = nullptr;
    std::string user, password;
    bool attached = false, begun = false;
    // statement
    std::string sql;
    Statement script;
    bool parsed = false, executed = false, cancelled = false;
    size_t nextRow = 0;
    ub4 fetched = 0;
    std::map<ub4, Define> defines;
    std::map<std::string, Bind> binds;
    // select-list parameter
    Column column;
};

struct State {
    std::mutex mutex;
    std::vector<Statement> statements;
    std::optional<std::pair<std::string, std::string>> account;
    struct Planned {
        std::string function;
        Failure failure;
        int skip = 0;
    };
    std::vector<Planned> failures;
    int loseAfter = -1; // round trips left before the connection goes; -1: never
    bool lost = false;
    std::vector<Call> calls;
    std::set<Handle *> handles;
    std::vector<std::string> prepared;
    bool scenarioLoaded = false;
};

State &state();
// Records a call; returns the programmed failure for it, if any (state locked by caller).
const Failure *record(State &s, Call call);
// A round trip to the server: fails once the connection is lost.
const Failure *roundTrip(State &s);
// Leaves a failure in the error handle and returns OCI_ERROR.
sword raise(Handle *err, const Failure &failure);
Handle *checked(void *handle, ub4 type);
std::string oraText(int code, const std::string &text);

sword envNlsCreate(oci::OCIEnv **envp, ub4 mode, ub2 charset);
sword handleAlloc(const void *parent, void **handle, ub4 type);
sword handleFree(void *handle, ub4 type);
sword errorGet(void *handle, ub4 recordNo, sb4 *errcode, OraText *buf, ub4 bufsiz, ub4 type);
sword attrSet(void *target, ub4 targetType, void *value, ub4 size, ub4 attr, oci::OCIError *err);
sword attrGet(const void *target, ub4 targetType, void *value, ub4 *size, ub4 attr,
              oci::OCIError *err);
sword serverAttach(oci::OCIServer *srv, oci::OCIError *err, const OraText *dblink, sb4 length);
sword serverDetach(oci::OCIServer *srv, oci::OCIError *err);
sword sessionBegin(oci::OCISvcCtx *svc, oci::OCIError *err, oci::OCISession *session, ub4 credt);
sword sessionEnd(oci::OCISvcCtx *svc, oci::OCIError *err, oci::OCISession *session);
sword transCommit(oci::OCISvcCtx *svc, oci::OCIError *err);
sword transRollback(oci::OCISvcCtx *svc, oci::OCIError *err);
sword stmtPrepare(oci::OCIStmt *stmt, oci::OCIError *err, const OraText *text, ub4 length);
sword stmtExecute(oci::OCISvcCtx *svc, oci::OCIStmt *stmt, oci::OCIError *err, ub4 iters, ub4 mode);
sword stmtFetch2(oci::OCIStmt *stmt, oci::OCIError *err, ub4 nrows, ub2 orientation);
sword paramGet(const void *handle, ub4 htype, oci::OCIError *err, void **param, ub4 pos);
sword descriptorFree(void *descriptor, ub4 type);
sword defineByPos(oci::OCIStmt *stmt, oci::OCIDefine **define, oci::OCIError *err, ub4 position,
                  void *value, sb4 size, ub2 dty, void *indp, ub2 *rlenp, ub2 *rcodep);
sword bindByName(oci::OCIStmt *stmt, oci::OCIBind **bind, oci::OCIError *err,
                 const OraText *placeholder, sb4 length, void *value, sb4 size, ub2 dty,
                 void *indp);

} // namespace scriptedoci::detail
