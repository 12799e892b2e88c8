// What a DDL statement asks for, as plain values the dictionary carries out: one struct per
// statement family (tables, constraints, indexes, sequences, synonyms, views, triggers,
// types, privileges, comments, users, session settings). The parsers in dialect/ddl/ fill
// them from the statement's text without looking at any database.
#pragma once

#include "ocilite/dialect/types.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ocilite::ddl {

// [owner.]name[@link]; owner is the schema the statement runs in when not written.
struct QualifiedName {
    std::string owner;
    std::string name;
    std::string link;
    bool qualified = false;
};

// A column's (or attribute's) declared type, as USER_TAB_COLUMNS shows it.
struct DataType {
    OraType engine;        // what describe reports
    std::string dataType;  // DATA_TYPE: "VARCHAR2", "TIMESTAMP(6)", "XMLTYPE", "T_NAMES" ...
    std::string typeOwner; // DATA_TYPE_OWNER (user-defined types; SYS for XMLTYPE)
    int dataLength = 0;
    std::optional<int> precision;
    std::optional<int> scale;
    int charLength = 0;       // CHAR_LENGTH (0 for non-character types)
    char charUsed = 0;        // 'B' or 'C' for character types
    std::string declared;     // the SQLite column's declared type (parses back to `engine`)
    bool userDefined = false; // a type the dictionary must find (typeOwner may be empty)
    std::string written;      // the type as written, for messages and type attributes
};

// One constraint, inline or out of line.
struct Constraint {
    std::string name; // empty: a system name SYS_Cn is given
    char type = 'C';  // P primary key, U unique, R foreign key, C check (NOT NULL included)
    std::vector<std::string> columns;
    std::string condition;    // C: the search condition as written
    bool notNull = false;     // C: a NOT NULL constraint
    QualifiedName references; // R
    std::vector<std::string> referencedColumns;
    std::string deleteRule = "NO ACTION"; // R: CASCADE, SET NULL
    bool deferrable = false;
    bool initiallyDeferred = false;
    bool enabled = true;
    bool validated = true;
    std::string indexName; // USING INDEX name
};

struct Column {
    std::string name;
    DataType type;
    bool hasDefault = false;
    std::string defaultText; // DATA_DEFAULT as written
    bool defaultOnNull = false;
    bool identity = false;
    bool identityAlways = false; // GENERATED ALWAYS AS IDENTITY
    std::string identityOptions; // START WITH ... as written
    bool isVirtual = false;
    std::string virtualExpression; // GENERATED ALWAYS AS (expr)
    bool invisible = false;
};

// NESTED TABLE column STORE AS table.
struct NestedStorage {
    std::string column;
    std::string table;
};

struct CreateTable {
    QualifiedName name;
    std::vector<Column> columns;
    std::vector<Constraint> constraints;
    bool temporary = false;      // GLOBAL TEMPORARY
    bool onCommitDelete = true;  // ON COMMIT DELETE ROWS (the default) / PRESERVE ROWS
    bool indexOrganized = false; // ORGANIZATION INDEX
    bool partitioned = false;
    bool logging = true;
    std::optional<QualifiedName> ofType; // an object table: OF type
    std::vector<NestedStorage> nestedTables;
    std::string asSelect; // CREATE TABLE ... AS query (the query's text)
};

// ALTER TABLE: its actions in order.
struct AddColumns {
    std::vector<Column> columns;
    std::vector<Constraint> constraints; // their inline constraints
};
struct ModifyColumn {
    std::string name;
    std::optional<DataType> type;
    std::optional<bool> nullable; // NULL / NOT NULL
    std::string notNullName;      // CONSTRAINT name NOT NULL
    std::optional<std::string> defaultText;
    std::vector<Constraint> constraints; // other inline constraints
};
struct DropColumns {
    std::vector<std::string> names;
};
struct RenameColumn {
    std::string from;
    std::string to;
};
struct RenameTable {
    std::string to;
};
struct AddConstraint {
    Constraint constraint;
};
// DROP CONSTRAINT name / DROP PRIMARY KEY / DROP UNIQUE (cols)
struct DropConstraint {
    std::string name;
    char type = 0; // 'P' or 'U' when named by kind
    std::vector<std::string> columns;
    bool cascade = false;
};
struct ConstraintState {
    std::string name;
    char type = 0;
    std::vector<std::string> columns;
    bool enable = true;
};
struct RenameConstraint {
    std::string from;
    std::string to;
};
using AlterTableAction =
    std::variant<AddColumns, ModifyColumn, DropColumns, RenameColumn, RenameTable, AddConstraint,
                 DropConstraint, ConstraintState, RenameConstraint>;
struct AlterTable {
    QualifiedName name;
    std::vector<AlterTableAction> actions; // empty: physical attributes only
};

struct IndexColumn {
    std::string expression; // the column name, or the expression as written
    bool isColumn = true;
    bool descending = false;
};
struct CreateIndex {
    QualifiedName name;
    QualifiedName table;
    bool unique = false;
    bool bitmap = false;
    std::vector<IndexColumn> columns;
};

