// SARIF 2.1.0 as code-scanning services (GitHub's among them) read it: one run whose tool
// driver lists a rule per error number seen, and a result per error with its rule, level,
// message and location.
//
// Rules: the error number ("PLS-00201", "ORA-00942", "PLW-06002") with a link to Oracle's
// page on it; a message without a number ("PL/SQL: Statement ignored") is its own rule.
// Locations: for lint the script file as named on the command line (relative paths stay
// relative to the folder the tool ran in, which services resolve against the repository);
// for a database unit the relative reference "TYPE/NAME" (percent-encoded), plus a logical
// location naming the unit. Lines and columns below 1 are reported as 1, the lowest SARIF
// knows.

#include "report/json_writer.h"
#include "report/message_text.h"
#include "report/uri.h"
#include "report/writers.h"

#include <algorithm>
#include <cctype>

namespace velmora::report {

namespace {

constexpr const char *kSchema =
    "https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json";
constexpr const char *kInvalidRule = "UNIT-INVALID";
constexpr const char *kUnnumberedRule = "PL/SQL";
constexpr const char *kOracleHelp = "https://docs.oracle.com/error-help/db/";

struct Rule {
    std::string id;
    std::string description; // the first text reported under the rule, on one line
    Severity severity = Severity::Error;
    bool numbered = false;
};

struct Result {
    const Unit *unit;
    const Diagnostic *diagnostic; // null: the unit is invalid without any error
    std::size_t rule;
};

std::string ruleIdOf(const Diagnostic &d, bool *numbered) {
    std::string code = errorCode(d.text);
    *numbered = !code.empty();
    if (*numbered)
        return code;
    const std::string_view first = trimmed(splitLines(d.text).front());
    return first.empty() ? std::string(kUnnumberedRule) : std::string(first);
}

std::size_t ruleIndex(std::vector<Rule> &rules, Rule candidate) {
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&](const Rule &r) { return r.id == candidate.id; });
    if (found != rules.end())
        return static_cast<std::size_t>(found - rules.begin());
    rules.push_back(std::move(candidate));
    return rules.size() - 1;
}

void collect(const Listing &listing, std::vector<Rule> &rules, std::vector<Result> &results) {
    for (const Unit &unit : listing.units) {
        if (!unit.invalid)
            continue;
        if (unit.diagnostics.empty()) {
            Rule rule{kInvalidRule, kInvalidWithoutErrors, Severity::Error, false};
            results.push_back({&unit, nullptr, ruleIndex(rules, std::move(rule))});
        }
        for (const Diagnostic &d : unit.diagnostics) {
            Rule rule;
            rule.id = ruleIdOf(d, &rule.numbered);
            rule.description = oneLine(d.text);
            rule.severity = d.severity;
            results.push_back({&unit, &d, ruleIndex(rules, std::move(rule))});
        }
    }
}

std::string helpUri(const Rule &rule) {
    std::string lower = rule.id;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return kOracleHelp + lower + '/';
}

void writeText(JsonWriter &json, std::string_view name, std::string_view text) {
    json.key(name);
    json.beginObject();
    json.member("text", text);
    json.endObject();
}

void writeRule(JsonWriter &json, const Rule &rule) {
    json.beginObject();
    json.member("id", rule.id);
    writeText(json, "shortDescription", rule.id);
    writeText(json, "fullDescription", rule.description);
    if (rule.numbered) {
        json.member("helpUri", helpUri(rule));
        writeText(json, "help", "Oracle's explanation of " + rule.id + ": " + helpUri(rule));
    } else {
        writeText(json, "help", rule.description);
    }
    json.key("defaultConfiguration");
    json.beginObject();
    json.member("level", severityWord(rule.severity));
    json.endObject();
    json.endObject();
}

void writeDriver(JsonWriter &json, const RunInfo &run, const std::vector<Rule> &rules) {
    json.key("tool");
    json.beginObject();
    json.key("driver");
    json.beginObject();
    json.member("name", run.toolName);
    json.member("version", run.toolVersion);
    json.key("rules");
    json.beginArray();
    for (const Rule &rule : rules)
        writeRule(json, rule);
    json.endArray();
    json.endObject();
    json.endObject();
}

std::string artifactUri(const Unit &unit) {
    if (unit.fromFile())
        return fileUri(unit.file);
    return percentEncoded(unit.type) + '/' + percentEncoded(unit.name);
}

void writePhysicalLocation(JsonWriter &json, const Unit &unit, const Diagnostic *d) {
    const SourcePosition at = d != nullptr ? unit.filePosition(*d) : SourcePosition{1, 1};
    json.key("physicalLocation");
    json.beginObject();
    json.key("artifactLocation");
    json.beginObject();
    json.member("uri", artifactUri(unit));
    json.endObject();
    json.key("region");
    json.beginObject();
    json.member("startLine", std::max(at.line, 1));
    json.member("startColumn", std::max(at.column, 1));
    json.endObject();
    json.endObject();
}

void writeLocation(JsonWriter &json, const Unit &unit, const Diagnostic *d) {
    json.beginObject();
    writePhysicalLocation(json, unit, d);
    json.key("logicalLocations");
    json.beginArray();
    json.beginObject();
    json.member("name", unit.name);
    json.member("fullyQualifiedName", unit.type + ' ' + unit.name);
    json.member("kind", "module");
    json.endObject();
    json.endArray();
    json.endObject();
}

void writeResult(JsonWriter &json, const Result &result, const std::vector<Rule> &rules) {
    const Rule &rule = rules[result.rule];
    const Diagnostic *d = result.diagnostic;
    json.beginObject();
    json.member("ruleId", rule.id);
    json.member("ruleIndex", static_cast<int>(result.rule));
    json.member("level", severityWord(d != nullptr ? d->severity : Severity::Error));
    writeText(json, "message", d != nullptr ? std::string_view(d->text) : kInvalidWithoutErrors);
    json.key("locations");
    json.beginArray();
    writeLocation(json, *result.unit, d);
    json.endArray();
    json.endObject();
}

} // namespace

void writeSarif(const Listing &listing, std::ostream &out) {
    std::vector<Rule> rules;
    std::vector<Result> results;
    collect(listing, rules, results);
    JsonWriter json(out);
    json.beginObject();
    json.member("$schema", kSchema);
    json.member("version", "2.1.0");
    json.key("runs");
    json.beginArray();
    json.beginObject();
    writeDriver(json, listing.run, rules);
    json.key("results");
    json.beginArray();
    for (const Result &result : results)
        writeResult(json, result, rules);
    json.endArray();
    json.endObject();
    json.endArray();
    json.endObject();
}

} // namespace velmora::report
