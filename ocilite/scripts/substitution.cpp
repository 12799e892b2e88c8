#include "ocilite/scripts/substitution.h"

#include <cctype>

namespace ocilite {
namespace {

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '#';
}

} // namespace

std::string variableKey(std::string_view name) {
    std::string key(name);
    for (char &c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

void SubstitutionVariables::define(const std::string &name, const std::string &value) {
    m_values[variableKey(name)] = value;
}

bool SubstitutionVariables::undefine(const std::string &name) {
    return m_values.erase(variableKey(name)) > 0;
}

std::optional<std::string> SubstitutionVariables::value(const std::string &name) const {
    const auto found = m_values.find(variableKey(name));
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

SubstitutionResult substitute(std::string_view line, SubstitutionVariables &variables,
                              const SubstitutionSettings &settings, const ValuePrompter &ask) {
    SubstitutionResult result;
    if (!settings.enabled || line.find(settings.prefix) == std::string_view::npos) {
        result.text = std::string(line);
        return result;
    }
    std::string &out = result.text;
    out.reserve(line.size() + 16);
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (settings.escape && c == settings.escape && i + 1 < line.size() &&
            line[i + 1] == settings.prefix) {
            out += settings.prefix; // the escape character goes, the prefix stays literal
            i += 2;
            result.changed = true;
            continue;
        }
        if (c != settings.prefix) {
            out += c;
            ++i;
            continue;
        }
        const bool keep = i + 1 < line.size() && line[i + 1] == settings.prefix;
        const size_t nameStart = i + (keep ? 2 : 1);
        size_t nameEnd = nameStart;
        while (nameEnd < line.size() && isNameChar(line[nameEnd]))
            ++nameEnd;
        if (nameEnd == nameStart) { // "&" or "&&" not followed by a name: literal text
            out.append(line.substr(i, nameStart - i));
            i = nameStart;
            continue;
        }
        const std::string name(line.substr(nameStart, nameEnd - nameStart));
        std::optional<std::string> value = variables.value(name);
        if (!value) {
            value = ask ? ask(name) : std::nullopt;
            if (!value) {
                result.complete = false;
                result.unanswered = name;
                return result;
            }
            if (keep)
                variables.define(name, *value);
        }
        out += *value;
        result.changed = true;
        i = nameEnd;
        if (settings.concatEnabled && i < line.size() && line[i] == settings.concat)
            ++i;
    }
    return result;
}

} // namespace ocilite
