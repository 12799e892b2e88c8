// PLS-00382 and PLS-00386 where a wrong type is certain without knowing every type: NULL
// for an item declared NOT NULL, a BOOLEAN where a value that cannot be one is given (and the
// reverse), two different record or collection types the unit declares, a condition that is
// a number or a string, an explicit cursor's column fetched into a BOOLEAN (SQL has none).
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/keywords.h"

namespace ocilite::plsql {
namespace {

ValueKind binaryValue(uint16_t op) {
    switch (op) {
    case '=':
    case '<':
    case '>':
    case keywordOp(Kw::IS):
    case keywordOp(Kw::IN):
    case keywordOp(Kw::BETWEEN):
    case keywordOp(Kw::LIKE):
    case keywordOp(Kw::MEMBER):
    case keywordOp(Kw::AND):
    case keywordOp(Kw::OR):
        return ValueKind::Boolean;
    case '+':
    case '-':
    case '*':
    case '/':
    case '|':
    case '^':
    case keywordOp(Kw::MOD):
        return ValueKind::Scalar;
    default:
        return ValueKind::Unknown;
    }
}

} // namespace

// The item a plain name (one identifier) denotes, when the unit declares it usably.
const Symbol *Checker::plainItem(const Scope &scope, const Node *e) const {
    if (!e || e->kind != NK::Name || !e->child || e->child->kind != NK::Part || e->child->next)
        return nullptr;
    const Symbol *s = scope.find(text(e->child));
    if (!s || s->kind != SymKind::Item || s->later || s->duplicate || s->malformed || s->badIndex)
        return nullptr;
    return s;
}

ValueKind Checker::valueOf(const Scope &scope, const Node *e) const {
    switch (e->kind) {
    case NK::Literal: {
        const Token &t = tok(e);
        if (t.kind == Tok::Number || t.kind == Tok::String || isWord(t, Kw::DATE) ||
            isWord(t, Kw::TIMESTAMP) || isWord(t, Kw::INTERVAL))
            return ValueKind::Scalar;
        return isWord(t, Kw::TRUE_) || isWord(t, Kw::FALSE_) ? ValueKind::Boolean
                                                             : ValueKind::Unknown;
    }
    case NK::Binary:
        return binaryValue(e->op);
    case NK::Unary:
        if (e->op == keywordOp(Kw::NOT) || e->op == keywordOp(Kw::EXISTS))
            return ValueKind::Boolean;
        return isWord(tok(e), Kw::PRIOR) ? ValueKind::Unknown : ValueKind::Scalar;
    case NK::Paren:
        return e->child && !e->child->next ? valueOf(scope, e->child) : ValueKind::Unknown;
    case NK::Name: {
        const Symbol *s = plainItem(scope, e);
        return s ? s->value : ValueKind::Unknown;
    }
    default:
        return ValueKind::Unknown;
    }
}

// PLS-00382 at the value given to `target` (an assignment or a declaration's default).
int Checker::wrongType(const Scope &scope, const Symbol &target, const Node *value) {
    bool wrong = target.notNull && value->kind == NK::Literal && isWord(tok(value), Kw::NULL_);
    const ValueKind v = valueOf(scope, value);
    wrong = wrong || (target.value == ValueKind::Boolean && v == ValueKind::Scalar) ||
            (target.value == ValueKind::Scalar && v == ValueKind::Boolean);
    if (const Symbol *source = target.typeDecl ? plainItem(scope, value) : nullptr)
        wrong = wrong || (source->typeDecl && source->typeDecl != target.typeDecl);
    if (!wrong)
        return 0;
    add(Msg::WrongType, value);
    return 1;
}

int Checker::assignment(const Scope &scope, const Node *target, const Node *value) {
    const Symbol *s = plainItem(scope, target);
    return s && value ? wrongType(scope, *s, value) : 0;
}

// PLS-00382 for an IF, ELSIF, WHILE or EXIT WHEN condition that cannot be BOOLEAN.
int Checker::condition(const Scope &scope, const Node *cond) {
    if (!cond || valueOf(scope, cond) != ValueKind::Scalar)
        return 0;
    add(Msg::WrongType, cond);
    return 1;
}

// PLS-00386 for a BOOLEAN among the INTO targets of a FETCH from an explicit cursor.
int Checker::fetchTargets(const Scope &scope, const Node *fetch) {
    const Node *cursor = fetch->child;
    const Node *first = cursor && cursor->kind == NK::Name ? cursor->child : nullptr;
    const Symbol *c =
        first && first->kind == NK::Part && !first->next ? scope.find(text(first)) : nullptr;
    if (!c || c->kind != SymKind::Cursor || !c->query || !cursor->next ||
        cursor->next->kind != NK::Into)
        return 0;
    for (const Node *target = cursor->next->child; target; target = target->next) {
        const Symbol *s = plainItem(scope, target);
        if (s && s->value == ValueKind::Boolean) {
            addAt(Msg::FetchMismatch, tok(target), {text(target->child)});
            return 1;
        }
    }
    return 0;
}

} // namespace ocilite::plsql
