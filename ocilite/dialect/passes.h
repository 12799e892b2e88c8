// The passes of the translation (private header). translate() (translate.cpp) classifies a
// statement and runs the passes in order; each pass is a free function over explicit values:
// the statement's tokens, the select list, the tables in scope. Token helpers shared by the
// passes are declared at the end.
#pragma once

#include "ocilite/dialect/tokenizer.h"
#include "ocilite/dialect/translation.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace ocilite {

using Tokens = std::vector<Token>;

// Token positions [from, to).
struct TokenRange {
    size_t from = 0;
    size_t to = 0;
};

// The tokens of a query or DML statement while the passes rewrite them. The ranges of the
// top-level select items (without their aliases) follow every insertion, so that the select
// list can be typed once the rewrites are done.
struct StatementTokens {
    Tokens tokens;
    std::vector<TokenRange> items;
};

// Tokens a pass inserts, gathered while it reads the statement and applied in one sweep, so
// that a pass costs time in proportion to the statement however many insertions it makes
// (insertions.cpp).
class Insertions {
public:
    // Puts `before` ahead of the tokens [from, to) and `after` behind them. Wraps that share
    // an edge nest: the wider one outside, a wrap added later around the same tokens outside
    // the earlier ones.
    void wrap(size_t from, size_t to, std::vector<Token> before, std::vector<Token> after);
    // Tokens before position `at`, after whatever ends there and before whatever begins there.
    void add(size_t at, std::vector<Token> tokens);
    // Applies every insertion. With edgesInside, tokens inserted at an item's edge belong to
    // the item (a wrap of the item); otherwise they stay outside it (an alias after it).
    void apply(StatementTokens &st, bool edgesInside);

private:
    // Where one inserted token goes; sorted, the keys give the order of the insertions.
    struct Key {
        size_t at = 0;
        int group = 0;      // 0 closes what ends at `at`, 1 stands alone, 2 opens what begins
        long long rank = 0; // within a group: the outer wrap first
        size_t sequence = 0;
        size_t token = 0; // index into m_tokens
    };
    void push(size_t at, int group, long long rank, size_t sequence, Token token);
    std::vector<Key> m_keys;
    std::vector<Token> m_tokens;
};

// A table a statement reads: its alias (or own name) and what SQLite knows it by.
struct FromTable {
    std::string key;
    std::string sqliteName;
};
using FromTables = std::vector<FromTable>;

// ---- classification and DDL (classify.cpp, ddl/) ---------------------------------------

// The first few tokens of a statement, enough to classify it; a program unit's body is
// PL/SQL, which the SQL tokenizer does not need to understand. Throws ORA-29275 for text
// that is not UTF-8.
Tokens headTokens(const std::string &sql);

// CREATE ... and DROP ... of the families the engine knows (ddl/create_drop.cpp).
Translation translateCreate(const std::string &sql, const Tokens &head, const std::string &schema);
Translation translateDrop(const Tokens &tokens, const std::string &schema);
// [schema.]name of an object the schema owns, from position i (advanced past it); another
// schema's name is refused with ORA-01031, a missing one with `missing`.
std::string ownObjectName(const Tokens &tokens, size_t &i, const std::string &schema, int missing);

// ---- query and DML passes, in the order translate() runs them -----------------------

// An INSERT, UPDATE or DELETE through the passes below (translate.cpp); MERGE, as the
// UPDATE and INSERT it becomes, through the same (merge.cpp).
Translation translateDml(const std::string &sql, StatementTokens st, StatementKind kind,
                         int functionType, const std::string &schema, const NameResolver &resolver);
Translation translateMerge(const std::string &sql, const Tokens &tokens, const std::string &schema,
                           const NameResolver &resolver);
// INSERT ALL / INSERT FIRST as one INSERT ... SELECT a target (multi_insert.cpp).
Translation translateMultiInsert(const std::string &sql, const Tokens &tokens,
                                 const std::string &schema, const NameResolver &resolver);
// (SELECT ...) as the whole statement: the query inside (select_list.cpp).
void dropOuterParentheses(Tokens &tokens);
// Drops a query's FOR UPDATE clause (for_update.cpp).
void dropForUpdate(Tokens &tokens);
// UPDATE ... SET alias.column = ...: SQLite names the columns of SET without a qualifier
// (update_set.cpp).
void unqualifySetColumns(Tokens &tokens);

// Rewrites Oracle's (+) outer joins of every query block into LEFT JOIN ... ON (outer_join.cpp).
void rewriteOuterJoins(Tokens &tokens);
// A top-level SELECT without FROM: ORA-00923, or ORA-00936 for a bare SELECT (select_list.cpp).
void checkSelectHasFrom(const Tokens &tokens);
// Names every top-level select item as Oracle reports it and gives it that name as an alias,
// so that "order by LINE" finds the select-list column as Oracle does. Records the items'
// ranges in st.items; returns the items, none when the list has a '*' (select_list.cpp).
std::vector<SelectItem> nameSelectList(const std::string &sql, StatementTokens &st);
// sequence.NEXTVAL / CURRVAL as calls of the engine's sequence functions (sequences.cpp).
void rewriteSequences(StatementTokens &st, const std::string &schema, const NameResolver &resolver);
// SUM and AVG refuse what is no number: their argument becomes OCILITE_NUMBER(argument)
// (aggregates.cpp).
void wrapAggregateArguments(StatementTokens &st);
// CAST to a number, a date or a text converts as Oracle's does: CAST(x AS TYPE(p, s)) becomes
// OCILITE_CAST(x, 'TYPE', p, s, NULL) (casts.cpp).
void rewriteCasts(StatementTokens &st);
// Oracle's || treats NULL as an empty string and ranks with + and -: each operand becomes
// OCILITE_TEXT(operand) (concatenation.cpp).
void wrapConcatenations(StatementTokens &st);
// DATE + n, DATE - n and DATE - DATE as Oracle computes them, in days (date_arithmetic.cpp).
void rewriteDateArithmetic(StatementTokens &st, const std::string &schema,
                           const NameResolver &resolver);

