// ALTER TABLE: ADD / MODIFY / DROP / RENAME of columns and constraints, ENABLE / DISABLE of
// constraints, and the physical and partition maintenance clauses (read past).
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

bool atConstraint(const DdlCursor &c) {
    return c.atWord("CONSTRAINT") || c.atWords({"PRIMARY", "KEY"}) ||
           (c.atWord("UNIQUE") && c.atOp("(", 1)) || c.atWord("CHECK") ||
           c.atWords({"FOREIGN", "KEY"});
}

// One item of ADD: a column or a constraint.
void addItem(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (atConstraint(c)) {
        actions.push_back(AddConstraint{outOfLineConstraint(c)});
        return;
    }
    AddColumns add;
    add.columns.push_back(columnDefinition(c, add.constraints));
    if (add.columns.back().type.written.empty() && !add.columns.back().isVirtual)
        throw OraError(kOraInvalidDatatype);
    actions.push_back(std::move(add));
}

// ADD item | ADD (item, item ...)
void addClause(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (!c.acceptOp("(")) {
        addItem(c, actions);
        return;
    }
    for (;;) {
        addItem(c, actions);
        if (c.acceptOp(","))
            continue;
        c.expectOp(")", kOraMissingRightParen);
        return;
    }
}

// One column of MODIFY: [type] [DEFAULT expr] [[CONSTRAINT n] [NOT] NULL] [constraints].
ModifyColumn modifyItem(DdlCursor &c) {
    ModifyColumn m;
    std::vector<Constraint> constraints;
    Column col = columnDefinition(c, constraints);
    m.name = col.name;
    if (!col.type.written.empty())
        m.type = col.type;
    if (col.hasDefault)
        m.defaultText = col.defaultText;
    for (Constraint &k : constraints) {
        if (k.notNull) {
            m.nullable = false;
            m.notNullName = k.name;
        } else {
            m.constraints.push_back(std::move(k));
        }
    }
    return m;
}

// MODIFY (items) | MODIFY item | MODIFY CONSTRAINT name state | MODIFY PRIMARY KEY state ...
void modifyClause(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (c.atWord("CONSTRAINT") || c.atWords({"PRIMARY", "KEY"}) || c.atWord("UNIQUE")) {
        ConstraintState s;
        if (c.acceptWord("CONSTRAINT"))
            s.name = c.name(kOraInvalidIdentifier);
        else if (c.acceptWords({"PRIMARY", "KEY"}))
            s.type = 'P';
        else if (c.acceptWord("UNIQUE")) {
            s.type = 'U';
            s.columns = c.nameList(kOraInvalidIdentifier);
        }
        Constraint state;
        constraintState(c, state);
        s.enable = state.enabled;
        actions.push_back(s);
        return;
    }
    if (c.atWord("LOB") || c.atWord("PARTITION") || c.atWord("SUBPARTITION") ||
        c.atWord("DEFAULT") || c.atWord("NESTED") || c.atWord("VARRAY")) {
        c.skipUntil({});
        return;
    }
    if (!c.acceptOp("(")) {
        actions.push_back(modifyItem(c));
        return;
    }
    for (;;) {
        actions.push_back(modifyItem(c));
        if (c.acceptOp(","))
            continue;
        c.expectOp(")", kOraMissingRightParen);
        return;
    }
}

// DROP COLUMN c | DROP (c, ...) | DROP CONSTRAINT n | DROP PRIMARY KEY | DROP UNIQUE (cols)
void dropClause(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (c.acceptWord("COLUMN")) {
        actions.push_back(DropColumns{{c.name(kOraInvalidIdentifier)}});
    } else if (c.atOp("(")) {
        actions.push_back(DropColumns{c.nameList(kOraInvalidIdentifier)});
    } else if (c.acceptWords({"UNUSED", "COLUMNS"})) {
        c.skipUntil({});
        return;
    } else if (c.atWord("PARTITION") || c.atWord("SUBPARTITION") ||
               c.atWords({"SUPPLEMENTAL", "LOG"}) || c.atWords({"PERIOD", "FOR"})) {
        c.skipUntil({});
        return;
    } else {
        DropConstraint d;
        if (c.acceptWord("CONSTRAINT"))
            d.name = c.name(kOraInvalidIdentifier);
        else if (c.acceptWords({"PRIMARY", "KEY"}))
            d.type = 'P';
        else if (c.acceptWord("UNIQUE")) {
            d.type = 'U';
            d.columns = c.nameList(kOraInvalidIdentifier);
        } else
            throw OraError(kOraInvalidDropOption);
        d.cascade = c.acceptWord("CASCADE");
        if (!c.acceptWords({"KEEP", "INDEX"}))
            c.acceptWords({"DROP", "INDEX"});
        d.cascade = d.cascade || c.acceptWord("CASCADE");
        actions.push_back(d);
        c.acceptWord("ONLINE");
        return;
    }
    c.acceptWords({"CASCADE", "CONSTRAINTS"});
    c.acceptWord("INVALIDATE");
    if (c.acceptWord("CHECKPOINT"))
        c.integer(kOraInvalidNumber);
    c.acceptWord("ONLINE");
}

