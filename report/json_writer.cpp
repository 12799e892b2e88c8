#include "report/json_writer.h"

#include "report/utf8.h"

#include <cstdio>
#include <ostream>

namespace velmora::report {

void writeJsonString(std::ostream &out, std::string_view text) {
    std::string escaped = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::next(text, pos);
        switch (c) {
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            if (c < 0x20) {
                char code[16];
                std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                escaped += code;
            } else {
                utf8::append(escaped, c);
            }
        }
    }
    escaped += '"';
    out << escaped;
}

void JsonWriter::newline() {
    m_out << '\n' << std::string(2 * m_empty.size(), ' ');
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.empty())
        return;
    if (!m_empty.back())
        m_out << ',';
    m_empty.back() = false;
    newline();
}

void JsonWriter::open(char bracket) {
    beforeValue();
    m_out << bracket;
    m_empty.push_back(true);
}

void JsonWriter::close(char bracket) {
    const bool wasEmpty = m_empty.back();
    m_empty.pop_back();
    if (!wasEmpty)
        newline();
    m_out << bracket;
    if (m_empty.empty())
        m_out << '\n';
}

void JsonWriter::beginObject() {
    open('{');
}

void JsonWriter::endObject() {
    close('}');
}

void JsonWriter::beginArray() {
    open('[');
}

void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    writeJsonString(m_out, name);
    m_out << ": ";
    m_afterKey = true;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    writeJsonString(m_out, text);
}

void JsonWriter::value(int number) {
    beforeValue();
    m_out << number;
}

void JsonWriter::value(bool flag) {
    beforeValue();
    m_out << (flag ? "true" : "false");
}

void JsonWriter::null() {
    beforeValue();
    m_out << "null";
}

} // namespace velmora::report
