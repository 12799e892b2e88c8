// Defines and the fetch. Every column is defined with our own indicator, returned length and
// column return code, so OCI 8 never fails a row for a NULL or a cut value; the fetch then
// reports what version 7 reports: the caller's indicator, length and code filled where given,
// an empty string for a NULL fetched as text, and for the row 1406 when a value was cut with
// no indicator to say so, else 1405 when a NULL came without one (the row is delivered in
// both cases). Columns the caller did not define go into scratch buffers nobody reads.
#include "cursor.h"

namespace ocilite::oracle {
namespace {

bool isTerminatedText(sword type) {
    return type == OCIV7_EXT_STR || type == OCIV7_EXT_AVC;
}

} // namespace

void Cursor::define(int position, const Define &define) {
    statement();
    if (position < 1 || position > 1000)
        throw BridgeError(kOraNotInSelectList);
    if (m_slots.size() < static_cast<size_t>(position))
        m_slots.resize(static_cast<size_t>(position));
    auto &slot = m_slots[static_cast<size_t>(position - 1)];
    if (!slot)
        slot = std::make_unique<Slot>();
    slot->caller = define;
    slot->callerDefined = true;
    slot->scratch.clear();
    defineSlot(position, *slot);
}

void Cursor::defineSlot(int position, Slot &slot) {
    void *buffer = slot.caller.buffer;
    sb4 length = slot.caller.length;
    ub2 type = static_cast<ub2>(slot.caller.externalType);
    if (!slot.callerDefined) {
        buffer = slot.scratch.data();
        length = static_cast<sb4>(slot.scratch.size());
        type = oci::kSqltChr;
    }
    m_conn.check(m_conn.oci().defineByPos(
        m_stmt, &slot.handle, m_conn.err(), static_cast<ub4>(position), buffer, length, type,
        &slot.indicator, &slot.returnedLength, &slot.returnCode, oci::kDefault));
    slot.applied = true;
}

void Cursor::defineRemaining() {
    if (m_slots.size() < m_columns.size())
        m_slots.resize(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) {
        auto &slot = m_slots[i];
        if (!slot)
            slot = std::make_unique<Slot>();
        if (slot->applied)
            continue;
        const int size = m_columns[i].dataSize;
        slot->scratch.assign(static_cast<size_t>(size > 0 ? size : 1), 0);
        defineSlot(static_cast<int>(i + 1), *slot);
    }
}

int Cursor::fetch() {
    oci::OCIStmt *stmt = statement();
    if (!m_executed || m_statementType != oci::kStmtSelect)
        throw BridgeError(kOraFetchOutOfSequence);
    defineRemaining();
    const sword status =
        m_conn.oci().stmtFetch2(stmt, m_conn.err(), 1, oci::kFetchNext, 0, oci::kDefault);
    if (status == oci::kNoData)
        throw m_conn.lastError(status);
    m_conn.check(status);
    return deliverRow();
}

int Cursor::deliverRow() {
    bool nullWithoutIndicator = false;
    bool cutWithoutIndicator = false;
    for (const auto &slot : m_slots) {
        if (!slot || !slot->callerDefined)
            continue;
        const Define &d = slot->caller;
        const bool isNull = slot->indicator == -1;
        const bool cut = !isNull && (slot->indicator > 0 || slot->indicator == -2 ||
                                     slot->returnCode == kOraTruncated);
        if (d.indicator)
            *d.indicator = slot->indicator;
        if (d.returnedLength)
            *d.returnedLength = isNull ? 0 : slot->returnedLength;
        if (d.returnCode)
            *d.returnCode = isNull ? static_cast<ub2>(kOraNullFetched)
                                   : (cut ? static_cast<ub2>(kOraTruncated) : slot->returnCode);
        if (isNull && isTerminatedText(d.externalType) && d.buffer && d.length > 0)
            d.buffer[0] = '\0';
        nullWithoutIndicator = nullWithoutIndicator || (isNull && !d.indicator);
        cutWithoutIndicator = cutWithoutIndicator || (cut && !d.indicator);
    }
    ++m_rowsFetched;
    if (cutWithoutIndicator)
        return kOraTruncated;
    return nullWithoutIndicator ? kOraNullFetched : 0;
}

} // namespace ocilite::oracle
