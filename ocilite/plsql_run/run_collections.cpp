// Records (TYPE ... IS RECORD, table%ROWTYPE) and associative arrays (TABLE OF ... INDEX BY
// PLS_INTEGER / VARCHAR2) of scalars or records: their declarations, elements and fields
// as values and as targets, whole records assigned, and the methods COUNT, FIRST, LAST,
// NEXT, PRIOR, EXISTS and DELETE.
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"

#include <cmath>

namespace ocilite::plsql_run {
namespace {

Value keyValue(const TableKey &k) {
    return k.text ? Value::text(k.s) : Value::integer(k.i);
}

} // namespace

void Interpreter::declareType(Scope &scope, const Node *d) {
    TypeDecl t;
    if (d->kind == NK::RecordType) {
        t.record = recordShape(d->child);
    } else {
        const Node *element = d->child ? d->child->child : nullptr;
        const Node *index = element ? element->next : nullptr;
        if (!index)
            unsupported("a nested table or VARRAY type");
        t.table = true;
        t.textKeys = typeOf(index).base == VarType::Base::Text;
        if (std::optional<Variable> composite = compositeOf(element)) {
            if (!composite->record)
                unsupported("a table of tables");
            t.elementShape = composite->shape;
        } else {
            t.element = typeOf(element);
        }
    }
    scope.types[word(d->tok)] = std::move(t);
}

std::shared_ptr<const RecordShape> Interpreter::recordShape(const Node *fields) {
    auto shape = std::make_shared<RecordShape>();
    for (const Node *f = fields; f; f = f->next)
        if (f->kind == NK::Field)
            shape->fields.emplace_back(word(f->tok), typeOf(f->child));
    return shape;
}

Variable Interpreter::recordOf(std::shared_ptr<const RecordShape> shape) const {
    Variable v;
    v.record = true;
    for (const auto &field : shape->fields)
        v.fields.emplace_back(field.first, Value());
    v.shape = std::move(shape);
    return v;
}

const TypeDecl *Interpreter::typeNamed(const std::string &name) const {
    for (const Scope *s = m_scope; s; s = s->parent) {
        const auto found = s->types.find(name);
        if (found != s->types.end())
            return &found->second;
    }
    return nullptr;
}

// A variable of a declared record or table type, or of table%ROWTYPE; nothing for a scalar.
std::optional<Variable> Interpreter::compositeOf(const Node *typeRef) {
    const Node *name = typeRef ? typeRef->child : nullptr;
    const Node *first = name && name->kind == NK::Name ? name->child : nullptr;
    if (!first || first->kind != NK::Part)
        return std::nullopt;
    const Node *second = first->next;
    if (!second) {
        const TypeDecl *t = typeNamed(word(first->first));
        if (!t)
            return std::nullopt;
        if (t->record)
            return recordOf(t->record);
        Variable v;
        v.table = std::make_shared<Table>();
        v.table->textKeys = t->textKeys;
        v.table->element = t->element;
        v.table->elementShape = t->elementShape;
        return v;
    }
    if (second->kind != NK::Attr || word(second->first) != "ROWTYPE")
        return std::nullopt;
    const std::optional<std::string> physical =
        m_db.catalog().tableFor(m_db.currentSchema(), word(first->first));
    if (!physical)
        unsupported("this %ROWTYPE");
    auto shape = std::make_shared<RecordShape>();
    for (const auto &[column, type] : m_db.catalog().columnsOf(*physical))
        shape->fields.emplace_back(column, typeOfColumn(type));
    return recordOf(shape);
}

// The variable, table element or record field a name stands for; reading an element that
// does not exist is NO_DATA_FOUND, writing one makes it.
Place Interpreter::locate(const Node *name, bool forWrite) {
    const Node *part = name->kind == NK::Name ? name->child : nullptr;
    Variable *var = part && part->kind == NK::Part ? variable(word(part->first)) : nullptr;
    if (!var)
        return {};
    Place at{var, nullptr, {}};
    for (part = part->next; part; part = part->next) {
        if (!at.value && part->kind == NK::Args && at.var->table)
            at = element(*at.var, part, forWrite);
        else if (!at.value && part->kind == NK::Part && at.var->record)
            at = field(*at.var, part);
        else
            unsupported("the use of " + text(name->first) + " here");
    }
    return at;
}

Place Interpreter::element(Variable &table, const Node *args, bool forWrite) {
    const Node *arg = args->child;
    if (!arg || arg->next || arg->kind == NK::NamedArg)
        unsupported("this index of " + text(args->first - 1));
    Table &t = *table.table;
    const TableKey key = keyOf(t, eval(arg));
    auto found = t.items.find(key);
    if (found == t.items.end()) {
        if (!forWrite)
            fail(kOraNoDataFound);
        Variable fresh = t.elementShape ? recordOf(t.elementShape) : Variable{};
        fresh.type = t.element;
        found = t.items.emplace(key, std::move(fresh)).first;
    }
    return Place{&found->second, nullptr, {}};
}

Place Interpreter::field(Variable &record, const Node *part) {
    const std::string name = word(part->first);
    for (size_t i = 0; i < record.fields.size(); ++i)
        if (record.fields[i].first == name)
            return Place{&record, &record.fields[i].second,
                         record.shape ? record.shape->fields[i].second : VarType{}};
    unsupported("the field " + name);
}

TableKey Interpreter::keyOf(const Table &table, const Value &v) {
    if (v.isNull())
        fail(kOraValueError, ": NULL index table key value");
    TableKey key;
    key.text = table.textKeys;
    if (key.text)
        key.s = asText(v, m_conversions);
    else
        key.i = std::llround(asNumber(v).number());
    return key;
}

// t.COUNT, t.FIRST, t.LAST, t.NEXT(k), t.PRIOR(k), t.EXISTS(k); nothing for other names.
std::optional<Value> Interpreter::tableMethod(const Node *name) {
    const Node *first = name->child;
    const Node *method = first ? first->next : nullptr;
    if (!method || first->kind != NK::Part || method->kind != NK::Part)
        return std::nullopt;
    Variable *v = variable(word(first->first));
    if (!v || !v->table)
        return std::nullopt;
    const std::string m = word(method->first);
    const std::map<TableKey, Variable> &items = v->table->items;
    if (m == "COUNT")
        return Value::integer(static_cast<long long>(items.size()));
    if (m == "FIRST" || m == "LAST")
        return items.empty()
                   ? Value()
                   : keyValue(m == "FIRST" ? items.begin()->first : items.rbegin()->first);
    const Node *args = method->next && method->next->kind == NK::Args ? method->next : nullptr;
    const Value arg = args && args->child ? eval(args->child) : Value();
    if (m != "EXISTS" && m != "NEXT" && m != "PRIOR")
        unsupported("the collection method " + m);
    if (arg.isNull())
        return m == "EXISTS" ? Value::boolean(false) : Value();
    const TableKey key = keyOf(*v->table, arg);
    if (m == "EXISTS")
        return Value::boolean(items.count(key) > 0);
    const auto at = m == "NEXT" ? items.upper_bound(key) : items.lower_bound(key);
    if (m == "NEXT")
        return at == items.end() ? Value() : keyValue(at->first);
    return at == items.begin() ? Value() : keyValue(std::prev(at)->first);
}

// t.DELETE, t.DELETE(k), t.DELETE(from, to) as a statement; false for other calls.
bool Interpreter::tableCall(const Node *name) {
    const Node *first = name->kind == NK::Name ? name->child : nullptr;
    const Node *method = first ? first->next : nullptr;
    if (!method || first->kind != NK::Part || method->kind != NK::Part ||
        word(method->first) != "DELETE")
        return false;
    Variable *v = variable(word(first->first));
    if (!v || !v->table)
        return false;
    std::map<TableKey, Variable> &items = v->table->items;
    const Node *args = method->next && method->next->kind == NK::Args ? method->next : nullptr;
    const Node *from = args ? args->child : nullptr;
    if (!from) {
        items.clear();
        return true;
    }
    const Value low = eval(from), high = from->next ? eval(from->next) : low;
    if (low.isNull() || high.isNull())
        return true;
    const TableKey a = keyOf(*v->table, low), b = keyOf(*v->table, high);
    if (!(b < a))
        items.erase(items.lower_bound(a), items.upper_bound(b));
    return true;
}

// record := record (field by field, in order); false when either side is no record.
bool Interpreter::copyRecord(const Node *target, const Node *source) {
    const Variable *v = source->kind == NK::Name ? variable(word(source->first)) : nullptr;
    if (target->kind != NK::Name || !v || (!v->record && !v->table))
        return false;
    const Node *after = source->child->next;
    if (v->table && after && after->kind == NK::Part)
        return false; // a method's value
    const Place from = locate(source, false);
    if (!from.var || from.value || !from.var->record)
        return false;
    const std::vector<std::pair<std::string, Value>> fields = from.var->fields;
    const Place to = locate(target, true);
    if (!to.var || to.value || !to.var->record)
        unsupported("assigning a record to " + text(target->first));
    std::vector<Value> row;
    for (const auto &f : fields)
        row.push_back(f.second);
    fillRecord(*to.var, row);
    return true;
}

void Interpreter::fillRecord(Variable &record, const std::vector<Value> &row) {
    if (row.size() != record.fields.size())
        unsupported("a record of " + std::to_string(record.fields.size()) + " fields given " +
                    std::to_string(row.size()) + " values");
    for (size_t i = 0; i < row.size(); ++i)
        record.fields[i].second =
            record.shape ? convertTo(record.shape->fields[i].second, row[i], m_conversions)
                         : row[i];
}

} // namespace ocilite::plsql_run
