#include "ocilite/engine/oracle_number.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ocilite {
namespace {

// The highest base-100 exponent of an Oracle NUMBER (just under 1E126); below the lowest a
// value is zero.
constexpr int kMaxExponent100 = 62;
constexpr int kMinExponent100 = -65;
constexpr size_t kMaxPairs = 20;

Decimal normalized(bool negative, std::string digits, int exponent) {
    size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0')
        ++lead;
    digits.erase(0, lead);
    exponent -= static_cast<int>(lead);
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return Decimal{};
    return Decimal{negative, std::move(digits), exponent};
}

// Keeps the digits before position `keep` (counted from the first digit), rounding half away
// from zero.
Decimal rounded(const Decimal &d, int keep) {
    if (keep >= static_cast<int>(d.digits.size()))
        return d;
    if (keep < 0)
        return Decimal{};
    std::string digits = d.digits.substr(0, static_cast<size_t>(keep));
    int exponent = d.exponent;
    if (d.digits[static_cast<size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
            digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    return normalized(d.negative, std::move(digits), exponent);
}

// The integer value's digits, exactly `width` of them with leading zeros; ORA-01457 when it
// needs more.
std::string integerDigits(const Decimal &integer, size_t width) {
    if (integer.isZero())
        return std::string(width, '0');
    const size_t count = static_cast<size_t>(integer.exponent);
    if (integer.exponent < 0 || count > width)
        throw OraError(kOraDecimalOverflow);
    std::string out(width - count, '0');
    out += integer.digits;
    out.append(count - integer.digits.size(), '0');
    return out;
}

[[noreturn]] void invalidNumber() {
    throw OraError(kOraInvalidNumber);
}

} // namespace

Decimal decimalOf(long long value) {
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude);
    std::string digits(buf, r.ptr);
    const int exponent = static_cast<int>(digits.size());
    return normalized(value < 0, std::move(digits), exponent);
}

Decimal decimalOfText(const std::string &text) {
    if (!looksNumeric(text))
        invalidNumber();
    size_t i = text.find_first_not_of(' ');
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    std::string digits;
    int exponent = 0;
    bool point = false;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.');
         ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        digits += text[i];
        if (!point)
            ++exponent;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        // Far beyond any NUMBER either way; the encoders turn it into overflow or zero.
        const long e = std::strtol(text.c_str() + i + 1, nullptr, 10);
        exponent += static_cast<int>(std::clamp(e, -100000L, 100000L));
    }
    return normalized(negative, std::move(digits), exponent);
}

Decimal decimalOf(double value) {
    if (!std::isfinite(value))
        throw OraError(kOraNumericOverflow);
    if (value == 0)
        return Decimal{};
    char buf[40];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string text(buf, r.ptr);
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::atoi(text.c_str() + e + 1) + 1;
    return normalized(value < 0, std::move(digits), exponent);
}

bool asInteger(const Decimal &d, long long &out) {
    if (d.isZero()) {
        out = 0;
        return true;
    }
    if (!d.integral() || d.exponent > 19)
        return false;
    std::string text = d.negative ? "-" : "";
    text += d.digits;
    text.append(static_cast<size_t>(d.exponent) - d.digits.size(), '0');
    const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
    return r.ec == std::errc();
}

double asDouble(const Decimal &d) {
    if (d.isZero())
        return 0;
    const std::string text =
        std::string(d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.exponent);
    return std::strtod(text.c_str(), nullptr);
}

Decimal scaled(const Decimal &d, int scale) {
    if (d.isZero())
        return d;
    Decimal shifted = d;
    shifted.exponent += scale;
    return rounded(shifted, shifted.exponent);
}

