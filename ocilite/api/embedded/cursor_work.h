// What the embedded side's cursor calls share (private header): the describe record of a
// column, binds and defines that a deferred parse holds back, execution with Oracle's
// transaction rules and rows processed count, and fetching with the cumulative count.
#pragma once

#include "ocilite/api/embedded/areas.h"

#include "oci/ociv7_args.h"

namespace ocilite::embedded {

ociv7::ColumnDescription columnDescription(const DescribedColumn &column);

// Runs a bind or define on the cursor's statement. After a deferred parse its error waits for
// the execution: nothing is reported now, and a failed parse takes every bind and define.
template <typename F> int deferrable(Cursor &c, F &&work) {
    if (!c.deferred) {
        work(statementOf(c));
        return 0;
    }
    if (!c.statement)
        return 0;
    try {
        work(*c.statement);
    } catch (const OraError &e) {
        if (!c.pendingError.code)
            c.pendingError = CallError{e.code(), e.text(), -1};
    }
    return 0;
}

// Executes the statement for the bind elements offset .. iterations-1: DDL, COMMIT and
// ROLLBACK through the database, DML in the session's transaction (committed at once under
// ocon); rpc the rows processed. Returns 0 or 3129 (a piecewise bind waits for a piece).
int execute(Cursor &c, Cda_Def &area, int iterations, int offset);
// Fetches up to `rows` rows; rpc the rows fetched since the execution.
int fetchRows(Cursor &c, Cda_Def &area, int rows);

} // namespace ocilite::embedded
