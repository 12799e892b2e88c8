// The SQL*Plus SHOW ERRORS listing, one block per invalid unit:
//
//   Errors for PACKAGE BODY PAYROLL_PKG:
//
//   LINE/COL ERROR
//   -------- -----------------------------------------------------------------
//   7/21     PLS-00302: component 'PUT_LIN' must be declared
//
// The ERROR column is 65 columns wide and word-wrapped as SQL*Plus wraps it: each line of the
// text on a row of its own, leading blanks skipped, empty lines left out, long lines broken at
// blanks (a word wider than the column is cut). Continuation rows are indented under the
// column. A LINE/COL wider than its 8 columns pushes the text right instead of wrapping.

#include "report/message_text.h"
#include "report/utf8.h"
#include "report/writers.h"

#include <ostream>

namespace velmora::report {

namespace {

constexpr int kErrorWidth = 65;
constexpr int kLineColWidth = 8;

// How many bytes of text fit into width columns; *blank receives the byte offset of the last
// blank among them (npos when none), where a word-wrapped row would rather end.
std::size_t fittingBytes(std::string_view text, int width, std::size_t *blank) {
    *blank = std::string_view::npos;
    int used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        used += utf8::width(utf8::next(text, next));
        if (used > width)
            break;
        if (text[pos] == ' ' || text[pos] == '\t')
            *blank = pos;
        pos = next;
    }
    if (pos == text.size())
        *blank = std::string_view::npos;
    return pos;
}

void wrapLine(std::string_view line, std::vector<std::string> &rows) {
    line = trimmed(line);
    while (!line.empty()) {
        std::size_t blank = 0;
        std::size_t cut = fittingBytes(line, kErrorWidth, &blank);
        if (cut < line.size() && line[cut] != ' ' && line[cut] != '\t' &&
            blank != std::string_view::npos)
            cut = blank;
        if (cut == 0) // a single character wider than the column
            utf8::next(line, cut);
        rows.emplace_back(trimmed(line.substr(0, cut)));
        line = trimmed(line.substr(cut));
    }
}

std::vector<std::string> wrapErrorText(std::string_view text) {
    std::vector<std::string> rows;
    for (std::string_view line : splitLines(text))
        wrapLine(line, rows);
    if (rows.empty())
        rows.emplace_back();
    return rows;
}

void writeRow(const Diagnostic &d, std::ostream &out) {
    std::string lineCol = std::to_string(d.line) + '/' + std::to_string(d.column);
    if (static_cast<int>(lineCol.size()) < kLineColWidth)
        lineCol.resize(kLineColWidth, ' ');
    const std::vector<std::string> rows = wrapErrorText(d.text);
    std::string first = lineCol + ' ' + rows.front();
    out << trimmed(first) << '\n';
    const std::string indent(kLineColWidth + 1, ' ');
    for (std::size_t i = 1; i < rows.size(); ++i)
        out << indent << rows[i] << '\n';
}

} // namespace

void writeSqlPlusUnit(const Unit &unit, std::ostream &out) {
    out << "Errors for " << unit.type << ' ' << unit.name << ":\n\n";
    if (unit.diagnostics.empty()) {
        out << "No errors.\n";
        return;
    }
    out << "LINE/COL ERROR\n"
        << std::string(kLineColWidth, '-') << ' ' << std::string(kErrorWidth, '-') << '\n';
    for (const Diagnostic &d : unit.diagnostics)
        writeRow(d, out);
}

void writeSqlPlusText(const Listing &listing, std::ostream &out) {
    bool first = true;
    for (const Unit &unit : listing.units) {
        if (!unit.invalid)
            continue;
        if (!first)
            out << '\n';
        writeSqlPlusUnit(unit, out);
        first = false;
    }
    if (first)
        out << "No errors.\n";
}

} // namespace velmora::report
