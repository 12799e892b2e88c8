// Numbers in the binary forms a version-7 program exchanges with Oracle (private to the
// engine): Oracle's internal NUMBER (external type 2; with a length byte in front, VARNUM, 6),
// packed decimal (7) and DISPLAY digits with a leading separate sign (91). All go through one
// exact decimal value, so an integer or a double of the engine comes back digit for digit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ocilite {

// sign * 0.d1d2d3... * 10^exponent, with no leading or trailing zero digit; zero has no
// digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
    // Whether the value has no fractional part.
    bool integral() const { return static_cast<int>(digits.size()) <= exponent || isZero(); }
};

Decimal decimalOf(long long value);
// Oracle's number syntax (blanks around, a sign, digits, a point, an exponent); ORA-01722
// otherwise.
Decimal decimalOfText(const std::string &text);
// The shortest digits that read back as the same double.
Decimal decimalOf(double value);
// The value as the engine stores a number: an integer when it is integral and fits, else a
// double.
bool asInteger(const Decimal &d, long long &out);
double asDouble(const Decimal &d);
// round(value * 10^scale) as digits, or nothing-left-out check by the caller.
Decimal scaled(const Decimal &d, int scale);

// The longest internal NUMBER: an exponent byte, 20 base-100 digits and a terminator.
constexpr size_t kNumberBytes = 22;

// Oracle's internal form of the value, rounded to 20 base-100 digits; returns its length.
size_t encodeNumber(const Decimal &d, unsigned char out[kNumberBytes]);
// Reads an internal NUMBER of length bytes; ORA-01722 when the bytes are not one.
Decimal decodeNumber(const unsigned char *bytes, size_t length);

// Packed decimal of `length` bytes (two digits a byte, the sign in the last half-byte) holding
// round(value * 10^scale); ORA-01457 when the digits do not fit.
void encodePacked(const Decimal &d, int scale, unsigned char *out, size_t length);
Decimal decodePacked(const unsigned char *bytes, size_t length, int scale);

// DISPLAY: '+' or '-' then length-1 digits holding round(value * 10^scale).
void encodeDisplay(const Decimal &d, int scale, unsigned char *out, size_t length);
Decimal decodeDisplay(const unsigned char *bytes, size_t length, int scale);

} // namespace ocilite
