// What SQL*Plus's COLUMN command sets for a column of query output, by column name or
// alias: FORMAT An (width of a character column), HEADING, NOPRINT, NEW_VALUE and OLD_VALUE
// (the substitution variable that receives the column's value). Other COLUMN options
// (JUSTIFY, WRAPPED, number FORMATs ...) are accepted and kept out of the layout.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ocilite {

struct ColumnSetting {
    int width = 0; // FORMAT An; 0: the column's own width
    std::optional<std::string> heading;
    bool noprint = false;
    std::string newValue; // substitution variable, or empty
    std::string oldValue;
};

class ColumnSettings {
public:
    // Applies the text after COLUMN; false with an SP2- message in error. "COLUMN name
    // CLEAR" forgets the column; "COLUMN" or "COLUMN name" alone only lists (nothing here).
    bool apply(std::string_view arguments, std::string &error);
    // The settings of a column of query output (name compared without regard to case).
    const ColumnSetting *find(const std::string &column) const;
    void clear() { m_columns.clear(); }

private:
    std::map<std::string, ColumnSetting> m_columns;
};

} // namespace ocilite
