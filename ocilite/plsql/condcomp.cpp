#include "ocilite/plsql/condcomp.h"

#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <cstdlib>
#include <string>

namespace ocilite::plsql {
namespace {

// A static expression's value; unknown names are NULL, so no branch is chosen on a guess.
struct Value {
    enum Kind { Null, Bool, Num, Str } kind = Null;
    bool b = false;
    double n = 0;
    std::string s;
};

Value boolValue(bool b) {
    return Value{Value::Bool, b, 0, {}};
}

// Evaluates the tokens of one $IF / $ELSIF condition.
class CondEval {
public:
    CondEval(std::string_view src, const std::vector<Token> &t, size_t from, size_t to)
        : m_src(src), m_t(t), m_i(from), m_end(to) {}

    bool truth() {
        const Value v = orExpr();
        return v.kind == Value::Bool && v.b;
    }

private:
    bool atEnd() const { return m_i >= m_end; }
    const Token &cur() const { return m_t[m_i < m_t.size() ? m_i : m_t.size() - 1]; }
    bool isKw(Kw k) const { return !atEnd() && cur().kind == Tok::Word && cur().kw == uint16_t(k); }
    bool isOp(std::string_view op) const {
        return !atEnd() && cur().kind == Tok::Op && tokenText(m_src, cur()) == op;
    }

    Value orExpr() {
        Value v = andExpr();
        while (isKw(Kw::OR)) {
            ++m_i;
            const Value r = andExpr();
            v = boolValue((v.kind == Value::Bool && v.b) || (r.kind == Value::Bool && r.b));
        }
        return v;
    }
    Value andExpr() {
        Value v = notExpr();
        while (isKw(Kw::AND)) {
            ++m_i;
            const Value r = notExpr();
            v = boolValue(v.kind == Value::Bool && v.b && r.kind == Value::Bool && r.b);
        }
        return v;
    }
    Value notExpr() {
        if (!isKw(Kw::NOT))
            return comparison();
        ++m_i;
        const Value v = notExpr();
        return v.kind == Value::Bool ? boolValue(!v.b) : Value{};
    }
    Value comparison();
    Value primary();
    Value dotted();
    Value inquiry(std::string_view name);

