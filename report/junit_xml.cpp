// JUnit XML, valid against the Apache Ant JUnit schema that CI services read (Jenkins, GitLab,
// Azure): one test suite for the run, one test case per unit checked. A valid unit passes; an
// invalid one fails with its first error as the failure's message and type (its error number)
// and every error row as the failure's text: the SQL*Plus rows for a database unit, the
// file:line:col lines for a unit from a script file. The class name is what groups the units:
// the schema, or the script file.

#include "report/message_text.h"
#include "report/utf8.h"
#include "report/writers.h"

#include <cstdio>
#include <ostream>
#include <sstream>

namespace velmora::report {

namespace {

// XML 1.0 allows no control characters but tab, line feed and carriage return.
bool allowedInXml(char32_t c) {
    return c >= 0x20 || c == '\t' || c == '\n' || c == '\r';
}

std::string escaped(std::string_view text, bool attribute) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::next(text, pos);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (attribute && c == '"')
            out += "&quot;";
        else if (attribute && (c == '\n' || c == '\r' || c == '\t'))
            out += "&#" + std::to_string(static_cast<unsigned>(c)) + ';';
        else
            utf8::append(out, allowedInXml(c) ? c : utf8::kReplacement);
    }
    return out;
}

std::string attr(std::string_view name, std::string_view value) {
    return ' ' + std::string(name) + "=\"" + escaped(value, true) + '"';
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value >= 0 ? value : 0.0);
    return text;
}

std::string failureText(const Unit &unit) {
    std::ostringstream rows;
    if (unit.fromFile())
        writeGccLines(Listing{{}, {unit}}, rows);
    else
        writeSqlPlusUnit(unit, rows);
    return rows.str();
}

void writeFailure(const Unit &unit, std::ostream &out) {
    std::string message = kInvalidWithoutErrors;
    std::string type = "INVALID";
    if (!unit.diagnostics.empty()) {
        message = oneLine(unit.diagnostics.front().text);
        type = errorCode(unit.diagnostics.front().text);
        if (type.empty())
            type = "PL/SQL";
    }
    out << "      <failure" << attr("message", message) << attr("type", type) << '>'
        << escaped(failureText(unit), false) << "</failure>\n";
}

void writeTestCase(const Unit &unit, const RunInfo &run, std::ostream &out) {
    const std::string className = unit.fromFile() ? unit.file : run.suiteName;
    out << "    <testcase" << attr("name", unit.type + ' ' + unit.name)
        << attr("classname", className) << attr("time", seconds(0));
    if (!unit.invalid) {
        out << "/>\n";
        return;
    }
    out << ">\n";
    writeFailure(unit, out);
    out << "    </testcase>\n";
}

void writeSuiteStart(const Listing &listing, std::ostream &out) {
    const RunInfo &run = listing.run;
    out << "  <testsuite" << attr("name", run.suiteName.empty() ? run.toolName : run.suiteName)
        << attr("package", run.toolName) << attr("id", "0") << attr("timestamp", run.timestamp)
        << attr("hostname", run.hostname.empty() ? "localhost" : run.hostname)
        << attr("tests", std::to_string(listing.units.size()))
        << attr("failures", std::to_string(listing.invalidCount())) << attr("errors", "0")
        << attr("skipped", "0") << attr("time", seconds(run.seconds)) << ">\n";
}

} // namespace

void writeJUnit(const Listing &listing, std::ostream &out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n";
    writeSuiteStart(listing, out);
    out << "    <properties/>\n";
    for (const Unit &unit : listing.units)
        writeTestCase(unit, listing.run, out);
    out << "    <system-out/>\n    <system-err/>\n  </testsuite>\n</testsuites>\n";
}

} // namespace velmora::report
