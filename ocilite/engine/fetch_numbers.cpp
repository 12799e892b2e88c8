// A fetched number in the binary form of each numeric external type: Oracle's internal NUMBER
// and VARNUM, signed and unsigned integers (rounded, ORA-01455 when the width cannot hold
// them), floats, packed decimal and DISPLAY digits with the define's scale.
#include "ocilite/engine/fetch_forms.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

#include <cstring>
#include <limits>

namespace ocilite {
namespace {

std::string bytesOf(const void *p, size_t n) {
    return std::string(static_cast<const char *>(p), n);
}

template <typename T> std::string integerBytes(long long v) {
    if (v < static_cast<long long>(std::numeric_limits<T>::min()) ||
        static_cast<unsigned long long>(v < 0 ? 0 : v) >
            static_cast<unsigned long long>(std::numeric_limits<T>::max()))
        throw OraError(kOraIntegerOverflow);
    const T t = static_cast<T>(v);
    return bytesOf(&t, sizeof t);
}

std::string signedForm(long long v, long length) {
    switch (length) {
    case 1:
        return integerBytes<signed char>(v);
    case 2:
        return integerBytes<short>(v);
    case 4:
        return integerBytes<int>(v);
    default:
        return integerBytes<long long>(v);
    }
}

std::string unsignedForm(long long v, long length) {
    switch (length) {
    case 1:
        return integerBytes<unsigned char>(v);
    case 2:
        return integerBytes<unsigned short>(v);
    case 4:
        return integerBytes<unsigned>(v);
    default:
        return integerBytes<unsigned long long>(v);
    }
}

// The number rounded to an integer, as Oracle converts a NUMBER to a binary integer.
long long roundedInteger(const Decimal &d) {
    long long v = 0;
    if (!asInteger(scaled(d, 0), v))
        throw OraError(kOraIntegerOverflow);
    return v;
}

std::string floatForm(const Decimal &d, long length) {
    const double v = asDouble(d);
    if (length == 4) {
        const auto f = static_cast<float>(v);
        return bytesOf(&f, 4);
    }
    return bytesOf(&v, 8);
}

} // namespace

std::string numberForm(const Decimal &d, int externalType, int scale, long length) {
    unsigned char internal[kNumberBytes + 1];
    std::string decimal(static_cast<size_t>(length), '\0');
    auto *out = reinterpret_cast<unsigned char *>(decimal.data());
    switch (externalType) {
    case OCIV7_EXT_NUM:
        return bytesOf(internal, encodeNumber(d, internal));
    case OCIV7_EXT_VNU:
        internal[0] = static_cast<unsigned char>(encodeNumber(d, internal + 1));
        return bytesOf(internal, internal[0] + 1U);
    case OCIV7_EXT_INT:
        return signedForm(roundedInteger(d), length);
    case OCIV7_EXT_UIN:
        return unsignedForm(roundedInteger(d), length);
    case OCIV7_EXT_FLT:
        return floatForm(d, length);
    case OCIV7_EXT_PDN:
        encodePacked(d, scale, out, decimal.size());
        return decimal;
    case OCIV7_EXT_SLS:
        encodeDisplay(d, scale, out, decimal.size());
        return decimal;
    default:
        throw OraError(kOraInconsistentDatatypes);
    }
}

} // namespace ocilite
