// The SQL*Plus commands of ScriptRunner: substitution into the command line, then DEFINE,
// UNDEFINE, ACCEPT, COLUMN, SET, SHOW, SPOOL, PROMPT, WHENEVER, EXIT, EXECUTE and the
// refusal of HOST. Commands SQL*Plus has that change nothing here are passed over.
#include "ocilite/engine/database.h"
#include "ocilite/scripts/include_arguments.h"
#include "ocilite/scripts/query_rows.h"
#include "ocilite/scripts/script_runner.h"
#include "ocilite/scripts/show_errors.h"
#include "ocilite/scripts/sqlplus_words.h"

#include <cctype>
#include <ostream>

namespace ocilite {
namespace {

std::string trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return std::string(s);
}

// The text of a command without the ';' SQL*Plus allows after it.
std::string withoutTerminator(const std::string &text) {
    std::string t = trimmed(text);
    while (!t.empty() && t.back() == ';')
        t.pop_back();
    return trimmed(t);
}

bool abbreviates(const std::string &word, const char *full, size_t min) {
    const std::string_view f = full;
    return word.size() >= min && word.size() <= f.size() && f.substr(0, word.size()) == word;
}

// DEFINE's value: quoted text keeps its blanks; otherwise the first word.
std::string defineValue(std::string_view text) {
    const std::string t = trimmed(text);
    if (!t.empty() && (t.front() == '\'' || t.front() == '"'))
        return includeWords(t)[0];
    const size_t end = t.find_first_of(" \t");
    return end == std::string::npos ? t : t.substr(0, end);
}

} // namespace

void ScriptRunner::runCommand(Place at, const ScriptItem &item) {
    const std::string &command = item.command;
    if (command == "REMARK")
        return;
    const std::optional<std::string> substituted = substituteCommand(at, item.text);
    if (!substituted)
        return;
    const std::string &text = *substituted;
    if (command == "PROMPT")
        m_output.line(text);
    else if (command == "SET") {
        std::string error;
        const bool ok = m_settings.apply(withoutTerminator(text), error);
        m_output.termout = m_settings.termout;
        m_output.trimout = m_settings.trimout;
        m_output.trimspool = m_settings.trimspool;
        m_output.linesize = m_settings.linesize;
        if (!ok)
            fail(at, error);
    } else if (command == "DEFINE")
        define(at, text);
    else if (command == "UNDEFINE")
        undefine(text);
    else if (command == "ACCEPT")
        accept(at, text);
    else if (command == "COLUMN") {
        std::string error;
        if (!m_columns.apply(withoutTerminator(text), error))
            fail(at, error);
    } else if (command == "CLEAR") {
        if (upperWord(withoutTerminator(text)).rfind("COL", 0) == 0)
            m_columns.clear();
    } else if (command == "SPOOL")
        spool(at, text);
    else if (command == "SHOW")
        show(at, text);
    else if (command == "WHENEVER")
        whenever(at, text);
    else if (command == "EXIT" || command == "QUIT")
        exitCommand(text);
    else if (command == "EXECUTE")
        execute(at, text);
    else if (command == "HOST")
        m_err << at.path << ':' << at.line
              << ": HOST not run: the script runner does not run operating-system commands ("
              << trimmed(text) << ")\n";
    else if (command == "CONNECT")
        fail(at, "CONNECT is not supported inside a script: run it as the schema's own user");
    // Everything else (VARIABLE, PRINT, PAUSE, TTITLE, BREAK, DESCRIBE ...) is passed over.
}

// DEFINE name = text | DEFINE name (list one) | DEFINE (list all).
void ScriptRunner::define(Place at, const std::string &text) {
    const std::string t = withoutTerminator(text);
    const size_t eq = t.find('=');
    if (eq == std::string::npos) {
        const std::string name = trimmed(t);
        for (const auto &[key, value] : m_variables.all())
            if (name.empty() || key == variableKey(name))
                m_output.line("DEFINE " + key + " = \"" + value + "\" (CHAR)");
        if (!name.empty() && !m_variables.defined(name))
            fail(at, "SP2-0135: symbol " + name + " is UNDEFINED");
        return;
    }
    const std::string name = trimmed(std::string_view(t).substr(0, eq));
    if (name.empty()) {
        fail(at, "SP2-0553: Illegal variable name \"\".");
        return;
    }
    m_variables.define(name, defineValue(std::string_view(t).substr(eq + 1)));
}

void ScriptRunner::undefine(const std::string &text) {
    for (const std::string &name : includeWords(withoutTerminator(text)))
        if (!name.empty())
            m_variables.undefine(name);
}

// ACCEPT name [type] [FORMAT f] [DEFAULT d] [PROMPT text | NOPROMPT] [HIDE]: one line of
// input; an empty line, or none left, takes the DEFAULT (or keeps the defined value).
void ScriptRunner::accept(Place at, const std::string &text) {
    const std::vector<std::string> words = includeWords(withoutTerminator(text));
    const std::string &name = words[0];
    if (name.empty()) {
        fail(at, "SP2-0003: Ill-formed ACCEPT command starting as ");
        return;
    }
    bool hasDefault = false;
    std::string fallback;
    std::string prompt;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string w = upperWord(words[i]);
        if (abbreviates(w, "DEFAULT", 3) && i + 1 < words.size()) {
            hasDefault = true;
            fallback = words[++i];
        } else if (abbreviates(w, "PROMPT", 3) && i + 1 < words.size()) {
            prompt = words[++i];
        } else if (abbreviates(w, "FORMAT", 3) && i + 1 < words.size()) {
            ++i;
        }
    }
    const std::string answer = ask(prompt).value_or("");
    if (!answer.empty())
        m_variables.define(name, answer);
    else if (hasDefault)
        m_variables.define(name, fallback);
    else
        m_variables.define(name, m_variables.value(name).value_or(""));
}

