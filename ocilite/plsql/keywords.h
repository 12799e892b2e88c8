// The words the SQL and PL/SQL parser knows by name, written once: each gets an id (Kw::X)
// and a flag for PL/SQL's reserved words, which can never name an item.
#pragma once

#include "ocilite/plsql/ast.h"

#include <cstdint>
#include <string_view>

namespace ocilite::plsql {

// R = reserved in PL/SQL (Oracle's PL/SQL Language Reference, "PL/SQL Reserved Words");
// K = a keyword that may still name an item.
// clang-format off
#define OCILITE_PLSQL_KEYWORDS(R, K)                                                             \
    R(ALL) R(ALTER) R(AND) R(ANY) R(AS) R(ASC) R(AT) R(BEGIN) R(BETWEEN) R(BY) R(CASE)           \
    R(CHECK) R(CLUSTER) R(CLUSTERS) R(COLAUTH) R(COLUMNS) R(COMPRESS) R(CONNECT) R(CRASH)        \
    R(CREATE) R(CURSOR) R(DECLARE) R(DEFAULT) R(DESC) R(DISTINCT) R(DROP) R(ELSE) R(END)         \
    R(EXCEPTION) R(EXCLUSIVE) R(FETCH) R(FOR) R(FROM) R(FUNCTION) R(GOTO) R(GRANT) R(GROUP)      \
    R(HAVING) R(IDENTIFIED) R(IF) R(IN) R(INDEX) R(INDEXES) R(INSERT) R(INTERSECT) R(INTO)       \
    R(IS) R(LIKE) R(LOCK) R(MINUS) R(MODE) R(NOCOMPRESS) R(NOT) R(NOWAIT) R(NULL_) R(OF) R(ON)   \
    R(OPTION) R(OR) R(ORDER) R(OVERLAPS) R(PROCEDURE) R(PUBLIC) R(RESOURCE) R(REVOKE)            \
    R(SELECT) R(SHARE) R(SIZE) R(SQL) R(START) R(SUBTYPE) R(TABAUTH) R(TABLE) R(THEN) R(TO)      \
    R(TYPE) R(UNION) R(UNIQUE) R(UPDATE) R(VALUES) R(VIEW) R(VIEWS) R(WHEN) R(WHERE) R(WITH)     \
    K(ACCESSIBLE) K(AGGREGATE) K(AUTHID) K(AUTONOMOUS_TRANSACTION) K(BODY) K(BULK)               \
    K(BULK_ROWCOUNT) K(BULK_EXCEPTIONS) K(BYTE) K(CALL) K(CASCADE) K(CHAR) K(CHARACTER)          \
    K(CLOSE) K(COLLATION) K(COLLECT) K(COMMIT) K(COMPOUND) K(CONSTANT) K(CONSTRUCTOR)            \
    K(CONTINUE) K(CROSS) K(CURRENT) K(CURRENT_USER) K(CYCLE) K(DATE) K(DAY) K(DEFINER)           \
    K(DELETE) K(DETERMINISTIC) K(DISABLE) K(EACH) K(EDITIONABLE) K(EDITIONING) K(ELSIF)          \
    K(ENABLE) K(ERRORS) K(ESCAPE) K(EXCEPTION_INIT) K(EXCEPTIONS) K(EXECUTE) K(EXISTS) K(EXIT)   \
    K(EXTERNAL) K(FINAL) K(FIRST) K(FOLLOWS) K(FORALL) K(FORCE) K(FULL) K(IMMEDIATE)             \
    K(INDICES) K(INLINE) K(INNER) K(INSTANTIABLE) K(INSTEAD) K(INTERVAL) K(JOIN) K(LANGUAGE)     \
    K(LAST) K(LATERAL) K(LEFT) K(LEVEL) K(LIBRARY) K(LIMIT) K(LOG) K(LOOP) K(MAP) K(MATCHED)     \
    K(MEMBER) K(MERGE) K(MOD) K(MONTH) K(MULTISET) K(NAME) K(NATURAL) K(NCHAR) K(NEW)            \
    K(NEXTVAL) K(NOCOPY) K(NOCYCLE) K(NONEDITIONABLE) K(NULLS) K(OBJECT) K(OLD) K(ONLY)          \
    K(OPEN) K(ORDINALITY) K(OTHERS) K(OUT) K(OUTER) K(OVER) K(OVERRIDING) K(PACKAGE)             \
    K(PARALLEL_ENABLE) K(PARENT) K(PARTITION) K(PIPE) K(PIPELINED) K(PIVOT) K(PRAGMA)            \
    K(PRECEDES) K(PRECISION) K(PRIOR) K(RAISE) K(RANGE) K(RECORD) K(REF) K(REFERENCING)          \
    K(REJECT) K(RELIES_ON) K(RENAME) K(REPLACE) K(RESTRICT_REFERENCES) K(RESULT)                 \
    K(RESULT_CACHE) K(RETURN) K(RETURNING) K(REVERSE) K(RIGHT) K(ROLLBACK) K(ROW) K(ROWS)        \
    K(ROWTYPE) K(SAVE) K(SAVEPOINT) K(SECOND) K(SELF) K(SEQUENTIAL) K(SERIALLY_REUSABLE)         \
    K(SET) K(SIBLINGS) K(SOME) K(STATEMENT) K(STATIC) K(SUBMULTISET) K(TIME) K(TIMESTAMP)        \
    K(TRIGGER) K(UNDER) K(UNPIVOT) K(UPSERT) K(USING) K(VARRAY) K(VARYING) K(WAIT) K(WHILE)      \
    K(WORK) K(WRITE) K(YEAR) K(ZONE) K(INTEGER) K(SEGMENT) K(DEFINE) K(AFTER) K(BEFORE)          \
    K(DATABASE) K(SCHEMA) K(LOGON) K(LOGOFF) K(STARTUP) K(SHUTDOWN) K(SERVERERROR) K(DDL)        \
    K(NESTED) K(MATERIALIZED) K(SKIP) K(LOCKED) K(DECREMENT) K(COLUMN) K(KEEP) K(DENSE_RANK)     \
    K(WITHIN) K(FILTER) K(IGNORE) K(RESPECT) K(UNBOUNDED) K(PRECEDING) K(FOLLOWING) K(CAST)      \
    K(TREAT) K(TRIM) K(LEADING) K(TRAILING) K(BOTH) K(EXTRACT) K(MODEL) K(OFFSET) K(NEXT)        \
    K(TIES) K(PERCENT) K(SAMPLE) K(VERSIONS) K(SCN) K(PERIOD) K(LISTAGG) K(OVERFLOW)             \
    K(TRUNCATE) K(PURGE) K(COMMENT) K(READ) K(ISOLATION) K(SERIALIZABLE) K(COMMITTED) K(USE)     \
    K(SHARING) K(METADATA) K(NONE) K(DATA) K(EXTENDED) K(CONTAINER) K(BEQUEATH) K(ROWID)         \
    K(ROWNUM) K(SQLCODE) K(SQLERRM) K(TRUE_) K(FALSE_) K(UNLIMITED) K(DEFINITION)                \
    K(SUPPLEMENTAL) K(CHARSETID) K(CHARSETFORM) K(CHAR_CS) K(EMPTY) K(INFINITE) K(NAN) K(JSON)   \
    K(LIKEC) K(LIKE2) K(LIKE4) K(EXCEPT) K(REM) K(CONNECT_BY_ROOT) K(ARRAY) K(VALUE) K(KEY)      \
    K(WINDOW) K(APPLY) K(INCLUDE) K(EXCLUDE)
// clang-format on

enum class Kw : uint16_t {
    None = 0,
#define OCILITE_KW_ENUM(name) name,
    OCILITE_PLSQL_KEYWORDS(OCILITE_KW_ENUM, OCILITE_KW_ENUM)
#undef OCILITE_KW_ENUM
        Count
};

// An expression node's op for a keyword operator (ast.h).
constexpr uint16_t keywordOp(Kw kw) {
    return static_cast<uint16_t>(kKeywordOp | static_cast<uint16_t>(kw));
}

// The keyword a word spells (any case), or Kw::None.
Kw keywordOf(std::string_view word);
// True for PL/SQL's reserved words.
bool isReserved(Kw kw);
// The keyword's spelling in upper case.
std::string_view keywordName(Kw kw);

} // namespace ocilite::plsql
