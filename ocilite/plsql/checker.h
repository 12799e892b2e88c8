// Name resolution and the semantic checks of one parsed unit (private to the compiler):
// scopes of declarations, the unit's package specification, STANDARD and the catalogue,
// the schema; every error row with Oracle's companion row, in Oracle's order.
#pragma once

#include "ocilite/plsql/compiler.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/signature.h"
#include "ocilite/plsql/syntax.h"
#include "ocilite/plsql/warnings.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ocilite::plsql {

enum class SymKind { Item, Type, Exception, Subprogram, Cursor, Label, Unit };

struct Symbol {
    SymKind kind = SymKind::Item;
    // For records: the field / column names; empty when the compiler cannot tell.
    std::shared_ptr<std::vector<std::string>> fields;
    // For records: the fields whose type failed (PLS-00320 where used).
    std::shared_ptr<std::vector<std::string>> badFields;
    // For subprograms: every declaration under the name seen so far.
    std::shared_ptr<Overloads> overloads;
    // For items of a record or collection type declared in the unit: that TYPE declaration.
    const Node *typeDecl = nullptr;
    const Node *query = nullptr; // for cursors: the query they were declared with
    ValueKind value = ValueKind::Unknown;
    bool readOnly = false;    // an IN parameter, a constant, a FOR loop's index (PLS-00363)
    bool notNull = false;     // NOT NULL (PLS-00382 for NULL assigned)
    bool duplicate = false;   // declared twice in one declare section (PLS-00371 when used)
    bool later = false;       // declared further down the section (PLS-00313 / PLS-00320 if used)
    bool malformed = false;   // its type did not resolve ("Item ignored"): PLS-00320 where used
    bool badIndex = false;    // a cursor FOR loop's record over a failed query: PLS-00364
    bool failedQuery = false; // a cursor whose query has errors
    bool tableRow = false;    // a record of a table's %ROWTYPE: one field a column
    int8_t truth = -1;        // a BOOLEAN constant of TRUE (1) or FALSE (0)
    bool oneValue = false;    // certainly one value (a scalar, a column's %TYPE)

    static Symbol of(SymKind k) {
        Symbol s;
        s.kind = k;
        return s;
    }
};

struct Scope {
    const Scope *parent = nullptr;
    std::unordered_map<std::string, Symbol> names;
    const Symbol *find(const std::string &name) const {
        for (const Scope *s = this; s; s = s->parent) {
            const auto it = s->names.find(name);
            if (it != s->names.end())
                return &it->second;
        }
        return nullptr;
    }
};

// What a trigger's heading tells its body: the names its binds may use (NEW, OLD, PARENT
// or their REFERENCING names) and its table's columns when known.
struct TriggerInfo {
    std::vector<std::string> binds{"NEW", "OLD", "PARENT"};
    std::optional<std::vector<std::string>> columns;
};

// A table of a SQL statement as its column names are checked against it.
struct SqlTable {
    std::string name;
    std::string alias; // the alias, or the name when there is none
    std::vector<std::string> columns;
};

// A token that is the keyword k.
inline bool isWord(const Token &t, Kw k) {
    return t.kind == Tok::Word && t.kw == uint16_t(k);
}

// Built-ins written as syntax rather than declared in STANDARD (check_names.cpp).
bool isSyntaxFunction(const std::string &id);

// Thrown to stop analysis where Oracle writes "Compilation unit analysis terminated".
struct AnalysisTerminated {};

// What a package specification of the schema declares, as other units see it.
struct PackageInfo {
    std::vector<std::string> members;
    std::unordered_map<std::string, Overloads> subprograms;
};

