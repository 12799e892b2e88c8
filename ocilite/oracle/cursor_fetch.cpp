// Defines and the fetch. Every column is defined with our own indicator, returned length and
// column return code, so OCI 8 never fails a row for a NULL or a cut value; the fetch then
// reports what version 7 reports: the caller's indicator, length and code filled where given,
// an empty string for a NULL fetched as text, and for the row 1406 when a value was cut with
// no indicator to say so, else 1405 when a NULL came without one (the row is delivered in
// both cases). Columns the caller did not define go into scratch buffers nobody reads. An
// array fetch takes its rows one at a time, each define pointed at the row's element of the
// caller's arrays (elements lie the define's length or skip apart, indicators, lengths and
// codes one of their own size or their skip apart). A piecewise define is defined for dynamic
// fetch: the fetch stops with 3130 at each piece, and the same call goes on after osetpi.
#include "cursor.h"

#include <algorithm>

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
    slot->element = 0;
    defineSlot(position, *slot);
}

void Cursor::defineSlot(int position, Slot &slot) {
    const Define &d = slot.caller;
    sb4 length = d.length;
    void *buffer =
        elementOf(d.buffer, skipOr(d.bufferSkip, static_cast<size_t>(std::max(length, 0))),
                  static_cast<size_t>(std::max(slot.element, 0)));
    ub2 type = static_cast<ub2>(d.externalType);
    if (!slot.callerDefined) {
        buffer = slot.scratch.data();
        length = static_cast<sb4>(slot.scratch.size());
        type = oci::kSqltChr;
    }
    if (slot.gathersLong) {
        length = 0x7FFFFFFF;
        type = slot.raw ? oci::kSqltLbi : oci::kSqltLng;
    }
    const bool pieces = slot.gathersLong || (slot.callerDefined && d.piecewise);
    m_conn.check(m_conn.oci().defineByPos(
        m_stmt, &slot.handle, m_conn.err(), static_cast<ub4>(position), pieces ? nullptr : buffer,
        length, type, pieces ? nullptr : &slot.indicator, pieces ? nullptr : &slot.returnedLength,
        pieces ? nullptr : &slot.returnCode, pieces ? oci::kDynamicFetch : oci::kDefault));
    slot.applied = true;
}

// A LONG or LONG RAW column the program does not take in pieces itself.
bool Cursor::wantsWholeLong(size_t column, const Slot &slot) const {
    const int type = column < m_columns.size() ? m_columns[column].dataType : 0;
    return (type == oci::kSqltLng || type == oci::kSqltLbi) &&
           !(slot.callerDefined && slot.caller.piecewise);
}

void Cursor::defineRemaining() {
    if (m_slots.size() < m_columns.size())
        m_slots.resize(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) {
        auto &slot = m_slots[i];
        if (!slot)
            slot = std::make_unique<Slot>();
        const bool whole = wantsWholeLong(i, *slot);
        if (slot->applied && slot->gathersLong == whole)
            continue;
        slot->gathersLong = whole;
        slot->raw = m_columns[i].dataType == oci::kSqltLbi;
        const int size = m_columns[i].dataSize;
        slot->scratch.assign(static_cast<size_t>(size > 0 ? size : 1), 0);
        defineSlot(static_cast<int>(i + 1), *slot);
    }
}

void Cursor::pointDefinesAt(int element) {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot *slot = m_slots[i].get();
        if (!slot || !slot->callerDefined || slot->element == element)
            continue;
        slot->element = element;
        defineSlot(static_cast<int>(i + 1), *slot);
    }
}

int Cursor::fetch(int rows) {
    statement();
    if (!m_executed || !isQuery())
        throw BridgeError(kOraFetchOutOfSequence);
    const bool resuming =
        m_progress.waiting == Waiting::DefinePiece || m_progress.waiting == Waiting::Fetching;
    endIfBroken(resuming, m_progress.breaks);
    if (!resuming) {
        defineRemaining();
        m_progress = Progress{};
        m_progress.wanted = std::max(rows, 1);
    }
    for (int &row = m_progress.row; row < m_progress.wanted; ++row) {
        pointDefinesAt(row);
        if (m_progress.waiting == Waiting::Nothing)
            for (const auto &slot : m_slots)
                if (slot && (slot->caller.piecewise || slot->gathersLong)) {
                    slot->indicator = 0, slot->returnCode = 0, slot->pieceTotal = 0;
                    slot->longValue.clear();
                }
        const sword status = fetchOne();
        if (status == oci::kNeedData || status == oci::kStillExecuting) {
            m_progress.waiting =
                status == oci::kNeedData ? Waiting::DefinePiece : Waiting::Fetching;
            m_progress.breaks = m_conn.breaks();
            return status == oci::kNeedData ? kOraNeedBuffer : kOraWouldBlock;
        }
        m_progress.waiting = Waiting::Nothing;
        m_onRow = status != oci::kNoData;
        if (status == oci::kNoData)
            throw m_conn.lastError(status);
        m_conn.check(status);
        if (const int result = deliverRow(row)) {
            m_progress = Progress{};
            return result;
        }
    }
    m_progress = Progress{};
    return 0;
}

