// Runs one query for the script runner and hands over its described columns, then each
// row's values in Oracle's text forms (numbers and dates as a program fetching them as
// strings receives them). Private to ocilite/scripts.
#pragma once

#include "ocilite/scripts/query_printer.h"

#include <functional>
#include <string>
#include <vector>

namespace ocilite {

class Database;

// False with "ORA-..." in error; columns are handed over before the first row even when
// the query fails while fetching.
bool fetchRows(Database &db, const std::string &schema, const std::string &sql,
               const std::function<void(std::vector<PrintedColumn>)> &onColumns,
               const std::function<void(const PrintedRow &)> &onRow, std::string &error);

// 'text' with its single quotes doubled, for a literal in generated SQL.
std::string sqlLiteral(const std::string &text);

} // namespace ocilite
