// Runs SQL*Plus-style scripts against one schema of an ocilite database: each statement
// through Database::execute, units' declared compile errors through setCompileErrors, and
// @file / @@file includes through a ScriptSource (the file system, or the demo scripts
// compiled into the library).
// Failures are reported as "file:line: ORA-..." and the rest of the script still runs.
#pragma once

#include "ocilite/scripts/script_splitter.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace ocilite {

class Database;

// Where script text comes from.
class ScriptSource {
public:
    virtual ~ScriptSource() = default;
    // Reads the script at `path`; false with a reason in error when it cannot.
    virtual bool read(const std::string &path, std::string &text, std::string &error) = 0;
};

// Scripts on disk; @file names are taken relative to the working folder.
class FileScriptSource : public ScriptSource {
public:
    bool read(const std::string &path, std::string &text, std::string &error) override;
};

class ScriptRunner {
public:
    ScriptRunner(Database &db, std::string schema, ScriptSource &source, std::ostream &out,
                 std::ostream &err);
    ScriptRunner(const ScriptRunner &) = delete;
    ScriptRunner &operator=(const ScriptRunner &) = delete;

    // Runs a script and whatever it includes; false when anything failed.
    bool runFile(const std::string &path);
    // Runs script text; `name` stands for the file in reports and for @@ includes.
    bool runText(const std::string &name, std::string_view text);

    int executed() const { return m_executed; }
    int failures() const { return m_failures; }

private:
    void runItems(const std::string &path, std::string_view text, int depth);
    void runItem(const std::string &path, const ScriptItem &item, int depth);
    void runStatement(const std::string &path, const ScriptItem &item);
    bool applyErrors(const std::string &path, const ScriptItem &item);
    void include(const std::string &path, const ScriptItem &item, int depth);
    void fail(const std::string &path, int line, const std::string &message);

    Database &m_db;
    std::string m_schema;
    ScriptSource &m_source;
    std::ostream &m_out;
    std::ostream &m_err;
    int m_executed = 0;
    int m_failures = 0;
    bool m_exitOnError = false;
    bool m_stopped = false;
};

} // namespace ocilite
