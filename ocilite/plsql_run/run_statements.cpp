// Statements: control flow (IF, CASE, loops, EXIT / CONTINUE, RETURN, nested blocks),
// assignment, RAISE, and the calls a block may make (DBMS_OUTPUT, RAISE_APPLICATION_ERROR).
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql_run/output_buffer.h"

#include <cmath>

namespace ocilite::plsql_run {
namespace {

using plsql::Kw;

// The statement list of a compound statement's part: its last child.
const Node *lastChild(const Node *n) {
    const Node *c = n->child;
    while (c && c->next)
        c = c->next;
    return c;
}

} // namespace

Flow Interpreter::statements(const Node *list) {
    for (const Node *s = list ? list->child : nullptr; s; s = s->next) {
        if (s->kind == NK::Label) {
            m_label = word(s->tok);
            continue;
        }
        const Flow flow = statement(s);
        m_label.clear();
        if (flow != Flow::Next)
            return flow;
    }
    return Flow::Next;
}

Flow Interpreter::statement(const Node *s) {
    countStatement();
    m_line = line(s);
    return guarded([&] { return dispatch(s); });
}

Flow Interpreter::dispatch(const Node *s) {
    switch (s->kind) {
    case NK::Null:
    case NK::Pragma:
        return Flow::Next;
    case NK::Block:
        return block(s);
    case NK::Assign:
        assign(s);
        return Flow::Next;
    case NK::If:
        return ifStatement(s);
    case NK::Case:
        return caseStatement(s);
    case NK::Loop:
    case NK::While:
        return loop(s);
    case NK::ForNum:
        return forNumeric(s);
    case NK::ForCursor:
        return forCursor(s);
    case NK::Exit:
    case NK::Continue:
        return exitOrContinue(s);
    case NK::Return:
        return Flow::Return;
    case NK::Raise:
        raise(s);
    case NK::CallStmt:
        call(s);
        return Flow::Next;
    case NK::SqlStmt:
        sqlStatement(s);
        return Flow::Next;
    case NK::ExecImmediate:
        executeImmediate(s);
        return Flow::Next;
    default:
        unsupported("this statement");
    }
}

Flow Interpreter::ifStatement(const Node *s) {
    const Node *c = s->child;
    if (condition(c).value_or(false))
        return statements(c->next);
    for (const Node *part = c->next->next; part; part = part->next) {
        if (part->kind == NK::ElsePart)
            return statements(part->child);
        if (condition(part->child).value_or(false))
            return statements(part->child->next);
    }
    return Flow::Next;
}

// CASE [selector] WHEN ... THEN ... [ELSE ...] END CASE: no branch taken and no ELSE is
// CASE_NOT_FOUND (ORA-06592).
Flow Interpreter::caseStatement(const Node *s) {
    const Node *part = s->child;
    std::optional<Value> selector;
    if (part && part->kind != NK::WhenPart) {
        selector = eval(part);
        part = part->next;
    }
    for (; part; part = part->next) {
        if (part->kind == NK::ElsePart)
            return statements(part->child);
        bool taken = false;
        if (selector) {
            const Value v = eval(part->child);
            taken = !selector->isNull() && !v.isNull() && compare(*selector, v, m_conversions) == 0;
        } else {
            taken = condition(part->child).value_or(false);
        }
        if (taken)
            return statements(part->child->next);
    }
    fail(kOraCaseNotFound);
}

// An EXIT or CONTINUE without a label, or with this loop's, is this loop's to act on.
bool Interpreter::loopEnds(Flow &flow, const std::string &label) {
    if (flow == Flow::Next)
        return false;
    if (flow == Flow::Return || !(m_flowLabel.empty() || m_flowLabel == label))
        return true;
    m_flowLabel.clear();
    const bool exit = flow == Flow::Exit;
    flow = Flow::Next;
    return exit;
}

Flow Interpreter::loopBody(const Node *body, const std::string &label, bool &stop) {
    Flow flow = statements(body);
    stop = loopEnds(flow, label);
    return flow;
}

Flow Interpreter::loop(const Node *s) {
    const std::string label = std::exchange(m_label, {});
    const Node *body = lastChild(s);
    for (bool stop = false;;) {
        countStatement();
        if (s->kind == NK::While && !condition(s->child).value_or(false))
            return Flow::Next;
        const Flow flow = loopBody(body, label, stop);
        if (stop)
            return flow;
    }
}

Flow Interpreter::forNumeric(const Node *s) {
    const std::string label = std::exchange(m_label, {});
    const Value low = asNumber(eval(s->child)), high = asNumber(eval(s->child->next));
    if (low.isNull() || high.isNull())
        fail(kOraValueError);
    const bool reverse = m_unit.tokens[s->tok + 2].kw == uint16_t(Kw::REVERSE);
    const long long from = std::llround(low.number()), to = std::llround(high.number());
    Scope scope;
    Variable &index = scope.variables[word(s->tok)];
    index.type.base = VarType::Base::Integer;
    index.constant = true;
    const EnteredScope entered(m_scope, scope);
    bool stop = false;
    for (long long i = reverse ? to : from; reverse ? i >= from : i <= to; reverse ? --i : ++i) {
        index.value = Value::integer(i);
        const Flow flow = loopBody(s->child->next->next, label, stop);
        if (stop)
            return flow;
    }
    return Flow::Next;
}

Flow Interpreter::exitOrContinue(const Node *s) {
    const plsql::Token &after = m_unit.tokens[s->first + 1];
    const bool labelled = (after.kind == plsql::Tok::Word && after.kw != uint16_t(Kw::WHEN)) ||
                          after.kind == plsql::Tok::QuotedIdent;
    if (s->child && !condition(s->child).value_or(false))
        return Flow::Next;
    m_flowLabel = labelled ? word(s->first + 1) : std::string();
    return s->kind == NK::Exit ? Flow::Exit : Flow::Continue;
}

void Interpreter::assign(const Node *s) {
    if (copyRecord(s->child, s->child->next))
        return;
    store(s->child, eval(s->child->next));
}

void Interpreter::store(const Node *target, const Value &v) {
    const Place at = target->kind == NK::Name ? locate(target, true) : Place{};
    if (at.value) {
        *at.value = convertTo(at.type, v, m_conversions);
        return;
    }
    Variable *var = at.var;
    if (!var || var->constant || var->record || var->table)
        unsupported("assigning to " + text(target->first));
    Value converted = convertTo(var->type, v, m_conversions);
    if (var->notNull && converted.isNull())
        fail(kOraValueError);
    var->value = std::move(converted);
}

// RAISE name, or RAISE alone in a handler: the exception being handled, raised again.
void Interpreter::raise(const Node *s) {
    if (!s->child) {
        if (m_handling.empty())
            unsupported("RAISE outside an exception handler");
        Raised again = *m_handling.back();
        again.line = m_line;
        throw again;
    }
    const DeclaredException e = exceptionNamed(s->child);
    if (e.declaration && !e.code)
        throw Raised{1, "User-Defined Exception", e.declaration, m_line};
    if (!e.code)
        unsupported("raising " + text(s->child->first));
    fail(e.code);
}

} // namespace ocilite::plsql_run
