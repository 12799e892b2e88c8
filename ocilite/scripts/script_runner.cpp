#include "ocilite/scripts/script_runner.h"

#include "ocilite/dialect/tokenizer.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/scripts/feedback.h"
#include "ocilite/scripts/include_arguments.h"
#include "ocilite/scripts/query_printer.h"
#include "ocilite/scripts/query_rows.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace ocilite {
namespace {

// SQL*Plus's own limit on nested @ files.
constexpr int kMaxDepth = 20;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

// Oracle counts POSITION in characters, so a multi-byte UTF-8 character is one column.
int characterCount(std::string_view s) {
    int n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

// A directive must name a place in the unit: an existing line and a column on it (or just
// past its end, where "end-of-file" and missing-token errors point).
bool checkDirective(std::string_view unit, const ErrorDirective &d, std::string &reason) {
    const std::vector<std::string_view> lines = splitLines(unit);
    if (d.line > static_cast<int>(lines.size())) {
        reason = "line " + std::to_string(d.line) + " is past the end of the unit (" +
                 std::to_string(lines.size()) + " lines)";
        return false;
    }
    const int width = characterCount(lines[static_cast<size_t>(d.line - 1)]);
    if (d.position > width + 1) {
        reason = "position " + std::to_string(d.position) + " is past the end of line " +
                 std::to_string(d.line) + " (" + std::to_string(width) + " characters)";
        return false;
    }
    return true;
}

// "a/b.sql" + "c" -> "a/c.sql": @@ is relative to the calling script, a bare name gets .sql.
std::string includePath(const std::string &current, const std::string &file, bool relative) {
    std::filesystem::path name(file);
    if (!name.has_extension())
        name += ".sql";
    if (relative && name.is_relative())
        name = std::filesystem::path(current).parent_path() / name;
    return name.lexically_normal().generic_string();
}

// "ORA-03001: ..." -> 3001; 0 for texts without an error number.
int errorCode(const std::string &message) {
    if (message.rfind("ORA-", 0) != 0)
        return 0;
    return std::atoi(message.c_str() + 4);
}

std::string verifyLine(const char *label, size_t number, std::string_view text) {
    std::string n = std::to_string(number);
    if (n.size() < 4)
        n.insert(0, 4 - n.size(), ' ');
    return std::string(label) + n + ": " + std::string(text);
}

} // namespace

bool FileScriptSource::read(const std::string &path, std::string &text, std::string &error) {
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path)) {
        error = "SP2-0310: unable to open file \"" + path + "\"";
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

ScriptRunner::ScriptRunner(Database &db, std::string schema, ScriptSource &source,
                           std::ostream &out, std::ostream &err)
    : m_db(db), m_schema(foldName(schema)), m_source(source), m_output(out), m_err(err) {
    // SQL*Plus's predefined variables that scripts use.
    m_variables.define("_USER", m_schema);
    m_variables.define("_CONNECT_IDENTIFIER", "ocilite");
    m_variables.define("_DATE", "");
    m_variables.define("_EDITOR", "vi");
    m_variables.define("_O_VERSION", "Oracle Database 19c (ocilite)");
    m_variables.define("_O_RELEASE", "1900000000");
    m_variables.define("_SQLPLUS_RELEASE", "1900000000");
    m_variables.define("_PRIVILEGE", "");
}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::exitStatus() const {
    const int code = m_exitCode.value_or(0);
    if (m_failures + m_refused > 0 && code == 0)
        return 1;
    return code;
}

bool ScriptRunner::runFile(const std::string &path, const std::vector<std::string> &arguments) {
    const int before = m_failures + m_refused;
    for (size_t i = 0; i < arguments.size(); ++i)
        m_variables.define(std::to_string(i + 1), arguments[i]);
    std::string text;
    std::string error;
    if (!m_source.read(path, text, error)) {
        m_err << error << '\n';
        ++m_failures;
        return false;
    }
    runItems(path, text, 1);
    endScript();
    return m_failures + m_refused == before;
}

bool ScriptRunner::runText(const std::string &name, std::string_view text) {
    const int before = m_failures + m_refused;
    runItems(name, text, 1);
    endScript();
    return m_failures + m_refused == before;
}

// EXIT [COMMIT | ROLLBACK], or SET EXITCOMMIT, decides what becomes of open work.
void ScriptRunner::endScript() {
    endTransaction(m_exitEnd.value_or(m_settings.exitcommit ? TransactionEnd::Commit
                                                            : TransactionEnd::Rollback));
}

// DML stays uncommitted until COMMIT, ROLLBACK, DDL or the end of the script, as in SQL*Plus.
void ScriptRunner::endTransaction(TransactionEnd end) {
    std::string error;
    if (end == TransactionEnd::Commit)
        m_db.commit(error);
    else if (end == TransactionEnd::Rollback)
        m_db.rollback(error);
    if (!error.empty())
        m_err << error << '\n';
}

ScriptRunner::TransactionEnd ScriptRunner::transactionWord(const std::string &word,
                                                           TransactionEnd otherwise) {
    if (word == "COMMIT")
        return TransactionEnd::Commit;
    if (word == "ROLLBACK")
        return TransactionEnd::Rollback;
    if (word == "NONE")
        return TransactionEnd::None;
    return otherwise;
}

void ScriptRunner::runItems(const std::string &path, std::string_view text, int depth) {
    for (const ScriptItem &item : splitScript(text)) {
        if (m_stopped)
            return;
        runItem(path, item, depth);
    }
}

void ScriptRunner::runItem(const std::string &path, const ScriptItem &item, int depth) {
    const Place at{path, item.line};
    switch (item.kind) {
    case ScriptItemKind::Sql:
    case ScriptItemKind::PlsqlUnit:
    case ScriptItemKind::AnonymousBlock:
        runStatement(at, item);
        break;
    case ScriptItemKind::Command:
        runCommand(at, item);
        break;
    case ScriptItemKind::Include:
        include(path, item, depth);
        break;
    case ScriptItemKind::Ignored:
        break;
    case ScriptItemKind::Invalid:
        fail(at, item.text);
        break;
    }
}

// Replaces substitution variables in a statement, line by line; with SET VERIFY ON the
// lines that changed are shown before and after, as SQL*Plus shows them.
// One line with its substitution variables replaced, asking for the undefined ones; the
// SP2-0546 failure reported when no answer came.
SubstitutionResult ScriptRunner::substituteLine(Place at, std::string_view line) {
    SubstitutionResult r =
        substitute(line, m_variables, m_settings.substitution, [this](const std::string &name) {
            return ask("Enter value for " + name + ": ");
        });
    if (!r.complete)
        fail(at, "SP2-0546: User requested Interrupt or EOF detected.");
    return r;
}

// A SQL*Plus command after substitution (no verify lines); nothing when it failed.
std::optional<std::string> ScriptRunner::substituteCommand(Place at, std::string_view text) {
    SubstitutionResult r = substituteLine(at, text);
    if (!r.complete)
        return std::nullopt;
    return std::move(r.text);
}

bool ScriptRunner::substituteStatement(Place at, std::string &text) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::string out;
    std::vector<std::string> verify;
    for (size_t i = 0; i < lines.size(); ++i) {
        const SubstitutionResult r = substituteLine(at, lines[i]);
        if (!r.complete)
            return false;
        if (r.changed) {
            verify.push_back(verifyLine("old", i + 1, lines[i]));
            verify.push_back(verifyLine("new", i + 1, r.text));
        }
        out += r.text;
        if (i + 1 < lines.size())
            out += '\n';
    }
    if (m_settings.verify)
        for (const std::string &line : verify)
            m_output.line(line);
    text = std::move(out);
    return true;
}

