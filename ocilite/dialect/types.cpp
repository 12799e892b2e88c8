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
    auto length = [&](int fallback, int limit) -> std::optional<int> {
        if (args.size() > 1)
            return std::nullopt;
        const int n = args.empty() ? fallback : args[0];
        if (n < 1 || n > limit)
            return std::nullopt;
        return n;
    };
    if (name == "VARCHAR2" || name == "VARCHAR" || name == "NVARCHAR2") {
        if (args.empty())
            return std::nullopt;
        if (auto n = length(1, 4000))
            return OraType::varchar2(*n);
        return std::nullopt;
    }
    if (name == "CHAR" || name == "NCHAR" || name == "CHARACTER") {
        if (auto n = length(1, 2000))
            return OraType::charType(*n);
        return std::nullopt;
    }
    if (name == "RAW") {
        if (args.empty())
            return std::nullopt;
        if (auto n = length(1, 2000))
            return OraType{OCIV7_TYPE_RAW, *n, 0, 0};
        return std::nullopt;
    }
    if (name == "NUMBER" || name == "NUMERIC" || name == "DECIMAL" || name == "DEC") {
        if (args.empty())
            return name == "NUMBER" ? OraType::number() : OraType::number(38, 0);
        const int p = args[0];
        const int s = args.size() > 1 ? args[1] : 0;
        if (p < 1 || p > 38 || s < -84 || s > 127)
            return std::nullopt;
        return OraType::number(p, s);
    }
    if (!args.empty()) {
        if (name == "FLOAT" && args.size() == 1 && args[0] >= 1 && args[0] <= 126)
            return OraType::number(args[0], -127);
        return std::nullopt;
    }
    if (name == "INTEGER" || name == "INT" || name == "SMALLINT")
        return OraType::number(38, 0);
    if (name == "FLOAT" || name == "DOUBLE PRECISION")
        return OraType::number(126, -127);
    if (name == "REAL")
        return OraType::number(63, -127);
    if (name == "DATE")
        return OraType::date();
    if (name == "LONG")
        return OraType{OCIV7_TYPE_LONG, 0, 0, 0};
    if (name == "LONG RAW")
        return OraType{OCIV7_TYPE_LONG_RAW, 0, 0, 0};
    if (name == "ROWID")
        return OraType::rowid();
    if (name == "CLOB" || name == "NCLOB")
        return OraType{OCIV7_TYPE_CLOB, 4000, 0, 0};
    if (name == "BLOB")
        return OraType{OCIV7_TYPE_BLOB, 4000, 0, 0};
    return std::nullopt;
}

} // namespace ocilite
