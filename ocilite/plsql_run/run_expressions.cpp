// Expressions: literals, variables and a cursor loop's record fields, SQL%ROWCOUNT and its
// kin, SQLCODE / SQLERRM, arithmetic, ||, comparisons, AND / OR / NOT with Oracle's NULL
// logic, IS [NOT] NULL and CASE evaluated here; everything else (the SQL functions, LIKE,
// IN, BETWEEN, date arithmetic) evaluated by the database as a query of DUAL.
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <cmath>

namespace ocilite::plsql_run {
namespace {

using plsql::Kw;
using plsql::Tok;

bool isKeyword(const plsql::Token &t, Kw k) {
    return t.kind == Tok::Word && t.kw == uint16_t(k);
}

} // namespace

Value Interpreter::eval(const Node *e) {
    switch (e->kind) {
    case NK::Literal: {
        const plsql::Token &t = m_unit.tokens[e->first];
        if (t.kind == Tok::Number)
            return asNumber(Value::text(text(e->first)));
        if (t.kind == Tok::String)
            return Value::text(plsql::stringValue(m_unit.source, t));
        if (isKeyword(t, Kw::TRUE_) || isKeyword(t, Kw::FALSE_))
            return Value::boolean(isKeyword(t, Kw::TRUE_));
        if (isKeyword(t, Kw::NULL_))
            return Value::null();
        return viaSql(e, false);
    }
    case NK::Name:
        return name(e);
    case NK::Paren:
        return e->child && !e->child->next ? eval(e->child) : viaSql(e, false);
    case NK::Binary:
        return binary(e);
    case NK::Unary:
        return unary(e);
    case NK::CaseExpr:
        return caseExpr(e);
    case NK::BindVar:
        unsupported("a bind variable");
    default:
        return viaSql(e, false);
    }
}

std::optional<bool> Interpreter::condition(const Node *e) {
    const Value v = eval(e);
    if (v.isNull())
        return std::nullopt;
    if (v.kind != Value::Kind::Boolean)
        fail(kOraValueError);
    return v.b;
}

Value Interpreter::name(const Node *e) {
    const Node *first = e->child;
    const Node *second = first ? first->next : nullptr;
    if (!first || first->kind != NK::Part)
        return viaSql(e, false);
    const std::string id = word(first->first);
    if (id == "SQL" && second && second->kind == NK::Attr && !second->next)
        return sqlAttribute(word(second->first));
    if (Variable *v = variable(id)) {
        if (!second && !v->record && !v->table)
            return v->value;
        if (std::optional<Value> result = tableMethod(e))
            return *result;
        const Place at = locate(e, false);
        if (at.value)
            return *at.value;
        if (at.var && !at.var->record && !at.var->table)
            return at.var->value;
        unsupported("the use of " + text(first->first) + " as a value");
    }
    if (!second && (id == "SQLCODE" || id == "SQLERRM")) {
        const Raised *r = m_handling.empty() ? nullptr : m_handling.back();
        if (id == "SQLERRM") // the error's own message, without the stack under it
            return Value::text(r ? r->message.substr(0, r->message.find('\n'))
                                 : "ORA-0000: normal, successful completion");
        const int code = r ? r->code : 0;
        return Value::integer(!r ? 0 : r->declared ? 1 : code == kOraNoDataFound ? 100 : -code);
    }
    return viaSql(e, false);
}

Value Interpreter::sqlAttribute(const std::string &attribute) const {
    if (attribute == "ISOPEN")
        return Value::boolean(false);
    if (!m_sqlRows)
        return Value::null();
    if (attribute == "ROWCOUNT")
        return Value::integer(*m_sqlRows);
    if (attribute == "FOUND" || attribute == "NOTFOUND")
        return Value::boolean((*m_sqlRows > 0) == (attribute == "FOUND"));
    return Value::null();
}

Value Interpreter::binary(const Node *e) {
    const Node *left = e->child;
    const uint16_t op = e->op;
    if (op == plsql::keywordOp(Kw::AND) || op == plsql::keywordOp(Kw::OR)) {
        const bool isAnd = op == plsql::keywordOp(Kw::AND);
        const std::optional<bool> a = condition(left);
        if (a && *a != isAnd)
            return Value::boolean(!isAnd);
        const std::optional<bool> b = condition(left->next);
        if (b && *b != isAnd)
            return Value::boolean(!isAnd);
        return a && b ? Value::boolean(isAnd) : Value::null();
    }
    if (op == plsql::keywordOp(Kw::IS)) {
        const bool negated = isKeyword(m_unit.tokens[left->end + 1], Kw::NOT);
        if (!isKeyword(m_unit.tokens[left->end + (negated ? 2 : 1)], Kw::NULL_))
            return viaSql(e, true);
        return Value::boolean(eval(left).isNull() != negated);
    }
    if (op & plsql::kKeywordOp)
        return viaSql(e, true);
    if (op == '=' || op == '<' || op == '>')
        return comparison(e, text(left->end));
    if (op != '|' && op != '+' && op != '-' && op != '*' && op != '/' && op != '^')
        return viaSql(e, false);
    const Value a = eval(left), b = eval(left->next);
    if (op == '|')
        return Value::text(asText(a, m_conversions) + asText(b, m_conversions));
    if (a.kind == Value::Kind::Date || b.kind == Value::Kind::Date)
        return viaSql(e, false);
    if (op == '^') { // ** is PL/SQL's alone
        const Value x = asNumber(a), y = asNumber(b);
        return x.isNull() || y.isNull() ? Value() : Value::real(std::pow(x.number(), y.number()));
    }
    return arithmetic(static_cast<char>(op), a, b);
}

Value Interpreter::comparison(const Node *e, const std::string &op) {
    const plsql::Token &after = m_unit.tokens[e->child->end + 1];
    if (isKeyword(after, Kw::ANY) || isKeyword(after, Kw::SOME) || isKeyword(after, Kw::ALL))
        return viaSql(e, true);
    const Value a = eval(e->child), b = eval(e->child->next);
    if (a.isNull() || b.isNull())
        return Value::null();
    const int c = compare(a, b, m_conversions);
    if (op == "=")
        return Value::boolean(c == 0);
    if (op == "<")
        return Value::boolean(c < 0);
    if (op == ">")
        return Value::boolean(c > 0);
    if (op == "<=")
        return Value::boolean(c <= 0);
    if (op == ">=")
        return Value::boolean(c >= 0);
    return Value::boolean(c != 0); // <> != ~= ^=
}

Value Interpreter::unary(const Node *e) {
    const plsql::Token &t = m_unit.tokens[e->first];
    if (isKeyword(t, Kw::NOT)) {
        const std::optional<bool> v = condition(e->child);
        return v ? Value::boolean(!*v) : Value::null();
    }
    if (text(e->first) == "-") {
        const Value v = eval(e->child);
        return v.kind == Value::Kind::Date ? viaSql(e, false)
                                           : arithmetic('-', Value::integer(0), v);
    }
    if (text(e->first) == "+")
        return eval(e->child);
    return viaSql(e, false);
}

// CASE [selector] WHEN a THEN x ... [ELSE y] END: no branch taken and no ELSE is NULL.
Value Interpreter::caseExpr(const Node *e) {
    const bool searched = isKeyword(m_unit.tokens[e->first + 1], Kw::WHEN);
    const Node *c = e->child;
    std::optional<Value> selector;
    if (!searched) {
        selector = eval(c);
        c = c->next;
    }
    for (; c && c->next; c = c->next->next) {
        bool taken = false;
        if (selector) {
            const Value v = eval(c);
            taken = !selector->isNull() && !v.isNull() && compare(*selector, v, m_conversions) == 0;
        } else {
            taken = condition(c).value_or(false);
        }
        if (taken)
            return eval(c->next);
    }
    return c ? eval(c) : Value::null();
}

// The expression as the database evaluates it, the block's variables bound; a condition
// comes back as 1, 0 or NULL.
Value Interpreter::viaSql(const Node *e, bool boolean) {
    Binds binds;
    const std::vector<std::string> saved = std::exchange(m_columns, {});
    const std::string expr = render(e, nullptr, binds);
    m_columns = saved;
    const std::string sql = boolean ? "SELECT CASE WHEN " + expr + " THEN 1 WHEN NOT (" + expr +
                                          ") THEN 0 END FROM DUAL"
                                    : "SELECT " + expr + " FROM DUAL";
    const SqlOutcome out = runSql(sql, binds, 1);
    const Value v = out.fetched.empty() || out.fetched[0].empty() ? Value() : out.fetched[0][0];
    if (!boolean || v.isNull())
        return v;
    return Value::boolean(asNumber(v).number() != 0);
}

} // namespace ocilite::plsql_run