void ScriptRunner::runStatement(Place at, const ScriptItem &item) {
    std::string sql = item.text;
    if (!substituteStatement(at, sql))
        return;
    ++m_executed;
    if (item.kind == ScriptItemKind::PlsqlUnit && !item.errors.empty())
        return runUnitWithErrors(at, sql, item);
    if (!executeStatement(at, sql, item.kind))
        return;
    if (item.kind == ScriptItemKind::PlsqlUnit)
        unitCreated(at, sql, item);
}

// A unit and the errors its directives declare are stored in one transaction: a run cut
// short between the two never leaves the unit as the compiler left it without its errors.
void ScriptRunner::runUnitWithErrors(Place at, const std::string &sql, const ScriptItem &item) {
    ScopedTransaction transaction(m_db);
    if (!transaction.ok()) {
        sqlError(at, transaction.error());
        return;
    }
    if (!executeStatement(at, sql, item.kind))
        return;
    if (m_observer.unitCreated)
        m_observer.unitCreated(at.path, item);
    if (!applyErrors(at, sql, item))
        return;
    if (!transaction.commit()) {
        sqlError(at, transaction.error());
        return;
    }
    unitFeedback(sql);
}

// Runs one statement; false when it failed (reported).
bool ScriptRunner::executeStatement(Place at, const std::string &sql, ScriptItemKind kind) {
    if (kind == ScriptItemKind::Sql && isQueryText(sql))
        return runQuery(at, sql);
    const bool block = kind == ScriptItemKind::AnonymousBlock;
    if (block)
        m_db.output().enabled = m_settings.serveroutput;
    std::string error;
    long rows = 0;
    const bool ok = m_db.executeInTransaction(m_schema, sql, error, &rows);
    if (block)
        showOutput();
    if (!ok) {
        sqlError(at, error);
        return false;
    }
    if (kind != ScriptItemKind::PlsqlUnit)
        feedback(statementFeedback(sql, rows, howAlterCompiled(sql)));
    if (m_settings.autocommit && m_db.inTransaction()) {
        endTransaction(TransactionEnd::Commit);
        feedback("Commit complete.");
    }
    return true;
}

