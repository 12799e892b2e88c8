// Lays out the rows of a query as SQL*Plus prints them: a heading and an underline per page
// (SET HEADING, PAGESIZE), columns as wide as their type or their COLUMN FORMAT, numbers to
// the right, long text wrapped inside its column, records wrapped at LINESIZE, and the
// "n rows selected." feedback. Also keeps each column's last value for COLUMN NEW_VALUE.
#pragma once

#include "ocilite/dialect/types.h"
#include "ocilite/scripts/column_settings.h"
#include "ocilite/scripts/script_output.h"
#include "ocilite/scripts/sqlplus_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace ocilite {

struct PrintedColumn {
    std::string name;
    OraType type;
    int width = 0; // the display width where the session decides it (DATE), else 0
};

using PrintedRow = std::vector<std::optional<std::string>>;

class QueryPrinter {
public:
    QueryPrinter(ScriptOutput &out, const SqlPlusSettings &settings, const ColumnSettings &columns,
                 std::vector<PrintedColumn> described);

    void row(const PrintedRow &values);
    // Prints the feedback line; call once after the last row.
    void finish();

    long rows() const { return m_rows; }
    // The last row's values (nothing before the first row).
    const PrintedRow &lastRow() const { return m_last; }
    const std::vector<PrintedColumn> &columns() const { return m_described; }

private:
    struct Layout {
        size_t index;      // in the described columns
        int width;         // display width
        bool right;        // numbers are right-justified
        std::string title; // heading, cut to a character column's width
    };

    void startPage();
    void printRecord(const std::vector<std::vector<std::string>> &cells);

    ScriptOutput &m_out;
    const SqlPlusSettings &m_settings;
    std::vector<PrintedColumn> m_described;
    std::vector<Layout> m_layout;
    PrintedRow m_last;
    long m_rows = 0;
    int m_pageLines = 0;
};

// Characters (not bytes) of UTF-8 text.
int displayWidth(const std::string &text);

} // namespace ocilite
