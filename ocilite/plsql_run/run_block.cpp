// Blocks: their declarations (variables, constants, exceptions, PRAGMA EXCEPTION_INIT,
// cursors), their statements, and the handlers an exception raised in the statements meets.
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <cstdlib>

namespace ocilite::plsql_run {
namespace {

using plsql::Kw;

// STANDARD's predefined exceptions and the errors they stand for.
const std::map<std::string, int> kPredefined = {
    {"ACCESS_INTO_NULL", 6530},
    {"CASE_NOT_FOUND", 6592},
    {"COLLECTION_IS_NULL", 6531},
    {"CURSOR_ALREADY_OPEN", 6511},
    {"DUP_VAL_ON_INDEX", 1},
    {"INVALID_CURSOR", 1001},
    {"INVALID_NUMBER", 1722},
    {"LOGIN_DENIED", 1017},
    {"NO_DATA_FOUND", 1403},
    {"NOT_LOGGED_ON", 1012},
    {"PROGRAM_ERROR", 6501},
    {"ROWTYPE_MISMATCH", 6504},
    {"STORAGE_ERROR", 6500},
    {"SUBSCRIPT_BEYOND_COUNT", 6533},
    {"SUBSCRIPT_OUTSIDE_LIMIT", 6532},
    {"SYS_INVALID_ROWID", 1410},
    {"TIMEOUT_ON_RESOURCE", 51},
    {"TOO_MANY_ROWS", 1422},
    {"VALUE_ERROR", 6502},
    {"ZERO_DIVIDE", 1476},
};

} // namespace

VarType typeOfColumn(const OraType &t) {
    VarType v;
    if (t.isNumber())
        v.base = t.scale == 0 && t.precision > 0 ? VarType::Base::Integer : VarType::Base::Number;
    else if (t.isDate())
        v.base = VarType::Base::Date;
    else
        v.base = VarType::Base::Text;
    if (v.base == VarType::Base::Text && t.size > 0 && t.code != OCIV7_TYPE_LONG)
        v.length = t.size;
    return v;
}

Flow Interpreter::block(const Node *b) {
    Scope scope;
    const EnteredScope entered(m_scope, scope);
    return blockBody(b, scope);
}

// An exception raised while the declarations are made goes to the enclosing block, as in
// Oracle; one raised by the statements meets this block's handlers.
Flow Interpreter::blockBody(const Node *b, Scope &scope) {
    const Node *decls = nullptr, *body = nullptr, *handlers = nullptr;
    for (const Node *c = b->child; c; c = c->next) {
        if (c->kind == NK::DeclList)
            decls = c;
        else if (!body)
            body = c;
        else
            handlers = c;
    }
    if (decls)
        declarations(scope, decls);
    try {
        return statements(body);
    } catch (const Raised &r) {
        if (!handlers)
            throw;
        const std::optional<Flow> flow = handle(handlers, r);
        if (!flow)
            throw;
        return *flow;
    }
}

void Interpreter::declarations(Scope &scope, const Node *list) {
    for (const Node *d = list->child; d; d = d->next) {
        countStatement();
        m_line = line(d);
        guarded([&] { declaration(scope, d); });
    }
}

void Interpreter::declaration(Scope &scope, const Node *d) {
    switch (d->kind) {
    case NK::Variable:
        declareVariable(scope, d);
        break;
    case NK::Exception:
        scope.exceptions[word(d->tok)] = DeclaredException{d, 0};
        break;
    case NK::Pragma:
        exceptionInit(scope, d);
        break;
    case NK::RecordType:
    case NK::CollType:
        declareType(scope, d);
        break;
    case NK::Cursor:
        for (const Node *c = d->child; c; c = c->next)
            if (c->kind == NK::Select)
                scope.cursors[word(d->tok)] = c;
        break;
    default:
        unsupported("this declaration");
    }
}

void Interpreter::declareVariable(Scope &scope, const Node *d) {
    if (std::optional<Variable> composite = compositeOf(d->child)) {
        scope.variables[word(d->tok)] = std::move(*composite);
        return;
    }
    Variable v;
    v.type = typeOf(d->child);
    v.constant = d->flags & plsql::kFlagConstant;
    v.notNull = d->flags & plsql::kFlagNotNull;
    if (d->flags & plsql::kFlagHasInit)
        v.value = convertTo(v.type, eval(d->child->next), m_conversions);
    scope.variables[word(d->tok)] = std::move(v);
}

// PRAGMA EXCEPTION_INIT(name, -number): the exception stands for that Oracle error.
void Interpreter::exceptionInit(Scope &scope, const Node *pragma) {
    if (word(pragma->tok) != "EXCEPTION_INIT")
        return; // other pragmas change nothing a block does
    const Node *args = pragma->child;
    const Node *name = args ? args->child : nullptr;
    if (!name || !name->next)
        return;
    const long long number = asNumber(eval(name->next)).i;
    const auto found = scope.exceptions.find(word(name->first));
    if (found != scope.exceptions.end())
        found->second.code = number == 100 ? kOraNoDataFound : static_cast<int>(std::llabs(number));
}

VarType Interpreter::typeOf(const Node *typeRef) {
    const Node *name = typeRef->child;
    if (!name || name->kind != NK::Name)
        unsupported("this type");
    const Node *last = name->child;
    while (last->next)
        last = last->next;
    if (last->kind == NK::Attr) {
        if (word(last->first) != "TYPE")
            unsupported("%" + word(last->first));
        if (name->child->next == last)
            if (const Variable *v = variable(word(name->child->first)))
                return v->type;
        return columnType(name);
    }
    VarType t;
    t.base = name->child->next ? VarType::Base::Any : baseOfTypeName(word(name->child->first));
    if (t.base == VarType::Base::Any)
        unsupported("variables of type " + text(name->child->first));
    const Node *length = name->next;
    if (length && length->kind == NK::Literal &&
        m_unit.tokens[length->first].kind == plsql::Tok::Number) {
        const int n = std::atoi(text(length->first).c_str());
        if (t.base == VarType::Base::Text)
            t.length = n;
        const plsql::Token &after = m_unit.tokens[length->end];
        if (t.base == VarType::Base::Number && text(length->end) == ",")
            t.scale = std::atoi(text(length->end + 1).c_str());
        else if (t.base == VarType::Base::Number && after.kind == plsql::Tok::Op)
            t.scale = 0;
    } else if (word(name->child->first) == "CHAR" || word(name->child->first) == "NCHAR") {
        t.length = 1;
    }
    return t;
}

// [schema.]table.column%TYPE: the column's type; ORA-03001 when the column is not known.
VarType Interpreter::columnType(const Node *name) {
    std::vector<std::string> parts;
    for (const Node *p = name->child; p && p->kind == NK::Part; p = p->next)
        parts.push_back(word(p->first));
    if (parts.size() == 2 || parts.size() == 3) {
        const std::string owner = parts.size() == 3 ? parts[0] : m_db.currentSchema();
        const std::string &table = parts[parts.size() - 2];
        if (const std::optional<std::string> physical = m_db.catalog().tableFor(owner, table))
            for (const auto &[column, type] : m_db.catalog().columnsOf(*physical))
                if (column == parts.back())
                    return typeOfColumn(type);
    }
    unsupported("this %TYPE");
}

std::optional<Flow> Interpreter::handle(const Node *handlers, const Raised &r) {
    for (const Node *h = handlers->child; h; h = h->next) {
        if (h->kind != NK::Handler || !matches(h, r))
            continue;
        const Node *body = h->child;
        while (body->next)
            body = body->next;
        m_handling.push_back(&r);
        struct Pop {
            std::vector<const Raised *> &stack;
            ~Pop() { stack.pop_back(); }
        } pop{m_handling};
        return statements(body);
    }
    return std::nullopt;
}

bool Interpreter::matches(const Node *handler, const Raised &r) {
    const Node *body = handler->child;
    while (body->next)
        body = body->next;
    for (uint32_t t = handler->first; t < body->first; ++t)
        if (m_unit.tokens[t].kw == uint16_t(Kw::OTHERS))
            return true;
    for (const Node *n = handler->child; n != body; n = n->next) {
        const DeclaredException e = exceptionNamed(n);
        if ((e.declaration && e.declaration == r.declared) || (e.code && e.code == r.code))
            return true;
    }
    return false;
}

DeclaredException Interpreter::exceptionNamed(const Node *name) {
    const Node *last = name->child;
    while (last && last->next)
        last = last->next;
    const std::string id = last ? word(last->first) : std::string();
    if (name->child == last)
        for (const Scope *s = m_scope; s; s = s->parent) {
            const auto found = s->exceptions.find(id);
            if (found != s->exceptions.end())
                return found->second;
        }
    const auto predefined = kPredefined.find(id);
    return DeclaredException{nullptr, predefined == kPredefined.end() ? 0 : predefined->second};
}

} // namespace ocilite::plsql_run
