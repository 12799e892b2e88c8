// Error numbers at the start of Oracle's texts, and the UTF-8 reading every writer relies on.

#include "report/message_text.h"
#include "report/utf8.h"

#include <gtest/gtest.h>

namespace velmora::report {
namespace {

TEST(ErrorCode, TheNumberTheTextStartsWith) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"PLS-00201: identifier 'X' must be declared", "PLS-00201"},
        {"PL/SQL: ORA-00942: table or view does not exist", "ORA-00942"},
        {"  PLW-06002: Unreachable code", "PLW-06002"},
        {"PLS-00103", "PLS-00103"},
        {"PL/SQL: Statement ignored", ""},
        {"ORA-1234: too few digits", ""},
        {"PLS-002011: too many digits", ""},
        {"X-00001: one letter", ""},
        {"pls-00201: lower case", ""},
        {"identifier 'PLS-00201: X'", ""},
        {"", ""},
    };
    for (const auto &[text, code] : cases)
        EXPECT_EQ(errorCode(text), code) << text;
}

TEST(OneLine, JoinsTrimmedNonEmptyLines) {
    EXPECT_EQ(oneLine("a\r\n\n  b c  \n\t\nd"), "a b c d");
    EXPECT_EQ(oneLine("\n\n"), "");
}

std::u32string decoded(std::string_view bytes) {
    std::u32string out;
    for (std::size_t pos = 0; pos < bytes.size();)
        out += utf8::next(bytes, pos);
    return out;
}

TEST(Utf8, ValidCharactersDecodeAndEveryBadByteBecomesOneReplacement) {
    const char32_t R = utf8::kReplacement;
    EXPECT_EQ(decoded("a\xC3\xA9\xE8\xA1\x8C\xF0\x9F\x98\x80"), U"a\u00E9\u884C\U0001F600");
    EXPECT_EQ(decoded("\xC0\xAF"), (std::u32string{R, R}));               // overlong '/'
    EXPECT_EQ(decoded("\xED\xA0\x80"), (std::u32string{R, R, R}));        // a surrogate
    EXPECT_EQ(decoded("x\xE8\xA1"), (std::u32string{U'x', R, R}));        // cut at the end
    EXPECT_EQ(decoded("\x82\xA0"), (std::u32string{R, R}));               // Shift-JIS bytes
    EXPECT_EQ(decoded("\xF4\x90\x80\x80"), (std::u32string{R, R, R, R})); // past U+10FFFF
}

TEST(Utf8, DisplayWidthCountsWideCharactersTwice) {
    EXPECT_EQ(utf8::displayWidth("abc"), 3);
    EXPECT_EQ(utf8::displayWidth("\xE6\x97\xA5\xE6\x9C\xAC"), 4); // 日本
    EXPECT_EQ(utf8::displayWidth("\xEF\xBC\xA1\xEF\xBD\xB1"), 3); // Ａ (wide) ｱ (half-width)
    EXPECT_EQ(utf8::displayWidth("e\xCC\x81"), 1);                // e + combining acute
}

} // namespace
} // namespace velmora::report
