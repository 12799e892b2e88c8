// LONG and LONG RAW columns on the Oracle side. OCI 8 reads a LONG only as far as the buffer
// defined for it, so the bridge defines every LONG column the program does not take in pieces
// itself for dynamic fetch and gathers the whole value of each row: the program's buffer gets
// it as its external type lays it out, and oflng reads any part of it while the row is
// current, as version 7's long fetch did.
#include "cursor.h"
#include "long_values.h"

#include <algorithm>
#include <cstring>

namespace ocilite::oracle {

void Cursor::deliverLongColumn(Slot &slot, int element) {
    const Define &d = slot.caller;
    ub1 *buffer =
        elementOf(d.buffer, skipOr(d.bufferSkip, static_cast<size_t>(std::max(d.length, 0))),
                  static_cast<size_t>(element));
    if (slot.longValue.empty()) { // Oracle has no empty LONG: it is NULL
        slot.indicator = -1;
        return;
    }
    const LongDelivered out =
        deliverLong(slot.longValue, slot.raw, d.externalType, buffer, d.length);
    slot.indicator = out.indicator;
    slot.returnedLength = out.length;
    slot.returnCode = out.code;
}

long Cursor::longPart(int position, long offset, ub1 *buffer, long length, sword type) {
    statement();
    if (!m_executed || !isQuery() || !m_onRow || m_progress.waiting != Waiting::Nothing)
        throw BridgeError(kOraFetchOutOfSequence);
    if (position < 1 || static_cast<size_t>(position) > m_columns.size())
        throw BridgeError(kOraNotInSelectList);
    const Slot *slot = static_cast<size_t>(position) <= m_slots.size()
                           ? m_slots[static_cast<size_t>(position - 1)].get()
                           : nullptr;
    if (!slot || !slot->gathersLong) // not a LONG column, or one the program takes in pieces
        throw BridgeError(kOraInconsistentTypes);
    const std::string value = longInFamily(slot->longValue, slot->raw, type);
    const long size = static_cast<long>(value.size());
    if (offset < 0 || offset >= size || length <= 0 || !buffer)
        return 0;
    const long n = std::min(length, size - offset);
    std::memcpy(buffer, value.data() + offset, static_cast<size_t>(n));
    return n;
}

} // namespace ocilite::oracle