// One row from the server; the piece the last osetpi gave a buffer for is counted, and the
// pieces of the LONG columns we fetch whole are taken here, into our own buffer.
sword Cursor::fetchOne() {
    for (;;) {
        const sword status =
            m_conn.oci().stmtFetch2(m_stmt, m_conn.err(), 1, oci::kFetchNext, 0, oci::kDefault);
        if (status == oci::kStillExecuting) // the same fetch again delivers the piece
            return status;
        const bool delivered =
            status == oci::kSuccess || status == oci::kSuccessWithInfo || status == oci::kNeedData;
        if (m_progress.pieceSlot && m_progress.pieceLength && delivered)
            m_progress.pieceSlot->pieceTotal += *m_progress.pieceLength;
        if (m_progress.gathering && delivered)
            m_progress.gathering->longValue.append(reinterpret_cast<const char *>(m_chunk.data()),
                                                   m_chunkLength);
        m_progress.pieceSlot = m_progress.gathering = nullptr;
        m_progress.pieceLength = nullptr;
        if (status != oci::kNeedData || !gatherLongPiece())
            return status;
    }
}

bool Cursor::anotherRow() {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot *slot = m_slots[i].get();
        if (!slot || !slot->callerDefined)
            continue;
        const int size = i < m_columns.size() ? m_columns[i].dataSize : 0;
        slot->scratch.assign(static_cast<size_t>(size > 0 ? size : 1), 0);
        slot->callerDefined = false; // into the scratch buffer, as an undefined column
        defineSlot(static_cast<int>(i + 1), *slot);
        slot->callerDefined = true;
        slot->element = -1; // the next fetch points the define at the caller's array again
    }
    const sword status =
        m_conn.oci().stmtFetch2(statement(), m_conn.err(), 1, oci::kFetchNext, 0, oci::kDefault);
    if (status == oci::kNoData)
        return false;
    m_conn.check(status);
    return true;
}

int Cursor::deliverRow(int element) {
    bool nullWithoutIndicator = false;
    bool cutWithoutIndicator = false;
    for (const auto &slot : m_slots) {
        if (!slot || !slot->callerDefined)
            continue;
        const Define &d = slot->caller;
        const size_t e = static_cast<size_t>(element);
        sb2 *indicator = elementOf(d.indicator, skipOr(d.indicatorSkip, sizeof(sb2)), e);
        ub2 *returnedLength = elementOf(d.returnedLength, skipOr(d.lengthSkip, sizeof(ub2)), e);
        ub2 *returnCode = elementOf(d.returnCode, skipOr(d.codeSkip, sizeof(ub2)), e);
        ub1 *buffer = elementOf(
            d.buffer, skipOr(d.bufferSkip, static_cast<size_t>(std::max(d.length, 0))), e);
        if (d.piecewise)
            slot->returnedLength = static_cast<ub2>(std::min<long>(slot->pieceTotal, 65535));
        if (slot->gathersLong && slot->indicator != -1)
            deliverLongColumn(*slot, element);
        const bool isNull = slot->indicator == -1;
        const bool cut = !isNull && (slot->indicator > 0 || slot->indicator == -2 ||
                                     slot->returnCode == kOraTruncated);
        if (indicator)
            *indicator = slot->indicator;
        if (returnedLength)
            *returnedLength = isNull ? 0 : slot->returnedLength;
        if (returnCode)
            *returnCode = isNull ? static_cast<ub2>(kOraNullFetched)
                                 : (cut ? static_cast<ub2>(kOraTruncated) : slot->returnCode);
        if (isNull && isTerminatedText(d.externalType) && buffer && d.length > 0 && !d.piecewise)
            buffer[0] = '\0';
        nullWithoutIndicator = nullWithoutIndicator || (isNull && !indicator);
        cutWithoutIndicator = cutWithoutIndicator || (cut && !indicator);
    }
    ++m_rowsFetched;
    if (cutWithoutIndicator)
        return kOraTruncated;
    return nullWithoutIndicator ? kOraNullFetched : 0;
}

Cursor::LastFetched Cursor::lastFetched(int position) const {
    if (position < 1 || static_cast<size_t>(position) > m_slots.size() ||
        !m_slots[static_cast<size_t>(position - 1)])
        return LastFetched{};
    const Slot &slot = *m_slots[static_cast<size_t>(position - 1)];
    if (slot.indicator == -1)
        return LastFetched{0, kOraNullFetched};
    const bool cut = slot.indicator > 0 || slot.indicator == -2 || slot.returnCode == kOraTruncated;
    return LastFetched{slot.returnedLength,
                       cut ? static_cast<int>(kOraTruncated) : slot.returnCode};
}

} // namespace ocilite::oracle
