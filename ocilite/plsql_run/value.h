// Values of the PL/SQL interpreter and the declared types of its variables (private to the
// interpreter): NULL, numbers (an integer when integral, else a double, as the engine stores
// them), text, dates (in the engine's stored form) and BOOLEAN; the conversions Oracle makes
// when a value is assigned, compared or printed.
#pragma once

#include <string>

namespace ocilite {
struct OraType;
}

namespace ocilite::plsql_run {

struct Value {
    enum class Kind { Null, Number, Text, Date, Boolean };
    Kind kind = Kind::Null;
    bool integral = false; // a Number held in i (else in d)
    long long i = 0;
    double d = 0;
    bool b = false;
    std::string s; // Text, or a Date as "YYYY-MM-DD HH24:MI:SS"

    bool isNull() const { return kind == Kind::Null; }
    double number() const { return integral ? static_cast<double>(i) : d; }

    static Value null() { return {}; }
    static Value integer(long long v);
    static Value real(double v);      // integral values become integers
    static Value text(std::string v); // '' is NULL, as in Oracle
    static Value date(std::string stored);
    static Value boolean(bool v);
};

// The declared type of a variable: what an assigned value is converted to.
struct VarType {
    enum class Base { Any, Number, Integer, Text, Date, Boolean };
    Base base = Base::Any;
    int length = 0; // Text: the most characters (0: no limit)
    int scale = -1; // Number: digits kept after the point (-1: as given)
};

// The base of a built-in type's name (NUMBER, VARCHAR2, PLS_INTEGER, DATE, BOOLEAN ...); Any
// for the names of other types.
VarType::Base baseOfTypeName(const std::string &name);

// The type of a variable declared as a column's %TYPE.
VarType typeOfColumn(const OraType &column);

// The session's date format, for dates printed and text read as dates.
struct Conversions {
    std::string dateFormat;
};

// The value converted for a variable of the type; ORA-06502 when it cannot be.
Value convertTo(const VarType &type, const Value &v, const Conversions &c);
// Oracle's implicit conversions to text and to a number (ORA-06502 on failure).
std::string asText(const Value &v, const Conversions &c);
Value asNumber(const Value &v);
// -1, 0, 1; both non-NULL. Numbers with text compare as numbers, dates with text as dates.
int compare(const Value &a, const Value &b, const Conversions &c);
// The value as a number for arithmetic, or ORA-06502.
Value arithmetic(char op, const Value &a, const Value &b);

} // namespace ocilite::plsql_run
