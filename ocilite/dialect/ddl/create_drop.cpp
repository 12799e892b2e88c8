// The DDL families by their leading words: CREATE and DROP pass each statement to the parser
// of its family (ddl.h). Names the schema owns may be qualified with the schema's own name.
#include "ocilite/dialect/ddl/ddl.h"

#include "oci/ociv7.h"
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

Translation translateCreate(const std::string &sql, const Tokens &head, const std::string &schema) {
    size_t i = 1;
    const bool orReplace =
        i + 1 < head.size() && head[i].isWord("OR") && head[i + 1].isWord("REPLACE");
    if (orReplace)
        i += 2;
    if (i >= head.size())
        throw OraError(kOraInvalidCreate);
    const Token &what = head[i];
    if (what.isWord("TABLE") && !orReplace)
        return translateCreateTable(sql, schema);
    if (size_t at = i; unitKind(head, at))
        return translateCreateUnit(sql, head, i, schema, orReplace);
    static const std::set<std::string, std::less<>> kKnown = {
        "VIEW", "INDEX", "SEQUENCE", "TRIGGER", "TYPE", "SYNONYM", "USER", "UNIQUE"};
    if (what.kind == TokenKind::Identifier && kKnown.count(what.text))
        throw OraError(kOraUnimplemented, "CREATE " + what.text);
    throw OraError(kOraInvalidCreate);
}

Translation translateDrop(const Tokens &t, const std::string &schema) {
    Translation tr;
    size_t i = 1;
    if (i >= t.size())
        throw OraError(kOraInvalidSql);
    if (t[i].isWord("TABLE")) {
        ++i;
        tr.kind = StatementKind::DropTable;
        tr.functionType = OCIV7_FT_DROP_TABLE;
        tr.objectType = "TABLE";
        tr.objectName = ownObjectName(t, i, schema, kOraInvalidTableName);
        if (i < t.size() && t[i].isWord("CASCADE"))
            i += 2; // CASCADE CONSTRAINTS
        if (i < t.size() && t[i].isWord("PURGE"))
            ++i;
    } else {
        const UnitKind *kind = unitKind(t, i);
        if (!kind)
            throw OraError(kOraInvalidDropOption);
        tr.kind = StatementKind::DropUnit;
        tr.functionType = kind->dropCode;
        tr.objectType = kind->type;
        tr.objectName = ownObjectName(t, i, schema, kOraInvalidSql);
    }
    if (i < t.size())
        throw OraError(kOraNotProperlyEnded);
    return tr;
}

} // namespace ocilite
