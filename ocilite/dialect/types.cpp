#include "ocilite/dialect/types.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace ocilite {
namespace {

// Splits "NUMBER ( 7 , 2 )" into the upper-case name and up to two numbers.
bool splitDeclaration(const std::string &text, std::string &name, std::vector<int> &args) {
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
    };
    skip();
    while (i < text.size() && text[i] != '(') {
        const unsigned char c = text[i++];
        if (std::isspace(c)) {
            if (!name.empty() && name.back() != ' ')
                name += ' ';
        } else {
            name += static_cast<char>(std::toupper(c));
        }
    }
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    if (i == text.size())
        return true;
    ++i;
    for (;;) {
        skip();
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            negative = text[i++] == '-';
        size_t start = i;
        long value = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) &&
               value < 100000)
            value = value * 10 + (text[i++] - '0');
        if (i == start)
            return false;
        skip();
        // "VARCHAR2(30 BYTE)" / "(30 CHAR)": the length semantics word is accepted.
        while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])))
            ++i;
        skip();
        args.push_back(static_cast<int>(negative ? -value : value));
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        if (i < text.size() && text[i] == ')') {
            ++i;
            skip();
            return i == text.size();
        }
        return false;
    }
}

// One argument from 1 to limit (fallback when none is written).
std::optional<int> length(const std::vector<int> &args, int fallback, int limit) {
    if (args.size() > 1)
        return std::nullopt;
    const int n = args.empty() ? fallback : args[0];
    if (n < 1 || n > limit)
        return std::nullopt;
    return n;
}

std::optional<OraType> varchar2Type(const std::string &, const std::vector<int> &args) {
    const auto n = args.empty() ? std::nullopt : length(args, 1, 4000);
    return n ? std::optional(OraType::varchar2(*n)) : std::nullopt;
}

std::optional<OraType> charType(const std::string &, const std::vector<int> &args) {
    const auto n = length(args, 1, 2000);
    return n ? std::optional(OraType::charType(*n)) : std::nullopt;
}

std::optional<OraType> rawType(const std::string &, const std::vector<int> &args) {
    const auto n = args.empty() ? std::nullopt : length(args, 1, 2000);
    return n ? std::optional(OraType{OCIV7_TYPE_RAW, *n, 0, 0}) : std::nullopt;
}

std::optional<OraType> numberType(const std::string &name, const std::vector<int> &args) {
    if (args.empty())
        return name == "NUMBER" ? OraType::number() : OraType::number(38, 0);
    const int p = args[0];
    const int s = args.size() > 1 ? args[1] : 0;
    if (p < 1 || p > 38 || s < -84 || s > 127)
        return std::nullopt;
    return OraType::number(p, s);
}

std::optional<OraType> floatType(const std::string &name, const std::vector<int> &args) {
    if (args.empty())
        return name == "REAL" ? OraType::number(63, -127) : OraType::number(126, -127);
    if (name == "FLOAT" && args.size() == 1 && args[0] >= 1 && args[0] <= 126)
        return OraType::number(args[0], -127);
    return std::nullopt;
}

// Types that take no arguments: the type itself, whatever the spelling.
template <int Code, int Size, int Precision = 0, int Scale = 0>
std::optional<OraType> plainType(const std::string &, const std::vector<int> &args) {
    if (!args.empty())
        return std::nullopt;
    return OraType{Code, Size, Precision, Scale};
}

std::optional<OraType> urowidType(const std::string &, const std::vector<int> &args) {
    const auto n = length(args, 4000, 4000);
    return n ? std::optional(OraType{kTypeUrowid, *n, 0, 0}) : std::nullopt;
}

