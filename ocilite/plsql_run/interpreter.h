// The interpreter of anonymous blocks (private): walks a compiled block's syntax tree
// statement by statement, holding the block's variables in scopes, evaluating expressions
// itself (and the SQL functions through the database), running the SQL of the block through
// SqlRunner and carrying PL/SQL exceptions to their handlers. What it meets that it cannot
// run throws OraError (ORA-03001), which no handler catches.
#pragma once

#include "ocilite/engine/errors.h"
#include "ocilite/plsql/syntax.h"
#include "ocilite/plsql_run/block_runner.h"
#include "ocilite/plsql_run/sql_runner.h"
#include "ocilite/plsql_run/value.h"

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ocilite {
class Database;
struct OutputBuffer;
} // namespace ocilite

namespace ocilite::plsql_run {

using plsql::NK;
using plsql::Node;

// A PL/SQL exception on its way out of statements.
struct Raised {
    int code = 0;                   // Oracle's error number; 1 for a declared exception without one
    std::string message;            // SQLERRM: "ORA-01403: no data found", "User-Defined Exception"
    const Node *declared = nullptr; // a user-defined exception's declaration
    int line = 0;                   // the line it was raised at
};

// A record type's fields and their types.
struct RecordShape {
    std::vector<std::pair<std::string, VarType>> fields;
};

struct Table;

struct Variable {
    VarType type;
    Value value;
    bool constant = false;
    bool notNull = false;
    bool record = false; // a record (a cursor FOR loop's, or of a declared type): its fields
    std::vector<std::pair<std::string, Value>> fields;
    std::shared_ptr<const RecordShape> shape; // a declared record's field types
    std::shared_ptr<Table> table;             // an associative array (INDEX BY)
};

// A key of an associative array: an integer, or text for INDEX BY VARCHAR2.
struct TableKey {
    bool text = false;
    long long i = 0;
    std::string s;
    bool operator<(const TableKey &o) const { return text ? s < o.s : i < o.i; }
};

struct Table {
    bool textKeys = false;
    VarType element;                                 // a scalar element's type
    std::shared_ptr<const RecordShape> elementShape; // or a record element's
    std::map<TableKey, Variable> items;
};

// TYPE name IS RECORD (...) / IS TABLE OF ... INDEX BY ...
struct TypeDecl {
    std::shared_ptr<const RecordShape> record;
    bool table = false;
    bool textKeys = false;
    VarType element;
    std::shared_ptr<const RecordShape> elementShape;
};

// Where a name leads: a variable or an element of a table (var), or a record's field (value).
struct Place {
    Variable *var = nullptr;
    Value *value = nullptr;
    VarType type; // the field's type
};

struct DeclaredException {
    const Node *declaration = nullptr;
    int code = 0; // PRAGMA EXCEPTION_INIT's number (positive), or 0
};

struct Scope {
    Scope *parent = nullptr;
    std::map<std::string, Variable> variables;
    std::map<std::string, DeclaredException> exceptions;
    std::map<std::string, const Node *> cursors; // a declared cursor's query
    std::map<std::string, TypeDecl> types;
};

// Makes a scope the innermost one for as long as it lives.
class EnteredScope {
public:
    EnteredScope(Scope *&current, Scope &scope) : m_current(current), m_outer(current) {
        scope.parent = current;
        current = &scope;
    }
    ~EnteredScope() { m_current = m_outer; }
    EnteredScope(const EnteredScope &) = delete;
    EnteredScope &operator=(const EnteredScope &) = delete;

private:
    Scope *&m_current;
    Scope *m_outer;
};

// How a statement ended: on to the next, or leaving loops / the block.
enum class Flow { Next, Exit, Continue, Return };

class Interpreter {
public:
    Interpreter(Database &db, const plsql::ParsedUnit &unit, OutputBuffer &output, Limits limits);
    // Runs the block; an exception it does not handle leaves as Raised.
    void run();

private:
    // blocks, declarations and handlers (run_block.cpp)
    Flow block(const Node *b);
    Flow blockBody(const Node *b, Scope &scope);
    void declarations(Scope &scope, const Node *list);
    void declaration(Scope &scope, const Node *d);
    void declareVariable(Scope &scope, const Node *d);
    void exceptionInit(Scope &scope, const Node *pragma);
    VarType typeOf(const Node *typeRef);
    VarType columnType(const Node *name);
    std::optional<Flow> handle(const Node *handlers, const Raised &r);
    bool matches(const Node *handler, const Raised &r);
    DeclaredException exceptionNamed(const Node *name);
    // records and associative arrays (run_collections.cpp)
    void declareType(Scope &scope, const Node *d);
    std::shared_ptr<const RecordShape> recordShape(const Node *fields);
    std::optional<Variable> compositeOf(const Node *typeRef);
    Variable recordOf(std::shared_ptr<const RecordShape> shape) const;
    const TypeDecl *typeNamed(const std::string &name) const;
    Place locate(const Node *name, bool forWrite);
    Place element(Variable &table, const Node *args, bool forWrite);
    Place field(Variable &record, const Node *part);
    std::optional<Value> tableMethod(const Node *name);
    bool tableCall(const Node *name);
    TableKey keyOf(const Table &table, const Value &v);
    bool copyRecord(const Node *target, const Node *source);
    void fillRecord(Variable &record, const std::vector<Value> &row);
    // statements (run_statements.cpp)
    Flow statements(const Node *list);
    Flow statement(const Node *s);
    Flow dispatch(const Node *s);
    Flow ifStatement(const Node *s);
    Flow caseStatement(const Node *s);
    Flow loop(const Node *s);
    Flow forNumeric(const Node *s);
    Flow forCursor(const Node *s);
    bool loopEnds(Flow &flow, const std::string &label);
    Flow loopBody(const Node *body, const std::string &label, bool &stop);
    Flow exitOrContinue(const Node *s);
    void assign(const Node *s);
    void store(const Node *target, const Value &v);
    [[noreturn]] void raise(const Node *s);
    void call(const Node *s);
    void output(const std::string &procedure, const Node *args);
    [[noreturn]] void raiseApplicationError(const Node *args);
    // expressions (run_expressions.cpp)
    Value eval(const Node *e);
    std::optional<bool> condition(const Node *e);
    Value name(const Node *e);
    Value sqlAttribute(const std::string &attribute) const;
    Value binary(const Node *e);
    Value comparison(const Node *e, const std::string &op);
    Value unary(const Node *e);
    Value caseExpr(const Node *e);
    Value viaSql(const Node *e, bool boolean);
    // SQL (run_sql.cpp)
    void sqlStatement(const Node *s);
    void executeImmediate(const Node *s);
    std::string render(const Node *n, const Node *skip, Binds &binds);
    static void nameNodes(const Node *n, std::map<uint32_t, const Node *> &names);
    bool renderName(size_t &i, size_t end, std::string &out, Binds &binds,
                    const std::map<uint32_t, const Node *> &names);
    std::vector<std::string> columnsOfStatement(const Node *n);
    void into(const Node *targets, const SqlOutcome &out);
    void counted(const SqlOutcome &out);

