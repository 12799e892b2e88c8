// Reading a DDL statement token by token (private to dialect/ddl): words, names, quoted and
// qualified names, parenthesised lists, the raw text between two tokens, and skipping the
// clauses the embedded database accepts without keeping (storage and physical attributes).
#pragma once

#include "ocilite/dialect/ddl/schema_ddl.h"
#include "ocilite/dialect/passes.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace ocilite::ddl {

class DdlCursor {
public:
    // The statement's tokens; `schema` owns unqualified names.
    DdlCursor(const std::string &sql, const std::string &schema);
    DdlCursor(const std::string &sql, Tokens tokens, const std::string &schema);

    const std::string &sql() const { return m_sql; }
    const std::string &schema() const { return m_schema; }
    size_t position() const { return m_i; }
    void seek(size_t i) { m_i = i; }
    bool atEnd() const { return m_i >= m_t.size(); }
    const Token &peek(size_t ahead = 0) const;
    const Token &tokenAt(size_t i) const;

    bool atWord(const char *word, size_t ahead = 0) const;
    bool atWords(std::initializer_list<const char *> words) const;
    bool atOp(const char *op, size_t ahead = 0) const;
    // Takes the word (or words, all of them) when they come next.
    bool acceptWord(const char *word);
    bool acceptWords(std::initializer_list<const char *> words);
    bool acceptOp(const char *op);
    // Takes what must come next, or throws OraError(code).
    void expectWord(const char *word, int code);
    void expectOp(const char *op, int code);

    // A name: an identifier or a quoted identifier; throws OraError(code) otherwise.
    std::string name(int code);
    bool atName() const;
    // [owner.]name[@link]
    QualifiedName qualifiedName(int code);
    // ( name, name ... )
    std::vector<std::string> nameList(int code);
    // A number literal (optionally signed); throws OraError(code) otherwise.
    long long integer(int code);
    // A string literal's value; throws OraError(code) otherwise.
    std::string stringLiteral(int code);

    // The index of the ')' matching the '(' at the cursor (the cursor stays).
    size_t closingParen() const;
    // Skips a parenthesised group at the cursor.
    void skipGroup();
    // The statement's text from token `from` up to (not including) token `to`.
    std::string text(size_t from, size_t to) const;
    // Where token i begins in the statement (its length at the end).
    size_t offsetOf(size_t i) const { return i < m_t.size() ? m_t[i].offset : m_sql.size(); }
    // The statement's text from token `from` to its end.
    std::string textToEnd(size_t from) const;
    // Skips tokens (and groups) until one of the words, ',' or ')' at this level, or the end.
    void skipUntil(std::initializer_list<const char *> words);

    // Throws ORA-00933 unless the statement has ended.
    void expectEnd() const;

private:
    std::string m_sql;
    Tokens m_t;
    std::string m_schema;
    size_t m_i = 0;
};

// ORA-03001 with a text that says the embedded database does not support `what`.
[[noreturn]] void notSupported(const std::string &what);

// Parses a data type at the cursor (ORA-00902 for one Oracle does not know). An object
// type's attribute may be declared longer than a column (VARCHAR2 up to 32767).
DataType dataType(DdlCursor &c, bool attribute = false);

// Physical, storage and other attributes a table, index or LOB may have, skipped from the
// cursor on while they come (TABLESPACE, PCTFREE, STORAGE (...), LOGGING, COMPRESS,
// PARTITION BY ..., LOB (...) STORE AS ...). True when anything was skipped.
bool skipPhysicalAttributes(DdlCursor &c);

} // namespace ocilite::ddl