struct SequenceOptions {
    std::optional<long long> start;
    std::optional<long long> increment;
    std::optional<long long> minValue; // NOMINVALUE: nothing
    std::optional<long long> maxValue;
    bool noMinValue = false;
    bool noMaxValue = false;
    std::optional<long long> cache; // NOCACHE: 0
    std::optional<bool> cycle;
    std::optional<bool> order;
    bool restart = false;
};
struct CreateSequence {
    QualifiedName name;
    SequenceOptions options;
};
struct AlterSequence {
    QualifiedName name;
    SequenceOptions options;
};

struct CreateSynonym {
    QualifiedName name; // owner "PUBLIC" for a public synonym
    bool isPublic = false;
    bool orReplace = false;
    QualifiedName target;
};

struct CreateView {
    QualifiedName name;
    bool orReplace = false;
    bool force = false;
    std::vector<std::string> columns;
    std::string query;          // the query as written: USER_VIEWS.TEXT
    bool readOnly = false;      // WITH READ ONLY
    bool checkOption = false;   // WITH CHECK OPTION
    std::string constraintName; // WITH ... CONSTRAINT name
};

// A trigger's header; the unit itself is stored like other PL/SQL units.
struct TriggerHeader {
    QualifiedName name;
    std::string timing; // BEFORE, AFTER, INSTEAD OF, FOR (compound)
    std::string events; // "INSERT OR UPDATE" as USER_TRIGGERS.TRIGGERING_EVENT
    std::vector<std::string> updateColumns;
    std::string baseObjectType; // TABLE, VIEW, SCHEMA, DATABASE
    QualifiedName table;
    std::string referencing; // "REFERENCING NEW AS NEW OLD AS OLD"
    bool forEachRow = false;
    std::string whenClause;
    bool enabled = true;
    std::string description; // the header from the name on, as USER_TRIGGERS shows it
    std::string actionType;  // PL/SQL or CALL
    size_t bodyOffset = 0;   // where the PL/SQL block begins, from the TRIGGER keyword on
};

struct TypeAttribute {
    std::string name;
    DataType type;
};
// CREATE TYPE: what USER_TYPES, USER_TYPE_ATTRS and USER_COLL_TYPES show.
struct TypeSpec {
    QualifiedName name;
    bool force = false;
    bool isCollection = false;
    std::string collectionType; // "TABLE" or "VARYING ARRAY"
    std::optional<long long> upperBound;
    DataType elementType;
    bool elementNotNull = false;
    QualifiedName supertype; // UNDER
    std::vector<TypeAttribute> attributes;
    int methods = 0;
    bool final = true;
    bool instantiable = true;
    bool incomplete = false; // CREATE TYPE x; (a forward declaration)
};

struct Grant {
    bool revoke = false;
    std::vector<std::string> privileges; // "SELECT", "EXECUTE", "CREATE TABLE", role names
    std::vector<std::vector<std::string>> privilegeColumns; // per privilege: (cols) or none
    std::optional<QualifiedName> object; // ON object; nothing for system privileges / roles
    std::vector<std::string> grantees;
    bool withGrantOption = false;
    bool withAdminOption = false;
};

struct Comment {
    std::string kind; // TABLE, COLUMN, MATERIALIZED VIEW, ...
    QualifiedName table;
    std::string column;
    std::string text;
};

struct Truncate {
    QualifiedName table;
};

struct Rename {
    std::string from;
    std::string to;
};

struct CreateContext {
    std::string name;
    bool orReplace = false;
    QualifiedName package; // USING [schema.]package
    std::string accessed;  // INITIALIZED EXTERNALLY / GLOBALLY / ACCESSED GLOBALLY
};

struct UserStatement {
    enum class Kind { Create, Alter, Drop } kind = Kind::Create;
    std::string name;
    std::optional<std::string> password;
    bool cascade = false;
};

// DROP of anything but tables and PL/SQL units.
struct DropObject {
    std::string type; // SEQUENCE, SYNONYM, VIEW, INDEX, TYPE, TYPE BODY, TRIGGER, CONTEXT ...
    QualifiedName name;
    bool isPublic = false;
    bool force = false;
    bool validate = false;
};

// ALTER TRIGGER x ENABLE / DISABLE, ALTER TABLE t ENABLE / DISABLE ALL TRIGGERS.
struct TriggerState {
    QualifiedName name; // the trigger, or the table for ALL TRIGGERS
    bool allOfTable = false;
    bool enable = true;
};

// ALTER VIEW x COMPILE.
struct CompileView {
    QualifiedName name;
};

// Statements the embedded database accepts and for which it keeps nothing (ALTER INDEX
// REBUILD, ANALYZE, PURGE ...): named for the feedback only.
struct Accepted {
    std::string what;
    std::optional<QualifiedName> object; // one that must exist (ALTER INDEX, ALTER VIEW ...)
};

using Statement =
    std::variant<CreateTable, AlterTable, CreateIndex, CreateSequence, AlterSequence, CreateSynonym,
                 CreateView, Grant, Comment, Truncate, Rename, CreateContext, UserStatement,
                 DropObject, TriggerState, CompileView, Accepted>;

// ALTER SESSION SET name = value ...
struct SessionSetting {
    std::string name;  // upper case
    std::string value; // as written, without quotes
};

} // namespace ocilite::ddl
