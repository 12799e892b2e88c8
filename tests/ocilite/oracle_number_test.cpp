// Oracle's binary number forms as the engine writes and reads them: the internal NUMBER bytes
// Oracle's DUMP shows for known values, VARNUM, packed decimal and DISPLAY digits, and exact
// round trips of the engine's integers and doubles.
#include "ocilite/engine/errors.h"
#include "ocilite/engine/oracle_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace ocilite::test {
namespace {

using Bytes = std::vector<int>;

Bytes encoded(const Decimal &d) {
    unsigned char out[kNumberBytes];
    const size_t n = encodeNumber(d, out);
    return Bytes(out, out + n);
}

Decimal decoded(const Bytes &bytes) {
    std::vector<unsigned char> raw(bytes.begin(), bytes.end());
    return decodeNumber(raw.data(), raw.size());
}

int errorOf(const std::function<void()> &f) {
    try {
        f();
    } catch (const OraError &e) {
        return e.code();
    }
    return 0;
}

TEST(OracleNumber, InternalBytesAreOraclesDump) {
    // DUMP(n) on Oracle: Typ=2 with these bytes.
    const std::pair<const char *, Bytes> cases[] = {
        {"0", {128}},
        {"1", {193, 2}},
        {"10", {193, 11}},
        {"100", {194, 2}},
        {"123", {194, 2, 24}},
        {"123.45", {194, 2, 24, 46}},
        {"0.1", {192, 11}},
        {"0.5", {192, 51}},
        {"-1", {62, 100, 102}},
        {"-123", {61, 100, 78, 102}},
        {"-123.45", {61, 100, 78, 56, 102}},
        {"1E+100", {243, 2}},
        {"12345678901234567890123456789012345678",
         {211, 13, 35, 57, 79, 91, 13, 35, 57, 79, 91, 13, 35, 57, 79, 91, 13, 35, 57, 79}},
    };
    for (const auto &[text, bytes] : cases) {
        EXPECT_EQ(bytes, encoded(decimalOfText(text))) << text;
        const Decimal back = decoded(bytes);
        const Decimal expected = decimalOfText(text);
        EXPECT_EQ(expected.negative, back.negative) << text;
        EXPECT_EQ(expected.digits, back.digits) << text;
        EXPECT_EQ(expected.exponent, back.exponent) << text;
    }
}

TEST(OracleNumber, EngineValuesComeBackExactly) {
    const long long integers[] = {0,
                                  1,
                                  -1,
                                  99,
                                  100,
                                  -101,
                                  1234567890123456789LL,
                                  std::numeric_limits<long long>::min(),
                                  std::numeric_limits<long long>::max()};
    for (long long i : integers) {
        long long back = 0;
        ASSERT_TRUE(asInteger(decoded(encoded(decimalOf(i))), back)) << i;
        EXPECT_EQ(i, back);
    }
    const double doubles[] = {0.5, -0.5, 3.141592653589793, 1e-130, 9.99e125, -2.5e-7, 1.0 / 3};
    for (double d : doubles) {
        const Decimal back = decoded(encoded(decimalOf(d)));
        EXPECT_EQ(d, asDouble(back)) << d;
        long long unused = 0;
        EXPECT_FALSE(asInteger(back, unused)) << d;
    }
}

TEST(OracleNumber, BeyondTheRangeAndBadBytes) {
    EXPECT_EQ(kOraNumericOverflow, errorOf([] { encoded(decimalOfText("1E126")); }));
    EXPECT_EQ(Bytes{128}, encoded(decimalOfText("1E-131")));            // below the range: zero
    EXPECT_EQ(kOraInvalidNumber, errorOf([] { decoded({193, 0}); }));   // digit byte 0
    EXPECT_EQ(kOraInvalidNumber, errorOf([] { decoded({193, 101}); })); // digit 100
    EXPECT_EQ(kOraInvalidNumber, errorOf([] { decoded({}); }));
    EXPECT_EQ(kOraInvalidNumber, errorOf([] { decimalOfText("12a"); }));
    EXPECT_EQ(kOraNumericOverflow,
              errorOf([] { decimalOf(std::numeric_limits<double>::infinity()); }));
}

TEST(OracleNumber, PackedDecimalAndDisplayKeepTheScale) {
    struct Case {
        const char *value;
        int scale;
        Bytes packed;        // 3 bytes: five digits and the sign
        const char *display; // 6 bytes: sign and five digits
    };
    const Case cases[] = {
        {"123.45", 2, {0x12, 0x34, 0x5C}, "+12345"},
        {"-7", 0, {0x00, 0x00, 0x7D}, "-00007"},
        {"0", 0, {0x00, 0x00, 0x0C}, "+00000"},
        {"2.5", 0, {0x00, 0x00, 0x3C}, "+00003"}, // rounded half away from zero
        {"-0.125", 2, {0x00, 0x01, 0x3D}, "-00013"},
    };
    for (const Case &c : cases) {
        unsigned char packed[3];
        encodePacked(decimalOfText(c.value), c.scale, packed, sizeof packed);
        EXPECT_EQ(c.packed, Bytes(packed, packed + 3)) << c.value;
        unsigned char display[6];
        encodeDisplay(decimalOfText(c.value), c.scale, display, sizeof display);
        EXPECT_EQ(c.display, std::string(display, display + 6)) << c.value;
    }
    const unsigned char in[] = {0x01, 0x23, 0x4D};
    EXPECT_DOUBLE_EQ(-12.34, asDouble(decodePacked(in, 3, 2)));
    const unsigned char unsignedSign[] = {0x05, 0x0F};
    EXPECT_DOUBLE_EQ(50, asDouble(decodePacked(unsignedSign, 2, 0)));
    const unsigned char digits[] = {'-', '0', '4', '2'};
    EXPECT_DOUBLE_EQ(-4.2, asDouble(decodeDisplay(digits, 4, 1)));
    unsigned char small[2];
    EXPECT_EQ(kOraDecimalOverflow,
              errorOf([&] { encodePacked(decimalOfText("1000"), 0, small, sizeof small); }));
    const unsigned char badSign[] = {0x12, 0x34};
    EXPECT_EQ(kOraInvalidNumber, errorOf([&] { decodePacked(badSign, 2, 0); }));
}

} // namespace
} // namespace ocilite::test
