// The translation driver: classifies a statement by its head and runs the passes in order.
// Queries and DML go through the token passes (outer joins, select-list naming, ||, DATE
// arithmetic, emission, select-list typing); DDL and COMMIT / ROLLBACK are described for the
// catalog and the database.
#include "ocilite/dialect/ddl/ddl.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"
#include "ocilite/plsql/lexer.h"

#include <algorithm>
#include <cctype>

namespace ocilite {
namespace {

constexpr int kSavepointCommand = 56; // Oracle's command code for SAVEPOINT
constexpr int kPlsqlCommand = 47;     // Oracle's command code for PL/SQL EXECUTE (a block)

// An anonymous block is run by the interpreter of ocilite/plsql_run; its placeholders are
// noted so a program may bind them (which the interpreter then refuses as not supported).
Translation translateBlock(const std::string &sql) {
    Translation tr;
    tr.kind = StatementKind::Block;
    tr.functionType = kPlsqlCommand;
    tr.sql = sql;
    const std::vector<plsql::Token> tokens = plsql::tokenize(sql);
    for (const plsql::Token &t : tokens) {
        if (t.kind != plsql::Tok::BindVar)
            continue;
        std::string name = std::string(plsql::tokenText(sql, t).substr(1));
        if (name.size() > 1 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        else
            for (char &c : name)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::find(tr.binds.begin(), tr.binds.end(), name) == tr.binds.end())
            tr.binds.push_back(name);
    }
    return tr;
}

// COMMIT [WORK] [COMMENT 'text'] [WRITE [WAIT | NOWAIT] [IMMEDIATE | BATCH]];
// ROLLBACK [WORK] [TO [SAVEPOINT] name]; SAVEPOINT name. FORCE (an in-doubt distributed
// transaction) is not supported.
Translation translateTransaction(const Tokens &t) {
    Translation tr;
    size_t i = 1;
    if (t[0].isWord("SAVEPOINT")) {
        if (t.size() < 2 || !isNameToken(t[1]))
            throw OraError(t.size() < 2 ? kOraMissingKeyword : kOraInvalidIdentifier);
        if (t.size() > 2)
            throw OraError(kOraNotProperlyEnded);
        tr.kind = StatementKind::Savepoint;
        tr.functionType = kSavepointCommand;
        tr.objectName = t[1].text;
        return tr;
    }
    const bool commit = t[0].isWord("COMMIT");
    tr.kind = commit ? StatementKind::Commit : StatementKind::Rollback;
    tr.functionType = commit ? OCIV7_FT_COMMIT : OCIV7_FT_ROLLBACK;
    if (i < t.size() && t[i].isWord("WORK"))
        ++i;
    if (i < t.size() && t[i].isWord("FORCE"))
        throw OraError(kOraUnimplemented, std::string(commit ? "COMMIT" : "ROLLBACK") +
                                              " FORCE is not supported by the embedded database");
    if (!commit && i < t.size() && t[i].isWord("TO")) {
        ++i;
        if (i < t.size() && t[i].isWord("SAVEPOINT"))
            ++i;
        if (i >= t.size() || !isNameToken(t[i]))
            throw OraError(i >= t.size() ? kOraMissingKeyword : kOraInvalidIdentifier);
        tr.kind = StatementKind::RollbackTo;
        tr.objectName = t[i++].text;
    }
    if (commit && i + 1 < t.size() && t[i].isWord("COMMENT") && t[i + 1].kind == TokenKind::String)
        i += 2;
    if (commit && i < t.size() && t[i].isWord("WRITE")) {
        ++i;
        for (const char *w : {"WAIT", "NOWAIT", "IMMEDIATE", "BATCH"})
            if (i < t.size() && t[i].isWord(w))
                ++i;
    }
    if (i < t.size())
        throw OraError(kOraNotProperlyEnded);
    return tr;
}

// IN lists, GROUP BY constants, ROWNUM and LISTAGG: the passes that read whole clauses, run
// before the select list is named.
void rewriteRowForms(Tokens &t) {
    checkInLists(t);
    unpositionGroupBy(t);
    rewriteRownum(t);
    rewriteListagg(t);
}

// The passes over expressions, once the select list is named.
void rewriteExpressions(StatementTokens &st, const std::string &schema,
                        const NameResolver &resolver) {
    rewriteSequences(st, schema, resolver);
    rewriteCasts(st);
    wrapAggregateArguments(st);
    wrapConcatenations(st);
    rewriteDateArithmetic(st, schema, resolver);
    wrapDivisors(st);
}

Translation translateQuery(const std::string &sql, StatementTokens st, const std::string &schema,
                           const NameResolver &resolver) {
    Translation tr;
    tr.kind = StatementKind::Select;
    tr.functionType = OCIV7_FT_SELECT;
    dropOuterParentheses(st.tokens);
    dropForUpdate(st.tokens);
    rewriteOuterJoins(st.tokens);
    checkSelectHasFrom(st.tokens);
    rewriteRowForms(st.tokens);
    tr.items = nameSelectList(sql, st);
    rewriteExpressions(st, schema, resolver);
    Emitted emitted = emit(sql, st.tokens, tr.kind, schema, resolver);
    tr.sql = std::move(emitted.sql);
    tr.binds = std::move(emitted.binds);
    checkGroupedSelectList(st, emitted.fromTables, resolver);
    typeSelectList(st, emitted.fromTables, resolver, tr.items);
    return tr;
}

} // namespace

Translation translateDml(const std::string &sql, StatementTokens st, StatementKind kind,
                         int functionType, const std::string &schema,
                         const NameResolver &resolver) {
    Translation tr;
    tr.kind = kind;
    tr.functionType = functionType;
    Tokens &t = st.tokens;
    rewriteOuterJoins(t);
    if (kind == StatementKind::Delete && t.size() > 1 && !t[1].isWord("FROM"))
        t.insert(t.begin() + 1, word("FROM", t[1].offset));
    if (kind == StatementKind::Insert && (t.size() < 2 || !t[1].isWord("INTO")))
        throw OraError(kOraMissingInto);
    if (kind == StatementKind::Update)
        unqualifySetColumns(t);
    rewriteRowForms(t);
    rewriteExpressions(st, schema, resolver);
    Emitted emitted = emit(sql, t, kind, schema, resolver);
    tr.sql = std::move(emitted.sql);
    tr.binds = std::move(emitted.binds);
    return tr;
}

Translation translate(const std::string &sql, const std::string &schema,
                      const NameResolver &resolver) {
    // A zero byte is no character of a statement: SQLite would read the text only up to it.
    if (sql.find('\0') != std::string::npos)
        throw OraError(kOraInvalidCharacter);
    const Tokens head = headTokens(sql);
    if (head.empty())
        throw OraError(kOraInvalidSql);
    if (head[0].isWord("BEGIN") || head[0].isWord("DECLARE"))
        return translateBlock(sql);
    if (head[0].isWord("CREATE"))
        return translateCreate(sql, head, schema);
    StatementTokens st{tokenize(sql), {}};
    if (st.tokens.empty())
        throw OraError(kOraInvalidSql);
    checkExpressionDepth(st.tokens);
    const Token lead = st.tokens[0];
    if (lead.isWord("SELECT") || lead.isWord("WITH") || lead.isOp("("))
        return translateQuery(sql, std::move(st), schema, resolver);
    if (lead.isWord("INSERT") && st.tokens.size() > 1 &&
        (st.tokens[1].isWord("ALL") || st.tokens[1].isWord("FIRST")))
        return translateMultiInsert(sql, st.tokens, schema, resolver);
    if (lead.isWord("INSERT"))
        return translateDml(sql, std::move(st), StatementKind::Insert, OCIV7_FT_INSERT, schema,
                            resolver);
    if (lead.isWord("UPDATE"))
        return translateDml(sql, std::move(st), StatementKind::Update, OCIV7_FT_UPDATE, schema,
                            resolver);
    if (lead.isWord("DELETE"))
        return translateDml(sql, std::move(st), StatementKind::Delete, OCIV7_FT_DELETE, schema,
                            resolver);
    if (lead.isWord("DROP"))
        return translateDrop(st.tokens, schema);
    if (lead.isWord("ALTER"))
        return translateAlter(sql, st.tokens, schema);
    if (lead.isWord("SET") && st.tokens.size() > 1 &&
        (st.tokens[1].isWord("TRANSACTION") || st.tokens[1].isWord("ROLE") ||
         st.tokens[1].isWord("CONSTRAINT") || st.tokens[1].isWord("CONSTRAINTS"))) {
        Translation tr; // nothing the embedded database keeps changes
        tr.kind = StatementKind::SessionControl;
        return tr;
    }
    for (const char *w : {"GRANT", "REVOKE", "COMMENT", "TRUNCATE", "RENAME", "ANALYZE", "AUDIT",
                          "NOAUDIT", "PURGE", "ASSOCIATE", "DISASSOCIATE", "LOCK", "CALL",
                          "EXPLAIN", "FLASHBACK", "ADMINISTER"})
        if (lead.isWord(w))
            return translateOther(sql, st.tokens, schema);
    if (lead.isWord("MERGE"))
        return translateMerge(sql, st.tokens, schema, resolver);
    if (lead.isWord("COMMIT") || lead.isWord("ROLLBACK") || lead.isWord("SAVEPOINT"))
        return translateTransaction(st.tokens);
    throw OraError(kOraInvalidSql);
}

} // namespace ocilite
