// The embedded side's fetches: one row (ofetch), an array of rows (ofen), execution and fetch
// in one call (oexfet, which can cancel the cursor afterwards and insist on an exact count),
// and a part of a long column of the current row (oflng).
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"
#include "ocilite/api/embedded/cursor_work.h"

namespace ocilite::embedded {

sword ofetch(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_FETCH, [&](Cursor &c) { return fetchRows(c, *cursor, 1); });
}

sword ofen(Cda_Def *cursor, sword nrows) {
    return cursorCall(cursor, OCIV7_FC_FETCH,
                      [&](Cursor &c) { return fetchRows(c, *cursor, nrows); });
}

sword oexfet(Cda_Def *cursor, ub4 nrows, sword cancel, sword exact) {
    return cursorCall(cursor, OCIV7_FC_EXFET, [&](Cursor &c) {
        int rc = execute(c, *cursor, 1, 0);
        Statement &s = statementOf(c);
        if (rc != 0 || !s.isQuery())
            return rc;
        const int rows = static_cast<int>(std::min<ub4>(nrows, 0x7FFFFFFF));
        rc = fetchRows(c, *cursor, rows);
        // Exact: more rows than asked for is an error; the rows asked for are delivered.
        const bool tooMany = exact && rc == 0 && s.moreRows();
        if (cancel || tooMany)
            s.cancel();
        if (tooMany)
            throw OraError(kOraExactFetchTooMany);
        return rc;
    });
}

sword oflng(Cda_Def *cursor, sword pos, ub1 *buf, sb4 bufl, sword dtype, ub4 *retl, sb4 offset) {
    return cursorCall(cursor, OCIV7_FC_FLNG, [&](Cursor &c) {
        if (retl)
            *retl = 0;
        if (!buf && bufl > 0)
            throw OraError(kOraMissingParameter);
        const long n = statementOf(c).readPart(pos, offset, buf, bufl, dtype);
        if (retl)
            *retl = static_cast<ub4>(n);
        return 0;
    });
}

} // namespace ocilite::embedded
