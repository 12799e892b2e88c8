// The scripted client's piecewise operations and PL/SQL table binds, as the OCI Programmer's
// Guide describes them. A data-at-exec bind (OCI_DATA_AT_EXEC) makes OCIStmtExecute answer
// OCI_NEED_DATA; OCIStmtGetPieceInfo names the bind and the piece wanted (first, then next),
// OCIStmtSetPieceInfo gives it, and the next OCIStmtExecute takes it, until the piece given
// was the last (or the only) one. A dynamic define (OCI_DYNAMIC_FETCH) makes OCIStmtFetch2
// answer OCI_NEED_DATA for each piece of the column's value: the buffer and length given
// with OCIStmtSetPieceInfo are filled by the next OCIStmtFetch2 (the length becomes the
// piece's), which asks again while the value goes on. A PL/SQL block's OUT binds receive the
// programmed outputs; a table bind takes *curelep elements in and sets it to those written,
// and more elements than its maximum is ORA-06513.
#include "scripted_internal.h"

#include <algorithm>
#include <cstring>

namespace scriptedoci::detail {
namespace {

void ask(Handle *stmt, void *handle, ub4 type, ub1 inOut, ub1 piece) {
    stmt->wait = PieceWait{};
    stmt->wait.pending = true;
    stmt->wait.handle = handle;
    stmt->wait.handleType = type;
    stmt->wait.inOut = inOut;
    stmt->wait.piece = piece;
}

void takeBindPiece(Bind &b, const PieceWait &w) {
    if (w.ind && *w.ind < 0)
        b.null = true;
    else if (w.buffer && w.length)
        b.gathered.append(static_cast<const char *>(w.buffer), *w.length);
    b.complete = w.givenPiece == 0 || w.givenPiece == 3; // OCI_ONE_PIECE, OCI_LAST_PIECE
}

Handle *waitingOn(void *handle) {
    for (Handle *h : state().handles)
        if (h->type == oci::kHtypeStmt && h->wait.pending && h->wait.handle == handle)
            return h;
    return nullptr;
}

void writeElement(Bind &b, size_t i, const Value &v) {
    const size_t size = static_cast<size_t>(std::max(b.size, 0));
    sb2 *ind = elementOf(b.ind, b.indicatorSkip ? b.indicatorSkip : sizeof(sb2), i);
    ub2 *alen = elementOf(b.alen, b.lengthSkip ? b.lengthSkip : sizeof(ub2), i);
    ub2 *rcode = elementOf(b.rcode, b.codeSkip ? b.codeSkip : sizeof(ub2), i);
    size_t copied = 0;
    int rc = 0;
    if (v)
        rc = convert(*v,
                     elementOf(static_cast<char *>(b.value), b.valueSkip ? b.valueSkip : size, i),
                     b.size, b.type, copied);
    if (ind)
        *ind = !v ? -1 : (rc == 1406 ? static_cast<sb2>(v->size()) : 0);
    if (alen)
        *alen = static_cast<ub2>(copied);
    if (rcode)
        *rcode = static_cast<ub2>(!v ? 1405 : rc);
}

} // namespace

sword gatherPieces(Handle *stmt, bool resuming) {
    if (resuming) {
        PieceWait &w = stmt->wait;
        if (!w.answered) // asked again: the same piece is still wanted
            return 99;
        Bind &b = *static_cast<Bind *>(w.handle);
        takeBindPiece(b, w);
        if (!b.complete) {
            ask(stmt, &b, oci::kHtypeBind, oci::kParamIn, 2);
            return 99;
        }
    } else {
        for (auto &[name, b] : stmt->binds)
            b.gathered.clear(), b.started = b.complete = b.null = false;
    }
    stmt->wait = PieceWait{};
    for (auto &[name, b] : stmt->binds)
        if (b.atExec && !b.complete) {
            ask(stmt, &b, oci::kHtypeBind, oci::kParamIn, 1); // OCI_FIRST_PIECE
            return 99;                                        // OCI_NEED_DATA
        }
    return oci::kSuccess;
}

sword deliverPieces(Handle *stmt, const std::vector<Value> &row) {
    PieceWait &w = stmt->wait;
    if (w.pending && w.inOut == oci::kParamOut) {
        if (!w.answered)
            return 99;
        const Value &v = stmt->pieceColumn < row.size() ? row[stmt->pieceColumn] : Value{};
        const size_t left = v ? v->size() - stmt->pieceOffset : 0;
        const size_t n = std::min<size_t>(w.length ? *w.length : 0, left);
        if (n && w.buffer)
            std::memcpy(w.buffer, v->data() + stmt->pieceOffset, n);
        if (w.length)
            *w.length = static_cast<ub4>(n);
        if (w.ind)
            *const_cast<sb2 *>(w.ind) = v ? 0 : -1;
        if (w.rcode)
            *w.rcode = v ? 0 : 1405;
        stmt->pieceOffset += n;
        if (n < left) {
            ask(stmt, w.handle, oci::kHtypeDefine, oci::kParamOut, 2); // OCI_NEXT_PIECE
            return 99;
        }
        ++stmt->pieceColumn;
    }
    stmt->wait = PieceWait{};
    for (; stmt->pieceColumn < stmt->script.columns.size(); ++stmt->pieceColumn) {
        const auto d = stmt->defines.find(static_cast<ub4>(stmt->pieceColumn + 1));
        if (d == stmt->defines.end() || !d->second.dynamic)
            continue;
        stmt->pieceOffset = 0;
        ask(stmt, &d->second, oci::kHtypeDefine, oci::kParamOut, 1);
        return 99;
    }
    return oci::kSuccess;
}

bool writeOutputs(Handle *stmt) {
    for (const auto &[name, values] : stmt->script.outputs) {
        const auto found = stmt->binds.find(name);
        if (found == stmt->binds.end() || found->second.atExec)
            continue;
        Bind &b = found->second;
        if (b.maxElements && values.size() > b.maxElements)
            return false;
        const size_t n = b.maxElements ? values.size() : std::min<size_t>(values.size(), 1);
        for (size_t i = 0; i < n; ++i)
            writeElement(b, i, values[i]);
        if (b.maxElements && b.currentElements)
            *b.currentElements = static_cast<ub4>(n);
    }
    return true;
}

sword stmtGetPieceInfo(oci::OCIStmt *stmtp, oci::OCIError *errp, void **handle, ub4 *handleType,
                       ub1 *inOut, ub4 *iteration, ub4 *index, ub1 *piece) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *stmt = checked(stmtp, oci::kHtypeStmt);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!stmt || !err || !handle || !handleType || !inOut || !iteration || !index || !piece)
        return oci::kInvalidHandle;
    s.calls.push_back(Call{"OCIStmtGetPieceInfo"});
    if (!stmt->wait.pending)
        return raise(err, {1010, "ORA-01010: invalid OCI operation\n", 0});
    *handle = stmt->wait.handle;
    *handleType = stmt->wait.handleType;
    *inOut = stmt->wait.inOut;
    *iteration = 0;
    *index = 0;
    *piece = stmt->wait.piece;
    return oci::kSuccess;
}

