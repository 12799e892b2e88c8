// UTF-8 read and written one character at a time, for every layer that works on texts as
// characters: the embedded database's SQL functions and the error listings alike. Header
// only, plain C++.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// The bytes of the sequence a lead byte opens (1 for a byte that opens none).
inline int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decodes the character at text[pos] and moves pos past it. An invalid or cut sequence, an
// overlong form, a surrogate or a value past U+10FFFF yields kReplacement and moves pos by
// one byte.
inline char32_t next(std::string_view text, std::size_t &pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const int length = sequenceLength(lead);
    if (length == 1) {
        ++pos;
        return lead < 0x80 ? lead : kReplacement;
    }
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t c = lead & (0x7F >> length);
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < kMinimum[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return kReplacement;
    }
    pos += static_cast<std::size_t>(length);
    return c;
}

inline void append(std::string &out, char32_t c) {
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

} // namespace velmora::utf8