// The lines a block left in DBMS_OUTPUT's buffer, shown after it as SQL*Plus shows them
// with SERVEROUTPUT ON (a PUT without its line end waits for the next block).
void ScriptRunner::showOutput() {
    for (const std::string &line : m_db.output().take())
        if (m_settings.serveroutput)
            m_output.line(line);
}

bool ScriptRunner::runQuery(Place at, const std::string &sql) {
    std::unique_ptr<QueryPrinter> printer;
    std::string error;
    const bool ok = fetchRows(
        m_db, m_schema, sql,
        [&](std::vector<PrintedColumn> columns) {
            printer =
                std::make_unique<QueryPrinter>(m_output, m_settings, m_columns, std::move(columns));
        },
        [&](const PrintedRow &row) { printer->row(row); }, error);
    if (printer) {
        storeNewValues(*printer);
        if (ok)
            printer->finish();
    }
    if (!ok)
        sqlError(at, error);
    return ok;
}

// COLUMN ... NEW_VALUE: the variable takes the last row's value. A query without rows
// leaves a defined variable as it is and defines an undefined one as empty, which is what
// scripts rely on to give optional parameters a default.
void ScriptRunner::storeNewValues(const QueryPrinter &printer) {
    const std::vector<PrintedColumn> &columns = printer.columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnSetting *setting = m_columns.find(columns[i].name);
        if (!setting || setting->newValue.empty())
            continue;
        if (printer.rows() > 0)
            m_variables.define(setting->newValue, printer.lastRow()[i].value_or(""));
        else if (!m_variables.defined(setting->newValue))
            m_variables.define(setting->newValue, "");
    }
}

void ScriptRunner::unitCreated(Place at, const std::string &sql, const ScriptItem &item) {
    if (m_observer.unitCreated)
        m_observer.unitCreated(at.path, item);
    if (!applyErrors(at, sql, item))
        return;
    unitFeedback(sql);
}

void ScriptRunner::unitFeedback(const std::string &sql) {
    UnitHeader header;
    if (!parseUnitHeader(sql, header))
        return;
    m_lastUnit = UnitName{header.type, header.name};
    feedback(statementFeedback(sql, 0, howCompiled(*m_lastUnit)));
}

// Stores the unit's declared compile errors (or none, which leaves it as the database
// compiled it and clears what an earlier version of the unit had).
bool ScriptRunner::applyErrors(Place at, const std::string &sql, const ScriptItem &item) {
    if (item.errors.empty())
        return true;
    UnitHeader header;
    if (!parseUnitHeader(sql, header))
        return true;
    std::vector<CompileError> errors;
    for (const ErrorDirective &d : item.errors) {
        std::string reason;
        if (!checkDirective(std::string_view(sql).substr(header.sourceOffset), d, reason)) {
            fail(Place{at.path, d.scriptLine}, "--@error for " + header.name + ": " + reason);
            continue;
        }
        errors.push_back({d.line, d.position, d.text});
    }
    std::string error;
    if (!m_db.setCompileErrors(m_schema, header.type, header.name, errors, error)) {
        fail(at, error);
        return false;
    }
    return true;
}

