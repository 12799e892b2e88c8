#include "ocilite/scripts/script_splitter.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace ocilite {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool isIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '#' ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void rtrimInPlace(std::string &s) {
    while (!s.empty() && isSpace(s.back()))
        s.pop_back();
}

// A word of a statement's header: an identifier (upper-cased unless quoted) or one symbol.
struct Word {
    std::string text;
    bool quoted = false;
    size_t offset = 0;
};

// Reads the first `count` words of a statement, passing over blanks and comments.
std::vector<Word> leadingWords(std::string_view s, size_t count) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < s.size() && words.size() < count) {
        if (isSpace(s[i])) {
            ++i;
        } else if (s.substr(i, 2) == "--") {
            const size_t end = s.find('\n', i);
            i = end == std::string_view::npos ? s.size() : end + 1;
        } else if (s.substr(i, 2) == "/*") {
            const size_t end = s.find("*/", i + 2);
            i = end == std::string_view::npos ? s.size() : end + 2;
        } else if (s[i] == '"') {
            const size_t end = s.find('"', i + 1);
            const size_t stop = end == std::string_view::npos ? s.size() : end;
            words.push_back({std::string(s.substr(i + 1, stop - i - 1)), true, i});
            i = stop + 1;
        } else if (isIdentChar(s[i])) {
            const size_t start = i;
            while (i < s.size() && isIdentChar(s[i]))
                ++i;
            words.push_back({upper(s.substr(start, i - start)), false, start});
        } else {
            words.push_back({std::string(1, s[i]), false, i});
            ++i;
        }
    }
    return words;
}

enum class Body { Sql, Unit, Anonymous };

Body classify(std::string_view statement) {
    const std::vector<Word> words = leadingWords(statement, 3);
    if (words.empty())
        return Body::Sql;
    if (words[0].text == "DECLARE" || words[0].text == "BEGIN")
        return Body::Anonymous;
    UnitHeader header;
    return parseUnitHeader(statement, header) ? Body::Unit : Body::Sql;
}

// SQL*Plus commands recognised at the start of a line, with their shortest abbreviation.
struct CommandName {
    const char *full;
    size_t minLength;
};
constexpr CommandName kCommands[] = {
    {"ACCEPT", 3},     {"APPEND", 1},    {"ARCHIVE", 4},   {"ATTRIBUTE", 4}, {"BREAK", 3},
    {"BTITLE", 3},     {"CHANGE", 1},    {"CLEAR", 2},     {"COLUMN", 3},    {"COMPUTE", 4},
    {"CONNECT", 4},    {"COPY", 4},      {"DEFINE", 3},    {"DEL", 3},       {"DESCRIBE", 4},
    {"DISCONNECT", 4}, {"EDIT", 2},      {"EXECUTE", 4},   {"EXIT", 4},      {"GET", 3},
    {"HELP", 4},       {"HOST", 2},      {"INPUT", 1},     {"LIST", 1},      {"PASSWORD", 4},
    {"PAUSE", 3},      {"PRINT", 3},     {"PROMPT", 3},    {"QUIT", 4},      {"RECOVER", 7},
    {"REMARK", 3},     {"REPFOOTER", 4}, {"REPHEADER", 4}, {"RUN", 1},       {"SAVE", 3},
    {"SET", 3},        {"SHOW", 3},      {"SHUTDOWN", 8},  {"SPOOL", 3},     {"START", 3},
    {"STARTUP", 7},    {"STORE", 5},     {"TIMING", 4},    {"TTITLE", 3},    {"UNDEFINE", 5},
    {"VARIABLE", 3},   {"WHENEVER", 8},  {"XQUERY", 6},
};

const CommandName *findCommand(const std::string &word) {
    for (const CommandName &c : kCommands) {
        const std::string_view full = c.full;
        if (word.size() >= c.minLength && word.size() <= full.size() &&
            full.substr(0, word.size()) == word)
            return &c;
    }
    return nullptr;
}

std::string stripSemicolon(std::string_view s) {
    s = trim(s);
    while (!s.empty() && s.back() == ';')
        s.remove_suffix(1);
    return std::string(trim(s));
}

// Reads a positive number at the front of `s`, consuming it.
int takeNumber(std::string_view &s) {
    long value = 0;
    size_t i = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && value < 100000000)
        value = value * 10 + (s[i++] - '0');
    s.remove_prefix(i);
    return i == 0 || value >= 100000000 ? 0 : static_cast<int>(value);
}

