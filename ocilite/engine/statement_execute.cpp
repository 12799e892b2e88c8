// Executing a statement: once, or once per element of the bind arrays (oexn), each element's
// variables read through its skips; piecewise binds gathered first, piece by piece.
#include "ocilite/engine/statement.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/host_values.h"
#include "ocilite/engine/skips.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {

BindSource Statement::sourceOf(const BindSpec &spec, int index) const {
    BindSource s;
    s.type = knownExternalType(spec.externalType);
    s.scale = spec.scale;
    s.value = elementAt(spec.value, skipOr(spec.valueSkip, spec.length), index);
    const short *indicator =
        elementAt(spec.indicator, skipOr(spec.indicatorSkip, sizeof(short)), index);
    s.null = indicator && *indicator < 0;
    const unsigned short *actual =
        elementAt(spec.actualLength, skipOr(spec.lengthSkip, sizeof(unsigned short)), index);
    s.length = actual ? *actual : spec.length;
    if (s.value && !s.null && s.length >= 0 && !s.type.fitsLength(s.length))
        checkedExternalType(spec.externalType, s.length, false);
    if (unsigned short *code =
            elementAt(spec.returnCode, skipOr(spec.codeSkip, sizeof(unsigned short)), index))
        *code = 0;
    return s;
}

void Statement::checkBindsBeforeExecution() const {
    for (const std::string &name : m_placeholders) {
        const auto found = m_binds.find(name);
        if (found == m_binds.end())
            throw OraError(kOraNotAllBound);
        // Only a PL/SQL block takes a PL/SQL table; a SQL statement takes scalars.
        if (found->second.maxElements > 0)
            throw OraError(kOraArraysNeedPlsql);
    }
}

void Statement::bindElement(sqlite3_stmt *stmt, const std::vector<std::string> &names, int index) {
    sqlite3_reset(stmt);
    for (size_t i = 0; i < names.size(); ++i) {
        const BindSpec &spec = m_binds.at(names[i]);
        BindSource s = sourceOf(spec, index);
        if (spec.piecewise) {
            const Pieces::Gathered &g = m_pieces.gathered(names[i], index);
            s.value = reinterpret_cast<const unsigned char *>(g.data.data());
            s.length = static_cast<long>(g.data.size());
            s.type = knownExternalType(s.type.family == ExternalFamily::Raw ? OCIV7_EXT_LBI
                                                                            : OCIV7_EXT_LNG);
            s.null = g.null || g.data.empty();
        }
        bindValue(stmt, static_cast<int>(i + 1), s);
    }
}

// Takes the answered piece, or asks for the next one of the first bind still incomplete;
// true when every piecewise bind of every element is complete.
bool Statement::collectPieces(int iterations, int offset) {
    std::vector<std::string> names = m_tr.binds;
    for (const SqlPart &part : m_tr.parts)
        names.insert(names.end(), part.binds.begin(), part.binds.end());
    for (int e = offset; e < iterations; ++e)
        for (const std::string &name : names) {
            const BindSpec &spec = m_binds.at(name);
            if (!spec.piecewise)
                continue;
            Pieces::Gathered &g = m_pieces.gathered(name, e);
            if (g.complete)
                continue;
            if (sourceOf(spec, e).null) {
                g.complete = g.null = true;
                continue;
            }
            const PieceAnswer answer = m_pieces.take();
            if (answer.given) {
                if (answer.buffer && answer.length)
                    g.data.append(static_cast<const char *>(answer.buffer), *answer.length);
                g.complete = answer.piece == OCIV7_LAST_PIECE || answer.piece == OCIV7_ONE_PIECE;
                if (g.complete)
                    continue;
            }
            m_pieces.ask(true,
                         g.data.empty() && !answer.given ? OCIV7_FIRST_PIECE : OCIV7_NEXT_PIECE,
                         spec.context, static_cast<unsigned>(e));
            return false;
        }
    return true;
}

int Statement::execute(int iterations, int offset) {
    if (!m_stmt)
        throw OraError(kOraInvalidOperation);
    checkBindsBeforeExecution();
    if (!(m_pieces.request().pending && m_pieces.request().bind))
        m_pieces.clear();
    closeRows();
    m_executed = false;
    m_done = false;
    m_rowsFetched = 0;
    m_rowsProcessed = 0;
    if (!collectPieces(iterations, offset))
        return kOraNeedPiece;
    // The gathered pieces are read as each element is bound, then forgotten.
    struct ForgetPieces {
        Pieces &pieces;
        ~ForgetPieces() { pieces.clear(); }
    } forget{m_pieces};
    if (m_tr.isQuery()) {
        bindElement(m_stmt, m_tr.binds, offset);
        m_rows.start(m_db.handle(), m_stmt);
        m_haveRow = m_rows.next();
        m_done = !m_haveRow;
        m_executed = true;
        if (m_haveRow)
            m_db.openQueries().add(this);
        return 0;
    }
    for (int e = offset; e < iterations; ++e)
        m_rowsProcessed += runElement(e);
    return 0;
}

// One element through the statement; a statement of several SQLite ones (MERGE's INSERT
// after its UPDATE) runs as one, undone together when a part fails.
long Statement::runElement(int element) {
    if (m_parts.empty()) {
        bindElement(m_stmt, m_tr.binds, element);
        return runOnce(m_stmt);
    }
    long rows = 0;
    asOneStatement(m_db.handle(), [&] {
        bindElement(m_stmt, m_tr.binds, element);
        rows = runOnce(m_stmt);
        for (size_t i = 0; i < m_parts.size(); ++i) {
            bindElement(m_parts[i], m_tr.parts[i].binds, element);
            rows += runOnce(m_parts[i]);
        }
    });
    return rows;
}

long Statement::runOnce(sqlite3_stmt *stmt) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        sqlite3_reset(stmt);
        throw OraError(kOraInvalidOperation);
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        throwSqliteError(m_db.handle(), rc);
    }
    const long changes = m_tr.isDml() ? static_cast<long>(sqlite3_changes(m_db.handle())) : 0;
    sqlite3_reset(stmt);
    return changes;
}

} // namespace ocilite