size_t encodeNumber(const Decimal &value, unsigned char out[kNumberBytes]) {
    if (value.isZero()) {
        out[0] = 0x80;
        return 1;
    }
    // Base-100 digits line up with the decimal point: an odd count of integer digits gets a
    // leading zero.
    const bool pad = value.exponent % 2 != 0;
    const Decimal d = rounded(value, static_cast<int>(2 * kMaxPairs) - (pad ? 1 : 0));
    std::string s = d.exponent % 2 != 0 ? "0" + d.digits : d.digits;
    const int k = d.exponent % 2 != 0 ? d.exponent + 1 : d.exponent;
    if (s.size() % 2)
        s += '0';
    const int e100 = k / 2 - 1;
    if (e100 > kMaxExponent100)
        throw OraError(kOraNumericOverflow);
    if (e100 < kMinExponent100) {
        out[0] = 0x80;
        return 1;
    }
    const size_t pairs = s.size() / 2;
    out[0] = static_cast<unsigned char>(d.negative ? 62 - e100 : 193 + e100);
    for (size_t i = 0; i < pairs; ++i) {
        const int pair = (s[2 * i] - '0') * 10 + (s[2 * i + 1] - '0');
        out[i + 1] = static_cast<unsigned char>(d.negative ? 101 - pair : pair + 1);
    }
    size_t length = pairs + 1;
    if (d.negative && pairs < kMaxPairs)
        out[length++] = 102;
    return length;
}

Decimal decodeNumber(const unsigned char *bytes, size_t length) {
    if (length == 0 || length > kNumberBytes)
        invalidNumber();
    const unsigned char head = bytes[0];
    // Zero is the single byte 0x80; with digits after it, 0x80 is the smallest exponent.
    if (head == 0x80 && length == 1)
        return Decimal{};
    const bool negative = (head & 0x80) == 0;
    // Oracle's infinities: 0x00 alone, and 0xFF followed by 101; 0x00 and 0xFF with digits
    // after them are the largest exponent.
    if ((negative && head == 0 && length == 1) || (head == 0xFF && length == 2 && bytes[1] == 101))
        throw OraError(kOraNumericOverflow);
    const int e100 = negative ? 62 - head : head - 193;
    std::string digits;
    for (size_t i = 1; i < length; ++i) {
        if (negative && bytes[i] == 102)
            break;
        const int pair = negative ? 101 - bytes[i] : bytes[i] - 1;
        if (pair < 0 || pair > 99)
            invalidNumber();
        digits += static_cast<char>('0' + pair / 10);
        digits += static_cast<char>('0' + pair % 10);
    }
    if (digits.empty())
        invalidNumber();
    return normalized(negative, std::move(digits), 2 * (e100 + 1));
}

void encodePacked(const Decimal &d, int scale, unsigned char *out, size_t length) {
    const Decimal integer = scaled(d, scale);
    const std::string digits = integerDigits(integer, 2 * length - 1);
    std::memset(out, 0, length);
    for (size_t i = 0; i < digits.size(); ++i) {
        const auto nibble = static_cast<unsigned char>(digits[i] - '0');
        out[i / 2] |= static_cast<unsigned char>(i % 2 ? nibble : nibble << 4);
    }
    out[length - 1] |= integer.negative ? 0x0D : 0x0C;
}

Decimal decodePacked(const unsigned char *bytes, size_t length, int scale) {
    std::string digits;
    for (size_t i = 0; i < 2 * length - 1; ++i) {
        const int nibble = i % 2 ? bytes[i / 2] & 0x0F : bytes[i / 2] >> 4;
        if (nibble > 9)
            invalidNumber();
        digits += static_cast<char>('0' + nibble);
    }
    const int sign = bytes[length - 1] & 0x0F;
    if (sign < 0x0A)
        invalidNumber();
    const int count = static_cast<int>(digits.size());
    return normalized(sign == 0x0B || sign == 0x0D, std::move(digits), count - scale);
}

void encodeDisplay(const Decimal &d, int scale, unsigned char *out, size_t length) {
    const Decimal integer = scaled(d, scale);
    const std::string digits = integerDigits(integer, length - 1);
    out[0] = integer.negative ? '-' : '+';
    std::memcpy(out + 1, digits.data(), digits.size());
}

Decimal decodeDisplay(const unsigned char *bytes, size_t length, int scale) {
    size_t first = 0;
    bool negative = false;
    if (bytes[0] == '+' || bytes[0] == '-') {
        negative = bytes[0] == '-';
        first = 1;
    }
    std::string digits;
    for (size_t i = first; i < length; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9')
            invalidNumber();
        digits += static_cast<char>(bytes[i]);
    }
    const int count = static_cast<int>(digits.size());
    return normalized(negative, std::move(digits), count - scale);
}

} // namespace ocilite