// "12:5 PLS-00201: identifier 'X' must be declared"
bool parseDirective(std::string_view s, ErrorDirective &d) {
    d.line = takeNumber(s);
    if (d.line <= 0 || s.empty() || s.front() != ':')
        return false;
    s.remove_prefix(1);
    d.position = takeNumber(s);
    if (d.position <= 0 || s.empty() || !isSpace(s.front()))
        return false;
    d.text = std::string(trim(s));
    return !d.text.empty();
}

class Splitter {
public:
    std::vector<ScriptItem> run(std::string_view script);

private:
    enum class Lex { Code, BlockComment, Quote, QQuote, DQuote };

    void handleLine(std::string_view line, int n);
    bool handleBetweenStatements(std::string_view line, int n);
    bool handleCommand(std::string_view t, int n);
    void startCommand(const std::string &command, std::string_view rest, int n);
    void continueCommand(std::string_view line);
    void finishCommand();
    void handleDirective(std::string_view t, int n);
    void handleContinuation(std::string_view rest, int n);
    void scanCode(std::string_view line, int n);
    void scanQuoted(std::string_view line, size_t &i);
    bool scanCodeChar(std::string_view line, size_t &i, int n);
    void finishStatement();
    void emit(ScriptItemKind kind, std::string text, int line);
    void finishScript();

    std::vector<ScriptItem> m_items;
    std::string m_buffer;
    int m_bufferLine = 0;
    int m_bufferColumn = 0;
    bool m_plsql = false; // the buffer is a block or unit: only a '/' line ends it
    Lex m_lex = Lex::Code;
    char m_qClose = 0;
    int m_lastUnit = -1;   // item that error directives attach to
    std::string m_command; // a SQL*Plus command continued with '-' onto further lines
    std::string m_commandText;
    int m_commandLine = 0;
    int m_lastLine = 0;
};

std::vector<ScriptItem> Splitter::run(std::string_view script) {
    int n = 0;
    size_t pos = 0;
    while (pos < script.size()) {
        size_t end = script.find('\n', pos);
        if (end == std::string_view::npos)
            end = script.size();
        std::string_view line = script.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        handleLine(line, ++n);
        pos = end + 1;
    }
    m_lastLine = n;
    finishScript();
    return std::move(m_items);
}

void Splitter::handleLine(std::string_view line, int n) {
    if (!m_command.empty()) {
        continueCommand(line);
        return;
    }
    if (m_buffer.empty() && m_lex == Lex::Code && handleBetweenStatements(line, n))
        return;
    if (!m_buffer.empty() && trim(line) == "/") {
        // As in SQL*Plus, a line holding only '/' ends the buffer whatever it holds.
        m_lex = Lex::Code;
        finishStatement();
        return;
    }
    scanCode(line, n);
    if (!m_buffer.empty())
        m_buffer += '\n';
}

bool Splitter::handleBetweenStatements(std::string_view line, int n) {
    const std::string_view t = trim(line);
    if (t.empty())
        return true;
    if (t.substr(0, 8) == "--@error" && (t.size() == 8 || isSpace(t[8]))) {
        handleDirective(t.substr(8), n);
        return true;
    }
    if (t.substr(0, 4) == "--@+") {
        handleContinuation(line.substr(line.find("--@+") + 4), n);
        return true;
    }
    if (t.substr(0, 2) == "--")
        return true;
    if (t == "/") {
        emit(ScriptItemKind::Ignored, "/", n);
        return true;
    }
    if (t.front() == '@') {
        const bool relative = t.substr(0, 2) == "@@";
        startCommand(relative ? "@@" : "@", t.substr(relative ? 2 : 1), n);
        return true;
    }
    if (t.front() == '!' || t.front() == '$') {
        startCommand("HOST", t.substr(1), n); // "!" and "$" stand for HOST
        return true;
    }
    return handleCommand(t, n);
}

// A SQL*Plus command whose first line is t; false when t starts SQL instead.
bool Splitter::handleCommand(std::string_view t, int n) {
    size_t len = 0;
    while (len < t.size() && std::isalpha(static_cast<unsigned char>(t[len])))
        ++len;
    if (len == 0 || (len < t.size() && !isSpace(t[len]) && t[len] != ';'))
        return false;
    const CommandName *name = findCommand(upper(t.substr(0, len)));
    if (!name)
        return false;
    const std::string_view rest = trim(t.substr(len));
    if (std::string_view(name->full) == "SET") {
        const std::vector<Word> next = leadingWords(rest, 1);
        const std::string first = next.empty() ? "" : next[0].text;
        if (first == "TRANSACTION" || first == "ROLE" || first.rfind("CONSTRAINT", 0) == 0)
            return false; // SQL, not SQL*Plus
    }
    if (std::string_view(name->full) == "REMARK") { // never continued, never substituted
        emit(ScriptItemKind::Command, std::string(rest), n);
        m_items.back().command = name->full;
        return true;
    }
    startCommand(name->full, rest, n);
    return true;
}

