// The data types a column or an object attribute can be declared with, as Oracle's SQL
// Language Reference lists them, and what USER_TAB_COLUMNS shows for each: DATA_TYPE,
// DATA_LENGTH (bytes; a database character set of AL32UTF8, a national one of AL16UTF16),
// CHAR_LENGTH / CHAR_USED, DATA_PRECISION and DATA_SCALE. Any other name is a user-defined
// type the dictionary must find.
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

#include <algorithm>

namespace ocilite::ddl {
namespace {

constexpr int kBytesPerChar = 4;  // AL32UTF8
constexpr int kNationalBytes = 2; // AL16UTF16

// (n [BYTE | CHAR]) after a character type; nothing when no parenthesis follows.
struct Length {
    bool written = false;
    long long n = 0;
    bool charSemantics = false;
};

Length lengthClause(DdlCursor &c) {
    Length l;
    if (!c.acceptOp("("))
        return l;
    l.written = true;
    l.n = c.integer(kOraInvalidDatatype);
    if (c.acceptWord("CHAR"))
        l.charSemantics = true;
    else
        c.acceptWord("BYTE");
    c.expectOp(")", kOraMissingRightParen);
    return l;
}

// ( n ) of a precision, or the fallback when no parenthesis follows.
long long precisionClause(DdlCursor &c, long long fallback) {
    if (!c.acceptOp("("))
        return fallback;
    const long long n = c.integer(kOraInvalidDatatype);
    c.expectOp(")", kOraMissingRightParen);
    return n;
}

DataType characterType(const char *name, Length l, bool national, bool fixed, bool attribute) {
    const long long limit = fixed ? 2000 : attribute ? 32767 : 4000;
    if (l.n < 1 || (l.n > limit && !l.charSemantics) || (l.charSemantics && l.n > limit))
        throw OraError(l.n < 1 ? kOraZeroLengthColumn : kOraMaxLengthExceeded);
    DataType t;
    t.dataType = name;
    t.charLength = static_cast<int>(l.n);
    t.charUsed = national || l.charSemantics ? 'C' : 'B';
    const long long bytes = national          ? l.n * kNationalBytes
                            : l.charSemantics ? std::min(l.n * kBytesPerChar, limit)
                                              : l.n;
    t.dataLength = static_cast<int>(bytes);
    t.engine = fixed ? OraType::charType(t.dataLength) : OraType::varchar2(t.dataLength);
    t.declared = (fixed ? "CHAR(" : "VARCHAR2(") + std::to_string(t.dataLength) + ")";
    return t;
}

DataType numberType(std::optional<int> precision, std::optional<int> scale) {
    if (precision && (*precision < 1 || *precision > 38))
        throw OraError(kOraPrecisionOutOfRange);
    if (scale && (*scale < -84 || *scale > 127))
        throw OraError(kOraScaleOutOfRange);
    DataType t;
    t.dataType = "NUMBER";
    t.dataLength = 22;
    t.precision = precision;
    t.scale = scale;
    t.engine = OraType::number(precision.value_or(0), scale.value_or(-127));
    if (precision)
        t.declared = "NUMBER(" + std::to_string(*precision) + "," + std::to_string(*scale) + ")";
    else
        t.declared = scale ? "NUMBER(38," + std::to_string(*scale) + ")" : "NUMBER";
    if (!precision && scale)
        t.engine = OraType::number(38, *scale);
    return t;
}

DataType floatType(int precision) {
    if (precision < 1 || precision > 126)
        throw OraError(kOraFloatPrecisionOutOfRange);
    DataType t;
    t.dataType = "FLOAT";
    t.dataLength = 22;
    t.precision = precision;
    t.engine = OraType::number(precision, -127);
    t.declared = "FLOAT(" + std::to_string(precision) + ")";
    return t;
}

DataType fixedType(const char *name, OraType engine, int length, const char *declared) {
    DataType t;
    t.dataType = name;
    t.dataLength = length;
    t.engine = engine;
    t.declared = declared;
    return t;
}

// NUMBER [(p [, s])] / NUMBER (* [, s]), NUMERIC / DECIMAL / DEC the same way.
DataType numeric(DdlCursor &c, bool isNumber) {
    if (!c.acceptOp("("))
        return isNumber ? numberType(std::nullopt, std::nullopt) : numberType(std::nullopt, 0);
    std::optional<int> precision;
    if (!c.acceptOp("*"))
        precision = static_cast<int>(c.integer(kOraInvalidDatatype));
    std::optional<int> scale = 0;
    if (c.acceptOp(","))
        scale = static_cast<int>(c.integer(kOraInvalidDatatype));
    c.expectOp(")", kOraMissingRightParen);
    return numberType(precision, scale);
}

DataType timestamp(DdlCursor &c) {
    const long long fraction = precisionClause(c, 6);
    if (fraction < 0 || fraction > 9)
        throw OraError(kOraDatetimePrecisionOutOfRange);
    std::string zone;
    if (c.acceptWord("WITH")) {
        zone = c.acceptWord("LOCAL") ? " WITH LOCAL TIME ZONE" : " WITH TIME ZONE";
        c.expectWord("TIME", kOraMissingKeyword);
        c.expectWord("ZONE", kOraMissingKeyword);
    }
    DataType t;
    t.dataType = "TIMESTAMP(" + std::to_string(fraction) + ")" + zone;
    // SQLite's type names end with their numbers: "TIMESTAMP WITH TIME ZONE(6)".
    t.declared =
        zone.empty() ? t.dataType : "TIMESTAMP" + zone + "(" + std::to_string(fraction) + ")";
    t.scale = static_cast<int>(fraction);
    t.engine = *parseDeclaredType(t.declared);
    t.dataLength = t.engine.size;
    return t;
}

DataType interval(DdlCursor &c) {
    DataType t;
    if (c.acceptWord("YEAR")) {
        const long long p = precisionClause(c, 2);
        c.expectWord("TO", kOraMissingKeyword);
        c.expectWord("MONTH", kOraMissingKeyword);
        t.dataType = "INTERVAL YEAR(" + std::to_string(p) + ") TO MONTH";
        t.declared = "INTERVAL YEAR MONTH(" + std::to_string(p) + ")"; // TO is a keyword to SQLite
        t.precision = static_cast<int>(p);
        t.scale = 0;
    } else {
        c.expectWord("DAY", kOraInvalidDatatype);
        const long long p = precisionClause(c, 2);
        c.expectWord("TO", kOraMissingKeyword);
        c.expectWord("SECOND", kOraMissingKeyword);
        const long long s = precisionClause(c, 6);
        t.dataType = "INTERVAL DAY(" + std::to_string(p) + ") TO SECOND(" + std::to_string(s) + ")";
        t.declared = "INTERVAL DAY SECOND(" + std::to_string(p) + "," + std::to_string(s) + ")";
        t.precision = static_cast<int>(p);
        t.scale = static_cast<int>(s);
    }
    if (*t.precision < 0 || *t.precision > 9 || *t.scale < 0 || *t.scale > 9)
        throw OraError(kOraDatetimePrecisionOutOfRange);
    t.engine = *parseDeclaredType(t.declared);
    t.dataLength = t.engine.size;
    return t;
}

// CHAR, VARCHAR2 and their national and ANSI spellings.
std::optional<DataType> character(DdlCursor &c, const std::string &word, bool attribute) {
    if (word == "VARCHAR2" || word == "VARCHAR") {
        const Length l = lengthClause(c);
        if (!l.written)
            throw OraError(kOraMissingLeftParen);
        return characterType("VARCHAR2", l, false, false, attribute);
    }
    if (word == "NVARCHAR2") {
        const Length l = lengthClause(c);
        if (!l.written)
            throw OraError(kOraMissingLeftParen);
        return characterType("NVARCHAR2", l, true, false, attribute);
    }
    if (word == "CHAR" || word == "CHARACTER") {
        if (c.acceptWord("VARYING"))
            return characterType("VARCHAR2", lengthClause(c), false, false, attribute);
        Length l = lengthClause(c);
        if (!l.written)
            l.n = 1;
        return characterType("CHAR", l, false, true, attribute);
    }
    if (word == "NCHAR" || word == "NATIONAL") {
        if (word == "NATIONAL" && !c.acceptWord("CHAR") && !c.acceptWord("CHARACTER"))
            throw OraError(kOraInvalidDatatype);
        const bool varying = c.acceptWord("VARYING");
        Length l = lengthClause(c);
        if (!l.written)
            l.n = 1;
        return characterType(varying ? "NVARCHAR2" : "NCHAR", l, true, !varying, attribute);
    }
    return std::nullopt;
}

std::optional<DataType> numericOrBinary(DdlCursor &c, const std::string &word) {
    if (word == "NUMBER")
        return numeric(c, true);
    if (word == "NUMERIC" || word == "DECIMAL" || word == "DEC")
        return numeric(c, false);
    if (word == "INTEGER" || word == "INT" || word == "SMALLINT")
        return numberType(std::nullopt, 0);
    if (word == "FLOAT")
        return floatType(static_cast<int>(precisionClause(c, 126)));
    if (word == "REAL")
        return floatType(63);
    if (word == "DOUBLE") {
        c.expectWord("PRECISION", kOraInvalidDatatype);
        return floatType(126);
    }
    if (word == "BINARY_FLOAT")
        return fixedType("BINARY_FLOAT", OraType{kTypeBinaryFloat, 4, 0, 0}, 4, "BINARY_FLOAT");
    if (word == "BINARY_DOUBLE")
        return fixedType("BINARY_DOUBLE", OraType{kTypeBinaryDouble, 8, 0, 0}, 8, "BINARY_DOUBLE");
    return std::nullopt;
}

std::optional<DataType> otherBuiltIn(DdlCursor &c, const std::string &word) {
    if (word == "DATE")
        return fixedType("DATE", OraType::date(), 7, "DATE");
    if (word == "TIMESTAMP")
        return timestamp(c);
    if (word == "INTERVAL")
        return interval(c);
    if (word == "RAW") {
        const long long n = precisionClause(c, 0);
        if (n < 1 || n > 2000)
            throw OraError(n < 1 ? kOraMissingLeftParen : kOraMaxLengthExceeded);
        const std::string declared = "RAW(" + std::to_string(n) + ")";
        return fixedType("RAW", OraType{OCIV7_TYPE_RAW, static_cast<int>(n), 0, 0},
                         static_cast<int>(n), declared.c_str());
    }
    if (word == "LONG" && c.acceptWord("VARCHAR"))
        return fixedType("LONG", OraType{OCIV7_TYPE_LONG, 0, 0, 0}, 0, "LONG");
    if (word == "LONG")
        return c.acceptWord("RAW")
                   ? fixedType("LONG RAW", OraType{OCIV7_TYPE_LONG_RAW, 0, 0, 0}, 0, "LONG RAW")
                   : fixedType("LONG", OraType{OCIV7_TYPE_LONG, 0, 0, 0}, 0, "LONG");
    if (word == "CLOB" || word == "NCLOB")
        return fixedType(word.c_str(), OraType{OCIV7_TYPE_CLOB, 4000, 0, 0}, 4000, "CLOB");
    if (word == "BLOB")
        return fixedType("BLOB", OraType{OCIV7_TYPE_BLOB, 4000, 0, 0}, 4000, "BLOB");
    if (word == "BFILE")
        return fixedType("BFILE", OraType{kTypeBfile, 530, 0, 0}, 530, "BFILE");
    if (word == "ROWID")
        return fixedType("ROWID", OraType::rowid(), 10, "ROWID");
    if (word == "UROWID") {
        const long long n = precisionClause(c, 4000);
        const std::string declared = "UROWID(" + std::to_string(n) + ")";
        return fixedType("UROWID", OraType{kTypeUrowid, static_cast<int>(n), 0, 0},
                         static_cast<int>(n), declared.c_str());
    }
    return std::nullopt;
}

// A type by name: XMLTYPE (SYS's), REF type, or a user-defined [schema.]type.
DataType namedType(DdlCursor &c, const std::string &first, bool ref) {
    DataType t;
    std::string owner;
    std::string name = first;
    if (c.acceptOp(".")) {
        owner = name;
        name = c.name(kOraInvalidDatatype);
    }
    if (name == "XMLTYPE" && (owner.empty() || owner == "SYS") && !ref) {
        t = fixedType("XMLTYPE", OraType{kTypeObject, 2000, 0, 0}, 2000, "XMLTYPE");
        t.typeOwner = "SYS";
        return t;
    }
    t.userDefined = true;
    t.dataType = name;
    t.typeOwner = owner;
    t.dataLength = ref ? 36 : 1;
    t.declared = ref ? "REF" : "OBJECT";
    t.engine = *parseDeclaredType(t.declared);
    if (ref)
        t.dataType = "REF " + name;
    return t;
}

} // namespace

DataType dataType(DdlCursor &c, bool attribute) {
    const size_t start = c.position();
    if (!c.atName())
        throw OraError(kOraInvalidDatatype);
    const bool quoted = c.peek().kind == TokenKind::QuotedIdentifier;
    const std::string word = c.name(kOraInvalidDatatype);
    std::optional<DataType> t;
    if (!quoted && !c.atOp(".")) {
        t = character(c, word, attribute);
        if (!t)
            t = numericOrBinary(c, word);
        if (!t)
            t = otherBuiltIn(c, word);
    }
    if (!t) {
        const bool ref = !quoted && word == "REF" && c.atName();
        t = namedType(c, ref ? c.name(kOraInvalidDatatype) : word, ref);
    }
    t->written = c.text(start, c.position());
    return *t;
}

} // namespace ocilite::ddl
