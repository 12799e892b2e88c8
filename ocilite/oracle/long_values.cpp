#include "long_values.h"

#include "failure.h"

#include <algorithm>
#include <cstring>

namespace ocilite::oracle {
namespace {

bool isText(sword type) {
    switch (type) {
    case OCIV7_EXT_CHR:
    case OCIV7_EXT_STR:
    case OCIV7_EXT_LNG:
    case OCIV7_EXT_VCS:
    case OCIV7_EXT_LVC:
    case OCIV7_EXT_AFC:
    case OCIV7_EXT_AVC:
        return true;
    default:
        return false;
    }
}

bool isRaw(sword type) {
    return type == OCIV7_EXT_BIN || type == OCIV7_EXT_LBI || type == OCIV7_EXT_VBI ||
           type == OCIV7_EXT_LVB;
}

// Bytes a length prefix takes ahead of the value, and the bytes left for a terminator.
size_t prefixOf(sword type) {
    if (type == OCIV7_EXT_VCS || type == OCIV7_EXT_VBI)
        return 2;
    return type == OCIV7_EXT_LVC || type == OCIV7_EXT_LVB ? 4 : 0;
}

size_t terminatorOf(sword type) {
    return type == OCIV7_EXT_STR || type == OCIV7_EXT_AVC ? 1 : 0;
}

std::string hex(const std::string &bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

} // namespace

std::string longInFamily(const std::string &value, bool raw, sword type) {
    if (isText(type))
        return raw ? hex(value) : value;
    if (isRaw(type))
        return value;
    throw BridgeError(kOraInconsistentTypes);
}

LongDelivered deliverLong(const std::string &value, bool raw, sword type, ub1 *buffer,
                          sword length) {
    const std::string v = longInFamily(value, raw, type);
    const size_t size = static_cast<size_t>(std::max(length, 0));
    const size_t prefix = prefixOf(type), terminator = terminatorOf(type);
    const size_t room = size > prefix + terminator ? size - prefix - terminator : 0;
    const size_t n = std::min(v.size(), room);
    LongDelivered d;
    if (buffer && size >= prefix + terminator) {
        if (prefix == 2) {
            const ub2 count = static_cast<ub2>(n);
            std::memcpy(buffer, &count, 2);
        } else if (prefix == 4) {
            const sb4 count = static_cast<sb4>(n);
            std::memcpy(buffer, &count, 4);
        }
        std::memcpy(buffer + prefix, v.data(), n);
        // CHAR is blank-padded to the buffer, CHARZ to the byte before its terminator.
        if (type == OCIV7_EXT_AFC || type == OCIV7_EXT_AVC)
            std::memset(buffer + n, ' ', room - n);
        if (terminator)
            buffer[prefix + (type == OCIV7_EXT_AVC ? room : n)] = '\0';
    }
    d.length = static_cast<ub2>(std::min<size_t>(n, 65535));
    if (v.size() > room) {
        d.code = 1406;
        d.indicator = static_cast<sb2>(v.size() > 32767 ? -2 : static_cast<int>(v.size()));
    }
    return d;
}

} // namespace ocilite::oracle
