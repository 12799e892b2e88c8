// The parts of a table's definition that CREATE TABLE and ALTER TABLE share: a column (its
// type, DEFAULT, identity or virtual definition and inline constraints) and a constraint
// written out of line, with the state words that may follow a constraint.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

bool atConstraintStart(const DdlCursor &c) {
    return c.atWord("CONSTRAINT") || c.atWord("PRIMARY") || c.atWord("UNIQUE") ||
           c.atWord("CHECK") || c.atWord("FOREIGN") || c.atWord("REFERENCES") || c.atWord("NOT") ||
           c.atWord("NULL");
}

// Where an expression written inside a column definition ends: a constraint, a column
// attribute, ',' or ')' at its own level.
bool endsColumnExpression(const DdlCursor &c) {
    return c.atEnd() || c.atOp(",") || c.atOp(")") || atConstraintStart(c) || c.atWord("ENABLE") ||
           c.atWord("DISABLE") || c.atWord("COLLATE") || c.atWord("VISIBLE") ||
           c.atWord("INVISIBLE") || c.atWord("ENCRYPT") || c.atWord("SORT") || c.atWord("VIRTUAL");
}

// The text of an expression from the cursor on, as Oracle keeps it for DATA_DEFAULT: up to
// where the next clause begins, blanks included.
std::string columnExpression(DdlCursor &c) {
    const size_t from = c.position();
    if (c.atEnd() || c.atOp(",") || c.atOp(")"))
        throw OraError(kOraMissingExpression);
    do {
        if (c.atOp("("))
            c.skipGroup();
        else
            c.seek(c.position() + 1);
    } while (!endsColumnExpression(c));
    if (c.atEnd())
        return c.textToEnd(from);
    const size_t start = c.offsetOf(from);
    return c.sql().substr(start, c.offsetOf(c.position()) - start);
}

// GENERATED {ALWAYS | BY DEFAULT [ON NULL]} AS IDENTITY [( options )]
void identityClause(DdlCursor &c, Column &col) {
    col.identity = true;
    col.identityAlways = c.acceptWord("ALWAYS");
    if (!col.identityAlways) {
        c.expectWord("BY", kOraMissingKeyword);
        c.expectWord("DEFAULT", kOraMissingKeyword);
        if (c.acceptWords({"ON", "NULL"}))
            col.defaultOnNull = true;
    }
    c.expectWord("AS", kOraMissingKeyword);
    c.expectWord("IDENTITY", kOraMissingKeyword);
    if (c.atOp("(")) {
        const size_t open = c.position();
        c.skipGroup();
        col.identityOptions = c.text(open + 1, c.position() - 1);
    }
}

// [GENERATED ALWAYS] AS (expression) [VIRTUAL]
void virtualClause(DdlCursor &c, Column &col) {
    c.expectWord("AS", kOraMissingKeyword);
    if (!c.atOp("("))
        throw OraError(kOraMissingLeftParen);
    const size_t open = c.position();
    c.skipGroup();
    col.isVirtual = true;
    col.virtualExpression = c.text(open + 1, c.position() - 1);
    c.acceptWord("VIRTUAL");
}

// REFERENCES [schema.]table [(columns)] [ON DELETE {CASCADE | SET NULL}]
void referencesClause(DdlCursor &c, Constraint &k) {
    c.expectWord("REFERENCES", kOraMissingKeyword);
    k.type = 'R';
    k.references = c.qualifiedName(kOraInvalidTableName);
    if (c.atOp("("))
        k.referencedColumns = c.nameList(kOraInvalidIdentifier);
    if (c.acceptWords({"ON", "DELETE"})) {
        if (c.acceptWord("CASCADE"))
            k.deleteRule = "CASCADE";
        else if (c.acceptWords({"SET", "NULL"}))
            k.deleteRule = "SET NULL";
        else
            throw OraError(kOraMissingKeyword);
    }
}

// CHECK (condition): the condition as written.
void checkClause(DdlCursor &c, Constraint &k) {
    c.expectWord("CHECK", kOraMissingKeyword);
    if (!c.atOp("("))
        throw OraError(kOraMissingLeftParen);
    const size_t open = c.position();
    c.skipGroup();
    k.type = 'C';
    k.condition = c.text(open + 1, c.position() - 1);
}

// One inline constraint of a column; false when none comes next.
bool inlineConstraint(DdlCursor &c, const std::string &column, std::vector<Constraint> &out) {
    if (!atConstraintStart(c) || c.atWord("FOREIGN"))
        return false;
    Constraint k;
    if (c.acceptWord("CONSTRAINT"))
        k.name = c.name(kOraInvalidIdentifier);
    k.columns = {column};
    if (c.acceptWord("NULL")) {
        constraintState(c, k);
        return true; // NULL: no constraint
    }
    if (c.acceptWords({"NOT", "NULL"})) {
        k.type = 'C';
        k.notNull = true;
        k.condition = "\"" + column + "\" IS NOT NULL";
    } else if (c.acceptWords({"PRIMARY", "KEY"})) {
        k.type = 'P';
    } else if (c.acceptWord("UNIQUE")) {
        k.type = 'U';
    } else if (c.atWord("REFERENCES")) {
        referencesClause(c, k);
    } else if (c.atWord("CHECK")) {
        checkClause(c, k);
    } else {
        throw OraError(kOraMissingKeyword);
    }
    constraintState(c, k);
    out.push_back(std::move(k));
    return true;
}

} // namespace

