// SQL*Plus substitution variables: the values DEFINE, ACCEPT, COLUMN ... NEW_VALUE and script
// parameters (&1, &2 ...) hold, and the replacement of &name / &&name references in a line
// as SET DEFINE, SET CONCAT and SET ESCAPE direct. Knows nothing of any database.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ocilite {

// How references are written; SQL*Plus's defaults.
struct SubstitutionSettings {
    bool enabled = true;       // SET DEFINE ON/OFF (SET SCAN)
    char prefix = '&';         // SET DEFINE c
    bool concatEnabled = true; // SET CONCAT ON/OFF
    char concat = '.';         // SET CONCAT c: ends a name and is dropped
    char escape = 0;           // SET ESCAPE c: "c&" stands for a literal '&' (0 = off)
};

// The session's variables; names compare without regard to case, as SQL*Plus's do.
class SubstitutionVariables {
public:
    void define(const std::string &name, const std::string &value);
    // False when the variable was not defined.
    bool undefine(const std::string &name);
    std::optional<std::string> value(const std::string &name) const;
    bool defined(const std::string &name) const { return value(name).has_value(); }
    // Upper-case name -> value, in name order (what DEFINE alone lists).
    const std::map<std::string, std::string> &all() const { return m_values; }

private:
    std::map<std::string, std::string> m_values;
};

// Asks for the value of an undefined variable ("Enter value for x: "); nothing when no value
// can be had (end of input).
using ValuePrompter = std::function<std::optional<std::string>(const std::string &name)>;

struct SubstitutionResult {
    std::string text;
    bool changed = false;
    bool complete = true;   // false: a prompt got no value; text is not usable
    std::string unanswered; // the variable whose prompt got no value
};

// Replaces the references in one line. An undefined variable is asked for through `ask`;
// "&&name" keeps the answer as a definition, "&name" uses it once.
SubstitutionResult substitute(std::string_view line, SubstitutionVariables &variables,
                              const SubstitutionSettings &settings, const ValuePrompter &ask);

// Upper-cases a variable name (ASCII letters only).
std::string variableKey(std::string_view name);

} // namespace ocilite
