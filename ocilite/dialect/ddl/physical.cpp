// Physical, storage and partitioning clauses of tables, indexes and LOBs: Oracle's SQL
// Language Reference lists them under physical_properties and table_properties. The
// embedded database keeps none of them; they are read past so that a script written for a
// real database runs as it stands.
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

// Clauses made of a keyword and one value (a number or a name).
bool keywordWithValue(DdlCursor &c) {
    static const char *const kWords[] = {
        "TABLESPACE",  "PCTFREE",          "PCTUSED",    "INITRANS",   "MAXTRANS",  "PCTTHRESHOLD",
        "INCLUDING",   "FREELISTS",        "FREELIST",   "PCTVERSION", "RETENTION", "CHUNK",
        "PCTINCREASE", "MINEXTENTS",       "MAXEXTENTS", "INITIAL",    "NEXT",      "BUFFER_POOL",
        "FLASH_CACHE", "CELL_FLASH_CACHE", "MAXSIZE",    "OPTIMAL",    "ENCRYPT"};
    for (const char *w : kWords) {
        if (c.acceptWord(w)) {
            if (!c.atEnd() && !c.atOp(",") && !c.atOp(")"))
                c.seek(c.position() + 1); // the value (a "K"/"M" suffix is part of a number)
            if (c.atName() && (c.atWord("K") || c.atWord("M") || c.atWord("G")))
                c.seek(c.position() + 1);
            return true;
        }
    }
    return false;
}

// Clauses that are one word, or a word and optional words that belong to it.
bool flagWord(DdlCursor &c) {
    static const char *const kWords[] = {"LOGGING",
                                         "NOLOGGING",
                                         "FILESYSTEM_LIKE_LOGGING",
                                         "NOCOMPRESS",
                                         "CACHE",
                                         "NOCACHE",
                                         "NOPARALLEL",
                                         "MONITORING",
                                         "NOMONITORING",
                                         "ROWDEPENDENCIES",
                                         "NOROWDEPENDENCIES",
                                         "OVERFLOW",
                                         "NOSORT",
                                         "REVERSE",
                                         "ONLINE",
                                         "UNUSABLE",
                                         "VISIBLE",
                                         "INVISIBLE",
                                         "KEEP_DUPLICATES",
                                         "DEDUPLICATE",
                                         "SECUREFILE",
                                         "BASICFILE",
                                         "ENABLE_ALL",
                                         "NOVALIDATE",
                                         "READS",
                                         "NOREVERSE",
                                         "LOCAL"};
    for (const char *w : kWords)
        if (c.acceptWord(w))
            return true;
    return false;
}

// COMPRESS [n | BASIC | FOR ... | ADVANCED | QUERY/ARCHIVE LOW/HIGH ...]
bool compression(DdlCursor &c) {
    if (!(c.acceptWords({"ROW", "STORE", "COMPRESS"}) ||
          c.acceptWords({"COLUMN", "STORE", "COMPRESS"}) || c.acceptWord("COMPRESS")))
        return false;
    if (c.peek().kind == TokenKind::Number)
        c.seek(c.position() + 1);
    while (c.acceptWord("BASIC") || c.acceptWord("ADVANCED") || c.acceptWord("FOR") ||
           c.acceptWord("OLTP") || c.acceptWord("QUERY") || c.acceptWord("ARCHIVE") ||
           c.acceptWord("LOW") || c.acceptWord("HIGH") || c.acceptWord("ALL") ||
           c.acceptWord("OPERATIONS") || c.acceptWord("DIRECT_LOAD"))
        ;
    return true;
}