sword stmtSetPieceInfo(void *handle, ub4 handleType, oci::OCIError *errp, const void *buffer,
                       ub4 *length, ub1 piece, const void *indicator, ub2 *rcode) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *err = checked(errp, oci::kHtypeError);
    Handle *stmt = waitingOn(handle);
    if (!err || !handle)
        return oci::kInvalidHandle;
    Call call{"OCIStmtSetPieceInfo", "", piece, length ? *length : 0};
    s.calls.push_back(call);
    if (!stmt || stmt->wait.handleType != handleType || piece > 3)
        return raise(err, {1010, "ORA-01010: invalid OCI operation\n", 0});
    PieceWait &w = stmt->wait;
    w.answered = true;
    w.buffer = const_cast<void *>(buffer);
    w.length = length;
    w.givenPiece = piece;
    w.ind = static_cast<const sb2 *>(indicator);
    w.rcode = rcode;
    return oci::kSuccess;
}

sword bindArrayOfStruct(oci::OCIBind *bindp, oci::OCIError *errp, ub4 valueSkip, ub4 indicatorSkip,
                        ub4 lengthSkip, ub4 codeSkip) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *err = checked(errp, oci::kHtypeError);
    if (!err || !bindp)
        return oci::kInvalidHandle;
    s.calls.push_back(Call{"OCIBindArrayOfStruct", "", valueSkip, indicatorSkip,
                           static_cast<int>(lengthSkip), static_cast<int>(codeSkip)});
    for (Handle *h : s.handles)
        for (auto &[name, b] : h->binds)
            if (reinterpret_cast<oci::OCIBind *>(&b) == bindp) {
                b.valueSkip = valueSkip, b.indicatorSkip = indicatorSkip;
                b.lengthSkip = lengthSkip, b.codeSkip = codeSkip;
                return oci::kSuccess;
            }
    return oci::kInvalidHandle;
}

} // namespace scriptedoci::detail