void constraintState(DdlCursor &c, Constraint &k) {
    for (;;) {
        if (c.acceptWords({"NOT", "DEFERRABLE"})) {
            k.deferrable = false;
        } else if (c.acceptWord("DEFERRABLE")) {
            k.deferrable = true;
        } else if (c.acceptWord("INITIALLY")) {
            if (c.acceptWord("DEFERRED"))
                k.initiallyDeferred = true;
            else if (!c.acceptWord("IMMEDIATE"))
                throw OraError(kOraMissingKeyword);
        } else if (c.acceptWord("ENABLE")) {
            k.enabled = true;
        } else if (c.acceptWord("DISABLE")) {
            k.enabled = false;
            k.validated = false;
        } else if (c.acceptWord("VALIDATE")) {
            k.validated = true;
        } else if (c.acceptWord("NOVALIDATE")) {
            k.validated = false;
        } else if (c.acceptWord("RELY") || c.acceptWord("NORELY")) {
        } else if (c.acceptWords({"USING", "INDEX"})) {
            if (c.atOp("("))
                c.skipGroup();
            else if (c.atName() && !skipPhysicalAttributes(c) && !c.atWord("ENABLE") &&
                     !c.atWord("DISABLE") && !c.atWord("DEFERRABLE") && !c.atWord("NOT") &&
                     !c.atWord("INITIALLY") && !c.atWord("VALIDATE") && !c.atWord("NOVALIDATE"))
                k.indexName = c.qualifiedName(kOraInvalidIdentifier).name;
            skipPhysicalAttributes(c);
        } else if (c.acceptWords({"EXCEPTIONS", "INTO"})) {
            c.qualifiedName(kOraInvalidTableName);
        } else {
            return;
        }
    }
}

Column columnDefinition(DdlCursor &c, std::vector<Constraint> &inlineConstraints) {
    Column col;
    col.name = c.name(kOraInvalidIdentifier);
    const bool typeFollows = !c.atOp(",") && !c.atOp(")") && !c.atEnd() && !c.atWord("AS") &&
                             !c.atWord("GENERATED") && !atConstraintStart(c) &&
                             !c.atWord("DEFAULT");
    if (typeFollows)
        col.type = dataType(c);
    c.acceptWord("SORT");
    for (;;) {
        if (c.acceptWord("VISIBLE")) {
            col.invisible = false;
        } else if (c.acceptWord("INVISIBLE")) {
            col.invisible = true;
        } else if (c.acceptWord("DEFAULT")) {
            col.hasDefault = true;
            if (c.acceptWords({"ON", "NULL"}))
                col.defaultOnNull = true;
            col.defaultText = columnExpression(c);
        } else if (c.acceptWord("GENERATED")) {
            if (c.atWord("ALWAYS") && c.atWord("AS", 1) && !c.atWord("IDENTITY", 2)) {
                c.acceptWord("ALWAYS");
                virtualClause(c, col);
            } else {
                identityClause(c, col);
            }
        } else if (c.atWord("AS") && c.atOp("(", 1)) {
            virtualClause(c, col);
        } else if (c.acceptWord("COLLATE")) {
            c.name(kOraInvalidOption);
        } else if (c.acceptWord("ENCRYPT")) {
            c.skipUntil({"NOT", "NULL", "CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "REFERENCES",
                         "DEFAULT"});
        } else if (!inlineConstraint(c, col.name, inlineConstraints)) {
            break;
        }
    }
    if (!typeFollows && !col.isVirtual && !col.identity && !col.hasDefault &&
        inlineConstraints.empty())
        col.type.written.clear(); // a CREATE TABLE ... AS SELECT column list name
    return col;
}

Constraint outOfLineConstraint(DdlCursor &c) {
    Constraint k;
    if (c.acceptWord("CONSTRAINT"))
        k.name = c.name(kOraInvalidIdentifier);
    if (c.acceptWords({"PRIMARY", "KEY"})) {
        k.type = 'P';
        k.columns = c.nameList(kOraInvalidIdentifier);
    } else if (c.acceptWord("UNIQUE")) {
        k.type = 'U';
        k.columns = c.nameList(kOraInvalidIdentifier);
    } else if (c.acceptWords({"FOREIGN", "KEY"})) {
        k.columns = c.nameList(kOraInvalidIdentifier);
        referencesClause(c, k);
    } else if (c.atWord("CHECK")) {
        checkClause(c, k);
    } else {
        throw OraError(kOraMissingKeyword);
    }
    constraintState(c, k);
    return k;
}

} // namespace ocilite::ddl
