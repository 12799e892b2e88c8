// DROP of the object kinds other than tables and PL/SQL units, and ALTER by its second
// word: TABLE, SEQUENCE, VIEW, TRIGGER, INDEX, SESSION, USER, and the units' COMPILE.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite {
namespace ddl {
namespace {

bool isOtherKind(const DdlCursor &c) {
    for (const char *w :
         {"MATERIALIZED", "DATABASE",  "ROLE",      "DIRECTORY", "LIBRARY",  "JAVA",
          "CLUSTER",      "DIMENSION", "OPERATOR",  "INDEXTYPE", "PROFILE",  "TABLESPACE",
          "EDITION",      "OUTLINE",   "FLASHBACK", "PLUGGABLE", "AUDIT",    "ANALYTIC",
          "ATTRIBUTE",    "HIERARCHY", "LOCKDOWN",  "RESTORE",   "ROLLBACK", "DISKGROUP",
          "MLE",          "PROPERTY",  "DOMAIN"})
        if (c.atWord(w))
            return true;
    return false;
}

} // namespace

Statement dropObject(DdlCursor &c) {
    DropObject d;
    d.isPublic = c.acceptWord("PUBLIC");
    if (c.acceptWord("USER"))
        return userStatement(c, UserStatement::Kind::Drop);
    for (const char *kind : {"SEQUENCE", "SYNONYM", "VIEW", "INDEX", "CONTEXT"}) {
        if (c.acceptWord(kind)) {
            d.type = kind;
            break;
        }
    }
    if (d.type.empty()) {
        if (isOtherKind(c))
            notSupported("DROP " + c.peek().text);
        throw OraError(kOraInvalidDropOption);
    }
    if (d.isPublic && d.type != "SYNONYM")
        throw OraError(kOraInvalidDropOption);
    d.name = d.type == "CONTEXT" ? QualifiedName{"SYS", c.name(kOraInvalidSql), "", false}
                                 : c.qualifiedName(kOraInvalidSql);
    if (d.isPublic)
        d.name.owner = "PUBLIC";
    c.acceptWords({"CASCADE", "CONSTRAINTS"});
    c.acceptWord("ONLINE");
    d.force = c.acceptWord("FORCE");
    c.expectEnd();
    return d;
}

} // namespace ddl

namespace {

// ALTER SESSION SET name = value [name = value ...]; the other ALTER SESSION forms
// (ENABLE PARALLEL DML, CLOSE DATABASE LINK ...) change nothing here.
Translation alterSession(ddl::DdlCursor &c) {
    Translation tr;
    tr.kind = StatementKind::SessionControl;
    tr.functionType = 42;
    if (!c.acceptWord("SET")) {
        if (c.atEnd())
            throw OraError(kOraInvalidSessionOption);
        return tr;
    }
    while (!c.atEnd()) {
        ddl::SessionSetting s;
        s.name = c.name(kOraInvalidSessionOption);
        if (c.acceptOp(".")) // "EVENTS" / "\"_hidden\"" / container = x
            s.name += "." + c.name(kOraInvalidSessionOption);
        c.expectOp("=", kOraMissingEquals);
        const Token &v = c.peek();
        if (v.kind == TokenKind::String || v.kind == TokenKind::Number || isNameToken(v))
            s.value = v.text;
        else
            throw OraError(kOraInvalidSessionOption);
        c.seek(c.position() + 1);
        if (c.atOp("-") || c.atOp("+"))
            c.skipUntil({}); // TIME_ZONE = '-05:00' arrives as a string; others as expressions
        tr.session.push_back(s);
    }
    if (tr.session.empty())
        throw OraError(kOraInvalidSessionOption);
    return tr;
}

Translation alterView(ddl::DdlCursor &c) {
    ddl::CompileView v;
    v.name = c.qualifiedName(kOraInvalidSql);
    if (c.acceptWord("COMPILE")) {
        c.expectEnd();
        return schemaStatement(v, 22);
    }
    c.skipUntil({}); // constraints, READ ONLY / WRITE, EDITIONABLE: kept nowhere
    return schemaStatement(ddl::Accepted{"VIEW", v.name}, 22);
}

Translation alterTrigger(const Tokens &tokens, ddl::DdlCursor &c, const std::string &schema) {
    ddl::TriggerState s;
    s.name = c.qualifiedName(kOraInvalidSql);
    if (c.atWord("COMPILE"))
        return alterCompile(tokens, schema);
    if (c.acceptWord("ENABLE"))
        s.enable = true;
    else if (c.acceptWord("DISABLE"))
        s.enable = false;
    else if (c.atWord("RENAME"))
        ddl::notSupported("ALTER TRIGGER ... RENAME");
    else
        throw OraError(kOraInvalidOption);
    c.expectEnd();
    return schemaStatement(s, 61);
}

} // namespace

Translation translateAlter(const std::string &sql, const Tokens &tokens,
                           const std::string &schema) {
    ddl::DdlCursor c(sql, tokens, schema);
    c.seek(1);
    if (c.acceptWord("TABLE"))
        return schemaStatement(ddl::alterTable(c), 15);
    if (c.acceptWord("SEQUENCE"))
        return schemaStatement(ddl::alterSequence(c), 14);
    if (c.acceptWord("VIEW"))
        return alterView(c);
    if (c.acceptWord("TRIGGER"))
        return alterTrigger(tokens, c, schema);
    if (c.acceptWord("SESSION"))
        return alterSession(c);
    if (c.acceptWord("USER"))
        return schemaStatement(ddl::userStatement(c, ddl::UserStatement::Kind::Alter), 43);
    if (c.acceptWord("INDEX")) {
        const ddl::QualifiedName index = c.qualifiedName(kOraInvalidSql);
        if (c.atWord("RENAME"))
            ddl::notSupported("ALTER INDEX ... RENAME");
        return schemaStatement(ddl::Accepted{"INDEX", index}, 11);
    }
    for (const char *unit : {"PACKAGE", "PROCEDURE", "FUNCTION", "TYPE"})
        if (c.atWord(unit)) {
            c.seek(c.position() + 1);
            const ddl::QualifiedName name = c.qualifiedName(kOraInvalidSql);
            if (c.atWord("COMPILE"))
                return alterCompile(tokens, schema);
            if (c.atWord("EDITIONABLE") || c.atWord("NONEDITIONABLE"))
                return schemaStatement(ddl::Accepted{unit, name}, 0);
            ddl::notSupported(std::string("ALTER ") + unit + " other than COMPILE");
        }
    if (c.atWord("SYSTEM") || c.atWord("DATABASE") || c.atWord("TABLESPACE") ||
        c.atWord("PROFILE") || c.atWord("ROLE") || c.atWord("MATERIALIZED") ||
        c.atWord("CLUSTER") || c.atWord("LIBRARY") || c.atWord("JAVA") || c.atWord("DIMENSION") ||
        c.atWord("OPERATOR") || c.atWord("OUTLINE") || c.atWord("RESOURCE") ||
        c.atWord("PLUGGABLE") || c.atWord("DISKGROUP") || c.atWord("AUDIT") ||
        c.atWord("SYNONYM") || c.atWord("INDEXTYPE"))
        ddl::notSupported("ALTER " + c.peek().text);
    throw OraError(kOraInvalidAlter);
}

} // namespace ocilite