// PARALLEL [n] | STORAGE (...) | ORGANIZATION {HEAP|INDEX|EXTERNAL (...)} | SEGMENT CREATION
// {IMMEDIATE|DEFERRED} | {ENABLE|DISABLE} ROW MOVEMENT | RESULT_CACHE (...) | ...
bool groupedClause(DdlCursor &c) {
    if (c.acceptWord("PARALLEL")) {
        if (c.peek().kind == TokenKind::Number)
            c.seek(c.position() + 1);
        else if (c.atOp("("))
            c.skipGroup();
        return true;
    }
    if (c.acceptWord("STORAGE") || c.acceptWord("RESULT_CACHE") || c.acceptWord("ANNOTATIONS")) {
        if (c.atOp("("))
            c.skipGroup();
        return true;
    }
    if (c.acceptWord("ORGANIZATION")) {
        if (c.acceptWord("EXTERNAL"))
            notSupported("ORGANIZATION EXTERNAL");
        if (!c.acceptWord("HEAP") && !c.acceptWord("INDEX"))
            throw OraError(kOraInvalidOption);
        return true;
    }
    if (c.acceptWords({"SEGMENT", "CREATION"})) {
        if (!c.acceptWord("IMMEDIATE") && !c.acceptWord("DEFERRED"))
            throw OraError(kOraInvalidOption);
        return true;
    }
    if (c.acceptWords({"ENABLE", "ROW", "MOVEMENT"}) ||
        c.acceptWords({"DISABLE", "ROW", "MOVEMENT"}))
        return true;
    if (c.acceptWords({"NO", "INMEMORY"}) || c.acceptWords({"MEMOPTIMIZE", "FOR"})) {
        c.acceptWord("READ");
        c.acceptWord("WRITE");
        return true;
    }
    if (c.acceptWord("INMEMORY")) {
        while (c.atName() && !c.atWord("AS") && !c.atWord("TABLESPACE"))
            c.seek(c.position() + 1);
        return true;
    }
    if (c.acceptWords({"DEFAULT", "COLLATION"})) {
        c.name(kOraInvalidOption);
        return true;
    }
    return false;
}

// LOB (cols) STORE AS [SECUREFILE|BASICFILE] [segment] [(params)]; VARRAY col STORE AS ...
bool lobStorage(DdlCursor &c) {
    if (!c.atWord("LOB") && !(c.atWord("VARRAY") && c.atName()))
        return false;
    const bool lob = c.acceptWord("LOB");
    if (!lob)
        c.acceptWord("VARRAY");
    if (c.atOp("("))
        c.skipGroup();
    else
        c.name(kOraInvalidOption);
    c.expectWord("STORE", kOraMissingKeyword);
    c.expectWord("AS", kOraMissingKeyword);
    while (c.acceptWord("SECUREFILE") || c.acceptWord("BASICFILE") || c.acceptWord("LOB"))
        ;
    if (c.atName() && !c.atWord("TABLESPACE") && !c.atWord("NOCACHE") && !c.atWord("CACHE"))
        c.name(kOraInvalidOption);
    if (c.atOp("("))
        c.skipGroup();
    return true;
}

// PARTITION BY ... and the partition list: read past up to AS (a query follows) or the end.
bool partitioning(DdlCursor &c) {
    if (!c.atWords({"PARTITION", "BY"}) && !c.atWords({"SUBPARTITION", "BY"}))
        return false;
    while (!c.atEnd() && !c.atOp(")") &&
           !(c.atWord("AS") && (c.atWord("SELECT", 1) || c.atWord("WITH", 1) || c.atOp("(", 1))) &&
           !c.atWords({"ENABLE", "ROW"}) && !c.atWords({"DISABLE", "ROW"})) {
        if (c.atOp("("))
            c.skipGroup();
        else
            c.seek(c.position() + 1);
    }
    return true;
}

} // namespace

bool skipPhysicalAttributes(DdlCursor &c) {
    bool any = false;
    while (!c.atEnd() && (keywordWithValue(c) || flagWord(c) || compression(c) ||
                          groupedClause(c) || lobStorage(c) || partitioning(c)))
        any = true;
    return any;
}

} // namespace ocilite::ddl
