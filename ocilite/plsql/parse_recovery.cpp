// How the parser reports a syntax error and repairs it as Oracle does (private to the
// compiler). Oracle tries the symbols of the list it prints, in the list's order: first each
// put in before the symbol it met, then each put in that symbol's place. The first that lets
// the parse read on for kRepairReach tokens is its repair (in the symbol's place it puts
// only an operator, never a word: END LOOP for END IF is not repaired), named in the row's last
// line (Oracle writes `"X" was substituted for "Y"` for a symbol put in before Y, and
// `"X was inserted before "Y"` for one put in Y's place). With no such symbol the row has no
// last line. A trial parse runs over a copy of the tokens with the repair made, meeting the
// errors before it with the repairs they had.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

#include <cctype>

namespace ocilite::plsql {
namespace {

// Tokens a repaired parse must read past the repair: 4 after the symbol put in. (A "=" for
// ":=" is not repaired when the next statement has the same fault; a "," in a condition is
// not repaired by a "." before a keyword.)
constexpr size_t kRepairReach = 5;

bool sameSymbol(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

Parser::Repair Parser::findRepair(Expect e) {
    if (e == Expect::AfterUnit || atEof()) // at end-of-file nothing is left to go on with
        return {};
    const std::vector<std::string> candidates = repairCandidates(e);
    for (bool replace : {false, true}) {
        for (const std::string &symbol : candidates)
            if ((!replace || !std::isalpha(static_cast<unsigned char>(symbol[0]))) &&
                repairWorks(symbol, replace))
                return Repair{true, replace, symbol};
    }
    return {};
}

// Parses a copy of the tokens with `symbol` put in at the current one (or in its place)
// and tells whether that parse reads kRepairReach tokens past it without an error.
bool Parser::repairWorks(const std::string &symbol, bool replace) {
    std::string source(m_src);
    source += ' ';
    const auto base = static_cast<uint32_t>(source.size());
    source += symbol;
    std::vector<Token> made = tokenize(std::string_view(source).substr(base));
    if (made.size() != 2 || made[0].kind == Tok::Bad)
        return false;
    Token put = made[0];
    put.offset += base;
    put.innerOffset += base;
    put.line = cur().line;
    put.col = cur().col;
    std::vector<Token> tokens(m_t.begin(), m_t.begin() + static_cast<ptrdiff_t>(m_i));
    tokens.push_back(put);
    tokens.insert(tokens.end(), m_t.begin() + static_cast<ptrdiff_t>(m_i + (replace ? 1 : 0)),
                  m_t.end());
    Arena arena;
    Diagnostics diags;
    Parser trial(source, std::move(tokens), arena, diags);
    trial.m_past = m_past;
    return trialParse(trial, m_i, kRepairReach);
}

// Runs a trial parse that meets the errors before token `from` as this parse did and tells
// whether it reads `reach` tokens from there without an error (or ends the unit sooner).
bool Parser::trialParse(Parser &trial, size_t from, size_t reach) {
    const size_t cost = from + reach + trial.m_t.size() / 8 + 1;
    if (cost > m_repairBudget)
        return false;
    m_repairBudget -= cost;
    trial.m_trial = true;
    trial.m_entry = m_entry;
    trial.m_trialStop = from + reach;
    trial.m_quietBefore = from;
    try {
        trial.parseEntry();
    } catch (const SyntaxAbort &) {
        return trial.m_failedAt != SIZE_MAX && trial.m_failedAt >= from + reach;
    } catch (const TrialDone &) {
    }
    return true;
}

// The PLS-00103 row: at the symbol met (end-of-file on the source's last character), the
// list, and the repair's line.
void Parser::report(Expect e, const Repair &r) {
    const Token &t = cur();
    int line = t.line;
    int col = t.col;
    if (t.kind == Tok::Eof && m_i > 0) {
        const Token &last = prev();
        std::string_view text = tokenText(m_src, last);
        line = last.line;
        col = last.col;
        for (size_t k = 0; k + 1 < text.size(); ++k) {
            if (text[k] == '\n') {
                ++line;
                col = 1;
            } else if ((static_cast<unsigned char>(text[k + 1]) & 0xC0) != 0x80) {
                ++col;
            }
        }
    }
    const std::string name = symbolName(m_src, t);
    std::string text = e == Expect::AfterUnit
                           ? "PLS-00103: Encountered the symbol \"" + name + "\""
                           : messageText(Msg::Encountered, {name, expectedBlock(e)});
    if (r.found && r.replace)
        text += "\nThe symbol \"" + r.symbol + " was inserted before \"" + name + "\" to continue.";
    else if (r.found)
        text +=
            "\nThe symbol \"" + r.symbol + "\" was substituted for \"" + name + "\" to continue.";
    m_diags.addText(line, col, messageNumber(Msg::Encountered), std::move(text));
}

void Parser::failExpecting(Expect e, std::string_view wanted) {
    if (replaying()) {
        replayRepair();
        return;
    }
    if (m_trial)
        fail(e);
    const Repair r = findRepair(e);
    report(e, r);
    m_syntaxError = true;
    if (!r.found || !sameSymbol(r.symbol, wanted))
        endAfter(r);
    m_ownPast.push_back({cur().offset, r.replace});
    if (r.replace)
        ++m_i; // the symbol met stands for the one wanted
}

// The parse cannot go on from here: with no repair it resumes where Oracle's does (a new
// pass), with a repair that is not the symbol wanted it ends.
void Parser::endAfter(const Repair &r) {
    if (!r.found)
        findResumption();
    m_failedAt = m_i;
    throw SyntaxAbort{};
}

// Text after the unit's last END: Oracle names the symbol and lists nothing.
void Parser::failAfterUnit() {
    fail(Expect::AfterUnit);
}

} // namespace ocilite::plsql
