#include "report/utf8.h"

#include <array>

namespace velmora::report::utf8 {

namespace {

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
