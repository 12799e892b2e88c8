// The recursive-descent parser of PL/SQL units and the SQL inside them (private to the
// compiler). One Parser reads one unit's tokens into a tree in the given arena. Each syntax
// error gets its PLS-00103 row; the parse goes on past a repaired one, resumes where Oracle's
// parser resumes after one it cannot repair (parse_resume.cpp), or ends.
// The rules live in one file per area: parse_units, parse_decls, parse_stmts, parse_sql,
// parse_expr.
#pragma once

#include "ocilite/plsql/arena.h"
#include "ocilite/plsql/ast.h"
#include "ocilite/plsql/diagnostics.h"
#include "ocilite/plsql/expected.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/token.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

// Thrown inside the parser to unwind after an unrecoverable syntax error (never leaves it).
struct SyntaxAbort {};
// Thrown inside a SQL statement whose error Oracle's SQL parser reports (ORA-00925 ...): the
// statement is given up to its ';' and the PL/SQL around it is parsed on.
struct SqlSyntaxError {
    Msg message;
};

// Appends nodes to a parent's child list in constant time.
struct ChildList {
    Node *head = nullptr;
    Node *tail = nullptr;
    void add(Node *n) {
        if (!n)
            return;
        (tail ? tail->next : head) = n;
        tail = n;
        while (tail->next)
            tail = tail->next;
    }
};

class Parser {
public:
    Parser(std::string_view source, std::vector<Token> tokens, Arena &arena, Diagnostics &diags);
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    // The unit the source holds (it starts at its PACKAGE / PROCEDURE / ... keyword); null
    // when a syntax error stopped the parse.
    Node *parseUnit();
    // A trigger's PL/SQL block alone (the source starts at DECLARE, BEGIN or COMPOUND).
    Node *parseTriggerBlock();
    bool syntaxError() const { return m_syntaxError; }
    // The tokens the last parse read: the unit's, less those an error made it give up.
    const std::vector<Token> &tokens() const { return m_t; }
    std::vector<Token> takeTokens() { return std::move(m_t); }

private:
    // tokens (parser.cpp)
    // Steps that skip several tokens may pass the end: every token past it reads as the
    // end-of-file token.
    const Token &cur() const { return m_t[m_i < m_t.size() ? m_i : m_t.size() - 1]; }
    // The token before the current one (the last real token when past the end).
    const Token &prev() const {
        const size_t i = m_i < m_t.size() ? m_i : m_t.size() - 1;
        return m_t[i > 0 ? i - 1 : 0];
    }
    const Token &peek(size_t n = 1) const {
        return m_t[m_i + n < m_t.size() ? m_i + n : m_t.size() - 1];
    }
    bool isKw(Kw k) const { return cur().kind == Tok::Word && cur().kw == uint16_t(k); }
    bool peekKw(size_t n, Kw k) const {
        return peek(n).kind == Tok::Word && peek(n).kw == uint16_t(k);
    }
    bool isOp(char c) const;
    bool isOp2(const char *op) const;
    bool peekOp(size_t n, char c) const;
    bool peekOp2(size_t n, const char *op) const;
    bool atEof() const { return cur().kind == Tok::Eof; }
    bool acceptKw(Kw k);
    bool acceptOp(char c);
    bool acceptOp2(const char *op);
    void expectKw(Kw k, Expect e);
    void expectOp(char c, Expect e);
    void expectOp2(const char *op, Expect e);
    bool isIdentifier() const; // a word that may name an item here, or "quoted"
    bool sqlName() const;
    bool isAnyName() const; // any word or quoted identifier (after a dot)
    uint32_t expectIdentifier(Expect e);
    void expectSemicolon(Expect e); // with Oracle's ";" substitution where it recovers
    [[noreturn]] void fail(Expect e);
    // A symbol other than `wanted` (";", "then", "is" ...): reported with Oracle's repair;
    // when the repair puts `wanted` in (before the symbol, or in its place) the parse goes
    // on as though it stood there; with no repair it resumes as Oracle's does (or ends),
    // with another repair it ends.
    void failExpecting(Expect e, std::string_view wanted);
    [[noreturn]] void failAfterUnit();
    Node *mk(NK kind, uint32_t first);
    Node *finish(Node *n) {
        n->end = static_cast<uint32_t>(m_i < m_t.size() ? m_i : m_t.size());
        return n;
    }
    bool startsStatement() const;
    bool endsStatementList() const;

