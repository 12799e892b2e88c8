#pragma once
// Private to the scripted Oracle client: the shared state behind every variant's exports,
// the handle records, and the functions the exported OCI entry points forward to.

#include "scriptedoci.h"

#include "ocilite/oracle/oci8.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <type_traits>
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
    bool dynamic = false; // OCI_DYNAMIC_FETCH: the value goes out in pieces
};

struct Bind {
    void *value = nullptr;
    sb4 size = 0;
    ub2 type = 0;
    sb2 *ind = nullptr;
    ub2 *alen = nullptr;  // the actual lengths, when given
    ub2 *rcode = nullptr; // the column return codes, when given
    ub4 maxElements = 0;  // a PL/SQL table of at most this many elements
    ub4 *currentElements = nullptr;
    ub4 valueSkip = 0, indicatorSkip = 0, lengthSkip = 0, codeSkip = 0; // 0: the element size
    bool atExec = false; // OCI_DATA_AT_EXEC: the value comes in pieces
    std::string gathered;
    bool started = false, complete = false, null = false;
};

// The piece a statement waits for after OCI_NEED_DATA, and the program's answer to it.
struct PieceWait {
    bool pending = false;
    void *handle = nullptr; // the Bind or Define
    ub4 handleType = 0;
    ub1 inOut = 0;
    ub1 piece = 1;
    bool answered = false;
    void *buffer = nullptr;
    ub4 *length = nullptr;
    ub1 givenPiece = 0;
    const sb2 *ind = nullptr;
    ub2 *rcode = nullptr;
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
    bool nonBlocking = false;      // server
    bool descPublic = false;       // describe handle: public synonyms are looked up
    std::deque<std::string> texts; // text attributes handed out, kept as long as the handle
    // statement
    std::string sql;
    Statement script;
    bool parsed = false, executed = false, cancelled = false;
    size_t nextRow = 0;
    ub4 fetched = 0;
    std::map<ub4, Define> defines;
    std::map<std::string, Bind> binds;
    PieceWait wait;
    size_t pieceColumn = 0; // the dynamic define a fetch has reached in the current row
    size_t pieceOffset = 0;
    sword rowStatus = 0;
    // select-list parameter
    Column column;
    // describe handle and the parameters under it: what each stands for
    enum class Node {
        None,
        Object,
        Subprograms,
        Subprogram,
        Arguments,
        Argument
    } node = Node::None;
    StoredObject object;                 // Object
    std::vector<Subprogram> subprograms; // Subprograms
    Subprogram subprogram;               // Subprogram
    std::vector<Argument> arguments;     // Arguments (a function's start at position 0)
    bool functionArguments = false;
    Argument argument; // Argument
    ub2 argumentPosition = 0;
    ub2 argumentLevel = 0;
};

struct State {
    std::mutex mutex;
    std::vector<Statement> statements;
    std::vector<StoredObject> objects;
    std::optional<std::pair<std::string, std::string>> account;
    struct Planned {
        std::string function;
        Failure failure;
        int skip = 0;
    };
    std::vector<Planned> failures;
    int loseAfter = -1; // round trips left before the connection goes; -1: never
    bool lost = false;
    int stillExecuting = 0;          // round trips that answer OCI_STILL_EXECUTING first
    std::optional<std::string> busy; // the call a non-blocking server is still doing
    bool broken = false;             // OCIBreak came while it was
    std::vector<Call> calls;
    std::set<Handle *> handles;
    std::vector<std::string> prepared;
    bool scenarioLoaded = false;
};

State &state();
// Records a call; returns the programmed failure for it, if any (state locked by caller).
const Failure *record(State &s, Call call);
// A round trip to the server: fails once the connection is lost.
const Failure *roundTrip(State &s, const std::string &call);
// The failure record() gives for a call a non-blocking server has not finished: raise()
// answers OCI_STILL_EXECUTING for it and leaves the error handle alone.
inline constexpr int kStillExecutingCode = -3123;
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
sword stmtGetPieceInfo(oci::OCIStmt *stmt, oci::OCIError *err, void **handle, ub4 *handleType,
                       ub1 *inOut, ub4 *iteration, ub4 *index, ub1 *piece);
sword stmtSetPieceInfo(void *handle, ub4 handleType, oci::OCIError *err, const void *buffer,
                       ub4 *length, ub1 piece, const void *indicator, ub2 *rcode);
sword bindArrayOfStruct(oci::OCIBind *bind, oci::OCIError *err, ub4 valueSkip, ub4 indicatorSkip,
                        ub4 lengthSkip, ub4 codeSkip);
// OCIBreak aborts the call a non-blocking server is still doing; OCIReset, which Oracle
// requires after it in non-blocking mode, forgets it. Until then the server stays busy.
sword breakCall(void *handle, oci::OCIError *err);
sword reset(void *handle, oci::OCIError *err);
sword describeAny(oci::OCISvcCtx *svc, oci::OCIError *err, void *object, ub4 length,
                  ub1 pointerType, oci::OCIDescribe *describe);
// Attributes of a describe handle and of the parameters under it.
sword describedAttr(Handle *h, void *value, ub4 *size, ub4 attr, Handle *err);
sword describedParam(Handle *list, Handle *err, void **param, ub4 pos);
sword defineByPos(oci::OCIStmt *stmt, oci::OCIDefine **define, oci::OCIError *err, ub4 position,
                  void *value, sb4 size, ub2 dty, void *indp, ub2 *rlenp, ub2 *rcodep, ub4 mode);
struct BindArguments {
    void *value;
    sb4 size;
    ub2 dty;
    void *indp;
    ub2 *alenp;
    ub2 *rcodep;
    ub4 maxarrLen;
    ub4 *curelep;
    ub4 mode;
};
sword bindByName(oci::OCIStmt *stmt, oci::OCIBind **bind, oci::OCIError *err,
                 const OraText *placeholder, sb4 length, const BindArguments &a);
// Writes a text value into a buffer of an external type; 0, 1406 when cut, or 932.
int convert(const std::string &v, void *out, sb4 size, ub2 type, size_t &copied);
// Element i of an array whose elements lie skip bytes apart.
template <typename T> T *elementOf(T *first, size_t skip, size_t i) {
    using Byte = std::conditional_t<std::is_const_v<T>, const unsigned char, unsigned char>;
    return first ? reinterpret_cast<T *>(reinterpret_cast<Byte *>(first) + skip * i) : nullptr;
}
// The data-at-exec binds still incomplete ask for their pieces (OCI_NEED_DATA), an answer
// given in between is taken; OCI_SUCCESS once every one is complete.
sword gatherPieces(Handle *stmt, bool resuming);
// The dynamic defines of the current row go out piece by piece; OCI_SUCCESS at the row's end.
sword deliverPieces(Handle *stmt, const std::vector<Value> &row);
// After a PL/SQL block ran: the values it assigns to OUT binds, tables element by element;
// false when a table holds more elements than its bind's maximum.
bool writeOutputs(Handle *stmt);

} // namespace scriptedoci::detail
