// An object type's specification as the dictionary shows it: AS OBJECT or UNDER a
// supertype with its attributes and the number of its methods, [NOT] FINAL and [NOT]
// INSTANTIABLE; a collection type (TABLE OF, VARRAY (n) OF) with its element type; an
// incomplete type (CREATE TYPE x;). Errors in the methods' PL/SQL are the compiler's.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

bool atMethod(const DdlCursor &c) {
    for (const char *w : {"MEMBER", "STATIC", "CONSTRUCTOR", "MAP", "ORDER", "OVERRIDING", "FINAL",
                          "INSTANTIABLE", "NOT", "PRAGMA"})
        if (c.atWord(w))
            return true;
    return false;
}

// Skips one method declaration (or pragma) up to the ',' or ')' that ends it; true when it
// declared a method.
bool method(DdlCursor &c) {
    const bool pragma = c.atWord("PRAGMA");
    bool isMethod = false;
    while (!c.atEnd() && !c.atOp(",") && !c.atOp(")")) {
        if (c.atWord("MEMBER") || c.atWord("STATIC") || c.atWord("CONSTRUCTOR") ||
            c.atWord("MAP") || c.atWord("ORDER"))
            isMethod = true;
        if (c.atOp("("))
            c.skipGroup();
        else
            c.seek(c.position() + 1);
    }
    return isMethod && !pragma;
}

// ( attribute type, ..., method declarations ... )
void members(DdlCursor &c, TypeSpec &t) {
    if (!c.acceptOp("("))
        return;
    for (;;) {
        if (atMethod(c)) {
            t.methods += method(c) ? 1 : 0;
        } else {
            TypeAttribute a;
            a.name = c.name(kOraInvalidIdentifier);
            a.type = dataType(c, true);
            t.attributes.push_back(std::move(a));
        }
        if (c.acceptOp(","))
            continue;
        c.expectOp(")", kOraMissingRightParen);
        return;
    }
}

void collection(DdlCursor &c, TypeSpec &t) {
    t.isCollection = true;
    if (c.acceptWord("TABLE")) {
        t.collectionType = "TABLE";
    } else {
        if (!c.acceptWord("VARRAY")) {
            c.expectWord("VARYING", kOraMissingKeyword);
            c.expectWord("ARRAY", kOraMissingKeyword);
        }
        t.collectionType = "VARYING ARRAY";
        c.expectOp("(", kOraMissingLeftParen);
        t.upperBound = c.integer(kOraInvalidNumber);
        c.expectOp(")", kOraMissingRightParen);
    }
    c.expectWord("OF", kOraMissingKeyword);
    t.elementType = dataType(c, true);
    if (c.acceptWords({"NOT", "NULL"}))
        t.elementNotNull = true;
}

// [NOT] FINAL, [NOT] INSTANTIABLE, [NOT] PERSISTABLE in any order.
void modifiers(DdlCursor &c, TypeSpec &t) {
    for (;;) {
        const bool negated = c.acceptWord("NOT");
        if (c.acceptWord("FINAL"))
            t.final = !negated;
        else if (c.acceptWord("INSTANTIABLE"))
            t.instantiable = !negated;
        else if (c.acceptWord("PERSISTABLE"))
            ;
        else
            return;
    }
}

// Clauses between the name and AS / IS / UNDER.
void preamble(DdlCursor &c, TypeSpec &t) {
    for (;;) {
        if (c.acceptWord("FORCE")) {
            t.force = true;
        } else if (c.acceptWord("OID")) {
            c.stringLiteral(kOraInvalidSql);
        } else if (c.acceptWord("SHARING") || c.atWords({"DEFAULT", "COLLATION"})) {
            c.seek(c.position() + (c.atWord("COLLATION") ? 1 : 0));
            c.acceptOp("=");
            c.name(kOraInvalidSql);
        } else if (c.acceptWord("AUTHID")) {
            c.name(kOraInvalidSql);
        } else if (c.acceptWords({"ACCESSIBLE", "BY"})) {
            c.skipGroup();
        } else {
            return;
        }
    }
}

} // namespace

TypeSpec typeSpecification(const std::string &sql, size_t typeAt, const std::string &schema) {
    const std::string text = sql.substr(typeAt);
    DdlCursor c(text, tokenizeLenient(text), schema);
    c.expectWord("TYPE", kOraInvalidSql);
    TypeSpec t;
    t.name = c.qualifiedName(kOraInvalidSql);
    preamble(c, t);
    if (c.atEnd() || c.atOp(";")) {
        t.incomplete = true;
        return t;
    }
    if (c.acceptWord("UNDER")) {
        t.supertype = c.qualifiedName(kOraInvalidSql);
        members(c, t);
    } else {
        if (!c.acceptWord("AS"))
            c.expectWord("IS", kOraMissingKeyword);
        if (c.acceptWord("OBJECT"))
            members(c, t);
        else if (c.atWord("OPAQUE") || c.atWord("JSON"))
            notSupported("CREATE TYPE ... AS " + c.peek().text);
        else
            collection(c, t);
    }
    modifiers(c, t);
    return t;
}

} // namespace ocilite::ddl
