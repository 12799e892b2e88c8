// CREATE [GLOBAL TEMPORARY] TABLE: relational tables (columns, constraints of every kind),
// object tables (OF type, NESTED TABLE ... STORE AS), ON COMMIT, ORGANIZATION, the physical
// and partitioning clauses (read past), and CREATE TABLE ... AS query.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

#include <set>

namespace ocilite::ddl {
namespace {

bool atOutOfLineConstraint(const DdlCursor &c) {
    return c.atWord("CONSTRAINT") || c.atWords({"PRIMARY", "KEY"}) ||
           (c.atWord("UNIQUE") && c.atOp("(", 1)) || (c.atWord("CHECK") && c.atOp("(", 1)) ||
           c.atWords({"FOREIGN", "KEY"});
}

// ( column | constraint, ... )
void relationalProperties(DdlCursor &c, CreateTable &t) {
    c.expectOp("(", kOraMissingLeftParen);
    for (;;) {
        if (c.atEnd())
            throw OraError(kOraMissingRightParen);
        if (atOutOfLineConstraint(c)) {
            t.constraints.push_back(outOfLineConstraint(c));
        } else if (c.atWords({"SUPPLEMENTAL", "LOG"}) || c.atWords({"PERIOD", "FOR"})) {
            c.skipUntil({});
        } else {
            std::vector<Constraint> inlineConstraints;
            t.columns.push_back(columnDefinition(c, inlineConstraints));
            for (Constraint &k : inlineConstraints)
                t.constraints.push_back(std::move(k));
        }
        if (c.acceptOp(","))
            continue;
        c.expectOp(")", kOraMissingRightParen);
        return;
    }
}

// OF [schema.]type [[NOT] SUBSTITUTABLE AT ALL LEVELS] [(constraints and defaults)]
// [OBJECT IDENTIFIER IS {SYSTEM GENERATED | PRIMARY KEY}]
void objectTable(DdlCursor &c, CreateTable &t) {
    t.ofType = c.qualifiedName(kOraInvalidDatatype);
    if (!t.ofType->qualified)
        t.ofType->owner.clear();
    c.acceptWord("NOT");
    if (c.acceptWord("SUBSTITUTABLE")) {
        c.expectWord("AT", kOraMissingKeyword);
        c.expectWord("ALL", kOraMissingKeyword);
        c.expectWord("LEVELS", kOraMissingKeyword);
    }
    if (c.acceptOp("(")) {
        for (;;) {
            if (atOutOfLineConstraint(c)) {
                t.constraints.push_back(outOfLineConstraint(c));
            } else {
                std::vector<Constraint> inlineConstraints;
                Column col = columnDefinition(c, inlineConstraints);
                for (Constraint &k : inlineConstraints)
                    t.constraints.push_back(std::move(k));
                if (col.hasDefault)
                    t.columns.push_back(std::move(col)); // a default for an attribute
            }
            if (c.acceptOp(","))
                continue;
            c.expectOp(")", kOraMissingRightParen);
            break;
        }
    }
    if (c.acceptWords({"OBJECT", "IDENTIFIER", "IS"})) {
        if (!c.acceptWords({"SYSTEM", "GENERATED"}) && !c.acceptWords({"PRIMARY", "KEY"}))
            throw OraError(kOraMissingKeyword);
    }
}

// NESTED TABLE {column | COLUMN_VALUE} [LOCAL | GLOBAL] STORE AS name [(...)]
// [RETURN [AS] {LOCATOR | VALUE}]
void nestedTable(DdlCursor &c, CreateTable &t) {
    NestedStorage n;
    n.column = c.name(kOraInvalidIdentifier);
    c.acceptWord("LOCAL");
    c.acceptWord("GLOBAL");
    c.expectWord("STORE", kOraMissingKeyword);
    c.expectWord("AS", kOraMissingKeyword);
    n.table = c.name(kOraInvalidTableName);
    if (c.atOp("("))
        c.skipGroup();
    if (c.acceptWord("RETURN")) {
        c.acceptWord("AS");
        if (!c.acceptWord("LOCATOR") && !c.acceptWord("VALUE"))
            throw OraError(kOraMissingKeyword);
    }
    t.nestedTables.push_back(n);
}

// Everything after the column list, in any order Oracle allows.
void tableProperties(DdlCursor &c, CreateTable &t) {
    while (!c.atEnd()) {
        if (c.acceptWords({"ON", "COMMIT"})) {
            if (!t.temporary)
                throw OraError(kOraInvalidOption);
            if (c.acceptWord("PRESERVE"))
                t.onCommitDelete = false;
            else
                c.expectWord("DELETE", kOraMissingKeyword);
            c.expectWord("ROWS", kOraMissingKeyword);
        } else if (c.acceptWords({"NESTED", "TABLE"})) {
            nestedTable(c, t);
        } else if (c.atWords({"ORGANIZATION", "INDEX"})) {
            t.indexOrganized = true;
            c.seek(c.position() + 2);
        } else if (c.atWord("NOLOGGING")) {
            t.logging = false;
            c.seek(c.position() + 1);
        } else if (c.atWords({"PARTITION", "BY"})) {
            t.partitioned = true;
            skipPhysicalAttributes(c);
        } else if (c.acceptWord("AS")) {
            t.asSelect = c.textToEnd(c.position());
            if (t.asSelect.empty())
                throw OraError(kOraMissingSelectKeyword);
            c.seek(c.position() + 100000);
            return;
        } else if (!skipPhysicalAttributes(c)) {
            throw OraError(kOraInvalidOption);
        }
    }
}

void checkColumns(const CreateTable &t) {
    std::set<std::string> seen;
    for (const Column &col : t.columns)
        if (!seen.insert(col.name).second)
            throw OraError(kOraDuplicateColumn);
    int primaryKeys = 0;
    for (const Constraint &k : t.constraints) {
        primaryKeys += k.type == 'P';
        for (const std::string &name : k.columns)
            if (!t.ofType && !seen.count(name))
                throw OraError(kOraInvalidIdentifier, "\"" + name + "\"");
    }
    if (primaryKeys > 1)
        throw OraError(kOraOnePrimaryKey);
}

} // namespace

Statement createTable(DdlCursor &c, bool temporary) {
    CreateTable t;
    t.temporary = temporary;
    t.name = c.qualifiedName(kOraInvalidTableName);
    if (c.acceptWord("SHARING")) {
        c.expectOp("=", kOraMissingEquals);
        c.name(kOraInvalidOption);
    }
    if (c.acceptWord("OF"))
        objectTable(c, t);
    else if (c.atOp("("))
        relationalProperties(c, t);
    else if (!c.atWord("AS"))
        throw OraError(kOraMissingLeftParen);
    tableProperties(c, t);
    if (t.asSelect.empty() && !t.ofType) {
        for (const Column &col : t.columns)
            if (col.type.written.empty() && !col.isVirtual)
                throw OraError(kOraInvalidDatatype);
        if (t.columns.empty())
            throw OraError(kOraMissingLeftParen);
    }
    checkColumns(t);
    return t;
}

} // namespace ocilite::ddl