    // units (parse_units.cpp)
    Node *packageSpec(uint32_t first);
    Node *packageBody(uint32_t first);
    Node *standaloneSubprogram(uint32_t first, bool function);
    Node *typeSpec(uint32_t first);
    Node *typeBody(uint32_t first);
    Node *trigger(uint32_t first);
    void triggerHeading();
    Node *compoundTrigger(uint32_t first);
    void unitName(Node *unit);
    void unitClauses(bool function);
    void endUnit(Expect e);
    Expect afterEnd() const;
    Node *subprogramHeading(NK kind, bool function, bool method);
    Node *parameterList();
    Node *parameter();
    void subprogramClauses(bool function, bool body);
    Node *subprogram(bool method);
    Node *subprogramRest(Node *heading, bool method, bool assumeIs = false);
    void typeMember(ChildList &members);
    void typeModifiers();

    // declarations (parse_decls.cpp)
    Node *declarations(bool package, bool body);
    Node *declaration(bool package, bool body);
    Node *variable();
    Node *typeDecl();
    Node *subtypeDecl();
    Node *cursorDecl();
    Node *pragma();
    Node *datatype();
    Node *returnType();
    Node *collectionType(Node *type);
    void typeConstraint(Node *type);
    Node *recordFields();
    Node *defaultValue();

    // statements (parse_stmts.cpp)
    Node *body(Node *unit);
    Node *block(uint32_t first);
    Node *statements(Expect e);
    Node *statement();
    Node *labelled();
    Node *ifStatement();
    Expect thenAfter(const Node *condition) const;
    Node *caseStatement();
    Node *loopStatement(Node *head, uint32_t first);
    Node *forLoop();
    Node *whileLoop();
    Node *forall();
    Node *exitOrContinue(NK kind);
    Node *raiseStatement();
    Node *returnStatement();
    Node *openStatement();
    Node *fetchStatement();
    Node *closeStatement();
    Node *executeImmediate();
    Node *pipeRow();
    Node *gotoStatement();
    Node *nameStatement();
    Node *handlers();
    void endBlock(Expect e);
    Node *intoTargets(NK kind);

    // SQL (parse_sql.cpp)
    bool startsSql() const;
    Node *sqlStatement();
    Node *sqlStatementBody(Node *s);
    void sqlNotEnded(uint32_t start, Msg message);
    bool sqlEnded(uint32_t start);
    bool semicolonAhead() const;
    Node *selectStatement(bool plsql);
    Node *query();
    Node *subquery();
    Node *queryBlock();
    Node *selectList();
    Node *fromClause();
    Node *tableReference();
    Node *tableExpression();
    void joinClauses(ChildList &list);
    void queryTail(Node *block);
    void hierarchical(ChildList &list);
    void groupBy(ChildList &list);
    Node *orderBy();
    void rowLimiting();
    void forUpdate();
    Node *withClause();
    Node *insertStatement();
    Node *insertTarget();
    Node *updateStatement();
    Node *deleteStatement();
    Node *mergeStatement();
    Node *returningClause();
    Node *simpleSql();
    bool simpleSqlSecondWord(Kw first) const;
    Node *sqlTableName();
    uint32_t tableAlias();
    void skipToSemicolon();

    // expressions (parse_expr.cpp)
    Node *expr();
    Node *orExpr();
    Node *andExpr();
    Node *notExpr();
    Node *comparison();
    Node *comparisonTail(Node *left, uint32_t first);
    Node *concat();
    Node *additive();
    Node *multiplicative();
    Node *power();
    Node *unary();
    Node *primary();
    Node *name();
    Node *nameTail(Node *n);
    Node *arguments();
    bool startsArgument(size_t open) const;
    bool qualifiedCall(size_t open) const;
    Expect operandExpected() const;
    bool functionWord() const;
    bool outsideParentheses(bool inCase) const;
    Node *caseExpression();
    Node *parenthesised();
    Node *literal();
    Node *datetimeLiteral();
    Node *specialFunction(Node *n);
    Node *analyticClause();
    Node *conditionExpr() { return expr(); }
    bool startsExpression() const;
    void skipBalanced();

