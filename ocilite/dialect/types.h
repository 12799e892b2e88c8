// Oracle column types as describe reports them: the internal type code, the size in the
// database, precision, scale and display size, and their spelling in a declaration
// ("VARCHAR2(30)", "NUMBER(7,2)") which is also the declared type of the SQLite column.
#pragma once

#include <optional>
#include <string>

namespace ocilite {

struct OraType {
    int code = 1;    // internal type code: 1 VARCHAR2, 2 NUMBER, 12 DATE, 96 CHAR ...
    int size = 4000; // dbsize
    int precision = 0;
    int scale = 0;

    static OraType varchar2(int n) { return {1, n, 0, 0}; }
    static OraType number(int p = 0, int s = -127) { return {2, 22, p, s}; }
    static OraType date() { return {12, 7, 0, 0}; }
    static OraType charType(int n) { return {96, n, 0, 0}; }
    static OraType rowid() { return {11, 18, 0, 0}; }

    bool isNumber() const { return code == 2; }
    bool isDate() const { return code == 12; }
    bool isCharacter() const { return code == 1 || code == 96 || code == 8 || code == 112; }
    // Width of the value as text, as describe's dsize reports it.
    int displaySize() const;
    // "VARCHAR2", "NUMBER" ... as USER_TAB_COLUMNS.DATA_TYPE spells it.
    std::string dataTypeName() const;
    // The declaration text: "VARCHAR2(30)", "NUMBER(7,2)", "DATE".
    std::string declaration() const;
};

// Parses a declared type ("varchar2 ( 30 )", "NUMBER(7,2)", "LONG RAW", "INTEGER");
// nothing for a type Oracle does not know.
std::optional<OraType> parseDeclaredType(const std::string &text);

} // namespace ocilite
