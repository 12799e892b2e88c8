// The embedded side's piecewise calls. After oexec answers ORA-03129 (a piecewise bind needs
// its next piece) or ofetch answers ORA-03130 (a piecewise define needs the buffer for its
// next piece), ogetpi tells which bind or define waits (its context pointer), for which row
// and whether it is the first piece; osetpi gives the piece's buffer and length, and the
// program calls oexec or ofetch again. A fetched piece's length comes back in osetpi's length.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

namespace ocilite::embedded {

sword ogetpi(Cda_Def *cursor, ub1 *piecep, void **ctxpp, ub4 *iterp, ub4 *indexp) {
    return cursorCall(cursor, OCIV7_FC_GETPI, [&](Cursor &c) {
        const PieceRequest &r = statementOf(c).pieceRequest();
        if (!r.pending)
            throw OraError(kOraInvalidOperation, "no piece is waited for");
        if (piecep)
            *piecep = static_cast<ub1>(r.piece);
        if (ctxpp)
            *ctxpp = r.context;
        if (iterp)
            *iterp = r.iteration;
        if (indexp)
            *indexp = r.index;
        return 0;
    });
}

sword osetpi(Cda_Def *cursor, ub1 piece, void *bufp, ub4 *lenp) {
    return cursorCall(cursor, OCIV7_FC_SETPI, [&](Cursor &c) {
        if (piece > OCIV7_LAST_PIECE)
            throw OraError(kOraInvalidOperation, "unknown piece " + std::to_string(piece));
        statementOf(c).setPiece(piece, bufp, lenp);
        return 0;
    });
}

} // namespace ocilite::embedded
