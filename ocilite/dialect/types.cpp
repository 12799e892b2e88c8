#include "ocilite/dialect/types.h"

#include <cctype>
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
    {"ROWID", plainType<OCIV7_TYPE_ROWID, 18>},
    {"CLOB", plainType<OCIV7_TYPE_CLOB, 4000>},
    {"NCLOB", plainType<OCIV7_TYPE_CLOB, 4000>},
    {"BLOB", plainType<OCIV7_TYPE_BLOB, 4000>},
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
    std::string name;
    std::vector<int> args;
    if (!splitDeclaration(text, name, args) || args.size() > 2)
        return std::nullopt;
    if (const DeclaredKind *kind = declaredKind(name))
        return kind->make(name, args);
    return std::nullopt;
}

} // namespace ocilite
