// Oracle column types as describe reports them: the internal type code, the size in the
// database, precision, scale and display size, and their spelling in a declaration
// ("VARCHAR2(30)", "NUMBER(7,2)") which is also the declared type of the SQLite column.
#pragma once

#include "oci/ociv7.h"

#include <optional>
#include <string>

namespace ocilite {

// Internal type codes of the types newer than version 7 (DUMP's Typ=, OCI's describe).
enum LaterTypeCode : int {
    kTypeBinaryFloat = 100,
    kTypeBinaryDouble = 101,
    kTypeObject = 108, // object types, XMLTYPE
    kTypeRef = 111,
    kTypeBfile = 114,
    kTypeNestedTable = 122,
    kTypeVarray = 123,
    kTypeTimestamp = 180,
    kTypeTimestampTz = 181,
    kTypeIntervalYm = 182,
    kTypeIntervalDs = 183,
    kTypeUrowid = 208,
    kTypeTimestampLtz = 231,
};

struct OraType {
    int code = OCIV7_TYPE_VARCHAR2; // internal type code (OCIV7_TYPE_...)
    int size = 4000;                // dbsize
    int precision = 0;
    int scale = 0;

    static OraType varchar2(int n) { return {OCIV7_TYPE_VARCHAR2, n, 0, 0}; }
    static OraType number(int p = 0, int s = -127) { return {OCIV7_TYPE_NUMBER, 22, p, s}; }
    static OraType date() { return {OCIV7_TYPE_DATE, 7, 0, 0}; }
    static OraType charType(int n) { return {OCIV7_TYPE_CHAR, n, 0, 0}; }
    static OraType rowid() { return {OCIV7_TYPE_ROWID, 18, 0, 0}; }

    bool isNumber() const {
        return code == OCIV7_TYPE_NUMBER || code == kTypeBinaryFloat || code == kTypeBinaryDouble;
    }
    bool isDate() const { return code == OCIV7_TYPE_DATE; }
    bool isCharacter() const {
        return code == OCIV7_TYPE_VARCHAR2 || code == OCIV7_TYPE_CHAR || code == OCIV7_TYPE_LONG ||
               code == OCIV7_TYPE_CLOB;
    }
    // Width of the value as text, as describe's dsize reports it.
    int displaySize() const;
    // "VARCHAR2", "NUMBER" ... as USER_TAB_COLUMNS.DATA_TYPE spells it.
    std::string dataTypeName() const;
    // The declaration text: "VARCHAR2(30)", "NUMBER(7,2)", "DATE".
    std::string declaration() const;
};

// Parses a declared type ("varchar2 ( 30 )", "NUMBER(7,2)", "LONG RAW", "INTEGER",
// "TIMESTAMP(6) WITH TIME ZONE", "INTERVAL DAY(2) TO SECOND(6)", and the declared types of
// columns of user-defined types: "OBJECT", "NESTED_TABLE", "VARRAY", "REF"); nothing for a
// type Oracle does not know.
std::optional<OraType> parseDeclaredType(const std::string &text);

} // namespace ocilite