class Checker {
public:
    Checker(const ParsedUnit &unit, std::string owner, const SchemaLookup &schema,
            CompileResult &result, const TriggerInfo *trigger = nullptr);
    void run();
    void setWarnings(const WarningSettings *warnings) { m_warnings = warnings; }

private:
    // units (check_units.cpp)
    void packageSpec(const Node *unit);
    void packageBody(const Node *unit);
    void subprogramBody(Scope &outer, const Node *body);
    void typeBody(const Node *unit);
    void typeMethodsDefined(const std::string &type, const Node *body);
    bool loadSpec(const std::string &name, Scope &scope, std::vector<const Node *> &subprograms);
    void definedInBody(const std::vector<const Node *> &specSubprograms, const Node *body);
    void forwardDeclarations(const Node *declList);
    // declarations (check_decls.cpp)
    void declarations(Scope &scope, const Node *list);
    void announceLater(Scope &scope, const Node *list);
    void declaration(Scope &scope, const Node *d);
    int declarationErrors(Scope &scope, const Node *d, Symbol &sym);
    int variableErrors(Scope &scope, const Node *d, Symbol &sym);
    int recordFieldErrors(Scope &scope, const Node *record, Symbol &sym);
    void declare(Scope &scope, const Node *d, Symbol sym);
    void parameters(Scope &scope, const Node *heading);
    bool typeRef(const Scope &scope, const Node *type, Symbol *into);
    void typeOf(const Scope &scope, const Node *n, Symbol &into);
    int typeAttribute(const Scope &scope, const Node *n);
    int stringLength(const Node *type);
    static std::shared_ptr<std::vector<std::string>> recordFields(const ParsedUnit &unit,
                                                                  const Node *record);
    // statements (check_stmts.cpp)
    void statements(Scope &scope, const Node *list);
    void statement(Scope &scope, const Node *s);
    int ownExpressions(Scope &scope, const Node *s);
    void conditional(Scope &scope, const Node *s);
    bool branchCondition(Scope &scope, const Node *s, const Node *cond);
    void sqlStatement(Scope &scope, const Node *s);
    void block(Scope &scope, const Node *b);
    int expressions(const Scope &scope, const Node *n);
    bool selectWithoutInto(const Node *s) const;
    int assignTarget(const Scope &scope, const Node *target);
    bool firstInStatement(const std::string &id);
    // loops (check_loops.cpp)
    void loop(Scope &scope, const Node *s);
    int loopHeader(Scope &outer, const Node *s, Symbol &index);
    int boundsUseIndex(const Node *n, const std::string &index);
    int duplicateColumns(const Scope &scope, const Node *cursorOrQuery, const Node *loop);
    // types (check_types.cpp)
    int assignment(const Scope &scope, const Node *target, const Node *value);
    int wrongType(const Scope &scope, const Symbol &target, const Node *value);
    int condition(const Scope &scope, const Node *cond);
    ValueKind valueOf(const Scope &scope, const Node *e) const;
    const Symbol *plainItem(const Scope &scope, const Node *e) const;
    int fetchTargets(const Scope &scope, const Node *fetch);
    // names (check_names.cpp)
    int name(const Scope &scope, const Node *n);
    int scopedName(const Node *n, const Node *first, const Symbol &s);
    int catalogueName(const Node *n, const Node *first, const std::string &id);
    int cursorAttribute(const Node *attr);
    int schemaName(const Node *n, const Node *first, const std::string &id);
    int member(const std::vector<std::string> &members, const Node *part);
    int undeclared(const Node *first);
    int bindVariable(const Node *bind, const Node *field);
    // calls (check_calls.cpp)
    int call(const Node *n, const Node *named, const Node *args, const Overloads &overloads);
    CallShape shapeOf(const Node *args) const;
    int packageCall(const Node *n, const Node *memberPart, const PackageInfo &pkg);
    int standardCall(const Node *n, const Node *first);
    const Overloads *standaloneSubprogram(const SchemaObject &obj);
    const PackageInfo &packageInfo(const std::string &owner, const std::string &name);
    // SQL (check_sql.cpp)
    int sql(const Scope &scope, const Node *root, const Node *stmt);
    int selectInto(const Scope &scope, const Node *stmt);
    int intoRecord(const Scope &scope, const Node *stmt);
    int intoCount(const Scope &scope, const Node *into, size_t columns);
    bool columnType(const Node *first);
    int insertColumns(const Node *insert);
    int tableRefs(const Node *n, std::vector<std::string> &ctes);
    int fromList(const Node *from, std::vector<std::string> &ctes);
    int tableRef(const Node *ref, const std::vector<std::string> &ctes);
    int sequences(const Scope &scope, const Node *n);
    int valueCount(const Node *insert);
    int columns(const Scope &scope, const Node *root);
    int columnNames(const Scope &scope, const Node *n, const std::vector<SqlTable> &tables);
    int columnName(const Scope &scope, const Node *n, const std::vector<SqlTable> &tables);
    bool columnTable(const Node *ref, SqlTable &table);

    // warnings (check_warnings.cpp)
    void warn(Msg m, const Token &at, const std::vector<std::string_view> &params = {});
    void shadowsBuiltin(const Node *decl);
    void unreachableBranch(const Scope &scope, const Node *ifStatement);
    int staticTruth(const Scope &scope, const Node *cond) const;

    std::string text(const Node *n) const;
    std::string text(uint32_t tok) const;
    const Token &tok(const Node *n) const { return m_unit.tokens[n->first]; }
    void add(Msg m, const Node *at, const std::vector<std::string_view> &params = {});
    void addAt(Msg m, const Token &t, const std::vector<std::string_view> &params = {});
    void depend(const std::string &owner, const std::string &name, const std::string &type);
    std::optional<SchemaObject> resolved(const std::string &owner, const std::string &name);
    static constexpr int kMaxSynonymHops = 8;

    const ParsedUnit &m_unit;
    std::string m_owner;
    const SchemaLookup &m_schema;
    CompileResult &m_result;
    Diagnostics m_diags;
    std::vector<std::unique_ptr<ParsedUnit>> m_specs;
    const ParsedUnit *m_ownSpec = nullptr; // a package body's specification
    std::deque<std::string> m_specSources; // stable: parsed specs point into them
    std::unordered_map<std::string, PackageInfo> m_packages;
    std::unordered_map<std::string, std::optional<Overloads>> m_standalone;
    const TriggerInfo *m_trigger;
    const WarningSettings *m_warnings = nullptr; // null: every warning disabled
    std::vector<std::string> m_badBinds;
    // Items already reported (PLS-00320, PLS-00364) in the statement being checked.
    std::vector<std::string> m_statementReported;
    const Node *m_callTarget = nullptr; // the name a call statement calls
    const Scope *m_nameScope =
        nullptr;                // the scope of the name being resolved (its call's arguments)
    bool m_intoTargets = false; // resolving the INTO list of a SELECT
};

} // namespace ocilite::plsql