// "TIMESTAMP(6) [WITH [LOCAL] TIME ZONE]", "INTERVAL YEAR(2) TO MONTH", "INTERVAL DAY(2) TO
// SECOND(6)": the words around the parentheses decide the type.
std::optional<OraType> datetimeType(const std::string &text) {
    std::string upper;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto digitsAfter = [&](const std::string &key, int fallback) {
        const size_t at = upper.find(key + "(");
        return at == std::string::npos ? fallback : std::atoi(upper.c_str() + at + key.size() + 1);
    };
    // SQLite's declared form keeps the words first: "TIMESTAMPWITHTIMEZONE(3)",
    // "INTERVALDAYSECOND(2,6)" (SQLite reads TO as a keyword).
    const size_t open = upper.find('(');
    if (open != std::string::npos && upper.back() == ')' &&
        (upper.rfind("TIMESTAMPWITH", 0) == 0 || upper.rfind("INTERVAL", 0) == 0)) {
        const std::string base = upper.substr(0, open);
        const int first = std::atoi(upper.c_str() + open + 1);
        const size_t comma = upper.find(',', open);
        const int second = comma == std::string::npos ? 6 : std::atoi(upper.c_str() + comma + 1);
        if (base == "TIMESTAMPWITHTIMEZONE")
            return OraType{kTypeTimestampTz, 13, 0, first};
        if (base == "TIMESTAMPWITHLOCALTIMEZONE")
            return OraType{kTypeTimestampLtz, first == 0 ? 7 : 11, 0, first};
        if (base == "INTERVALYEARMONTH")
            return OraType{kTypeIntervalYm, 5, first, 0};
        if (base == "INTERVALDAYSECOND")
            return OraType{kTypeIntervalDs, 11, first, second};
    }
    if (upper.rfind("TIMESTAMP", 0) == 0) {
        const int fraction = digitsAfter("TIMESTAMP", 6);
        if (fraction < 0 || fraction > 9)
            return std::nullopt;
        const int size = fraction == 0 ? 7 : 11;
        if (upper.find("WITHLOCALTIMEZONE") != std::string::npos)
            return OraType{kTypeTimestampLtz, size, 0, fraction};
        if (upper.find("WITHTIMEZONE") != std::string::npos)
            return OraType{kTypeTimestampTz, 13, 0, fraction};
        return OraType{kTypeTimestamp, size, 0, fraction};
    }
    if (upper.rfind("INTERVALYEAR", 0) == 0)
        return OraType{kTypeIntervalYm, 5, digitsAfter("YEAR", 2), 0};
    if (upper.rfind("INTERVALDAY", 0) == 0)
        return OraType{kTypeIntervalDs, 11, digitsAfter("DAY", 2), digitsAfter("SECOND", 6)};
    return std::nullopt;
}

struct DeclaredKind {
    const char *name;
    std::optional<OraType> (*make)(const std::string &name, const std::vector<int> &args);
};

constexpr DeclaredKind kDeclaredKinds[] = {
    {"VARCHAR2", varchar2Type},
    {"VARCHAR", varchar2Type},
    {"NVARCHAR2", varchar2Type},
    {"CHAR", charType},
    {"NCHAR", charType},
    {"CHARACTER", charType},
    {"RAW", rawType},
    {"NUMBER", numberType},
    {"NUMERIC", numberType},
    {"DECIMAL", numberType},
    {"DEC", numberType},
    {"FLOAT", floatType},
    {"DOUBLE PRECISION", floatType},
    {"REAL", floatType},
    {"INTEGER", plainType<OCIV7_TYPE_NUMBER, 22, 38>},
    {"INT", plainType<OCIV7_TYPE_NUMBER, 22, 38>},
    {"SMALLINT", plainType<OCIV7_TYPE_NUMBER, 22, 38>},
    {"DATE", plainType<OCIV7_TYPE_DATE, 7>},
    {"LONG", plainType<OCIV7_TYPE_LONG, 0>},
    {"LONG RAW", plainType<OCIV7_TYPE_LONG_RAW, 0>},
    {"LONG VARCHAR", plainType<OCIV7_TYPE_LONG, 0>},
    {"ROWID", plainType<OCIV7_TYPE_ROWID, 18>},
    {"CLOB", plainType<OCIV7_TYPE_CLOB, 4000>},
    {"NCLOB", plainType<OCIV7_TYPE_CLOB, 4000>},
    {"BLOB", plainType<OCIV7_TYPE_BLOB, 4000>},
    {"BFILE", plainType<kTypeBfile, 530>},
    {"BINARY_FLOAT", plainType<kTypeBinaryFloat, 4>},
    {"BINARY_DOUBLE", plainType<kTypeBinaryDouble, 8>},
    {"XMLTYPE", plainType<kTypeObject, 2000>},
    {"OBJECT", plainType<kTypeObject, 2000>},
    {"REF", plainType<kTypeRef, 36>},
    {"NESTED_TABLE", plainType<kTypeNestedTable, 16>},
    {"VARRAY", plainType<kTypeVarray, 2000>},
    {"UROWID", urowidType},
};

