#include "report/utf8.h"

#include <array>

namespace velmora::report::utf8 {

namespace {

bool continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian Wide (W) and Fullwidth (F) blocks, coarse but covering what Japanese and other
// CJK texts use.
constexpr std::array<Range, 11> kWide = {{{0x1100, 0x115F},
                                          {0x2E80, 0x303E},
                                          {0x3041, 0x33FF},
                                          {0x3400, 0x4DBF},
                                          {0x4E00, 0x9FFF},
                                          {0xA000, 0xA4CF},
                                          {0xAC00, 0xD7A3},
                                          {0xF900, 0xFAFF},
                                          {0xFE30, 0xFE4F},
                                          {0xFF00, 0xFF60},
                                          {0xFFE0, 0xFFE6}}};

bool inRanges(char32_t c) {
    for (const Range &r : kWide) {
        if (c >= r.first && c <= r.last)
            return true;
    }
    return c >= 0x20000 && c <= 0x3FFFD;
}

} // namespace

char32_t next(std::string_view text, std::size_t &pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= text.size()) { // cut short at the end of the text
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if (!continuation(b)) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (c < minimum || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return c;
}

void append(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int width(char32_t c) {
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x3099 && c <= 0x309A))
        return 0;
    return inRanges(c) ? 2 : 1;
}

int displayWidth(std::string_view text) {
    int columns = 0;
    for (std::size_t pos = 0; pos < text.size();)
        columns += width(next(text, pos));
    return columns;
}

} // namespace velmora::report::utf8