// SQL*Plus commands continue onto the next line when a line ends with '-'.
void Splitter::startCommand(const std::string &command, std::string_view rest, int n) {
    m_command = command;
    m_commandText.clear();
    m_commandLine = n;
    continueCommand(rest);
}

void Splitter::continueCommand(std::string_view line) {
    std::string_view t = line;
    while (!t.empty() && isSpace(t.back()))
        t.remove_suffix(1);
    const bool more = !t.empty() && t.back() == '-';
    if (more)
        t.remove_suffix(1);
    if (!m_commandText.empty())
        m_commandText += ' ';
    m_commandText += std::string(m_commandText.empty() ? trim(t) : t);
    if (!more)
        finishCommand();
}

void Splitter::finishCommand() {
    std::string text = std::move(m_commandText);
    rtrimInPlace(text);
    const std::string command = std::move(m_command);
    m_command.clear();
    m_commandText.clear();
    if (command == "@" || command == "@@" || command == "START") {
        const std::string target = stripSemicolon(text);
        if (target.empty()) {
            emit(ScriptItemKind::Invalid, "SP2-1506: START, @ or @@ command has no arguments",
                 m_commandLine);
            return;
        }
        emit(ScriptItemKind::Include, target, m_commandLine);
        m_items.back().relativeToScript = command == "@@";
        return;
    }
    emit(ScriptItemKind::Command, text, m_commandLine);
    m_items.back().command = command;
}

void Splitter::handleDirective(std::string_view t, int n) {
    ErrorDirective d;
    d.scriptLine = n;
    if (!parseDirective(trim(t), d)) {
        emit(ScriptItemKind::Invalid,
             "malformed --@error directive (expected --@error LINE:POS TEXT)", n);
        return;
    }
    if (m_lastUnit < 0) {
        emit(ScriptItemKind::Invalid, "--@error must follow a program unit ended by '/'", n);
        return;
    }
    m_items[static_cast<size_t>(m_lastUnit)].errors.push_back(std::move(d));
}

