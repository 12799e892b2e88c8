#include "ocilite/scripts/query_rows.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/statement.h"

#include <algorithm>

namespace ocilite {
namespace {

// Room for a column's text: its display width, more for long types.
int bufferSize(const OraType &t) {
    if (t.code == 8 || t.code == 24 || t.code == 112 || t.code == 113)
        return 1 << 20;
    return std::max(t.displaySize(), 64) * 4 + 1;
}

// SQL*Plus shows a DATE as wide as the session's NLS_DATE_FORMAT makes the longest date:
// 9 for DD-MON-RR, 19 for YYYY-MM-DD HH24:MI:SS. 27 September 2000 is a Wednesday, the
// longest day and month names.
int dateWidth(const std::string &format) {
    try {
        const std::string text = formatDate(DateTime{2000, 9, 27, 23, 59, 59}, format);
        int n = 0;
        for (const char c : text)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++n;
        return n;
    } catch (const OraError &) {
        return 0;
    }
}

struct Buffers {
    std::vector<std::vector<unsigned char>> data;
    std::vector<short> indicators;
};

} // namespace

std::string sqlLiteral(const std::string &text) {
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

bool fetchRows(Database &db, const std::string &schema, const std::string &sql,
               const std::function<void(std::vector<PrintedColumn>)> &onColumns,
               const std::function<void(const PrintedRow &)> &onRow, std::string &error) {
    try {
        db.setSchema(foldName(schema));
        Statement statement(db, sql);
        const size_t n = statement.columnCount();
        std::vector<PrintedColumn> columns;
        Buffers b;
        b.data.resize(n);
        b.indicators.assign(n, 0);
        for (size_t i = 0; i < n; ++i) {
            const DescribedColumn *c = statement.column(static_cast<int>(i + 1));
            columns.push_back({c->name, c->type,
                               c->type.code == OCIV7_TYPE_DATE ? dateWidth(db.dateFormat()) : 0});
            b.data[i].assign(static_cast<size_t>(bufferSize(c->type)), 0);
            DefineSpec spec;
            spec.buffer = b.data[i].data();
            spec.length = static_cast<int>(b.data[i].size());
            spec.externalType = 5;
            spec.indicator = &b.indicators[i];
            statement.define(static_cast<int>(i + 1), spec);
        }
        onColumns(columns);
        statement.execute();
        PrintedRow row(n);
        while (statement.fetch() != kFetchNoData) {
            for (size_t i = 0; i < n; ++i) {
                if (b.indicators[i] == -1)
                    row[i].reset();
                else
                    row[i] = std::string(reinterpret_cast<const char *>(b.data[i].data()));
            }
            onRow(row);
        }
        return true;
    } catch (const OraError &e) {
        error = e.text();
    } catch (const std::exception &e) {
        error = oraText(kOraInternal, e.what());
    }
    return false;
}

} // namespace ocilite