const DeclaredKind *declaredKind(const std::string &name) {
    for (const DeclaredKind &kind : kDeclaredKinds)
        if (name == kind.name)
            return &kind;
    return nullptr;
}

} // namespace

int OraType::displaySize() const {
    switch (code) {
    case OCIV7_TYPE_NUMBER:
        if (precision > 0)
            return precision + (scale > 0 ? 1 : 0) + 1;
        return 40;
    case OCIV7_TYPE_DATE:
        return 9;
    case OCIV7_TYPE_ROWID:
        return 18;
    case OCIV7_TYPE_RAW:
    case OCIV7_TYPE_LONG_RAW:
        return size * 2;
    case kTypeBinaryFloat:
    case kTypeBinaryDouble:
        return 40;
    case kTypeTimestamp:
    case kTypeTimestampLtz:
        return 22 + scale; // DD-MON-RR HH.MI.SSXFF AM
    case kTypeTimestampTz:
        return 29 + scale; // ... TZR
    case kTypeIntervalYm:
        return precision + 4;
    case kTypeIntervalDs:
        return precision + scale + 11;
    default:
        return size;
    }
}

std::string OraType::dataTypeName() const {
    switch (code) {
    case OCIV7_TYPE_VARCHAR2:
        return "VARCHAR2";
    case OCIV7_TYPE_NUMBER:
        return precision == 126 && scale == -127 ? "FLOAT" : "NUMBER";
    case OCIV7_TYPE_LONG:
        return "LONG";
    case OCIV7_TYPE_ROWID:
        return "ROWID";
    case OCIV7_TYPE_DATE:
        return "DATE";
    case OCIV7_TYPE_RAW:
        return "RAW";
    case OCIV7_TYPE_LONG_RAW:
        return "LONG RAW";
    case OCIV7_TYPE_CHAR:
        return "CHAR";
    case OCIV7_TYPE_CLOB:
        return "CLOB";
    case OCIV7_TYPE_BLOB:
        return "BLOB";
    case kTypeBinaryFloat:
        return "BINARY_FLOAT";
    case kTypeBinaryDouble:
        return "BINARY_DOUBLE";
    case kTypeBfile:
        return "BFILE";
    case kTypeUrowid:
        return "UROWID";
    case kTypeTimestamp:
        return "TIMESTAMP(" + std::to_string(scale) + ")";
    case kTypeTimestampTz:
        return "TIMESTAMP(" + std::to_string(scale) + ") WITH TIME ZONE";
    case kTypeTimestampLtz:
        return "TIMESTAMP(" + std::to_string(scale) + ") WITH LOCAL TIME ZONE";
    case kTypeIntervalYm:
        return "INTERVAL YEAR(" + std::to_string(precision) + ") TO MONTH";
    case kTypeIntervalDs:
        return "INTERVAL DAY(" + std::to_string(precision) + ") TO SECOND(" +
               std::to_string(scale) + ")";
    default:
        return "UNDEFINED";
    }
}

std::string OraType::declaration() const {
    std::ostringstream out;
    out << dataTypeName();
    if (code == OCIV7_TYPE_VARCHAR2 || code == OCIV7_TYPE_CHAR || code == OCIV7_TYPE_RAW)
        out << '(' << size << ')';
    else if (code == OCIV7_TYPE_NUMBER && precision > 0 && scale != -127)
        out << '(' << precision << ',' << scale << ')';
    return out.str();
}

std::optional<OraType> parseDeclaredType(const std::string &text) {
    if (auto datetime = datetimeType(text))
        return datetime;
    std::string name;
    std::vector<int> args;
    if (!splitDeclaration(text, name, args) || args.size() > 2)
        return std::nullopt;
    if (const DeclaredKind *kind = declaredKind(name))
        return kind->make(name, args);
    return std::nullopt;
}

} // namespace ocilite
