// The DDL families by their leading words: CREATE and DROP pass each statement to the parser
// of its family (ddl.h). Statements Oracle accepts that the embedded database does not carry
// out are refused as not supported (ORA-03001), never as invalid SQL.
#include "ocilite/dialect/ddl/ddl.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"
#include "ocilite/engine/errors.h"

#include <set>

namespace ocilite {

std::string ownObjectName(const Tokens &tokens, size_t &i, const std::string &schema, int missing) {
    if (i >= tokens.size() || !isNameToken(tokens[i]))
        throw OraError(missing);
    std::string name = tokens[i++].text;
    if (i + 1 < tokens.size() && tokens[i].isOp(".") && isNameToken(tokens[i + 1])) {
        if (name != schema)
            throw OraError(kOraInsufficientPrivileges);
        name = tokens[i + 1].text;
        i += 2;
    }
    return name;
}

namespace {

// What CREATE's words before the object kind said.
struct CreateModifiers {
    bool orReplace = false;
    bool editionable = true;
    bool force = false;
    bool isPublic = false;
    bool temporary = false;
    bool unique = false;
    bool bitmap = false;
};

CreateModifiers modifiers(const Tokens &head, size_t &i) {
    CreateModifiers m;
    auto at = [&](const char *w) { return i < head.size() && head[i].isWord(w); };
    if (at("OR") && i + 1 < head.size() && head[i + 1].isWord("REPLACE")) {
        m.orReplace = true;
        i += 2;
    }
    for (bool more = true; more && i < head.size();) {
        more = true;
        if (at("EDITIONABLE") || at("EDITIONING"))
            ++i;
        else if (at("NONEDITIONABLE")) {
            m.editionable = false;
            ++i;
        } else if (at("FORCE")) {
            m.force = true;
            ++i;
        } else if (at("NOFORCE") || at("SHARDED") || at("DUPLICATED") || at("IMMUTABLE") ||
                   at("BLOCKCHAIN") || at("SHARED") || at("MULTIVALUE"))
            ++i;
        else if (at("PUBLIC")) {
            m.isPublic = true;
            ++i;
        } else if ((at("GLOBAL") || at("PRIVATE")) && i + 1 < head.size() &&
                   head[i + 1].isWord("TEMPORARY")) {
            if (at("PRIVATE"))
                ddl::notSupported("CREATE PRIVATE TEMPORARY TABLE");
            m.temporary = true;
            i += 2;
        } else if (at("UNIQUE")) {
            m.unique = true;
            ++i;
        } else if (at("BITMAP")) {
            m.bitmap = true;
            ++i;
        } else if (at("NO") && i + 1 < head.size() && head[i + 1].isWord("FORCE")) {
            i += 2;
        } else {
            more = false;
        }
    }
    return m;
}

// CREATE kinds Oracle has that the embedded database does not keep.
bool isOtherCreate(const Token &what) {
    static const std::set<std::string, std::less<>> kOther = {
        "ROLE",        "DIRECTORY", "LIBRARY",  "JAVA",      "MATERIALIZED", "DATABASE",
        "CLUSTER",     "DIMENSION", "OPERATOR", "INDEXTYPE", "PROFILE",      "TABLESPACE",
        "AUDIT",       "OUTLINE",   "SCHEMA",   "EDITION",   "FLASHBACK",    "PLUGGABLE",
        "CONTROLFILE", "SPFILE",    "PFILE",    "RESTORE",   "ROLLBACK",     "ANALYTIC",
        "ATTRIBUTE",   "HIERARCHY", "LOCKDOWN", "MLE",       "PROPERTY",     "DOMAIN",
        "LOGICAL",     "INMEMORY",  "JSON",     "DISKGROUP", "CREDENTIAL"};
    return what.kind == TokenKind::Identifier && kOther.count(what.text);
}

} // namespace

Translation translateCreate(const std::string &sql, const Tokens &head, const std::string &schema) {
    size_t i = 1;
    const CreateModifiers m = modifiers(head, i);
    if (i >= head.size())
        throw OraError(kOraInvalidCreate);
    const Token &what = head[i];
    if (size_t at = i; unitKind(head, at)) {
        Translation tr = translateCreateUnit(sql, head, i, schema, m.orReplace);
        tr.editionable = m.editionable;
        return tr;
    }
    const Tokens tokens = tokenize(sql);
    ddl::DdlCursor c(sql, tokens, schema);
    c.seek(i + 1);
    if (what.isWord("TABLE") && !m.orReplace)
        return schemaStatement(ddl::createTable(c, m.temporary), OCIV7_FT_CREATE_TABLE);
    if (what.isWord("VIEW"))
        return schemaStatement(ddl::createView(c, m.orReplace, m.force), 21);
    if (what.isWord("INDEX") && !m.orReplace)
        return schemaStatement(ddl::createIndex(c, m.unique, m.bitmap), 9);
    if (what.isWord("SEQUENCE") && !m.orReplace)
        return schemaStatement(ddl::createSequence(c), 13);
    if (what.isWord("SYNONYM"))
        return schemaStatement(ddl::createSynonym(c, m.orReplace, m.isPublic), 19);
    if (what.isWord("CONTEXT"))
        return schemaStatement(ddl::createContext(c, m.orReplace), 177);
    if (what.isWord("USER") && !m.orReplace)
        return schemaStatement(ddl::userStatement(c, ddl::UserStatement::Kind::Create), 51);
    if (isOtherCreate(what))
        ddl::notSupported("CREATE " + what.text);
    throw OraError(kOraInvalidCreate);
}

Translation translateDrop(const Tokens &t, const std::string &schema) {
    size_t i = 1;
    if (i >= t.size())
        throw OraError(kOraInvalidDropOption);
    if (t[i].isWord("TABLE")) {
        Translation tr;
        ++i;
        tr.kind = StatementKind::DropTable;
        tr.functionType = OCIV7_FT_DROP_TABLE;
        tr.objectType = "TABLE";
        tr.objectName = ownObjectName(t, i, schema, kOraInvalidTableName);
        if (i + 1 < t.size() && t[i].isWord("CASCADE") && t[i + 1].isWord("CONSTRAINTS")) {
            tr.orReplace = true; // CASCADE CONSTRAINTS
            i += 2;
        }
        if (i < t.size() && t[i].isWord("PURGE"))
            ++i;
        if (i < t.size())
            throw OraError(kOraNotProperlyEnded);
        return tr;
    }
    if (size_t at = i; unitKind(t, at)) {
        Translation tr;
        const UnitKind *kind = unitKind(t, i);
        tr.kind = StatementKind::DropUnit;
        tr.functionType = kind->dropCode;
        tr.objectType = kind->type;
        tr.objectName = ownObjectName(t, i, schema, kOraInvalidSql);
        if (i < t.size() && (t[i].isWord("FORCE") || t[i].isWord("VALIDATE")))
            tr.orReplace = t[i++].isWord("FORCE");
        if (i < t.size())
            throw OraError(kOraNotProperlyEnded);
        return tr;
    }
    std::string sql; // DROP's text is not needed past its tokens
    ddl::DdlCursor c(sql, t, schema);
    c.seek(i);
    return schemaStatement(ddl::dropObject(c), 0);
}

Translation schemaStatement(ddl::Statement statement, int functionType) {
    Translation tr;
    tr.kind = StatementKind::SchemaDdl;
    tr.functionType = functionType;
    tr.ddl = std::make_shared<const ddl::Statement>(std::move(statement));
    return tr;
}

} // namespace ocilite
