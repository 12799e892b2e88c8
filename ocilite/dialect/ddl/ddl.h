// The parsers of the DDL families (private header): each turns one statement into a plain
// description in a Translation (no database), which the catalog then carries out.
// create_drop.cpp dispatches CREATE and DROP by their leading words.
#pragma once

#include "ocilite/dialect/passes.h"

namespace ocilite {

// A kind of stored program unit: its OBJECT_TYPE and the function types of CREATE and DROP.
struct UnitKind {
    const char *type;
    int createCode;
    int dropCode;
};

// The unit kind named at i (PACKAGE BODY takes two tokens), i moved past it; or null.
const UnitKind *unitKind(const Tokens &tokens, size_t &i);

// CREATE [OR REPLACE] <unit kind> name ..., the kind's keyword at typeAt (program_units.cpp).
Translation translateCreateUnit(const std::string &sql, const Tokens &head, size_t typeAt,
                                const std::string &schema, bool orReplace);
// ALTER ... by its second word (alter.cpp): TABLE, SEQUENCE, VIEW, TRIGGER, SESSION, USER,
// the units' COMPILE, and the kinds Oracle has that the embedded database keeps nothing of.
Translation translateAlter(const std::string &sql, const Tokens &tokens, const std::string &schema);
// GRANT, REVOKE, COMMENT, TRUNCATE, RENAME, and the statements accepted without effect
// (ANALYZE, PURGE, ...) (misc.cpp).
Translation translateOther(const std::string &sql, const Tokens &tokens, const std::string &schema);

// A statement the catalog carries out, with its function type (create_drop.cpp).
Translation schemaStatement(ddl::Statement statement, int functionType);

namespace ddl {

class DdlCursor;

// Each parser starts with the cursor after the object kind's keyword.
Statement createTable(DdlCursor &c, bool temporary);                  // create_table.cpp
Statement alterTable(DdlCursor &c);                                   // alter_table.cpp
Statement createIndex(DdlCursor &c, bool unique, bool bitmap);        // index.cpp
Statement createSequence(DdlCursor &c);                               // sequence.cpp
Statement alterSequence(DdlCursor &c);                                // sequence.cpp
Statement createSynonym(DdlCursor &c, bool orReplace, bool isPublic); // synonym.cpp
Statement createView(DdlCursor &c, bool orReplace, bool force);       // view.cpp
Statement createContext(DdlCursor &c, bool orReplace);                // misc.cpp
Statement userStatement(DdlCursor &c, UserStatement::Kind kind);      // misc.cpp
Statement dropObject(DdlCursor &c);                                   // drop.cpp

// The parts of a table's definition shared by CREATE and ALTER TABLE (table_parts.cpp).
Column columnDefinition(DdlCursor &c, std::vector<Constraint> &inlineConstraints);
Constraint outOfLineConstraint(DdlCursor &c);
// Constraint state words after a constraint: [NOT] DEFERRABLE, INITIALLY ..., ENABLE,
// DISABLE, VALIDATE, NOVALIDATE, RELY, USING INDEX ..., EXCEPTIONS INTO ...
void constraintState(DdlCursor &c, Constraint &k);

// A type's specification, a trigger's header (type_spec.cpp, trigger_header.cpp).
TypeSpec typeSpecification(const std::string &sql, size_t typeAt, const std::string &schema);
TriggerHeader triggerHeader(const std::string &sql, size_t triggerAt, const std::string &schema);

} // namespace ddl

} // namespace ocilite