    // error repair (parse_recovery.cpp)
    struct Repair {
        bool found = false;
        bool replace = false; // the symbol takes the place of the one met (else goes before)
        std::string symbol;
    };
    enum class Entry : uint8_t { Unit, TriggerBlock };
    // An error the parse went on from: the token it was met at (by source offset) and the
    // repair that let the parse go on. A later pass over the same tokens meets it again.
    struct PastError {
        uint32_t offset;
        bool replace;
    };
    // Where the parse resumes after an error it could not repair: the tokens with those
    // given up taken out, and the index the symbol read on from has in them.
    struct Resumption {
        std::vector<Token> tokens;
        size_t from = 0;
        std::vector<PastError> past; // the repairs of the errors before `from`
    };
    // Tokens all trial parses of one unit may read together (beyond it errors get no repair).
    static constexpr size_t kRepairBudget = 4'000'000;
    Node *parseEntry();
    Node *parseInPasses();
    Repair findRepair(Expect e);
    bool repairWorks(const std::string &symbol, bool replace);
    void report(Expect e, const Repair &r);
    [[noreturn]] void endAfter(const Repair &r);

    // resuming after an error (parse_resume.cpp)
    bool replaying() const;
    void replayRepair();
    void listItemDone(uint32_t listFirst);
    std::vector<char> insideLists() const;
    void findResumption();
    bool resumeWorks(size_t from, size_t drop, bool carry);
    std::vector<PastError> pastKept(size_t from, size_t drop, bool carry) const;
    bool trialParse(Parser &trial, size_t from, size_t reach);
    void startPass();
    // A trial parse (of the tokens with a repair made) ends once it has read this far.
    void trialPoint() {
        if (m_trial && m_i >= m_trialStop)
            throw TrialDone{};
    }
    struct TrialDone {};

    // Bounds on what the parser and the checks after it recurse over: nesting (an expression
    // in parentheses, a prefix operator, a statement or block inside another, a subquery)
    // ends the parse with PLS-00102 past Oracle's 255 levels; an operator chain (a + b + ...,
    // each link a level of the tree) with PLS-00123 past 65535 links.
    static constexpr int kMaxNesting = 255;
    static constexpr int kMaxChain = 65535;
    struct Nested {
        explicit Nested(Parser &p) : parser(p) {
            if (++parser.m_depth > kMaxNesting)
                parser.tooDeep();
        }
        ~Nested() { --parser.m_depth; }
        Nested(const Nested &) = delete;
        Nested &operator=(const Nested &) = delete;
        Parser &parser;
    };
    [[noreturn]] void tooDeep();
    void chained(int &links);

    std::string_view m_src;
    std::vector<Token> m_t;
    size_t m_i = 0;
    Arena &m_arena;
    Diagnostics &m_diags;
    bool m_syntaxError = false;
    int m_sqlDepth = 0;
    int m_depth = 0;
    bool m_inSpec = false;     // in a package specification's items
    bool m_returnType = false; // reading a function's RETURN type
    Entry m_entry = Entry::Unit;
    bool m_trial = false; // a trial parse: the first error ends it, unreported
    size_t m_trialStop = SIZE_MAX;
    size_t m_failedAt = SIZE_MAX; // where a trial parse met its error
    size_t m_repairBudget;        // tokens the trial parses may still read
    // Resuming: errors before m_quietBefore were reported by an earlier pass and take the
    // decisions listed in *m_past (in the order met); lists finished so far, as (first
    // token, token after the last item).
    size_t m_quietBefore = 0;
    std::vector<PastError> m_ownPast;
    const std::vector<PastError> *m_past = &m_ownPast;
    size_t m_pastNext = 0;
    std::vector<std::pair<uint32_t, uint32_t>> m_lists;
    std::unique_ptr<Resumption> m_resume;
};

} // namespace ocilite::plsql
