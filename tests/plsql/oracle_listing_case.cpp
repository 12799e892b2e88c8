// Reading listing cases and telling how two sets of error rows differ. A case file is a
// header of "key: value" lines, then "--- script" and the script as Oracle ran it, then one
// "--- errors TYPE NAME" section per unit holding the rows as SQL*Plus's SHOW ERRORS lists
// them ("LINE/COL TEXT", the text's wrapped lines indented below it).
#include "oracle_listing_case.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

namespace listings {

namespace {

bool startsWith(const std::string &s, const std::string &prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool parseUnitHeading(const std::string &line, UnitRows &unit) {
    std::istringstream words(line.substr(std::string("--- errors ").size()));
    std::vector<std::string> parts;
    for (std::string w; words >> w;)
        parts.push_back(w);
    if (parts.empty() || parts.size() > 3)
        return false;
    unit.name = parts.back();
    parts.pop_back();
    for (const auto &p : parts)
        unit.type += (unit.type.empty() ? "" : " ") + p;
    return !unit.type.empty();
}

// "12/11    PLS-00323: ..." starts a row; an indented line continues the last one.
bool addRowLine(const std::string &line, UnitRows &unit, std::string &error) {
    static const std::regex kRow(R"(^(\d+)/(\d+)\s+(.*)$)");
    std::smatch m;
    if (std::regex_match(line, m, kRow)) {
        unit.rows.push_back(Row{std::stoi(m[1]), std::stoi(m[2]), m[3], -1});
        return true;
    }
    if (line.find_first_not_of(" \t") == std::string::npos)
        return true;
    if (unit.rows.empty() || !std::isspace(static_cast<unsigned char>(line[0]))) {
        error = "not a LINE/COL row: " + line;
        return false;
    }
    unit.rows.back().text += " " + line;
    return true;
}

// "hr, extra" -> {"hr", "extra"}; "none" -> {}.
std::vector<std::string> setupNames(const std::string &value) {
    std::vector<std::string> names;
    std::istringstream in(value);
    for (std::string name; std::getline(in, name, ',');) {
        name = squeeze(name);
        if (!name.empty() && name != "none")
            names.push_back(name);
    }
    return names;
}

bool setField(Case &c, const std::string &key, const std::string &value, std::string &error) {
    const std::map<std::string, std::function<bool()>> fields = {
        {"source", [&] { return c.source = value, true; }},
        {"kind", [&] { return c.kind = value, true; }},
        {"oracle", [&] { return c.oracle = value, true; }},
        {"setup", [&] { return c.setups = setupNames(value), true; }},
        {"unit", [&] { return c.anonymousBlock = value == "anonymous block", c.anonymousBlock; }},
        {"order",
         [&] {
             return c.bySequence = value == "sequence", value == "sequence" || value == "listing";
         }},
        {"status",
         [&] {
             c.knownDifference = value == "known-difference";
             return value == "known-difference" || value == "match";
         }},
    };
    const auto it = fields.find(key);
    if (it == fields.end() || !it->second()) {
        error = "unknown field or value: " + key + ": " + value;
        return false;
    }
    return true;
}

bool parseHeaderLine(const std::string &line, Case &c, std::string &error) {
    if (startsWith(line, "#")) {
        if (c.summary.empty())
            c.summary = line.substr(line.find_first_not_of("# "));
        return true;
    }
    const size_t colon = line.find(": ");
    if (colon == std::string::npos) {
        error = "expected 'key: value': " + line;
        return false;
    }
    return setField(c, line.substr(0, colon), line.substr(colon + 2), error);
}

std::string describe(const Row &r) {
    std::string text = r.text.size() > 90 ? r.text.substr(0, 87) + "..." : r.text;
    return std::to_string(r.line) + "/" + std::to_string(r.position) + " " + text;
}

// A text published cut short ends in "[cut]"; only its start is known.
void markCut(Row &row) {
    static const std::string kCut = "[cut]";
    row.text = squeeze(row.text);
    row.cut = row.text.size() >= kCut.size() &&
              row.text.compare(row.text.size() - kCut.size(), kCut.size(), kCut) == 0;
    if (row.cut)
        row.text = squeeze(row.text.substr(0, row.text.size() - kCut.size()));
    row.number = messageNumberOf(row.text);
}

} // namespace

bool sameText(const Row &oracle, const Row &ours) {
    return oracle.cut ? startsWith(ours.text, oracle.text) : oracle.text == ours.text;
}

std::string squeeze(const std::string &text) {
    std::string out;
    for (char ch : text) {
        if (std::isspace(static_cast<unsigned char>(ch))) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += ch;
        }
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

int messageNumberOf(const std::string &text) {
    static const std::regex kCode(R"(^(?:PL/SQL: )?(?:PLS|ORA|PLW)-0*(\d+):)");
    std::smatch m;
    return std::regex_search(text, m, kCode) ? std::stoi(m[1]) : 0;
}

bool parseCase(const std::string &name, const std::string &text, Case &out, std::string &error) {
    out = Case{};
    out.name = name;
    std::istringstream in(text);
    enum { Header, Script, Errors } part = Header;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "--- script" && part == Header) {
            part = Script;
        } else if (startsWith(line, "--- errors ") && part != Header) {
            out.units.emplace_back();
            if (!parseUnitHeading(line, out.units.back()))
                return error = "bad unit heading: " + line, false;
            part = Errors;
        } else if (part == Header) {
            if (!line.empty() && !parseHeaderLine(line, out, error))
                return false;
        } else if (part == Script) {
            out.script += line + "\n";
        } else if (!addRowLine(line, out.units.back(), error)) {
            return false;
        }
    }
    for (auto &unit : out.units)
        for (auto &row : unit.rows)
            markCut(row);
    if (out.units.empty())
        return error = "no --- errors section", false;
    return out.source.empty() || out.kind.empty() ? (error = "source and kind are required", false)
                                                  : true;
}

namespace {

using Match = std::function<bool(const Row &, const Row &)>;
using Label = std::function<std::string(const Row &, const Row &)>;

// Pairs rows of e and a that `match` (first come, first paired), reports each pair through
// `label` and takes them out of both lists.
void pairOff(std::vector<Row> &e, std::vector<Row> &a, const Match &match, const Label &label,
             std::vector<std::string> &out) {
    for (auto ei = e.begin(); ei != e.end();) {
        const auto ai =
            std::find_if(a.begin(), a.end(), [&](const Row &r) { return match(*ei, r); });
        if (ai == a.end()) {
            ++ei;
            continue;
        }
        const std::string text = label(*ei, *ai);
        if (!text.empty())
            out.push_back(text);
        a.erase(ai);
        ei = e.erase(ei);
    }
}

std::string pair(const std::string &pattern, const Row &e, const Row &a) {
    return pattern + " (Oracle " + describe(e) + " | ours " + describe(a) + ")";
}

// Two texts from where they part, with a little of what they share before it.
std::string divergence(const Row &e, const Row &a) {
    size_t common = 0;
    while (common < e.text.size() && common < a.text.size() && e.text[common] == a.text[common])
        ++common;
    const size_t from = common > 30 ? common - 20 : 0;
    const auto tail = [&](const std::string &t) {
        const std::string rest = t.substr(std::min(from, t.size()));
        return (from ? "..." : "") + (rest.size() > 110 ? rest.substr(0, 107) + "..." : rest);
    };
    return " (" + std::to_string(e.line) + "/" + std::to_string(e.position) + " Oracle \"" +
           tail(e.text) + "\" | ours \"" + tail(a.text) + "\")";
}

} // namespace

std::vector<std::string> differences(const std::vector<Row> &expected,
                                     const std::vector<Row> &actual) {
    std::vector<std::string> out;
    std::vector<Row> e = expected, a = actual;
    const auto samePlace = [](const Row &x, const Row &y) {
        return x.line == y.line && x.position == y.position;
    };
    const auto sameRow = [&](const Row &x, const Row &y) {
        return samePlace(x, y) && sameText(x, y);
    };
    pairOff(
        e, a, sameRow,
        [](const Row &x, const Row &y) {
            return y.number >= 0 && x.number != y.number ? pair("wrong message number", x, y)
                                                         : std::string();
        },
        out);
    if (e.empty() && a.empty() &&
        !std::equal(expected.begin(), expected.end(), actual.begin(), actual.end(), sameRow))
        out.push_back("wrong order (the same rows in another order)");
    pairOff(
        e, a, [](const Row &x, const Row &y) { return sameText(x, y); },
        [](const Row &x, const Row &y) {
            return pair(x.line != y.line ? "wrong line" : "wrong column", x, y);
        },
        out);
    pairOff(
        e, a, samePlace,
        [](const Row &x, const Row &y) {
            return x.number == messageNumberOf(y.text) ? "wrong text" + divergence(x, y)
                                                       : pair("wrong message", x, y);
        },
        out);
    pairOff(
        e, a, [](const Row &x, const Row &y) { return x.number == messageNumberOf(y.text); },
        [](const Row &x, const Row &y) {
            return pair(x.line != y.line ? "wrong line and text" : "wrong column and text", x, y);
        },
        out);
    for (const Row &r : e)
        out.push_back("missing row (Oracle " + describe(r) + ")");
    for (const Row &r : a)
        out.push_back("extra row (ours " + describe(r) + ")");
    return out;
}

std::string patternOf(const std::string &difference) {
    return difference.substr(0, difference.find(" ("));
}

} // namespace listings
