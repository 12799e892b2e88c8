#include "ocilite/plsql_run/value.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/oracle_number.h"

#include <cmath>
#include <map>

namespace ocilite::plsql_run {
namespace {

[[noreturn]] void valueError(const char *what) {
    throw OraError(kOraValueError, std::string(": ") + what);
}

size_t characters(const std::string &s) {
    size_t n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string dateFormatOf(const Conversions &c) {
    return c.dateFormat.empty() ? kDefaultDateFormat : c.dateFormat;
}

Value dateOfText(const std::string &text, const Conversions &c) {
    return Value::date(storedDate(parseDate(text, dateFormatOf(c))));
}

Value rounded(const Value &v, int scale) {
    if (v.integral || scale < 0)
        return v;
    const double factor = std::pow(10.0, scale);
    return Value::real(std::round(v.d * factor) / factor);
}

} // namespace

VarType::Base baseOfTypeName(const std::string &n) {
    static const std::map<std::string, VarType::Base> kBases = {
        {"NUMBER", VarType::Base::Number},
        {"NUMERIC", VarType::Base::Number},
        {"DECIMAL", VarType::Base::Number},
        {"DEC", VarType::Base::Number},
        {"FLOAT", VarType::Base::Number},
        {"REAL", VarType::Base::Number},
        {"DOUBLE", VarType::Base::Number},
        {"BINARY_DOUBLE", VarType::Base::Number},
        {"BINARY_FLOAT", VarType::Base::Number},
        {"INTEGER", VarType::Base::Integer},
        {"INT", VarType::Base::Integer},
        {"SMALLINT", VarType::Base::Integer},
        {"PLS_INTEGER", VarType::Base::Integer},
        {"BINARY_INTEGER", VarType::Base::Integer},
        {"SIMPLE_INTEGER", VarType::Base::Integer},
        {"NATURAL", VarType::Base::Integer},
        {"NATURALN", VarType::Base::Integer},
        {"POSITIVE", VarType::Base::Integer},
        {"POSITIVEN", VarType::Base::Integer},
        {"SIGNTYPE", VarType::Base::Integer},
        {"VARCHAR2", VarType::Base::Text},
        {"VARCHAR", VarType::Base::Text},
        {"NVARCHAR2", VarType::Base::Text},
        {"STRING", VarType::Base::Text},
        {"CHAR", VarType::Base::Text},
        {"NCHAR", VarType::Base::Text},
        {"CHARACTER", VarType::Base::Text},
        {"LONG", VarType::Base::Text},
        {"CLOB", VarType::Base::Text},
        {"NCLOB", VarType::Base::Text},
        {"DATE", VarType::Base::Date},
        {"BOOLEAN", VarType::Base::Boolean},
    };
    const auto found = kBases.find(n);
    return found == kBases.end() ? VarType::Base::Any : found->second;
}

Value Value::integer(long long v) {
    Value r;
    r.kind = Kind::Number;
    r.integral = true;
    r.i = v;
    return r;
}

Value Value::real(double v) {
    checkNumberRange(v);
    if (std::trunc(v) == v && std::fabs(v) < 9.2e18)
        return integer(static_cast<long long>(v));
    Value r;
    r.kind = Kind::Number;
    r.d = v;
    return r;
}

Value Value::text(std::string v) {
    Value r;
    if (v.empty())
        return r;
    r.kind = Kind::Text;
    r.s = std::move(v);
    return r;
}

Value Value::date(std::string stored) {
    Value r;
    r.kind = Kind::Date;
    r.s = std::move(stored);
    return r;
}

Value Value::boolean(bool v) {
    Value r;
    r.kind = Kind::Boolean;
    r.b = v;
    return r;
}

std::string asText(const Value &v, const Conversions &c) {
    switch (v.kind) {
    case Value::Kind::Null:
        return {};
    case Value::Kind::Number:
        return v.integral ? numberText(static_cast<int64_t>(v.i)) : numberText(v.d);
    case Value::Kind::Date: {
        const std::optional<DateTime> d = parseStoredDate(v.s);
        return d ? formatDate(*d, dateFormatOf(c)) : v.s;
    }
    case Value::Kind::Boolean:
        valueError("character to number conversion error"); // no implicit BOOLEAN text
    case Value::Kind::Text:
        break;
    }
    return v.s;
}

Value asNumber(const Value &v) {
    if (v.kind == Value::Kind::Number || v.kind == Value::Kind::Null)
        return v;
    if (v.kind != Value::Kind::Text)
        valueError("character to number conversion error");
    try {
        const Decimal d = decimalOfText(v.s);
        long long i = 0;
        return asInteger(d, i) ? Value::integer(i) : Value::real(asDouble(d));
    } catch (const OraError &) {
        valueError("character to number conversion error");
    }
}

Value convertTo(const VarType &type, const Value &v, const Conversions &c) {
    if (v.isNull())
        return v;
    switch (type.base) {
    case VarType::Base::Any:
        return v;
    case VarType::Base::Number:
        return rounded(asNumber(v), type.scale);
    case VarType::Base::Integer:
        return Value::real(std::round(asNumber(v).number()));
    case VarType::Base::Boolean:
        if (v.kind != Value::Kind::Boolean)
            valueError("character to number conversion error");
        return v;
    case VarType::Base::Date:
        if (v.kind == Value::Kind::Date)
            return v;
        if (v.kind != Value::Kind::Text)
            valueError("character to number conversion error");
        return dateOfText(v.s, c);
    case VarType::Base::Text:
        break;
    }
    std::string text = asText(v, c);
    if (type.length > 0 && characters(text) > static_cast<size_t>(type.length))
        valueError("character string buffer too small");
    return Value::text(std::move(text));
}

int compare(const Value &a, const Value &b, const Conversions &c) {
    const auto order = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };
    if (a.kind == Value::Kind::Number || b.kind == Value::Kind::Number) {
        const Value x = asNumber(a), y = asNumber(b);
        if (x.integral && y.integral)
            return order(x.i, y.i);
        return order(x.number(), y.number());
    }
    if (a.kind == Value::Kind::Date && b.kind == Value::Kind::Text)
        return order(a.s, dateOfText(b.s, c).s);
    if (a.kind == Value::Kind::Text && b.kind == Value::Kind::Date)
        return order(dateOfText(a.s, c).s, b.s);
    if (a.kind == Value::Kind::Boolean && b.kind == Value::Kind::Boolean)
        return order(a.b, b.b);
    if (a.kind == Value::Kind::Boolean || b.kind == Value::Kind::Boolean)
        valueError("character to number conversion error");
    return order(a.s, b.s);
}

Value arithmetic(char op, const Value &a, const Value &b) {
    const Value x = asNumber(a), y = asNumber(b);
    if (x.isNull() || y.isNull())
        return Value::null();
    long long r = 0;
    if (x.integral && y.integral) {
        if ((op == '+' && !__builtin_add_overflow(x.i, y.i, &r)) ||
            (op == '-' && !__builtin_sub_overflow(x.i, y.i, &r)) ||
            (op == '*' && !__builtin_mul_overflow(x.i, y.i, &r)))
            return Value::integer(r);
        if (op == '/' && y.i != 0 && y.i != -1 && x.i % y.i == 0)
            return Value::integer(x.i / y.i);
    }
    const double p = x.number(), q = y.number();
    switch (op) {
    case '+':
        return Value::real(p + q);
    case '-':
        return Value::real(p - q);
    case '*':
        return Value::real(p * q);
    default:
        if (q == 0)
            throw OraError(kOraDivisorZero);
        return Value::real(p / q);
    }
}

} // namespace ocilite::plsql_run
