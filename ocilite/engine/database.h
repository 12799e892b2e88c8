// An ocilite database: one SQLite file holding users (Argon2id password hashes), each
// user's schema (tables and stored program units) and the dictionary behind USER_OBJECTS,
// USER_SOURCE, USER_ERRORS and USER_TAB_COLUMNS. Owns one SQLite connection; not shared
// between threads. The admin tool, the demo schema and the client library all go through it.
#pragma once

#include "ocilite/dialect/sql_functions.h"
#include "ocilite/engine/open_queries.h"
#include "ocilite/plsql_run/output_buffer.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace ocilite {

class Catalog;
struct Translation;
namespace ddl {
struct SessionSetting;
struct UserStatement;
} // namespace ddl

// One compile error of a stored program unit, as USER_ERRORS shows it.
struct CompileError {
    int line = 0;
    int position = 0;
    std::string text; // "PLS-00201: identifier 'X' must be declared", "PL/SQL: Statement ignored"
    bool warning = false; // a PLW- warning: ATTRIBUTE 'WARNING', leaves the unit VALID
};

class Database {
public:
    // Opens the database file; with create, a missing file is created with an empty
    // dictionary. On failure returns null and error holds an "ORA-nnnnn: ..." text.
    static std::unique_ptr<Database> open(const std::string &path, bool create, std::string &error);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Adds a user (schema) with its password; the name is folded to upper case as Oracle
    // folds unquoted names. Fails with ORA-01920 when the user exists.
    bool addUser(const std::string &user, const std::string &password, std::string &error);
    bool userExists(const std::string &user) const;
    // True when the user exists and the password matches its hash.
    bool checkPassword(const std::string &user, const std::string &password) const;

    // Runs one statement in Oracle's dialect as the given schema: DDL, DML, CREATE [OR
    // REPLACE] PACKAGE / PACKAGE BODY / PROCEDURE / FUNCTION. A SELECT is run and its rows
    // discarded. error receives "ORA-nnnnn: message". Outside begin()/commit() every
    // statement is committed at once.
    bool execute(const std::string &schema, const std::string &oracleSql, std::string &error,
                 long *rowsProcessed = nullptr);
    // As execute(), the way a SQL*Plus session works: DML joins the open transaction (opening
    // one), which lasts until COMMIT, ROLLBACK, DDL or commit(); SAVEPOINT and ROLLBACK TO
    // work within it.
    bool executeInTransaction(const std::string &schema, const std::string &oracleSql,
                              std::string &error, long *rowsProcessed = nullptr);

    // Replaces the USER_ERRORS rows of one unit (SEQUENCE 1..n in the given order,
    // ATTRIBUTE 'ERROR', MESSAGE_NUMBER from the PLS-/ORA- prefix) and sets its STATUS to
    // INVALID, or VALID when errors is empty. The unit must exist (ORA-04043 otherwise).
    bool setCompileErrors(const std::string &schema, const std::string &type,
                          const std::string &name, const std::vector<CompileError> &errors,
                          std::string &error);

    // Groups many execute() calls into one SQLite transaction (a generator writing 100,000
    // rows). commit() ends it; rollback() undoes it.
    bool begin(std::string &error);
    bool commit(std::string &error);
    bool rollback(std::string &error);
    bool inTransaction() const;

    const std::string &path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }

    // For the engine (these throw OraError): the session's user (a new user starts in its
    // own schema; ALTER SESSION SET CURRENT_SCHEMA changes where unqualified names are
    // looked up), the dictionary, DDL with Oracle's implicit commits, and the session's
    // transaction.
    void setSchema(const std::string &user);
    const std::string &schema() const { return m_schema; }
    const std::string &currentSchema() const { return m_currentSchema; }
    // The session's NLS_DATE_FORMAT (ALTER SESSION).
    const std::string &dateFormat() const { return m_dateFormat; }
    Catalog &catalog() { return *m_catalog; }
    void runDdl(const Translation &tr);
    void alterCompile(const Translation &tr);
    void beginWork();
    void commitWork();
    void rollbackWork();
    // SAVEPOINT name (opening the transaction) and ROLLBACK TO name (ORA-01086 for a name
    // the transaction has not established).
    void savepoint(const std::string &name);
    void rollbackTo(const std::string &name);
    // The session's queries part way through their rows, which DDL makes keep them.
    OpenQueries &openQueries() { return m_openQueries; }
    // The session's DBMS_OUTPUT buffer, and the flag another thread sets to stop the
    // anonymous block running (null when nothing can stop it).
    OutputBuffer &output() { return m_output; }
    const std::atomic<bool> *stopFlag() const { return m_stop; }
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }

private:
    Database(sqlite3 *db, std::string path);
    void setUp(bool create);
    bool executeOne(const std::string &oracleSql, long *rowsProcessed, bool inTransaction);
    void carryOutDdl(const Translation &tr);
    // session_control.cpp: ALTER SESSION, and CREATE / ALTER / DROP USER.
    void alterSession(const std::vector<ddl::SessionSetting> &settings);
    void userStatement(const ddl::UserStatement &u);
    void dropUserObjects(const std::string &user, bool cascade);
    void setPassword(const std::string &user, const std::string &password);

    sqlite3 *m_db = nullptr;
    std::string m_path;
    std::string m_schema;
    std::string m_currentSchema;
    std::string m_dateFormat;
    std::string m_plsqlWarnings; // ALTER SESSION SET PLSQL_WARNINGS (empty: DISABLE:ALL)
    SqlSession m_session;
    std::unique_ptr<Catalog> m_catalog;
    bool m_explicitTransaction = false;
    OpenQueries m_openQueries;
    OutputBuffer m_output;
    const std::atomic<bool> *m_stop = nullptr;
};

// Begins on construction, rolls back on destruction unless commit() succeeded.
class ScopedTransaction {
public:
    explicit ScopedTransaction(Database &db);
    ~ScopedTransaction();
    ScopedTransaction(const ScopedTransaction &) = delete;
    ScopedTransaction &operator=(const ScopedTransaction &) = delete;
    bool ok() const { return m_ok; }
    const std::string &error() const { return m_error; }
    bool commit();

private:
    Database &m_db;
    bool m_ok = false;
    bool m_done = false;
    std::string m_error;
};

// Upper-cases an unquoted Oracle name (ASCII letters only, as Oracle folds identifiers).
std::string foldName(const std::string &name);

} // namespace ocilite
