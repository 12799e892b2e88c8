// Fetched values into a define's element: what the stored value is (a number, text, a date,
// raw bytes, a row address), its form in the external type's family, and the layout of the
// program's variable (length prefixes, terminator, blank padding) with Oracle's indicator,
// returned length and column return code.
#include "ocilite/engine/fetch_forms.h"
#include "ocilite/engine/host_values.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cstring>

namespace ocilite {
namespace {

void setOutcome(const FetchTarget &t, long original, long written, bool cut) {
    if (t.indicator)
        *t.indicator = cut ? static_cast<short>(original > 32767 ? -2 : original) : 0;
    if (t.returnCode)
        *t.returnCode = cut ? kOraTruncated : 0;
    if (t.returnedLength)
        *t.returnedLength = static_cast<unsigned short>(std::min<long>(written, 65535));
}

void writePrefix(unsigned char *at, int size, long length) {
    if (size == 2) {
        const auto n = static_cast<unsigned short>(length);
        std::memcpy(at, &n, 2);
    } else {
        const auto n = static_cast<int>(length);
        std::memcpy(at, &n, 4);
    }
}

// Characters or bytes into the variable in the type's layout.
FetchOutcome writeBytes(const std::string &bytes, const FetchTarget &t) {
    const ExternalType &type = t.type;
    const int prefix = type.prefix();
    const long room = t.length - prefix - (type.terminated() ? 1 : 0);
    const long size = static_cast<long>(bytes.size());
    const long copied = std::clamp(size, 0L, std::max(room, 0L));
    unsigned char *data = t.buffer + prefix;
    if (copied)
        std::memcpy(data, bytes.data(), static_cast<size_t>(copied));
    long end = copied;
    const bool padded =
        type.layout == ExternalLayout::Padded || type.layout == ExternalLayout::PaddedZero;
    if (padded && room > copied) {
        std::memset(data + copied, ' ', static_cast<size_t>(room - copied));
        end = room;
    }
    if (type.terminated() && room >= 0)
        data[end] = '\0';
    if (prefix)
        writePrefix(t.buffer, prefix, copied);
    const bool cut = size > room;
    setOutcome(t, size, copied, cut);
    return FetchOutcome{false, cut, copied, cut ? kOraTruncated : 0};
}

// A binary form of `size` bytes, cut to the variable when it is shorter.
FetchOutcome writeBinary(const unsigned char *form, long size, const FetchTarget &t) {
    const long copied = std::min(size, t.length);
    std::memcpy(t.buffer, form, static_cast<size_t>(copied));
    const bool cut = copied < size;
    setOutcome(t, size, copied, cut);
    return FetchOutcome{false, cut, copied, cut ? kOraTruncated : 0};
}

FetchOutcome fetchNullInto(const FetchTarget &t) {
    if (t.indicator)
        *t.indicator = -1;
    if (t.returnCode)
        *t.returnCode = kOraNullFetched;
    if (t.returnedLength)
        *t.returnedLength = 0;
    if (t.type.prefix() && t.length >= t.type.prefix())
        writePrefix(t.buffer, t.type.prefix(), 0);
    else if (t.type.terminated() && t.length > 0)
        t.buffer[0] = '\0';
    return FetchOutcome{true, false, 0, kOraNullFetched};
}

FetchOutcome fetchDateInto(sqlite3_value *v, const OraType &column, const FetchTarget &t,
                           const std::string &dateFormat) {
    const DateForm form = dateForm(v, column, dateFormat);
    return writeBinary(form.bytes, sizeof form.bytes, t);
}

FetchOutcome fetchRowidInto(sqlite3_value *v, const OraType &column, const FetchTarget &t) {
    const RowidForm form = rowidForm(v, column);
    return writeBinary(form.bytes, sizeof form.bytes, t);
}

} // namespace

FetchOutcome fetchValue(sqlite3_value *value, const OraType &column, const FetchTarget &target,
                        const std::string &dateFormat) {
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return fetchNullInto(target);
    switch (target.type.family) {
    case ExternalFamily::Text:
    case ExternalFamily::Raw:
        return writeBytes(externalBytes(value, column, target.type, dateFormat), target);
    case ExternalFamily::Date:
        return fetchDateInto(value, column, target, dateFormat);
    case ExternalFamily::Rowid:
        return fetchRowidInto(value, column, target);
    case ExternalFamily::Number:
        break;
    }
    const std::string form =
        numberForm(valueDecimal(value, column), target.type.code, target.scale, target.length);
    return writeBinary(reinterpret_cast<const unsigned char *>(form.data()),
                       static_cast<long>(form.size()), target);
}

std::string externalBytes(sqlite3_value *value, const OraType &column, const ExternalType &type,
                          const std::string &dateFormat) {
    return type.family == ExternalFamily::Raw ? rawBytes(value, column)
                                              : textForm(value, column, dateFormat);
}

void fetchedPiecewise(const FetchTarget &target, bool null, long length) {
    if (null) {
        fetchNullInto(target);
        return;
    }
    if (target.indicator)
        *target.indicator = 0;
    if (target.returnCode)
        *target.returnCode = 0;
    if (target.returnedLength)
        *target.returnedLength = static_cast<unsigned short>(std::min<long>(length, 65535));
}

} // namespace ocilite
