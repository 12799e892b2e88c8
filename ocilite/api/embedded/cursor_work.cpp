#include "ocilite/api/embedded/cursor_work.h"

#include "ocilite/plsql_run/block_runner.h"

namespace ocilite::embedded {
namespace {

void raisePending(Cursor &c) {
    if (!c.pendingError.code)
        return;
    const CallError e = std::exchange(c.pendingError, CallError{});
    throw OraError(e.code, e.text, OraError::FullText{});
}

} // namespace

ociv7::ColumnDescription columnDescription(const DescribedColumn &column) {
    const OraType &t = column.type;
    ociv7::ColumnDescription d;
    d.dbsize = t.size;
    d.dbtype = static_cast<sb2>(t.code);
    d.name = column.name;
    d.dsize = t.displaySize();
    d.prec = static_cast<sb2>(t.precision);
    d.scale = static_cast<sb2>(t.scale);
    d.nullok = column.nullable ? 1 : 0;
    return d;
}

int execute(Cursor &c, Cda_Def &area, int iterations, int offset) {
    Statement &s = statementOf(c);
    raisePending(c);
    area.rpc = 0;
    Database &db = *c.logon->db;
    const Translation &tr = s.translation();
    if (tr.isDdl()) {
        if (!c.ddlDone)
            db.runDdl(tr);
        c.ddlDone = true;
        return 0;
    }
    switch (tr.kind) {
    case StatementKind::Commit:
        db.commitWork();
        return 0;
    case StatementKind::Rollback:
        db.rollbackWork();
        return 0;
    case StatementKind::Savepoint:
        db.savepoint(tr.objectName);
        return 0;
    case StatementKind::RollbackTo:
        db.rollbackTo(tr.objectName);
        return 0;
    case StatementKind::Block:
        runAnonymousBlock(db, tr.sql);
        if (c.logon->autoCommit)
            db.commitWork();
        return 0;
    default:
        break;
    }
    if (!tr.isQuery())
        db.beginWork();
    int rc = 0;
    try {
        rc = s.execute(iterations, offset);
    } catch (...) {
        area.rpc = static_cast<ub4>(s.rowsProcessed());
        throw;
    }
    area.rpc = static_cast<ub4>(s.rowsProcessed());
    if (rc == 0 && !tr.isQuery() && c.logon->autoCommit)
        db.commitWork();
    return rc;
}

int fetchRows(Cursor &c, Cda_Def &area, int rows) {
    Statement &s = statementOf(c);
    try {
        const int rc = s.fetch(rows);
        area.rpc = static_cast<ub4>(s.rowsFetched());
        return rc;
    } catch (...) {
        area.rpc = static_cast<ub4>(s.rowsFetched());
        throw;
    }
}

} // namespace ocilite::embedded