// {ENABLE | DISABLE} [VALIDATE | NOVALIDATE] {CONSTRAINT n | PRIMARY KEY | UNIQUE (cols)}
void enableClause(DdlCursor &c, bool enable, std::vector<AlterTableAction> &actions) {
    c.acceptWord("VALIDATE");
    c.acceptWord("NOVALIDATE");
    ConstraintState s;
    s.enable = enable;
    if (c.acceptWord("CONSTRAINT"))
        s.name = c.name(kOraInvalidIdentifier);
    else if (c.acceptWords({"PRIMARY", "KEY"}))
        s.type = 'P';
    else if (c.acceptWord("UNIQUE")) {
        s.type = 'U';
        s.columns = c.nameList(kOraInvalidIdentifier);
    } else {
        // TABLE LOCK, ROW MOVEMENT, ALL TRIGGERS (handled before): nothing kept
        c.skipUntil({"ENABLE", "DISABLE"});
        return;
    }
    Constraint state;
    constraintState(c, state);
    c.acceptWord("CASCADE");
    if (!c.acceptWords({"KEEP", "INDEX"}))
        c.acceptWords({"DROP", "INDEX"});
    actions.push_back(s);
}

void renameClause(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (c.acceptWord("COLUMN")) {
        RenameColumn r;
        r.from = c.name(kOraInvalidIdentifier);
        c.expectWord("TO", kOraMissingKeyword);
        r.to = c.name(kOraInvalidIdentifier);
        actions.push_back(r);
    } else if (c.acceptWord("CONSTRAINT")) {
        RenameConstraint r;
        r.from = c.name(kOraInvalidIdentifier);
        c.expectWord("TO", kOraMissingKeyword);
        r.to = c.name(kOraInvalidIdentifier);
        actions.push_back(r);
    } else if (c.acceptWord("TO")) {
        actions.push_back(RenameTable{c.qualifiedName(kOraInvalidTableName).name});
    } else {
        c.skipUntil({}); // RENAME PARTITION ...
    }
}

bool alterAction(DdlCursor &c, std::vector<AlterTableAction> &actions) {
    if (c.acceptWord("ADD"))
        addClause(c, actions);
    else if (c.acceptWord("MODIFY"))
        modifyClause(c, actions);
    else if (c.acceptWord("DROP"))
        dropClause(c, actions);
    else if (c.acceptWords({"SET", "UNUSED"})) {
        if (c.acceptWord("COLUMN"))
            actions.push_back(DropColumns{{c.name(kOraInvalidIdentifier)}});
        else
            actions.push_back(DropColumns{c.nameList(kOraInvalidIdentifier)});
        c.acceptWords({"CASCADE", "CONSTRAINTS"});
        c.acceptWord("ONLINE");
    } else if (c.acceptWord("RENAME"))
        renameClause(c, actions);
    else if (c.atWord("ENABLE") || c.atWord("DISABLE")) {
        const bool enable = c.acceptWord("ENABLE");
        if (!enable)
            c.acceptWord("DISABLE");
        enableClause(c, enable, actions);
    } else
        return false;
    return true;
}

} // namespace

Statement alterTable(DdlCursor &c) {
    AlterTable a;
    a.name = c.qualifiedName(kOraInvalidTableName);
    if (c.atWords({"ENABLE", "ALL", "TRIGGERS"}) || c.atWords({"DISABLE", "ALL", "TRIGGERS"})) {
        TriggerState s;
        s.name = a.name;
        s.allOfTable = true;
        s.enable = c.atWord("ENABLE");
        c.seek(c.position() + 3);
        c.expectEnd();
        return s;
    }
    while (!c.atEnd()) {
        if (alterAction(c, a.actions))
            continue;
        // MOVE, READ ONLY, SHRINK SPACE, partition maintenance ...: kept nowhere.
        if (!skipPhysicalAttributes(c))
            c.seek(c.position() + 1);
    }
    return a;
}

} // namespace ocilite::ddl
