// A trigger's header, as USER_TRIGGERS shows it: timing, triggering events (DML on a table
// or view, DDL and database events on a schema or the database), REFERENCING, FOR EACH ROW,
// ENABLE / DISABLE, WHEN, and where its PL/SQL block (or CALL, or compound body) begins.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

// INSERT, UPDATE [OF cols], DELETE joined by OR, shown in Oracle's order.
void dmlEvents(DdlCursor &c, TriggerHeader &t) {
    bool insert = false, update = false, remove = false;
    do {
        if (c.acceptWord("INSERT")) {
            insert = true;
        } else if (c.acceptWord("DELETE")) {
            remove = true;
        } else {
            c.expectWord("UPDATE", kOraMissingKeyword);
            update = true;
            if (c.acceptWord("OF"))
                do
                    t.updateColumns.push_back(c.name(kOraInvalidIdentifier));
                while (c.acceptOp(","));
        }
    } while (c.acceptWord("OR"));
    std::string events;
    for (const auto &[on, word] :
         {std::pair{insert, "INSERT"}, std::pair{update, "UPDATE"}, std::pair{remove, "DELETE"}})
        if (on)
            events += (events.empty() ? "" : " OR ") + std::string(word);
    t.events = events;
}

// DDL and database events (CREATE OR ALTER OR DROP, LOGON ...) ON SCHEMA / DATABASE.
void systemEvents(DdlCursor &c, TriggerHeader &t) {
    std::string events;
    do {
        std::string event = c.name(kOraMissingKeyword);
        while (c.atName() && !c.atWord("OR") && !c.atWord("ON"))
            event += " " + c.name(kOraMissingKeyword);
        events += (events.empty() ? "" : " OR ") + event;
    } while (c.acceptWord("OR"));
    t.events = events;
    c.expectWord("ON", kOraMissingOnKeyword);
    if (c.acceptWord("DATABASE") || c.acceptWords({"PLUGGABLE", "DATABASE"})) {
        t.baseObjectType = "DATABASE";
        t.table = {"", "", "", false};
    } else {
        QualifiedName owner{c.schema(), "", "", false};
        if (!c.atWord("SCHEMA")) {
            owner.owner = c.name(kOraInvalidSql);
            c.expectOp(".", kOraInvalidSql);
        }
        c.expectWord("SCHEMA", kOraMissingKeyword);
        t.baseObjectType = "SCHEMA";
        t.table = owner;
    }
}

bool atBody(const DdlCursor &c) {
    return c.atWord("DECLARE") || c.atWord("BEGIN") || c.atWord("CALL") || c.atWord("COMPOUND") ||
           c.atOp("<") || c.atEnd();
}

// REFERENCING, FOR EACH ROW, FOLLOWS / PRECEDES, ENABLE / DISABLE, WHEN (...) in any order;
// returns where WHEN begins (the header shown as DESCRIPTION ends there), or the body.
size_t clauses(DdlCursor &c, TriggerHeader &t) {
    size_t whenAt = 0;
    while (!atBody(c)) {
        if (c.acceptWord("REFERENCING")) {
            std::string names = "REFERENCING";
            while (c.atWord("OLD") || c.atWord("NEW") || c.atWord("PARENT")) {
                const std::string which = c.name(kOraMissingKeyword);
                c.acceptWord("AS");
                names += " " + which + " AS " + c.name(kOraMissingKeyword);
            }
            t.referencing = names;
        } else if (c.acceptWords({"FOR", "EACH", "ROW"})) {
            t.forEachRow = true;
        } else if (c.acceptWord("FOLLOWS") || c.acceptWord("PRECEDES")) {
            do
                c.qualifiedName(kOraInvalidSql);
            while (c.acceptOp(","));
        } else if (c.acceptWord("FORWARD") || c.acceptWord("REVERSE")) {
            c.expectWord("CROSSEDITION", kOraMissingKeyword);
        } else if (c.acceptWord("CROSSEDITION")) {
        } else if (c.acceptWord("ENABLE")) {
            t.enabled = true;
        } else if (c.acceptWord("DISABLE")) {
            t.enabled = false;
        } else if (c.atWord("WHEN")) {
            whenAt = c.position();
            c.acceptWord("WHEN");
            if (!c.atOp("("))
                throw OraError(kOraMissingLeftParen);
            const size_t open = c.position();
            c.skipGroup();
            t.whenClause = c.text(open + 1, c.position() - 1);
        } else {
            throw OraError(kOraInvalidSql);
        }
    }
    return whenAt ? whenAt : c.position();
}

} // namespace

TriggerHeader triggerHeader(const std::string &sql, size_t triggerAt, const std::string &schema) {
    const std::string text = sql.substr(triggerAt);
    DdlCursor c(text, tokenizeLenient(text), schema);
    c.expectWord("TRIGGER", kOraInvalidSql);
    TriggerHeader t;
    const size_t nameAt = c.position();
    t.name = c.qualifiedName(kOraInvalidSql);
    if (c.acceptWord("SHARING") || c.acceptWords({"DEFAULT", "COLLATION"})) {
        c.acceptOp("=");
        c.name(kOraInvalidSql);
    }
    if (c.acceptWords({"INSTEAD", "OF"}))
        t.timing = "INSTEAD OF";
    else if (c.atWord("BEFORE") || c.atWord("AFTER") || c.atWord("FOR"))
        t.timing = c.name(kOraInvalidSql);
    else
        throw OraError(kOraMissingKeyword);
    if (c.atWord("INSERT") || c.atWord("UPDATE") || c.atWord("DELETE")) {
        dmlEvents(c, t);
        c.expectWord("ON", kOraMissingOnKeyword);
        if (c.acceptWords({"NESTED", "TABLE"})) {
            c.name(kOraInvalidIdentifier);
            c.expectWord("OF", kOraMissingKeyword);
        }
        t.table = c.qualifiedName(kOraInvalidTableName);
        t.baseObjectType = t.timing == "INSTEAD OF" ? "VIEW" : "TABLE";
    } else {
        systemEvents(c, t);
    }
    const size_t headerEnd = clauses(c, t);
    t.description = c.text(nameAt, headerEnd) + "\n";
    t.bodyOffset = c.offsetOf(c.position());
    t.actionType = c.atWord("CALL") ? "CALL" : "PL/SQL";
    if (t.referencing.empty())
        t.referencing = "REFERENCING NEW AS NEW OLD AS OLD";
    return t;
}

} // namespace ocilite::ddl