// "--@+ more text": one more line of the previous directive's message.
void Splitter::handleContinuation(std::string_view rest, int n) {
    if (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    while (!rest.empty() && isSpace(rest.back()))
        rest.remove_suffix(1);
    if (m_lastUnit < 0 || m_items[static_cast<size_t>(m_lastUnit)].errors.empty()) {
        emit(ScriptItemKind::Invalid, "--@+ must continue an --@error directive", n);
        return;
    }
    std::string &text = m_items[static_cast<size_t>(m_lastUnit)].errors.back().text;
    text += '\n';
    text += rest;
}

void Splitter::scanCode(std::string_view line, int n) {
    size_t i = 0;
    while (i < line.size()) {
        if (m_lex == Lex::BlockComment) {
            const size_t end = line.find("*/", i);
            const size_t stop = end == std::string_view::npos ? line.size() : end + 2;
            if (!m_buffer.empty())
                m_buffer.append(line.substr(i, stop - i));
            if (end != std::string_view::npos)
                m_lex = Lex::Code;
            i = stop;
        } else if (m_lex != Lex::Code) {
            scanQuoted(line, i);
        } else if (!scanCodeChar(line, i, n)) {
            return;
        }
    }
}

void Splitter::scanQuoted(std::string_view line, size_t &i) {
    const char c = line[i];
    m_buffer += c;
    ++i;
    const bool atQuote = i < line.size() && line[i] == '\'';
    if (m_lex == Lex::Quote && c == '\'') {
        if (atQuote) { // '' stands for one quote inside the literal
            m_buffer += '\'';
            ++i;
        } else {
            m_lex = Lex::Code;
        }
    } else if (m_lex == Lex::QQuote && c == m_qClose && atQuote) {
        m_buffer += '\'';
        ++i;
        m_lex = Lex::Code;
    } else if (m_lex == Lex::DQuote && c == '"') {
        m_lex = Lex::Code;
    }
}

// Columns count characters, as Oracle's POSITION does: a multi-byte UTF-8 character is one.
int characterCount(std::string_view s) {
    int n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

char closerOf(char open) {
    switch (open) {
    case '[':
        return ']';
    case '{':
        return '}';
    case '(':
        return ')';
    case '<':
        return '>';
    default:
        return open;
    }
}

// Handles one character outside quotes and comments; false when the rest of the line is a
// comment.
bool Splitter::scanCodeChar(std::string_view line, size_t &i, int n) {
    const char c = line[i];
    if (line.substr(i, 2) == "--") {
        if (!m_buffer.empty())
            m_buffer.append(line.substr(i));
        return false;
    }
    if (line.substr(i, 2) == "/*") {
        m_lex = Lex::BlockComment;
        if (!m_buffer.empty())
            m_buffer += "/*";
        i += 2;
        return true;
    }
    if (m_buffer.empty() && isSpace(c)) {
        ++i;
        return true;
    }
    if (c == ';' && !m_plsql) {
        const Body body = classify(m_buffer);
        if (body == Body::Sql) {
            finishStatement();
            ++i;
            return true;
        }
        m_plsql = true;
    }
    if (m_buffer.empty()) {
        m_bufferLine = n;
        m_bufferColumn = characterCount(line.substr(0, i));
    }
    const bool wordStart = i == 0 || !isIdentChar(line[i - 1]);
    if ((c == 'q' || c == 'Q') && wordStart && line.substr(i + 1, 1) == "'" &&
        i + 2 < line.size()) {
        m_qClose = closerOf(line[i + 2]);
        m_buffer.append(line.substr(i, 3));
        i += 3;
        m_lex = Lex::QQuote;
        return true;
    }
    if (c == '\'')
        m_lex = Lex::Quote;
    else if (c == '"')
        m_lex = Lex::DQuote;
    m_buffer += c;
    ++i;
    return true;
}

void Splitter::finishStatement() {
    std::string text = std::move(m_buffer);
    m_buffer.clear();
    m_plsql = false;
    rtrimInPlace(text);
    if (text.empty())
        return;
    switch (classify(text)) {
    case Body::Sql:
        emit(ScriptItemKind::Sql, std::move(text), m_bufferLine);
        break;
    case Body::Unit:
        emit(ScriptItemKind::PlsqlUnit, std::move(text), m_bufferLine);
        break;
    case Body::Anonymous:
        emit(ScriptItemKind::AnonymousBlock, std::move(text), m_bufferLine);
        break;
    }
    m_items.back().column = m_bufferColumn;
}

void Splitter::emit(ScriptItemKind kind, std::string text, int line) {
    ScriptItem item;
    item.kind = kind;
    item.text = std::move(text);
    item.line = line;
    m_items.push_back(std::move(item));
    if (kind == ScriptItemKind::PlsqlUnit)
        m_lastUnit = static_cast<int>(m_items.size()) - 1;
    else if (kind != ScriptItemKind::Ignored && kind != ScriptItemKind::Command)
        m_lastUnit = -1;
}

void Splitter::finishScript() {
    if (!m_command.empty())
        finishCommand();
    if (!m_buffer.empty()) {
        const char *reason = m_plsql ? "end of script before the line holding only '/' that "
                                       "ends this block"
                                     : "end of script before the ';' that ends this statement";
        if (m_lex == Lex::Quote || m_lex == Lex::QQuote)
            reason = "ORA-01756: quoted string not properly terminated";
        emit(ScriptItemKind::Invalid, reason, m_bufferLine);
        m_buffer.clear();
    } else if (m_lex == Lex::BlockComment) {
        emit(ScriptItemKind::Invalid, "end of script inside a /* comment", m_lastLine);
    }
}

} // namespace

std::vector<ScriptItem> splitScript(std::string_view script) {
    return Splitter().run(script);
}

bool parseUnitHeader(std::string_view statement, UnitHeader &header) {
    const std::vector<Word> words = leadingWords(statement, 10);
    size_t i = 0;
    auto is = [&](const char *w) {
        return i < words.size() && !words[i].quoted && words[i].text == w;
    };
    if (!is("CREATE"))
        return false;
    ++i;
    if (is("OR")) {
        ++i;
        if (!is("REPLACE"))
            return false;
        ++i;
    }
    if (is("EDITIONABLE") || is("NONEDITIONABLE"))
        ++i;
    std::string type;
    const size_t typeWord = i;
    if (is("PACKAGE") || is("TYPE")) {
        type = words[i++].text;
        if (is("BODY")) {
            type += " BODY";
            ++i;
        }
    } else if (is("PROCEDURE") || is("FUNCTION") || is("TRIGGER") || is("LIBRARY")) {
        type = words[i++].text;
    } else {
        return false;
    }
    if (i >= words.size())
        return false;
    std::string name = words[i++].text;
    if (i + 1 < words.size() && words[i].text == "." && !words[i].quoted)
        name = words[i + 1].text; // schema.name: the schema is the one running the script
    header.type = type;
    header.name = name;
    header.sourceOffset = words[typeWord].offset;
    return true;
}

} // namespace ocilite
