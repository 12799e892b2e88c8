// Runs SQL*Plus scripts against one schema of an ocilite database, as SQL*Plus would: each
// statement through the database (queries printed in SQL*Plus's layout), substitution
// variables (DEFINE, &name, &&name, &1 ... from @file arguments, ACCEPT, COLUMN NEW_VALUE),
// SET and SPOOL, SHOW ERRORS, WHENEVER SQLERROR, @file / @@file includes through a
// ScriptSource (the file system, or the demo scripts compiled into the library), and units'
// declared compile errors.
// Failures are reported as "file:line: ORA-..." and the rest of the script still runs.
#pragma once

#include "ocilite/scripts/column_settings.h"
#include "ocilite/scripts/feedback.h"
#include "ocilite/scripts/script_output.h"
#include "ocilite/scripts/script_splitter.h"
#include "ocilite/scripts/sqlplus_settings.h"
#include "ocilite/scripts/substitution.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

class Database;
class QueryPrinter;

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
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner &) = delete;
    ScriptRunner &operator=(const ScriptRunner &) = delete;

    // Where ACCEPT and the prompt for an undefined substitution variable read their answer
    // (one line each); without one, or at its end, they get no answer.
    void setInput(std::istream *input) { m_input = input; }

    // Runs a script and whatever it includes, with `arguments` as &1, &2 ...; false when
    // anything failed or was refused.
    bool runFile(const std::string &path, const std::vector<std::string> &arguments = {});
    // Runs script text; `name` stands for the file in reports and for @@ includes.
    bool runText(const std::string &name, std::string_view text);

    // Told about every program unit a script created (the script's path and the unit's item,
    // whose line and column say where its text begins) and about every failure as it is
    // reported. Both are optional.
    struct Observer {
        std::function<void(const std::string &path, const ScriptItem &item)> unitCreated;
        std::function<void(const std::string &path, int line, const std::string &message)> failed;
    };
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    int executed() const { return m_executed; }
    int failures() const { return m_failures; }
    // Statements the embedded database refused as not supported (ORA-03001).
    int refused() const { return m_refused; }
    // The status a run ends with: EXIT's code when a script gave one, at least 1 when
    // anything failed or was refused.
    int exitStatus() const;

    SubstitutionVariables &variables() { return m_variables; }
    const SqlPlusSettings &settings() const { return m_settings; }

private:
    struct Place {
        const std::string &path;
        int line;
    };
    struct UnitName {
        std::string type;
        std::string name;
    };

    // What ends the transaction when the script ends or an error meets WHENEVER SQLERROR.
    enum class TransactionEnd { Commit, Rollback, None };

    void runItems(const std::string &path, std::string_view text, int depth);
    void endScript();
    void endTransaction(TransactionEnd end);
    static TransactionEnd transactionWord(const std::string &word, TransactionEnd otherwise);
    void runItem(const std::string &path, const ScriptItem &item, int depth);
    void runStatement(Place at, const ScriptItem &item);
    bool substituteStatement(Place at, std::string &text);
    SubstitutionResult substituteLine(Place at, std::string_view line);
    std::optional<std::string> substituteCommand(Place at, std::string_view text);
    bool executeStatement(Place at, const std::string &sql, ScriptItemKind kind);
    bool runQuery(Place at, const std::string &sql);
    void showOutput();
    void storeNewValues(const QueryPrinter &printer);
    void runUnitWithErrors(Place at, const std::string &sql, const ScriptItem &item);
    void unitCreated(Place at, const std::string &sql, const ScriptItem &item);
    void unitFeedback(const std::string &sql);
    bool applyErrors(Place at, const std::string &sql, const ScriptItem &item);
    Compiled howCompiled(const UnitName &unit);
    Compiled howAlterCompiled(const std::string &sql);
    void include(const std::string &path, const ScriptItem &item, int depth);
    void sqlError(Place at, const std::string &message);
    void fail(Place at, const std::string &message);
    std::optional<std::string> ask(const std::string &prompt);
    void feedback(const std::string &text);

    // SQL*Plus commands (sqlplus_commands.cpp).
    void runCommand(Place at, const ScriptItem &item);
    void define(Place at, const std::string &text);
    void undefine(const std::string &text);
    void accept(Place at, const std::string &text);
    void spool(Place at, const std::string &text);
    void show(Place at, const std::string &text);
    void showErrors(Place at, const std::string &text);
    void whenever(Place at, const std::string &text);
    void exitCommand(const std::string &text);
    void execute(Place at, const std::string &text);
    int exitCode(const std::string &word) const;

    Database &m_db;
    std::string m_schema;
    ScriptSource &m_source;
    ScriptOutput m_output;
    std::ostream &m_err;
    std::istream *m_input = nullptr;
    SubstitutionVariables m_variables;
    SqlPlusSettings m_settings;
    ColumnSettings m_columns;
    std::optional<UnitName> m_lastUnit; // what SHOW ERRORS lists
    int m_lastErrorCode = 0;
    int m_executed = 0;
    int m_failures = 0;
    int m_refused = 0;
    bool m_exitOnError = false;
    int m_errorExitCode = 1;
    TransactionEnd m_errorEnd = TransactionEnd::None; // WHENEVER SQLERROR's COMMIT / ROLLBACK
    std::optional<TransactionEnd> m_exitEnd;          // EXIT's COMMIT / ROLLBACK
    bool m_stopped = false;
    std::optional<int> m_exitCode;
    Observer m_observer;
};

} // namespace ocilite
