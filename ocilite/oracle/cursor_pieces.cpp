// Pieces of a piecewise bind or define on the Oracle side. After oexec / oexn answered 3129
// (OCIStmtExecute said OCI_NEED_DATA) or ofetch / ofen answered 3130 (OCIStmtFetch2 did),
// ogetpi reads OCIStmtGetPieceInfo and names the bind or define by the context the program
// gave obindps / odefinps, with the bind element or the fetch row it is for; osetpi hands the
// program's buffer to OCIStmtSetPieceInfo (a bind's piece with the element's indicator, a
// define's into our own indicator and code, which the fetch reports at the row's end). The
// program then calls the interrupted call again, which goes on where it stopped.
#include "cursor.h"

namespace ocilite::oracle {
namespace {

struct Waited {
    void *handle = nullptr;
    ub4 type = 0;
    ub1 inOut = 0;
    ub4 iteration = 0;
    ub4 index = 0;
    ub1 piece = 0;
};

Waited waited(Connection &conn, oci::OCIStmt *stmt) {
    Waited w;
    conn.check(conn.oci().stmtGetPieceInfo(stmt, conn.err(), &w.handle, &w.type, &w.inOut,
                                           &w.iteration, &w.index, &w.piece));
    return w;
}

} // namespace

bool Cursor::waitsForPiece() const {
    return m_progress.waiting == Waiting::BindPiece || m_progress.waiting == Waiting::DefinePiece;
}

Cursor::BindSlot *Cursor::bindWithHandle(const void *handle) {
    for (auto &[name, slot] : m_binds)
        if (slot.handle == handle)
            return &slot;
    return nullptr;
}

Cursor::Slot *Cursor::defineWithHandle(const void *handle) {
    for (const auto &slot : m_slots)
        if (slot && slot->handle == handle)
            return slot.get();
    return nullptr;
}

// A piece of a LONG column we fetch whole: our own buffer takes it. False for a piece the
// program's piecewise define waits for.
bool Cursor::gatherLongPiece() {
    constexpr ub4 kChunk = 64 * 1024;
    const Waited w = waited(m_conn, m_stmt);
    Slot *slot = w.type == oci::kHtypeDefine ? defineWithHandle(w.handle) : nullptr;
    if (!slot || !slot->gathersLong)
        return false;
    m_chunk.resize(kChunk);
    m_chunkLength = kChunk;
    m_conn.check(m_conn.oci().stmtSetPieceInfo(w.handle, w.type, m_conn.err(), m_chunk.data(),
                                               &m_chunkLength, w.piece, &slot->indicator,
                                               &slot->returnCode));
    m_progress.gathering = slot;
    return true;
}

PieceInfo Cursor::pieceInfo() {
    if (!m_stmt || !waitsForPiece())
        throw BridgeError(kOraInvalidOperation);
    const Waited w = waited(m_conn, m_stmt);
    PieceInfo info;
    info.piece = w.piece;
    info.index = w.index;
    if (const BindSlot *b = w.type == oci::kHtypeBind ? bindWithHandle(w.handle) : nullptr) {
        info.context = b->spec.context;
        info.iteration = static_cast<ub4>(m_progress.element);
    } else if (const Slot *d = defineWithHandle(w.handle)) {
        info.context = d->caller.context;
        info.iteration = static_cast<ub4>(m_progress.row);
    }
    return info;
}

void Cursor::setPiece(ub1 piece, void *buffer, ub4 *length) {
    if (!m_stmt || !waitsForPiece() || piece > OCIV7_LAST_PIECE)
        throw BridgeError(kOraInvalidOperation);
    const Waited w = waited(m_conn, m_stmt);
    const void *indicator = nullptr;
    ub2 *code = nullptr;
    if (BindSlot *b = w.type == oci::kHtypeBind ? bindWithHandle(w.handle) : nullptr) {
        const size_t e = static_cast<size_t>(m_progress.element);
        indicator = elementOf(b->spec.indicator, skipOr(b->spec.indicatorSkip, sizeof(sb2)), e);
        code = elementOf(b->spec.returnCode, skipOr(b->spec.codeSkip, sizeof(ub2)), e);
    } else if (Slot *d = defineWithHandle(w.handle)) {
        indicator = &d->indicator;
        code = &d->returnCode;
        m_progress.pieceSlot = d;
        m_progress.pieceLength = length;
    }
    m_conn.check(m_conn.oci().stmtSetPieceInfo(w.handle, w.type, m_conn.err(), buffer, length,
                                               piece, indicator, code));
}

} // namespace ocilite::oracle