    std::string_view m_src;
    const std::vector<Token> &m_t;
    size_t m_i;
    size_t m_end;
};

int compare(const Value &a, const Value &b) {
    if (a.kind == Value::Num && b.kind == Value::Num)
        return a.n < b.n ? -1 : a.n > b.n ? 1 : 0;
    if (a.kind == Value::Str && b.kind == Value::Str)
        return a.s.compare(b.s) < 0 ? -1 : a.s == b.s ? 0 : 1;
    if (a.kind == Value::Bool && b.kind == Value::Bool)
        return int(a.b) - int(b.b);
    return 2; // not comparable
}

Value CondEval::comparison() {
    Value left = primary();
    if (isKw(Kw::IS)) {
        ++m_i;
        const bool negate = isKw(Kw::NOT);
        if (negate)
            ++m_i;
        if (isKw(Kw::NULL_))
            ++m_i;
        return boolValue((left.kind == Value::Null) != negate);
    }
    static constexpr std::string_view kOps[] = {"=", "<>", "!=", "~=", "^=", "<", ">", "<=", ">="};
    for (std::string_view op : kOps) {
        if (!isOp(op))
            continue;
        ++m_i;
        const Value right = primary();
        const int c = compare(left, right);
        if (c == 2)
            return {};
        const bool r = op == "="    ? c == 0
                       : op == "<"  ? c < 0
                       : op == ">"  ? c > 0
                       : op == "<=" ? c <= 0
                       : op == ">=" ? c >= 0
                                    : c != 0;
        return boolValue(r);
    }
    return left;
}

Value CondEval::primary() {
    if (atEnd())
        return {};
    const Token &t = cur();
    if (isOp("(")) {
        ++m_i;
        Value v = orExpr();
        if (isOp(")"))
            ++m_i;
        return v;
    }
    ++m_i;
    switch (t.kind) {
    case Tok::Number:
        return Value{Value::Num, false, std::atof(std::string(tokenText(m_src, t)).c_str()), {}};
    case Tok::String:
        return Value{Value::Str, false, 0, stringValue(m_src, t)};
    case Tok::CcInquiry:
        return inquiry(identName(m_src, t).substr(2));
    case Tok::Word:
        if (t.kw == uint16_t(Kw::TRUE_) || t.kw == uint16_t(Kw::FALSE_))
            return boolValue(t.kw == uint16_t(Kw::TRUE_));
        if (t.kw == uint16_t(Kw::NULL_))
            return {};
        --m_i;
        return dotted();
    default:
        return {};
    }
}

// DBMS_DB_VERSION.VERSION / RELEASE / VER_LE_v[_r]; other package constants are unknown.
Value CondEval::dotted() {
    const std::string first = identName(m_src, cur());
    ++m_i;
    if (!isOp("."))
        return {};
    ++m_i;
    if (atEnd())
        return {};
    const std::string second = identName(m_src, cur());
    ++m_i;
    if (first != "DBMS_DB_VERSION")
        return {};
    if (second == "VERSION")
        return Value{Value::Num, false, kDbVersion, {}};
    if (second == "RELEASE")
        return Value{Value::Num, false, kDbRelease, {}};
    if (second.rfind("VER_LE_", 0) != 0)
        return {};
    const int v = std::atoi(second.c_str() + 7);
    const size_t under = second.find('_', 7);
    const int r = under == std::string::npos ? 99 : std::atoi(second.c_str() + under + 1);
    return boolValue(kDbVersion < v || (kDbVersion == v && kDbRelease <= r));
}

Value CondEval::inquiry(std::string_view name) {
    if (name == "PLSQL_DEBUG")
        return boolValue(false);
    if (name == "PLSQL_OPTIMIZE_LEVEL")
        return Value{Value::Num, false, 2, {}};
    if (name == "PLSQL_CODE_TYPE")
        return Value{Value::Str, false, 0, "INTERPRETED"};
    if (name == "NLS_LENGTH_SEMANTICS")
        return Value{Value::Str, false, 0, "BYTE"};
    return {};
}

enum class Branch { Taking, Taken, Skipping };

// One $IF ... $END level: whether its current branch is kept.
struct Level {
    Branch state;
    bool outerKept;
};

size_t findThen(const std::vector<Token> &t, size_t i) {
    while (t[i].kind != Tok::Eof && t[i].kind != Tok::CcThen)
        ++i;
    return i;
}

} // namespace

std::vector<Token> preprocess(std::string_view source, const std::vector<Token> &tokens,
                              Diagnostics &diags) {
    std::vector<Token> out;
    out.reserve(tokens.size());
    std::vector<Level> levels;
    auto kept = [&] {
        return levels.empty() || (levels.back().outerKept && levels.back().state == Branch::Taking);
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens[i];
        switch (t.kind) {
        case Tok::CcIf:
        case Tok::CcElsif: {
            const size_t then = findThen(tokens, i + 1);
            const bool truth = CondEval(source, tokens, i + 1, then).truth();
            if (t.kind == Tok::CcIf) {
                const bool outer = kept();
                levels.push_back({truth ? Branch::Taking : Branch::Skipping, outer});
            } else if (!levels.empty()) {
                Branch &b = levels.back().state;
                b = b == Branch::Skipping && truth ? Branch::Taking
                    : b == Branch::Skipping        ? Branch::Skipping
                                                   : Branch::Taken;
            }
            i = tokens[then].kind == Tok::Eof ? then - 1 : then;
            break;
        }
        case Tok::CcElse:
            if (!levels.empty())
                levels.back().state =
                    levels.back().state == Branch::Skipping ? Branch::Taking : Branch::Taken;
            break;
        case Tok::CcEnd:
            if (!levels.empty())
                levels.pop_back();
            break;
        case Tok::CcError: {
            size_t j = i + 1;
            std::string text;
            for (; tokens[j].kind != Tok::Eof && tokens[j].kind != Tok::CcEnd; ++j)
                if (tokens[j].kind == Tok::String)
                    text += stringValue(source, tokens[j]);
            if (kept())
                diags.add(Msg::CcError, t.line, t.col, {text});
            i = tokens[j].kind == Tok::Eof ? j - 1 : j;
            break;
        }
        default:
            if (kept() || t.kind == Tok::Eof)
                out.push_back(t);
        }
    }
    return out;
}

} // namespace ocilite::plsql
