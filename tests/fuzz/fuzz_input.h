// Reading a fuzzer's input (private to the harnesses): a byte stream the harness takes
// choices, numbers and texts from, so that one input drives a whole sequence of calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

class Input {
public:
    Input(const uint8_t *data, size_t size) : m_text(reinterpret_cast<const char *>(data), size) {}

    bool empty() const { return m_at >= m_text.size(); }
    // One byte, 0 when the input is used up.
    uint8_t byte() { return empty() ? 0 : static_cast<uint8_t>(m_text[m_at++]); }
    // A number below `limit` (limit > 0).
    unsigned below(unsigned limit) { return byte() % limit; }
    // The text up to the next separator byte (0xFF) or the end.
    std::string_view piece() {
        const size_t start = m_at;
        const size_t end = m_text.find('\xff', start);
        m_at = end == std::string_view::npos ? m_text.size() : end + 1;
        return m_text.substr(start, (end == std::string_view::npos ? m_text.size() : end) - start);
    }
    // Whatever is left.
    std::string_view rest() {
        const std::string_view r = m_text.substr(std::min(m_at, m_text.size()));
        m_at = m_text.size();
        return r;
    }

private:
    std::string_view m_text;
    size_t m_at = 0;
};

} // namespace fuzz
