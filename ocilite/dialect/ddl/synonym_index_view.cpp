// CREATE [OR REPLACE] [PUBLIC] SYNONYM, CREATE [UNIQUE | BITMAP] INDEX (on columns and on
// expressions) and CREATE [OR REPLACE] [[NO]FORCE] VIEW with its column list, WITH READ ONLY
// and WITH CHECK OPTION.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {

Statement createSynonym(DdlCursor &c, bool orReplace, bool isPublic) {
    CreateSynonym s;
    s.orReplace = orReplace;
    s.isPublic = isPublic;
    s.name = c.qualifiedName(kOraInvalidSql);
    if (isPublic) {
        if (s.name.qualified)
            throw OraError(kOraNotProperlyEnded);
        s.name.owner = "PUBLIC";
    }
    if (c.acceptWord("SHARING")) {
        c.expectOp("=", kOraMissingEquals);
        c.name(kOraInvalidOption);
    }
    c.expectWord("FOR", kOraMissingKeywordNamed);
    s.target = c.qualifiedName(kOraInvalidSql);
    if (!s.target.qualified)
        s.target.owner = c.schema();
    if (c.acceptOp("@"))
        s.target.link = c.name(kOraInvalidSql);
    c.expectEnd();
    return s;
}

Statement createIndex(DdlCursor &c, bool unique, bool bitmap) {
    CreateIndex x;
    x.unique = unique;
    x.bitmap = bitmap;
    x.name = c.qualifiedName(kOraInvalidSql);
    c.expectWord("ON", kOraMissingOnKeyword);
    if (c.acceptWord("CLUSTER"))
        notSupported("CREATE INDEX ... ON CLUSTER");
    x.table = c.qualifiedName(kOraInvalidTableName);
    if (c.atName() && !c.atOp("("))
        c.name(kOraInvalidSql); // a table alias (bitmap join indexes)
    c.expectOp("(", kOraMissingLeftParen);
    for (;;) {
        IndexColumn col;
        const size_t from = c.position();
        c.skipUntil({"ASC", "DESC"});
        if (c.position() == from)
            throw OraError(kOraMissingExpression);
        col.isColumn = c.position() == from + 1 && isNameToken(c.tokenAt(from));
        col.expression = col.isColumn ? c.tokenAt(from).text : c.text(from, c.position());
        if (c.acceptWord("DESC"))
            col.descending = true;
        else
            c.acceptWord("ASC");
        x.columns.push_back(col);
        if (c.acceptOp(","))
            continue;
        c.expectOp(")", kOraMissingRightParen);
        break;
    }
    while (!c.atEnd()) {
        if (c.acceptWords({"COMPUTE", "STATISTICS"}) || c.acceptWord("GLOBAL") ||
            c.acceptWord("NOPARALLEL") || c.acceptWord("SORT") || c.acceptWord("ONLINE"))
            continue;
        if (c.atWord("LOCAL") || c.atWord("INDEXTYPE")) {
            c.seek(c.position() + 1);
            if (c.acceptWord("IS"))
                notSupported("CREATE INDEX ... INDEXTYPE IS");
            if (c.atOp("("))
                c.skipGroup();
            continue;
        }
        if (!skipPhysicalAttributes(c))
            throw OraError(kOraInvalidOption);
    }
    return x;
}

Statement createView(DdlCursor &c, bool orReplace, bool force) {
    CreateView v;
    v.orReplace = orReplace;
    v.force = force;
    v.name = c.qualifiedName(kOraInvalidSql);
    if (c.acceptWord("SHARING")) {
        c.expectOp("=", kOraMissingEquals);
        c.name(kOraInvalidOption);
    }
    if (c.acceptWord("OF"))
        notSupported("CREATE VIEW ... OF (an object view)");
    if (c.atOp("(")) {
        c.acceptOp("(");
        for (;;) {
            if (c.atWord("CONSTRAINT") || c.atWord("UNIQUE") || c.atWord("PRIMARY") ||
                c.atWord("FOREIGN"))
                c.skipUntil({}); // view constraints: RELY DISABLE NOVALIDATE, kept nowhere
            else
                v.columns.push_back(c.name(kOraInvalidIdentifier));
            c.acceptWord("VISIBLE");
            c.acceptWord("INVISIBLE");
            if (c.acceptOp(","))
                continue;
            c.expectOp(")", kOraMissingRightParen);
            break;
        }
    }
    if (c.acceptWords({"DEFAULT", "COLLATION"}))
        c.name(kOraInvalidOption);
    if (c.acceptWord("BEQUEATH") && !c.acceptWord("CURRENT_USER"))
        c.expectWord("DEFINER", kOraMissingKeyword);
    c.expectWord("AS", kOraMissingKeyword);
    const size_t from = c.position();
    size_t end = from;
    for (size_t i = from; !c.atEnd(); ++i) {
        c.seek(i);
        if (c.atOp("(")) {
            i = c.closingParen();
            continue;
        }
        if (c.atWord("WITH") &&
            (c.atWords({"WITH", "READ", "ONLY"}) || c.atWords({"WITH", "CHECK", "OPTION"}))) {
            end = i;
            break;
        }
        end = i + 1;
    }
    v.query = c.text(from, end);
    if (v.query.empty())
        throw OraError(kOraMissingSelectKeyword);
    c.seek(end);
    if (c.acceptWords({"WITH", "READ", "ONLY"}))
        v.readOnly = true;
    else if (c.acceptWords({"WITH", "CHECK", "OPTION"}))
        v.checkOption = true;
    if (c.acceptWord("CONSTRAINT"))
        v.constraintName = c.name(kOraInvalidIdentifier);
    c.expectEnd();
    return v;
}

} // namespace ocilite::ddl
