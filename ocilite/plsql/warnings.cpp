#include "ocilite/plsql/warnings.h"

#include <cctype>
#include <string>

namespace ocilite::plsql {
namespace {

// The category of a warning number: 0 SEVERE, 1 INFORMATIONAL, 2 PERFORMANCE, -1 none.
int categoryOf(int number) {
    if (number >= 5000 && number <= 5999)
        return 0;
    if (number >= 6000 && number <= 6249)
        return 1;
    if (number >= 7000 && number <= 7249)
        return 2;
    return -1;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::optional<WarningState> qualifier(std::string_view word) {
    const std::string w = upper(trim(word));
    if (w == "ENABLE")
        return WarningState::Enable;
    if (w == "DISABLE")
        return WarningState::Disable;
    if (w == "ERROR")
        return WarningState::Error;
    return std::nullopt;
}

// The clauses of a value: "QUALIFIER:MODIFIER" or "QUALIFIER:(MODIFIER, ...)", comma apart.
std::vector<std::string_view> clauses(std::string_view value) {
    std::vector<std::string_view> out;
    size_t start = 0;
    int depth = 0;
    for (size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || (value[i] == ',' && depth == 0)) {
            out.push_back(value.substr(start, i - start));
            start = i + 1;
        } else if (value[i] == '(' || value[i] == ')') {
            depth += value[i] == '(' ? 1 : -1;
        }
    }
    return out;
}

} // namespace

bool WarningSettings::apply(WarningState state, std::string_view modifier) {
    static const char *const kCategories[] = {"SEVERE", "INFORMATIONAL", "PERFORMANCE"};
    const std::string m = upper(trim(modifier));
    for (int c = 0; c < 3; ++c)
        if (m == kCategories[c] || m == "ALL") {
            m_category[c] = state;
            std::erase_if(m_numbers, [&](const auto &n) { return categoryOf(n.first) == c; });
        }
    if (m == "ALL" || m == kCategories[0] || m == kCategories[1] || m == kCategories[2])
        return true;
    if (m.empty() || m.size() > 5 || m.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int number = std::stoi(m);
    if (categoryOf(number) < 0)
        return false;
    m_numbers.emplace_back(number, state);
    return true;
}

std::optional<WarningSettings> WarningSettings::parse(std::string_view value) {
    WarningSettings settings;
    for (std::string_view clause : clauses(value)) {
        const size_t colon = clause.find(':');
        const auto state =
            colon == std::string_view::npos ? std::nullopt : qualifier(clause.substr(0, colon));
        std::string_view rest =
            trim(clause.substr(colon == std::string_view::npos ? 0 : colon + 1));
        if (!state)
            return std::nullopt;
        const bool list = rest.size() >= 2 && rest.front() == '(' && rest.back() == ')';
        if (list)
            rest = rest.substr(1, rest.size() - 2);
        for (std::string_view modifier : list ? clauses(rest) : std::vector{rest})
            if (!settings.apply(*state, modifier))
                return std::nullopt;
    }
    return settings;
}

WarningState WarningSettings::state(int number) const {
    for (auto it = m_numbers.rbegin(); it != m_numbers.rend(); ++it)
        if (it->first == number)
            return it->second;
    const int category = categoryOf(number);
    return category < 0 ? WarningState::Disable : m_category[category];
}

bool WarningSettings::anyEnabled() const {
    for (const WarningState s : m_category)
        if (s != WarningState::Disable)
            return true;
    for (const auto &n : m_numbers)
        if (n.second != WarningState::Disable)
            return true;
    return false;
}

} // namespace ocilite::plsql
