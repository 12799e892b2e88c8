// The statements of a real script besides CREATE: GRANT and REVOKE (object privileges,
// system privileges, roles), COMMENT ON, TRUNCATE, RENAME, CREATE CONTEXT, CREATE / ALTER /
// DROP USER, DROP of the other object kinds, and the statements the embedded database
// accepts without keeping anything (ANALYZE, PURGE, AUDIT, LOCK TABLE, SET TRANSACTION ...).
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

namespace ocilite {
namespace ddl {
namespace {

// One privilege (or role) of GRANT / REVOKE: its words up to ',', ON, TO or FROM, and
// the column list UPDATE, INSERT and REFERENCES may have.
std::string privilege(DdlCursor &c, std::vector<std::string> &columns) {
    std::string words;
    while (c.atName() && !c.atWord("ON") && !c.atWord("TO") && !c.atWord("FROM"))
        words += (words.empty() ? "" : " ") + c.name(kOraMissingOrInvalidPrivilege);
    if (words.empty())
        throw OraError(kOraMissingOrInvalidPrivilege);
    if (words == "ALL PRIVILEGES")
        words = "ALL";
    if (c.atOp("("))
        columns = c.nameList(kOraInvalidIdentifier);
    return words;
}

Statement grantOrRevoke(DdlCursor &c, bool revoke) {
    Grant g;
    g.revoke = revoke;
    for (;;) {
        std::vector<std::string> columns;
        g.privileges.push_back(privilege(c, columns));
        g.privilegeColumns.push_back(columns);
        if (!c.acceptOp(","))
            break;
    }
    if (c.acceptWord("ON")) {
        if (c.atWord("DIRECTORY") || c.atWord("EDITION") || c.atWord("MINING") ||
            c.atWord("JAVA") || c.atWord("SQL"))
            notSupported((revoke ? "REVOKE ... ON " : "GRANT ... ON ") + c.peek().text);
        c.acceptWord("USER"); // INHERIT PRIVILEGES ON USER x
        g.object = c.qualifiedName(kOraTableNotFound);
    }
    c.expectWord(revoke ? "FROM" : "TO", kOraMissingKeyword);
    for (;;) {
        g.grantees.push_back(c.name(kOraMissingKeyword));
        if (c.acceptWord("IDENTIFIED"))
            notSupported("GRANT ... IDENTIFIED BY");
        if (!c.acceptOp(","))
            break;
    }
    if (!revoke && c.acceptWord("WITH")) {
        if (c.acceptWord("GRANT") || c.acceptWord("HIERARCHY"))
            g.withGrantOption = true;
        else
            g.withAdminOption = c.acceptWord("ADMIN") || c.acceptWord("DELEGATE");
        c.expectWord("OPTION", kOraMissingKeyword);
    }
    c.acceptWords({"CASCADE", "CONSTRAINTS"});
    c.acceptWord("FORCE");
    if (c.acceptWord("CONTAINER")) {
        c.expectOp("=", kOraMissingEquals);
        c.name(kOraInvalidOption);
    }
    c.expectEnd();
    return g;
}

// COMMENT ON {TABLE t | COLUMN t.c | MATERIALIZED VIEW v | ...} IS 'text'
Statement comment(DdlCursor &c) {
    Comment k;
    c.expectWord("ON", kOraMissingKeyword);
    if (c.acceptWord("TABLE")) {
        k.kind = "TABLE";
        k.table = c.qualifiedName(kOraInvalidTableName);
    } else if (c.acceptWord("COLUMN")) {
        k.kind = "COLUMN";
        const std::string first = c.name(kOraInvalidIdentifier);
        c.expectOp(".", kOraInvalidIdentifier);
        const std::string second = c.name(kOraInvalidIdentifier);
        if (c.acceptOp(".")) {
            k.table = {first, second, "", true};
            k.column = c.name(kOraInvalidIdentifier);
        } else {
            k.table = {c.schema(), first, "", false};
            k.column = second;
        }
    } else {
        notSupported("COMMENT ON " + c.peek().text);
    }
    c.expectWord("IS", kOraMissingKeyword);
    k.text = c.stringLiteral(kOraMissingExpression);
    c.expectEnd();
    return k;
}

Statement truncate(DdlCursor &c) {
    if (c.acceptWord("CLUSTER"))
        notSupported("TRUNCATE CLUSTER");
    c.expectWord("TABLE", kOraMissingKeywordNamed);
    Truncate t;
    t.table = c.qualifiedName(kOraInvalidTableName);
    while (c.acceptWord("PRESERVE") || c.acceptWord("PURGE") || c.acceptWord("MATERIALIZED") ||
           c.acceptWord("VIEW") || c.acceptWord("LOG") || c.acceptWord("DROP") ||
           c.acceptWord("ALL") || c.acceptWord("REUSE") || c.acceptWord("STORAGE") ||
           c.acceptWord("CASCADE"))
        ;
    c.expectEnd();
    return t;
}

} // namespace

Statement createContext(DdlCursor &c, bool orReplace) {
    CreateContext k;
    k.orReplace = orReplace;
    k.name = c.name(kOraInvalidSql);
    c.expectWord("USING", kOraMissingKeyword);
    k.package = c.qualifiedName(kOraInvalidSql);
    if (!k.package.qualified)
        k.package.owner = c.schema();
    if (c.acceptWord("INITIALIZED")) {
        k.accessed = c.acceptWord("EXTERNALLY") ? "INITIALIZED EXTERNALLY" : "INITIALIZED GLOBALLY";
        if (k.accessed == "INITIALIZED GLOBALLY")
            c.expectWord("GLOBALLY", kOraMissingKeyword);
    } else if (c.acceptWords({"ACCESSED", "GLOBALLY"})) {
        k.accessed = "ACCESSED GLOBALLY";
    }
    c.expectEnd();
    return k;
}

Statement userStatement(DdlCursor &c, UserStatement::Kind kind) {
    UserStatement u;
    u.kind = kind;
    u.name = c.name(kOraInvalidSql);
    if (kind == UserStatement::Kind::Drop) {
        u.cascade = c.acceptWord("CASCADE");
        c.expectEnd();
        return u;
    }
    while (!c.atEnd()) {
        if (c.acceptWords({"IDENTIFIED", "BY"})) {
            u.password = c.atName() ? c.name(kOraInvalidSql) : c.stringLiteral(kOraInvalidSql);
            if (c.acceptWord("REPLACE"))
                c.seek(c.position() + 1);
        } else if (c.acceptWord("IDENTIFIED")) {
            notSupported("IDENTIFIED " + c.peek().text);
        } else {
            c.seek(c.position() + 1); // tablespaces, quotas, profile, account: kept nowhere
        }
    }
    if (kind == UserStatement::Kind::Create && !u.password)
        throw OraError(kOraMissingKeywordNamed, "IDENTIFIED");
    return u;
}

} // namespace ddl

namespace {

// Statements Oracle accepts that change nothing the embedded database keeps.
bool isAcceptedOnly(const Token &t) {
    for (const char *w :
         {"ANALYZE", "AUDIT", "NOAUDIT", "PURGE", "ASSOCIATE", "DISASSOCIATE", "LOCK"})
        if (t.isWord(w))
            return true;
    return false;
}

} // namespace

Translation translateOther(const std::string &sql, const Tokens &tokens,
                           const std::string &schema) {
    ddl::DdlCursor c(sql, tokens, schema);
    const Token &lead = tokens[0];
    c.seek(1);
    if (lead.isWord("GRANT") || lead.isWord("REVOKE"))
        return schemaStatement(ddl::grantOrRevoke(c, lead.isWord("REVOKE")),
                               lead.isWord("GRANT") ? 17 : 18);
    if (lead.isWord("COMMENT"))
        return schemaStatement(ddl::comment(c), 29);
    if (lead.isWord("TRUNCATE"))
        return schemaStatement(ddl::truncate(c), 85);
    if (lead.isWord("RENAME")) {
        ddl::Rename r;
        r.from = c.name(kOraInvalidTableName);
        c.expectWord("TO", kOraMissingKeyword);
        r.to = c.name(kOraInvalidTableName);
        c.expectEnd();
        return schemaStatement(r, 28);
    }
    if (isAcceptedOnly(lead))
        return schemaStatement(ddl::Accepted{lead.text, std::nullopt}, 0);
    if (lead.isWord("CALL") || lead.isWord("EXPLAIN") || lead.isWord("FLASHBACK") ||
        lead.isWord("ADMINISTER") || lead.isWord("SHUTDOWN") || lead.isWord("STARTUP"))
        ddl::notSupported(lead.text);
    throw OraError(kOraInvalidSql);
}

} // namespace ocilite
