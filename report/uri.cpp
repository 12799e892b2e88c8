#include "report/uri.h"

#include <cstdio>

namespace velmora::report {

namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

bool isAbsolute(std::string_view path) {
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2]))
        return true;
#endif
    return !path.empty() && isSeparator(path.front());
}

} // namespace

std::string percentEncoded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (unreserved(byte)) {
            out += c;
            continue;
        }
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
        out += escaped;
    }
    return out;
}

std::string fileUri(std::string_view path) {
    std::string out = isAbsolute(path) ? "file://" : "";
#ifdef _WIN32
    if (isAbsolute(path) && path[1] == ':') { // file:///C:/folder/file.sql
        out += '/';
        out += path.substr(0, 2);
        path.remove_prefix(2);
    }
#endif
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        out += percentEncoded(path.substr(start, end - start));
        if (end < path.size())
            out += '/';
        start = end + 1;
    }
    return out;
}

} // namespace velmora::report
