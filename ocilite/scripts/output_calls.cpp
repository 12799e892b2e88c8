#include "ocilite/scripts/output_calls.h"

#include "ocilite/dialect/passes.h"
#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

class CallReader {
public:
    CallReader(std::string_view text, Tokens tokens) : m_text(text), m_t(std::move(tokens)) {}

    std::optional<std::vector<OutputCall>> read() {
        if (m_at < m_t.size() && m_t[m_at].isWord("DECLARE"))
            ++m_at;
        if (!word("BEGIN"))
            return std::nullopt;
        std::vector<OutputCall> calls;
        while (m_at < m_t.size() && !m_t[m_at].isWord("END")) {
            const std::optional<OutputCall> call = statement();
            if (!call)
                return std::nullopt;
            if (call->kind != OutputCall::Kind::Nothing)
                calls.push_back(*call);
        }
        if (!word("END") || !op(";") || m_at != m_t.size())
            return std::nullopt;
        return calls;
    }

private:
    bool word(const char *w) {
        if (m_at >= m_t.size() || !m_t[m_at].isWord(w))
            return false;
        ++m_at;
        return true;
    }
    bool op(const char *o) {
        if (m_at >= m_t.size() || !m_t[m_at].isOp(o))
            return false;
        ++m_at;
        return true;
    }

    // NULL; or [SYS.]DBMS_OUTPUT.name[(argument)];
    std::optional<OutputCall> statement() {
        if (word("NULL"))
            return op(";") ? std::optional<OutputCall>(OutputCall{}) : std::nullopt;
        if (word("SYS") && !op("."))
            return std::nullopt;
        if (!word("DBMS_OUTPUT") || !op(".") || m_at >= m_t.size())
            return std::nullopt;
        const std::string name = m_t[m_at++].text;
        std::string argument;
        if (m_at < m_t.size() && m_t[m_at].isOp("(")) {
            const size_t close = closingParen(m_t, m_at);
            if (close == m_t.size() || close == m_at + 1)
                return std::nullopt;
            for (size_t i = m_at + 1; i < close; ++i)
                if (m_t[i].kind == TokenKind::Bind)
                    return std::nullopt; // a SQL*Plus VARIABLE: not kept here
            const size_t from = m_t[m_at + 1].offset;
            argument = std::string(m_text.substr(from, m_t[close].offset - from));
            m_at = close + 1;
        }
        if (!op(";"))
            return std::nullopt;
        return call(name, std::move(argument));
    }

    static std::optional<OutputCall> call(const std::string &name, std::string argument) {
        using Kind = OutputCall::Kind;
        const bool given = !argument.empty();
        if (name == "PUT_LINE" && given)
            return OutputCall{Kind::PutLine, std::move(argument)};
        if (name == "PUT" && given)
            return OutputCall{Kind::Put, std::move(argument)};
        if (name == "NEW_LINE" && !given)
            return OutputCall{Kind::NewLine, {}};
        if (name == "ENABLE" || (name == "DISABLE" && !given))
            return OutputCall{}; // the buffer has no size limit here
        return std::nullopt;
    }

    std::string_view m_text;
    Tokens m_t;
    size_t m_at = 0;
};

} // namespace

std::optional<std::vector<OutputCall>> outputCalls(std::string_view block) {
    Tokens tokens;
    try {
        tokens = tokenizeLenient(block);
    } catch (const OraError &) {
        return std::nullopt;
    }
    return CallReader(block, std::move(tokens)).read();
}

} // namespace ocilite