void ScriptRunner::spool(Place at, const std::string &text) {
    const std::vector<std::string> words = includeWords(withoutTerminator(text));
    const std::string first = upperWord(words[0]);
    if (first.empty() || first == "OUT")
        return;
    if (first == "OFF") {
        m_output.spoolOff();
        return;
    }
    const bool append = words.size() > 1 && abbreviates(upperWord(words[1]), "APPEND", 3);
    std::string error;
    if (!m_output.spoolTo(words[0], append, error))
        fail(at, error);
}

void ScriptRunner::show(Place at, const std::string &text) {
    const std::string t = withoutTerminator(text);
    const size_t blank = t.find_first_of(" \t");
    const std::string what = upperWord(t.substr(0, blank));
    if (abbreviates(what, "ERRORS", 3))
        showErrors(at, blank == std::string::npos ? std::string() : t.substr(blank + 1));
    else if (what == "USER")
        m_output.line("USER is \"" + m_schema + "\"");
    // Other SHOW options are passed over.
}

// SHOW ERRORS [type [schema.]name]: the listing of the unit named, or of the last unit the
// script created.
void ScriptRunner::showErrors(Place at, const std::string &text) {
    std::optional<UnitName> unit = m_lastUnit;
    if (!trimmed(text).empty()) {
        UnitName named;
        if (!parseShowErrorsTarget(text, named.type, named.name)) {
            fail(at, "SP2-0552: Invalid SHOW ERRORS arguments");
            return;
        }
        unit = named;
    }
    if (!unit) {
        m_output.line("No errors.");
        return;
    }
    std::vector<ListedError> errors;
    std::string error;
    const bool ok = fetchRows(
        m_db, m_schema,
        "SELECT LINE, POSITION, TEXT FROM USER_ERRORS WHERE NAME = " + sqlLiteral(unit->name) +
            " AND TYPE = " + sqlLiteral(unit->type) +
            // SQL*Plus's own order: by place, a companion row (number 0) before its error.
            " ORDER BY LINE, POSITION, ATTRIBUTE, MESSAGE_NUMBER, SEQUENCE",
        [](const std::vector<PrintedColumn> &) {},
        [&](const PrintedRow &row) {
            errors.push_back({std::atoi(row[0].value_or("0").c_str()),
                              std::atoi(row[1].value_or("0").c_str()), row[2].value_or("")});
        },
        error);
    if (!ok) {
        fail(at, error);
        return;
    }
    for (const std::string &line : showErrorsListing(unit->type, unit->name, errors))
        m_output.line(line);
}

// WHENEVER SQLERROR {EXIT [code] [COMMIT|ROLLBACK] | CONTINUE [COMMIT|ROLLBACK|NONE]};
// WHENEVER OSERROR is accepted (the runner raises no operating-system errors).
void ScriptRunner::whenever(Place at, const std::string &text) {
    const std::vector<std::string> words = includeWords(upperWord(withoutTerminator(text)));
    if (words[0] == "OSERROR")
        return;
    if (words[0] != "SQLERROR" || words.size() < 2) {
        fail(at, "SP2-0042: unknown command \"WHENEVER " + trimmed(text) + "\"");
        return;
    }
    if (words[1] == "CONTINUE") {
        m_exitOnError = false;
        m_errorEnd = transactionWord(words.size() > 2 ? words[2] : "", TransactionEnd::None);
    } else if (words[1] == "EXIT") {
        m_exitOnError = true;
        const bool code = words.size() > 2 && words[2] != "COMMIT" && words[2] != "ROLLBACK";
        m_errorExitCode = code ? exitCode(words[2]) : 1;
        const size_t end = code ? 3 : 2;
        m_errorEnd = transactionWord(words.size() > end ? words[end] : "", TransactionEnd::Commit);
    } else {
        fail(at, "SP2-0042: unknown command \"WHENEVER " + trimmed(text) + "\"");
    }
}

void ScriptRunner::exitCommand(const std::string &text) {
    const std::vector<std::string> words = includeWords(upperWord(withoutTerminator(text)));
    m_stopped = true;
    const bool code = !words[0].empty() && words[0] != "COMMIT" && words[0] != "ROLLBACK";
    m_exitCode = code ? exitCode(words[0]) : 0;
    const size_t end = code ? 1 : 0;
    if (words.size() > end && (words[end] == "COMMIT" || words[end] == "ROLLBACK"))
        m_exitEnd = transactionWord(words[end], TransactionEnd::Commit);
}

// EXIT's code: SUCCESS, FAILURE, WARNING, a number, SQL.SQLCODE or a variable.
int ScriptRunner::exitCode(const std::string &word) const {
    if (word == "SUCCESS")
        return 0;
    if (word == "FAILURE")
        return 1;
    if (word == "WARNING")
        return 2;
    if (word == "SQL.SQLCODE")
        return m_lastErrorCode & 0xFF;
    std::string number = word;
    if (const auto value = m_variables.value(word))
        number = *value;
    char *end = nullptr;
    const long n = std::strtol(number.c_str(), &end, 10);
    return end && *end == '\0' && !number.empty() ? static_cast<int>(n & 0xFF) : 1;
}

// EXEC[UTE] call: the call as the block BEGIN call; END;.
void ScriptRunner::execute(Place at, const std::string &text) {
    std::string call = withoutTerminator(text);
    if (call.empty()) {
        fail(at, "SP2-0003: Ill-formed EXECUTE command starting as ");
        return;
    }
    ++m_executed;
    executeStatement(at, "BEGIN " + call + "; END;", ScriptItemKind::AnonymousBlock);
}

} // namespace ocilite