// ALTER PROCEDURE|FUNCTION|PACKAGE|TYPE|TRIGGER|VIEW [schema.]name COMPILE [DEBUG]
// [BODY|SPECIFICATION] ...: how the units it compiled came out, the worse of a specification
// and its body. Clean for every other statement.
Compiled ScriptRunner::howAlterCompiled(const std::string &sql) {
    const std::string_view head = std::string_view(sql).substr(skipBlanksAndComments(sql, 0));
    const auto sameLetter = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    };
    if (head.size() < 5 || !std::equal(head.begin(), head.begin() + 5, "ALTER", sameLetter))
        return Compiled::Clean;
    std::vector<Token> t;
    try {
        t = tokenize(sql);
    } catch (const OraError &) {
        return Compiled::Clean;
    }
    size_t i = 2;
    if (t.size() < 4 || !t[0].isWord("ALTER") || t[i].kind == TokenKind::Operator)
        return Compiled::Clean;
    if (i + 2 < t.size() && t[i + 1].isOp("."))
        i += 2;
    const std::string type = t[1].text, name = t[i].text;
    if (++i >= t.size() || !t[i].isWord("COMPILE"))
        return Compiled::Clean;
    if (++i < t.size() && t[i].isWord("DEBUG"))
        ++i;
    const bool twoParts = type == "PACKAGE" || type == "TYPE";
    const bool body = twoParts && i < t.size() && t[i].isWord("BODY");
    const bool specOnly = i < t.size() && t[i].isWord("SPECIFICATION");
    Compiled worst = howCompiled(UnitName{body ? type + " BODY" : type, name});
    if (twoParts && !body && !specOnly)
        worst = std::max(worst, howCompiled(UnitName{type + " BODY", name}));
    return worst;
}

// INVALID: with errors; VALID with rows in USER_ERRORS: with warnings (PLSQL_WARNINGS).
Compiled ScriptRunner::howCompiled(const UnitName &unit) {
    Compiled compiled = Compiled::Clean;
    std::string error;
    fetchRows(
        m_db, m_schema,
        "SELECT O.STATUS, (SELECT COUNT(*) FROM USER_ERRORS E WHERE E.NAME = O.OBJECT_NAME AND "
        "E.TYPE = O.OBJECT_TYPE) FROM USER_OBJECTS O WHERE O.OBJECT_NAME = '" +
            unit.name + "' AND O.OBJECT_TYPE = '" + unit.type + "'",
        [](const std::vector<PrintedColumn> &) {},
        [&](const PrintedRow &row) {
            if (row[0] && *row[0] == "INVALID")
                compiled = Compiled::WithErrors;
            else if (row[1] && *row[1] != "0")
                compiled = Compiled::WithWarnings;
        },
        error);
    return compiled;
}

void ScriptRunner::include(const std::string &path, const ScriptItem &item, int depth) {
    const Place at{path, item.line};
    const std::optional<std::string> text = substituteCommand(at, item.text);
    if (!text)
        return;
    if (depth >= kMaxDepth) {
        fail(at, "SP2-0309: SQL*Plus command procedures may only be nested to a depth of 20.");
        return;
    }
    std::vector<std::string> words = includeWords(*text);
    const std::string target = includePath(path, words[0], item.relativeToScript);
    std::string script;
    std::string error;
    if (!m_source.read(target, script, error)) {
        fail(at, error);
        return;
    }
    for (size_t i = 1; i < words.size(); ++i)
        m_variables.define(std::to_string(i), words[i]);
    runItems(target, script, depth + 1);
}

// A statement's error: ORA-03001 (the embedded database does not support it) is counted
// apart and does not end the run under WHENEVER SQLERROR EXIT, since the script is right.
void ScriptRunner::sqlError(Place at, const std::string &message) {
    const int code = errorCode(message);
    if (code == kOraUnimplemented) {
        ++m_refused;
        m_err << at.path << ':' << at.line << ": " << message << '\n';
        if (m_observer.failed)
            m_observer.failed(at.path, at.line, message);
        return;
    }
    m_lastErrorCode = code;
    fail(at, message);
    // WHENEVER SQLERROR acts on the errors of SQL statements and PL/SQL blocks, not on
    // SQL*Plus's own.
    endTransaction(m_errorEnd);
    if (m_exitOnError) {
        m_stopped = true;
        m_exitCode = m_errorExitCode;
        m_exitEnd = TransactionEnd::None; // already done
    }
}

void ScriptRunner::fail(Place at, const std::string &message) {
    ++m_failures;
    m_err << at.path << ':' << at.line << ": " << message << '\n';
    if (m_observer.failed)
        m_observer.failed(at.path, at.line, message);
}

std::optional<std::string> ScriptRunner::ask(const std::string &prompt) {
    m_output.prompt(prompt);
    std::string line;
    if (!m_input || !std::getline(*m_input, line)) {
        m_output.prompt("\n");
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void ScriptRunner::feedback(const std::string &text) {
    if (m_settings.feedback != 0 && !text.empty())
        m_output.line(text);
}

} // namespace ocilite