// ROWNUM <= n among a query block's ANDed WHERE conditions becomes LIMIT n; other
// conditions on ROWNUM are refused with ORA-03001 (rownum.cpp).
void rewriteRownum(Tokens &tokens);
// LISTAGG(x, d) WITHIN GROUP (ORDER BY k ...) as OCILITE_LISTAGG(distinct, x, d, k, order ...)
// (listagg.cpp).
void rewriteListagg(Tokens &tokens);
// COUNT, SUM, AVG, MIN, MAX and Oracle's other aggregate functions (rownum.cpp).
bool isAggregateName(const Token &t);

// An IN list of more than 1000 expressions: ORA-01795 (grouping.cpp).
void checkInLists(const Tokens &tokens);
// A lone number in GROUP BY is a constant to Oracle and a position to SQLite: it becomes a
// text literal, a constant to both (grouping.cpp).
void unpositionGroupBy(Tokens &tokens);

// The right operand of each '/' becomes OCILITE_DIVISOR(operand), which refuses a zero
// divisor with ORA-01476 (division.cpp).
void wrapDivisors(StatementTokens &st);

// What emission produces: the SQLite text, the bind names in parameter order, and the tables
// of the outermost FROM (for typing the select list).
struct Emitted {
    std::string sql;
    std::vector<std::string> binds;
    FromTables fromTables;
};
// Writes the SQLite text: tables mapped to the schema's tables, '' as NULL, numbered binds,
// Oracle's operators and pseudo-columns in SQLite's spelling (emit.cpp).
Emitted emit(const std::string &sql, const Tokens &tokens, StatementKind kind,
             const std::string &schema, const NameResolver &resolver);
// Types the select items that are expressions (and pseudo-columns) by their shape
// (select_list.cpp).
void typeSelectList(const StatementTokens &st, const FromTables &tables,
                    const NameResolver &resolver, std::vector<SelectItem> &items);

// A grouped query whose select list names a column that is neither grouped nor inside an
// aggregate: ORA-00979 (grouping.cpp). Reads the outermost query block.
void checkGroupedSelectList(const StatementTokens &st, const FromTables &tables,
                            const NameResolver &resolver);

// The nesting of an expression (parentheses, CASE, prefix operators) is bounded, so that no
// pass recurses without limit: ORA-03095 beyond kMaxExpressionDepth (expression_depth.cpp).
inline constexpr int kMaxExpressionDepth = 100;
void checkExpressionDepth(const Tokens &tokens);

// ---- shapes of token runs (type_guess.cpp, token_shapes.cpp) ---------------------------

// The Oracle type of an expression, guessed from its shape.
OraType guessType(const Tokens &tokens, TokenRange range, const FromTables &tables,
                  const NameResolver &resolver);
// Every table the statement names after FROM, JOIN, INTO or UPDATE that the schema has.
FromTables namedTables(const Tokens &tokens, const std::string &schema,
                       const NameResolver &resolver);

// The names WITH gives its subqueries, anywhere in the statement (token_shapes.cpp).
std::set<std::string> subqueryNames(const Tokens &tokens);

// [owner.]name [alias] at position i; i is left on the last token used.
struct TableName {
    std::string owner;
    std::string name;
    std::string alias; // the name itself when no alias follows
};
TableName readTableName(const Tokens &tokens, size_t &i, const std::string &schema);

bool isClauseWord(const Token &t);
bool isNameToken(const Token &t);
bool isAliasToken(const Token &t);
// Could end an expression: a literal, a name, a bind, ')' or END.
bool endsExpression(const Token &t);
Token word(const std::string &text, size_t offset = 0);
Token op(const char *text);
Token number(const char *text);
// The first token from `from` on, outside any parentheses opened after it, that `stop`
// accepts; tokens.size() when there is none.
size_t topLevel(const Tokens &tokens, size_t from, const std::function<bool(const Token &)> &stop);
// The items of the comma list [from, to), commas inside parentheses not counted.
std::vector<TokenRange> commaItems(const Tokens &tokens, size_t from, size_t to);
// The tokens [from, to).
Tokens slice(const Tokens &tokens, size_t from, size_t to);
void append(Tokens &out, const Tokens &more);
// The ')' matching the '(' at `open`, or tokens.size() when there is none.
size_t closingParen(const Tokens &tokens, size_t open);
// The parenthesis matching the one at `at`, searching forward (step 1) or back (step -1);
// SIZE_MAX when there is none.
size_t matchingParen(const Tokens &tokens, size_t at, int step);
// The first token of the operand left of the operator at k, and one past the last token of
// the operand right of it; k itself, or k + 1, when there is no such operand.
size_t operandStart(const Tokens &tokens, size_t k);
size_t operandEnd(const Tokens &tokens, size_t k);

} // namespace ocilite
