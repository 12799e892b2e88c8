// Fetching: rows into elements 0.. of the defines (one row for ofetch, an array for ofen and
// oexfet), values of piecewise defines in pieces, and parts of a column of the current row
// (oflng). A fetch call ends at the row it could not fill without an indicator (1405 / 1406,
// the row delivered) and when the rows run out (1403, with the rows it did deliver).
#include "ocilite/engine/statement.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/host_values.h"
#include "ocilite/engine/skips.h"

#include <algorithm>
#include <cstring>

namespace ocilite {

FetchTarget Statement::targetOf(size_t column, int row) const {
    const DefineSpec &d = m_defines[column];
    FetchTarget t;
    t.type = knownExternalType(d.externalType);
    t.length = d.length;
    t.scale = d.scale;
    t.buffer = elementAt(d.buffer, skipOr(d.bufferSkip, d.length), row);
    t.indicator = elementAt(d.indicator, skipOr(d.indicatorSkip, sizeof(short)), row);
    t.returnedLength =
        elementAt(d.returnedLength, skipOr(d.lengthSkip, sizeof(unsigned short)), row);
    t.returnCode = elementAt(d.returnCode, skipOr(d.codeSkip, sizeof(unsigned short)), row);
    return t;
}

FetchResult Statement::fetch(int rows) {
    if (!m_tr.isQuery() || !m_executed)
        throw OraError(kOraFetchOutOfSequence);
    const PieceRequest &waiting = m_pieces.request();
    if (!(m_inRow && waiting.pending && !waiting.bind)) {
        m_batchWanted = std::max(rows, 1);
        m_batchDone = 0;
        m_inRow = false;
        m_pieces.clear();
    }
    try {
        while (m_batchDone < m_batchWanted) {
            if (!m_inRow) {
                if (!m_haveRow && (m_done || !m_rows.next())) {
                    m_done = true;
                    m_db.openQueries().remove(this);
                    return kFetchNoData;
                }
                m_haveRow = false;
                m_rowNull = m_rowCut = false;
                m_resumeColumn = 0;
            }
            const FetchResult r = deliverRow(m_batchDone);
            if (r == kFetchNeedBuffer)
                return r;
            ++m_batchDone;
            ++m_rowsFetched;
            if (r != kFetchOk)
                return r;
        }
    } catch (...) {
        m_inRow = false;
        m_pieces.clear();
        throw;
    }
    return kFetchOk;
}

FetchResult Statement::deliverRow(int row) {
    m_inRow = true;
    for (size_t c = m_resumeColumn; c < m_defines.size(); ++c) {
        const DefineSpec &d = m_defines[c];
        if (!d.buffer && !d.piecewise)
            continue; // not defined
        m_resumeColumn = c;
        if (d.piecewise) {
            if (!deliverPiece(c, row))
                return kFetchNeedBuffer;
            continue;
        }
        const FetchTarget t = targetOf(c, row);
        const FetchOutcome o =
            fetchValue(m_rows.value(static_cast<int>(c)), m_columns[c].type, t, m_db.dateFormat());
        m_last[c] = LastFetched{o.length, o.code};
        m_rowNull = m_rowNull || (o.null && !t.indicator);
        m_rowCut = m_rowCut || (o.cut && !t.indicator);
    }
    m_inRow = false;
    if (m_rowCut)
        return kFetchCut;
    return m_rowNull ? kFetchNull : kFetchOk;
}

// The next piece of a piecewise define's value into the buffer osetpi gave; false while the
// program has still to give a buffer (its first, or one for a further piece).
bool Statement::deliverPiece(size_t column, int row) {
    const FetchTarget t = targetOf(column, row);
    if (!m_pieces.delivering) {
        sqlite3_value *v = m_rows.value(static_cast<int>(column));
        const bool null = sqlite3_value_type(v) == SQLITE_NULL;
        m_pieces.value = null ? std::string()
                              : externalBytes(v, m_columns[column].type, t.type, m_db.dateFormat());
        if (null || m_pieces.value.empty()) {
            fetchedPiecewise(t, null, 0);
            m_rowNull = m_rowNull || (null && !t.indicator);
            return true;
        }
        m_pieces.offset = 0;
        m_pieces.delivering = true;
        m_pieces.ask(false, OCIV7_FIRST_PIECE, m_defines[column].context,
                     static_cast<unsigned>(row));
        return false;
    }
    const PieceAnswer answer = m_pieces.take();
    if (!answer.given || !answer.buffer || !answer.length)
        throw OraError(kOraInvalidOperation, "no buffer for the next piece");
    const size_t left = m_pieces.value.size() - m_pieces.offset;
    const size_t n = std::min<size_t>(*answer.length, left);
    std::memcpy(answer.buffer, m_pieces.value.data() + m_pieces.offset, n);
    *answer.length = static_cast<unsigned>(n);
    m_pieces.offset += n;
    if (m_pieces.offset < m_pieces.value.size()) {
        m_pieces.ask(false, OCIV7_NEXT_PIECE, m_defines[column].context,
                     static_cast<unsigned>(row));
        return false;
    }
    fetchedPiecewise(t, false, static_cast<long>(m_pieces.value.size()));
    m_pieces.clear();
    return true;
}

bool Statement::moreRows() {
    if (m_haveRow)
        return true;
    if (m_done || !m_executed)
        return false;
    m_haveRow = m_rows.next();
    if (!m_haveRow) {
        m_done = true;
        m_db.openQueries().remove(this);
    }
    return m_haveRow;
}

LastFetched Statement::lastFetched(int position) const {
    if (position < 1 || static_cast<size_t>(position) > m_last.size())
        return LastFetched{};
    return m_last[static_cast<size_t>(position - 1)];
}

long Statement::readPart(int position, long offset, unsigned char *buffer, long length,
                         int externalType) {
    if (!m_tr.isQuery() || !m_executed || m_haveRow || !m_rows.hasCurrent())
        throw OraError(kOraFetchOutOfSequence);
    const DescribedColumn *c = column(position);
    if (!c)
        throw OraError(kOraNotInSelectList);
    const ExternalType type = knownExternalType(externalType);
    if (type.family != ExternalFamily::Text && type.family != ExternalFamily::Raw)
        throw OraError(kOraInconsistentDatatypes);
    sqlite3_value *v = m_rows.value(position - 1);
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return 0;
    const std::string bytes = externalBytes(v, c->type, type, m_db.dateFormat());
    const long size = static_cast<long>(bytes.size());
    if (offset < 0 || offset >= size || length <= 0)
        return 0;
    const long n = std::min(length, size - offset);
    std::memcpy(buffer, bytes.data() + offset, static_cast<size_t>(n));
    return n;
}

} // namespace ocilite
