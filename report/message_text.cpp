#include "report/message_text.h"

namespace velmora::report {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "ABC-01234" followed by ':' or the end: two to four capitals, a dash and five digits.
std::size_t codeLength(std::string_view text) {
    std::size_t letters = 0;
    while (letters < text.size() && isUpper(text[letters]))
        ++letters;
    if (letters < 2 || letters > 4 || letters + 6 > text.size() || text[letters] != '-')
        return 0;
    for (std::size_t i = letters + 1; i < letters + 6; ++i) {
        if (!isDigit(text[i]))
            return 0;
    }
    const std::size_t end = letters + 6;
    return end == text.size() || text[end] == ':' ? end : 0;
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string oneLine(std::string_view text) {
    std::string out;
    for (std::string_view line : splitLines(text)) {
        line = trimmed(line);
        if (line.empty())
            continue;
        if (!out.empty())
            out += ' ';
        out += line;
    }
    return out;
}

std::string errorCode(std::string_view text) {
    text = trimmed(text);
    constexpr std::string_view kPlsqlPrefix = "PL/SQL: ";
    if (text.substr(0, kPlsqlPrefix.size()) == kPlsqlPrefix)
        text.remove_prefix(kPlsqlPrefix.size());
    return std::string(text.substr(0, codeLength(text)));
}

} // namespace velmora::report
