#include "ocilite/plsql/diagnostics.h"

namespace ocilite::plsql {
namespace {

struct MessageEntry {
    int number;
    std::string_view text;
};

constexpr MessageEntry kMessages[] = {
#define OCILITE_MSG_ENTRY(name, number, text) {number, text},
    OCILITE_PLSQL_MESSAGES(OCILITE_MSG_ENTRY)
#undef OCILITE_MSG_ENTRY
};

} // namespace

int messageNumber(Msg m) {
    return kMessages[static_cast<size_t>(m)].number;
}

std::string messageText(Msg m, const std::vector<std::string_view> &params) {
    const std::string_view format = kMessages[static_cast<size_t>(m)].text;
    std::string out;
    out.reserve(format.size() + 32);
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next < params.size())
                out += params[next++];
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

void Diagnostics::add(Msg m, int line, int position, const std::vector<std::string_view> &params) {
    m_rows.push_back({line, position, messageNumber(m), false, messageText(m, params)});
}

void Diagnostics::addText(int line, int position, int number, std::string text) {
    m_rows.push_back({line, position, number, false, std::move(text)});
}

} // namespace ocilite::plsql
