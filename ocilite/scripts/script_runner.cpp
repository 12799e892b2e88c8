#include "ocilite/scripts/script_runner.h"

#include "ocilite/engine/database.h"

#include <filesystem>
#include <fstream>
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
std::string includePath(const std::string &current, const ScriptItem &item) {
    std::filesystem::path name(item.text);
    if (!name.has_extension())
        name += ".sql";
    if (item.relativeToScript && name.is_relative())
        name = std::filesystem::path(current).parent_path() / name;
    return name.lexically_normal().generic_string();
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
    : m_db(db), m_schema(foldName(schema)), m_source(source), m_out(out), m_err(err) {}

bool ScriptRunner::runFile(const std::string &path) {
    const int before = m_failures;
    std::string text;
    std::string error;
    if (!m_source.read(path, text, error)) {
        m_err << error << '\n';
        ++m_failures;
        return false;
    }
    runItems(path, text, 1);
    return m_failures == before;
}

bool ScriptRunner::runText(const std::string &name, std::string_view text) {
    const int before = m_failures;
    runItems(name, text, 1);
    return m_failures == before;
}

void ScriptRunner::runItems(const std::string &path, std::string_view text, int depth) {
    for (const ScriptItem &item : splitScript(text)) {
        if (m_stopped)
            return;
        runItem(path, item, depth);
    }
}

void ScriptRunner::runItem(const std::string &path, const ScriptItem &item, int depth) {
    switch (item.kind) {
    case ScriptItemKind::Sql:
    case ScriptItemKind::PlsqlUnit:
    case ScriptItemKind::AnonymousBlock:
        runStatement(path, item);
        break;
    case ScriptItemKind::Prompt:
        m_out << item.text << '\n';
        break;
    case ScriptItemKind::Include:
        include(path, item, depth);
        break;
    case ScriptItemKind::Exit:
        m_stopped = true;
        break;
    case ScriptItemKind::WheneverExit:
        m_exitOnError = true;
        break;
    case ScriptItemKind::WheneverContinue:
        m_exitOnError = false;
        break;
    case ScriptItemKind::Ignored:
        break;
    case ScriptItemKind::Invalid:
        fail(path, item.line, item.text);
        break;
    }
}

void ScriptRunner::runStatement(const std::string &path, const ScriptItem &item) {
    std::string error;
    ++m_executed;
    if (!m_db.execute(m_schema, item.text, error)) {
        fail(path, item.line, error);
        return;
    }
    if (item.kind == ScriptItemKind::PlsqlUnit)
        applyErrors(path, item);
}

// Stores the unit's declared compile errors in place of the compiler's rows; a unit
// without --@error directives keeps what the compiler found.
bool ScriptRunner::applyErrors(const std::string &path, const ScriptItem &item) {
    if (item.errors.empty())
        return true;
    UnitHeader header;
    if (!parseUnitHeader(item.text, header))
        return true;
    std::vector<CompileError> errors;
    for (const ErrorDirective &d : item.errors) {
        std::string reason;
        if (!checkDirective(std::string_view(item.text).substr(header.sourceOffset), d, reason)) {
            fail(path, d.scriptLine, "--@error for " + header.name + ": " + reason);
            continue;
        }
        errors.push_back({d.line, d.position, d.text});
    }
    std::string error;
    if (!m_db.setCompileErrors(m_schema, header.type, header.name, errors, error)) {
        fail(path, item.line, error);
        return false;
    }
    return true;
}

void ScriptRunner::include(const std::string &path, const ScriptItem &item, int depth) {
    if (depth >= kMaxDepth) {
        fail(path, item.line,
             "SP2-0309: SQL*Plus command procedures may only be nested to a depth of 20.");
        return;
    }
    const std::string target = includePath(path, item);
    std::string text;
    std::string error;
    if (!m_source.read(target, text, error)) {
        fail(path, item.line, error);
        return;
    }
    runItems(target, text, depth + 1);
}

void ScriptRunner::fail(const std::string &path, int line, const std::string &message) {
    ++m_failures;
    m_err << path << ':' << line << ": " << message << '\n';
    if (m_exitOnError)
        m_stopped = true;
}

} // namespace ocilite
