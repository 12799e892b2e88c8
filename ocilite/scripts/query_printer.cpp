#include "ocilite/scripts/query_printer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ocilite {
namespace {

constexpr int kLongWidth = 80; // SQL*Plus's LONG default for LONG and LOB columns

bool isNumeric(const OraType &t) {
    return t.isNumber() || t.code == 100 || t.code == 101;
}

// Byte offset of the character number `chars` in UTF-8 text.
size_t byteOffset(const std::string &text, int chars) {
    size_t i = 0;
    for (int n = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && n++ == chars)
            return i;
    }
    return text.size();
}

std::string padRight(const std::string &text, int width) {
    const int w = displayWidth(text);
    return w >= width ? text : text + std::string(static_cast<size_t>(width - w), ' ');
}

std::string padLeft(const std::string &text, int width) {
    const int w = displayWidth(text);
    return w >= width ? text : std::string(static_cast<size_t>(width - w), ' ') + text;
}

// A character value cut into lines of the column's width (SQL*Plus's WRAPPED), breaking
// also where the value has line ends.
std::vector<std::string> wrapped(const std::string &value, int width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find('\n', start);
        if (end == std::string::npos)
            end = value.size();
        std::string piece = value.substr(start, end - start);
        do {
            const size_t cut = byteOffset(piece, width);
            lines.push_back(piece.substr(0, cut));
            piece.erase(0, cut);
        } while (!piece.empty());
        start = end + 1;
    }
    return lines;
}

// Decimal places that fit beside a number's integer part in `width`, or -1 when that part
// itself does not fit.
int placesThatFit(double v, int width) {
    const double whole = std::floor(std::fabs(v));
    const int intChars = (whole < 1 ? 0 : static_cast<int>(std::log10(whole)) + 1) + (v < 0);
    if (intChars > width)
        return -1;
    return std::max(0, width - intChars - 1);
}

// A number in fixed notation rounded to `places`, without trailing zeros and without the
// zero before the point (".5"), as SQL*Plus writes it.
std::string fixedForm(double v, int places) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, v);
    std::string t = buffer;
    if (t.find('.') != std::string::npos) {
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.')
            t.pop_back();
    }
    if (t.rfind("0.", 0) == 0)
        t.erase(0, 1);
    else if (t.rfind("-0.", 0) == 0)
        t.erase(1, 1);
    return t == "-0" ? "0" : t;
}

// A number too wide for its column, as SQL*Plus shows it under NUMWIDTH: rounded to the
// decimal places that fit, else in scientific notation with as many digits as fit, else
// '#' across the column.
std::string fittedNumber(const std::string &text, int width) {
    char *end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(v))
        return std::string(static_cast<size_t>(width), '#');
    if (const int places = placesThatFit(v, width); places >= 0) {
        const std::string fixed = fixedForm(v, places);
        if (displayWidth(fixed) <= width && (fixed != "0" || v == 0))
            return fixed;
    }
    const int exponent = v == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int exponentChars = std::abs(exponent) >= 100 ? 5 : 4;
    const int digits = width - (v < 0) - 2 - exponentChars;
    if (digits < 0)
        return std::string(static_cast<size_t>(width), '#');
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", digits, v);
    const std::string scientific = buffer;
    return displayWidth(scientific) <= width ? scientific
                                             : std::string(static_cast<size_t>(width), '#');
}

} // namespace

int displayWidth(const std::string &text) {
    int n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

QueryPrinter::QueryPrinter(ScriptOutput &out, const SqlPlusSettings &settings,
                           const ColumnSettings &columns, std::vector<PrintedColumn> described)
    : m_out(out), m_settings(settings), m_described(std::move(described)) {
    for (size_t i = 0; i < m_described.size(); ++i) {
        const PrintedColumn &c = m_described[i];
        const ColumnSetting *s = columns.find(c.name);
        if (s && s->noprint)
            continue;
        Layout l{i, 0, isNumeric(c.type), s && s->heading ? *s->heading : c.name};
        if (l.right) {
            l.width = std::max(settings.numwidth, displayWidth(l.title));
        } else {
            if (s && s->width > 0)
                l.width = s->width;
            else if (c.type.code == 8 || c.type.code == 112 || c.type.code == 113)
                l.width = kLongWidth;
            else if (c.width > 0)
                l.width = c.width;
            else
                l.width = std::max(1, c.type.displaySize());
            l.title = l.title.substr(0, byteOffset(l.title, l.width));
        }
        m_layout.push_back(l);
    }
}

void QueryPrinter::startPage() {
    m_pageLines = 0;
    if (m_settings.pagesize == 0)
        return;
    m_out.line("");
    ++m_pageLines;
    if (!m_settings.heading)
        return;
    std::vector<std::vector<std::string>> titles, rules;
    for (const Layout &l : m_layout) {
        titles.push_back({l.title});
        rules.push_back({std::string(static_cast<size_t>(l.width), '-')});
    }
    printRecord(titles);
    printRecord(rules);
}

void QueryPrinter::row(const PrintedRow &values) {
    std::vector<std::vector<std::string>> cells;
    int height = 1;
    for (const Layout &l : m_layout) {
        const std::optional<std::string> &v = values[l.index];
        const std::string text = v ? *v : m_settings.nullText;
        if (l.right && displayWidth(text) > l.width)
            cells.push_back({v ? fittedNumber(text, l.width) : std::string(l.width, '#')});
        else if (l.right)
            cells.push_back({text});
        else
            cells.push_back(wrapped(text, l.width));
        height = std::max(height, static_cast<int>(cells.back().size()));
    }
    if (m_rows == 0 || (m_settings.pagesize > 0 && m_pageLines + height > m_settings.pagesize))
        startPage();
    printRecord(cells);
    m_last = values;
    ++m_rows;
}

// One record: columns side by side, a new line where LINESIZE would be passed, each
// column's extra lines below its first.
void QueryPrinter::printRecord(const std::vector<std::vector<std::string>> &cells) {
    size_t first = 0;
    while (first < m_layout.size()) {
        size_t last = first;
        int used = m_layout[first].width;
        while (last + 1 < m_layout.size() &&
               used + displayWidth(m_settings.colsep) + m_layout[last + 1].width <=
                   m_settings.linesize) {
            ++last;
            used += displayWidth(m_settings.colsep) + m_layout[last].width;
        }
        size_t height = 1;
        for (size_t c = first; c <= last; ++c)
            height = std::max(height, cells[c].size());
        for (size_t h = 0; h < height; ++h) {
            std::string line;
            for (size_t c = first; c <= last; ++c) {
                const std::string text = h < cells[c].size() ? cells[c][h] : std::string();
                if (c > first)
                    line += m_settings.colsep;
                line += m_layout[c].right ? padLeft(text, m_layout[c].width)
                                          : padRight(text, m_layout[c].width);
            }
            m_out.line(line);
            ++m_pageLines;
        }
        first = last + 1;
    }
}

void QueryPrinter::finish() {
    if (m_settings.feedback == 0)
        return;
    if (m_rows == 0) {
        if (m_settings.pagesize > 0)
            m_out.line("");
        m_out.line("no rows selected");
    } else if (m_rows >= m_settings.feedback) {
        m_out.line("");
        m_out.line(std::to_string(m_rows) + (m_rows == 1 ? " row selected." : " rows selected."));
    }
}

} // namespace ocilite
