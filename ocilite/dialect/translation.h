// Turns one statement in Oracle's dialect into what the engine runs: SQLite SQL for
// queries and DML (table names mapped to the schema's tables, '' as NULL, numbered binds,
// (+) outer joins as LEFT JOIN, select-list names as Oracle gives them), or a description
// of the DDL (CREATE TABLE, DROP, CREATE OR REPLACE program units) for the catalog to do.
// translate() is the driver; the passes it runs in order are declared in passes.h.
#pragma once

#include "ocilite/dialect/ddl/schema_ddl.h"
#include "ocilite/dialect/types.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ocilite {

// What the translator needs to know about the logged-on schema.
class NameResolver {
public:
    virtual ~NameResolver() = default;
    // The name SQLite knows a table or dictionary view by, or nothing (ORA-00942).
    virtual std::optional<std::string> tableFor(const std::string &owner,
                                                const std::string &name) const = 0;
    // Column names and types of a table or view given by its SQLite name.
    virtual std::vector<std::pair<std::string, OraType>>
    columnsOf(const std::string &sqliteName) const = 0;
    // The sequence a name stands for (directly or through synonyms): owner and name; nothing
    // when there is none the session may use (ORA-02289).
    virtual std::optional<std::pair<std::string, std::string>>
    sequenceFor(const std::string &owner, const std::string &name) const {
        (void)owner;
        (void)name;
        return std::nullopt;
    }
};

enum class StatementKind {
    Select,
    Insert,
    Update,
    Delete,
    CreateTable,
    DropTable,
    CreateUnit,
    DropUnit,
    AlterCompile,   // ALTER PACKAGE / PROCEDURE / FUNCTION / TYPE / TRIGGER ... COMPILE
    SchemaDdl,      // the other DDL families: Translation::ddl says what to do
    SessionControl, // ALTER SESSION SET ...: Translation::session
    Commit,
    Rollback,
    Savepoint,  // SAVEPOINT name: Translation::objectName
    RollbackTo, // ROLLBACK TO [SAVEPOINT] name
    Several,    // MERGE, INSERT ALL / FIRST: Translation::sql, then each of Translation::parts
    Block,      // an anonymous PL/SQL block: Translation::sql is its text, binds its placeholders
};

struct ColumnSpec {
    std::string name;
    OraType type;
    bool nullable = true;
    std::string defaultSql; // SQLite text of the DEFAULT expression, if any
    bool primaryKey = false;
    bool unique = false;
};

struct SelectItem {
    std::string name;            // column name as describe reports it
    std::optional<OraType> type; // inferred for expressions, the catalog's for columns in scope
};

// One more SQLite statement of a statement that needs several (MERGE), with its binds.
struct SqlPart {
    std::string sql;
    std::vector<std::string> binds;
};

struct Translation {
    StatementKind kind = StatementKind::Select;
    int functionType = 0;           // Oracle's SQL command code, for the area's ft
    std::string sql;                // SQLite text (queries and DML)
    std::vector<std::string> binds; // SQLite parameter n+1 <- Oracle bind name (upper case)
    std::vector<SelectItem> items;  // top-level select list (empty when it has a '*')
    std::vector<SqlPart> parts;     // run after sql, in order (MERGE)
    // DDL
    std::string objectName;
    std::string objectType; // "TABLE", "PACKAGE", "PACKAGE BODY", ...
    // ALTER ... COMPILE: the units to compile, in order ("PACKAGE", "PACKAGE BODY").
    std::vector<std::string> compileTypes;
    std::vector<ColumnSpec> columns;
    std::vector<std::string> tableKey; // PRIMARY KEY (...) of the table
    std::vector<std::string> sourceLines;
    bool orReplace = false;
    bool editionable = true;                           // CREATE ... NONEDITIONABLE: false
    std::shared_ptr<const ddl::Statement> ddl;         // SchemaDdl
    std::shared_ptr<const ddl::TypeSpec> typeSpec;     // CreateUnit of a TYPE
    std::shared_ptr<const ddl::TriggerHeader> trigger; // CreateUnit of a TRIGGER
    std::vector<ddl::SessionSetting> session;          // SessionControl

    bool isQuery() const { return kind == StatementKind::Select; }
    bool isDml() const {
        return kind == StatementKind::Insert || kind == StatementKind::Update ||
               kind == StatementKind::Delete || kind == StatementKind::Several;
    }
    bool isDdl() const {
        return kind == StatementKind::CreateTable || kind == StatementKind::DropTable ||
               kind == StatementKind::CreateUnit || kind == StatementKind::DropUnit ||
               kind == StatementKind::AlterCompile || kind == StatementKind::SchemaDdl ||
               kind == StatementKind::SessionControl; // carried out by the database too
    }
};

// Throws OraError for anything the dialect refuses.
Translation translate(const std::string &sql, const std::string &schema,
                      const NameResolver &resolver);

struct Token;

// ALTER ... COMPILE from its tokens (alter_compile.cpp).
Translation alterCompile(const std::vector<Token> &tokens, const std::string &schema);

} // namespace ocilite
