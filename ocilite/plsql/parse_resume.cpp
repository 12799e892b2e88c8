// How the parser goes on after a syntax error it cannot repair, as Oracle's table-driven
// parser does (private to the compiler). Oracle gives up the symbols it has read, back to
// the nearest state that can read the symbol met, and reads on from there; when no state
// can, it drops that symbol and tries the next one the same way, once. A state can read a
// symbol when the parse gets kResumeReach tokens past the error without another (or ends the
// unit sooner). What is given up is the current statement's or declaration's symbols, then whole
// enclosing constructs: a finished list of statements, declarations or handlers goes as a
// whole, never in part. Later errors get their own rows.
//
// The recursive-descent parser cannot step back into a state it has left, so resuming is a
// new pass over the tokens with those given up taken out; the errors before the point of
// resumption were reported by an earlier pass and are met again quietly, each with the
// repair it had then.
#include "ocilite/plsql/parser.h"

#include <algorithm>

namespace ocilite::plsql {
namespace {

// Tokens past an unrepaired error the parse must get through before the error counts as
// resumed from: the symbol met is the first, a symbol dropped counts as got through. (After
// the unit's END, "SELECT * FROM t;" gets five and meets the end of the text: Oracle reports
// nothing more. A ";" dropped where RETURN was wanted and the next "FUNCTION f (a number)"
// make seven, and Oracle reports the next error; a package specification's "v number(3);"
// read after a function's IS makes six, and Oracle reports nothing at the BEGIN after it.)
constexpr size_t kResumeReach = 7;

} // namespace

Node *Parser::parseInPasses() {
    for (;;) {
        try {
            return parseEntry();
        } catch (const SyntaxAbort &) {
            if (!m_resume)
                return nullptr;
            startPass();
        }
    }
}

// An error an earlier pass repaired and went on from: the same repair, no row.
void Parser::replayRepair() {
    const std::vector<PastError> &past = *m_past;
    if (m_pastNext >= past.size() || past[m_pastNext].offset != cur().offset) {
        m_failedAt = m_i; // not the error that pass met (cannot happen)
        m_syntaxError = true;
        throw SyntaxAbort{};
    }
    if (past[m_pastNext++].replace)
        ++m_i;
}

// A list of statements, declarations or handlers (its first token at `listFirst`) has one
// more item.
void Parser::listItemDone(uint32_t listFirst) {
    const auto end = static_cast<uint32_t>(m_i);
    if (!m_lists.empty() && m_lists.back().first == listFirst)
        m_lists.back().second = end;
    else
        m_lists.emplace_back(listFirst, end);
}

// For each token up to the current one: whether it lies inside a finished part of a list
// (after the list's first token), where the parse cannot resume.
std::vector<char> Parser::insideLists() const {
    std::vector<std::pair<uint32_t, uint32_t>> lists = m_lists;
    std::sort(lists.begin(), lists.end());
    std::vector<char> inside(m_i + 1, 0);
    size_t next = 0;
    uint32_t reach = 0;
    for (size_t k = 0; k <= m_i; ++k) {
        while (next < lists.size() && lists[next].first < k)
            reach = std::max(reach, lists[next++].second);
        inside[k] = k < reach;
    }
    return inside;
}

// After an unrepaired error at the current token: the nearest point the parse can resume
// from (m_resume), or none (the parse ends). A symbol a repair put in before the first token
// given up stays (the nearer state) unless the parse can resume only without it.
void Parser::findResumption() {
    if (m_trial || atEof() || m_repairBudget < m_t.size())
        return;
    const std::vector<char> inside = insideLists();
    for (size_t drop = 0; drop < 2; ++drop) {
        if (peek(drop).kind == Tok::Eof)
            return;
        for (size_t from = m_i + drop; from > 0;) {
            --from;
            if (inside[from])
                continue;
            if (resumeWorks(from, drop, true) || resumeWorks(from, drop, false)) {
                m_repairBudget -= std::min(m_repairBudget, m_t.size()); // the new pass
                return;
            }
        }
    }
}

// The repairs a pass resuming at `from` meets again: those before it, and (with `carry`) a
// symbol put in before the token at `from`, now before the symbol resumed with.
std::vector<Parser::PastError> Parser::pastKept(size_t from, size_t drop, bool carry) const {
    const uint32_t cut = m_t[from].offset;
    std::vector<PastError> kept;
    for (const PastError &e : m_ownPast) {
        if (e.offset < cut)
            kept.push_back(e);
        else if (carry && e.offset == cut && !e.replace)
            kept.push_back({m_t[m_i + drop].offset, false});
    }
    return kept;
}

// Whether the parse can resume at token `from` with the symbol `drop` tokens past the
// current one: the tokens from `from` up to that symbol are given up.
bool Parser::resumeWorks(size_t from, size_t drop, bool carry) {
    std::vector<PastError> past = pastKept(from, drop, carry);
    if (carry && (past.empty() || past.back().offset != m_t[m_i + drop].offset))
        return false; // nothing carried: the same state as without
    const auto at = [&](size_t k) { return m_t.begin() + static_cast<ptrdiff_t>(k); };
    std::vector<Token> tokens(m_t.begin(), at(from));
    tokens.insert(tokens.end(), at(m_i + drop), m_t.end());
    Arena arena;
    Diagnostics diags;
    Parser trial(m_src, std::move(tokens), arena, diags);
    trial.m_ownPast = past;
    if (!trialParse(trial, from, kResumeReach - drop))
        return false;
    m_resume = std::make_unique<Resumption>();
    m_resume->tokens = std::move(trial.m_t);
    m_resume->from = from;
    m_resume->past = std::move(past);
    return true;
}

// Errors met again: those before the point of resumption, and a symbol carried to it.
bool Parser::replaying() const {
    if (m_i < m_quietBefore)
        return true;
    return m_i == m_quietBefore && m_pastNext < m_past->size() &&
           (*m_past)[m_pastNext].offset == cur().offset;
}

// A new pass over the tokens of m_resume, quiet up to its point of resumption.
void Parser::startPass() {
    const std::unique_ptr<Resumption> r = std::move(m_resume);
    m_t = std::move(r->tokens);
    m_quietBefore = r->from;
    m_ownPast = std::move(r->past);
    m_i = 0;
    m_pastNext = 0;
    m_depth = 0;
    m_sqlDepth = 0;
    m_inSpec = false;
    m_returnType = false;
    m_lists.clear();
}

} // namespace ocilite::plsql