    Variable *variable(const std::string &name);
    const Node *cursorQuery(const std::string &name);
    std::string text(uint32_t token) const;
    std::string word(uint32_t token) const; // the token's name, folded
    int line(const Node *n) const;
    [[noreturn]] void fail(int code, const std::string &detail = {});
    // Runs work, turning the database's errors into PL/SQL exceptions raised on this line
    // (ORA-03001 and a cancel excepted: no handler may take those).
    template <typename F> auto guarded(F &&work) -> decltype(work()) {
        try {
            return work();
        } catch (const OraError &e) {
            if (e.code() == kOraUnimplemented || e.code() == kOraUserCancel)
                throw;
            throw Raised{e.code(), e.text(), nullptr, m_line};
        }
    }
    [[noreturn]] void unsupported(const std::string &what);
    void countStatement(long cost = 1);
    SqlOutcome runSql(const std::string &sql, const Binds &binds, size_t keep);

    Database &m_db;
    const plsql::ParsedUnit &m_unit;
    OutputBuffer &m_output;
    Limits m_limits;
    Conversions m_conversions;
    SqlRunner m_sql;
    Scope *m_scope = nullptr;
    long m_statements = 0;
    int m_line = 1;
    std::vector<const Raised *> m_handling; // the exceptions whose handlers are running
    std::optional<long> m_sqlRows;          // SQL%ROWCOUNT of the last SQL statement
    std::vector<std::string> m_columns;     // the columns of the SQL being rendered
    std::string m_label;                    // the label just before the statement about to run
    std::string m_flowLabel;                // the loop an EXIT or CONTINUE names, or empty
};

} // namespace ocilite::plsql_run
