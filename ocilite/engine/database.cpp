#include "ocilite/engine/database.h"

#include "ocilite/dialect/sql_functions.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/dialect/translation.h"
#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/ddl_families.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/engine/database_file.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql_run/block_runner.h"

#include <sodium.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace ocilite {
namespace {

// 'OCLT': marks a SQLite file as an ocilite database.
constexpr int kApplicationId = 0x4F434C54;

// The hash an unknown user's password is checked against: made as addUser makes every hash
// (Argon2id, interactive limits), of a password no one has.
constexpr const char *kUnknownUserHash = "$argon2id$v=19$m=65536,t=2,p=1$NleqqTlXaOzIUBU9vY2t9w$"
                                         "VTZgRzxJfHr4EbctP/4sh5+WtvxKkD1e/IlT9D59f/U";

bool fileExists(const std::string &path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

template <typename F> bool reportErrors(std::string &error, F &&body) {
    try {
        body();
        return true;
    } catch (const OraError &e) {
        error = e.text();
    } catch (const std::exception &e) {
        error = oraText(kOraInternal, e.what());
    }
    return false;
}

} // namespace

std::string foldName(const std::string &name) {
    std::string out = name;
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

Database::Database(sqlite3 *db, std::string path)
    : m_db(db), m_path(std::move(path)), m_catalog(std::make_unique<Catalog>(db, m_schema)) {
    m_session.user = &m_schema;
    m_session.currentSchema = &m_currentSchema;
    m_session.dateFormat = &m_dateFormat;
}

Database::~Database() {
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_catalog.reset();
    sqlite3_close_v2(m_db);
}

std::unique_ptr<Database> Database::open(const std::string &path, bool create, std::string &error) {
    if (sodium_init() < 0) {
        error = oraText(kOraInternal, "libsodium could not be initialised");
        return nullptr;
    }
    if (path.empty() || path.find('\0') != std::string::npos || (!create && !fileExists(path))) {
        error = oraText(kOraServiceNotResolved);
        return nullptr;
    }
    std::unique_ptr<Database> database;
    if (!reportErrors(error, [&] {
            sqlite3 *db = openDatabaseFile(path, create);
            database.reset(new Database(db, path));
            database->setUp(create);
        }))
        return nullptr;
    return database;
}

void Database::setUp(bool create) {
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_extended_result_codes(m_db, 1);
    registerSqlFunctions(m_db, &m_session);
    long long id = 0, objects = 0;
    {
        Prepared appId(m_db, "PRAGMA application_id");
        appId.step();
        id = appId.integer(0);
        Prepared count(m_db, "SELECT COUNT(*) FROM sqlite_master");
        count.step();
        objects = count.integer(0);
    }
    if (id != kApplicationId) {
        if (objects != 0 || !create)
            throw OraError(kOraNotAvailable, {m_path, "not an ocilite database"});
        exec(m_db, "PRAGMA journal_mode = WAL");
        exec(m_db, "BEGIN");
        Catalog::createDictionary(m_db);
        exec(m_db, "PRAGMA application_id = " + std::to_string(kApplicationId));
        exec(m_db, "COMMIT");
    } else if (!Catalog::dictionaryIsCurrent(m_db)) {
        exec(m_db, "BEGIN IMMEDIATE");
        Catalog::createDictionary(m_db);
        exec(m_db, "COMMIT");
    }
    Catalog::createViews(m_db);
    m_catalog->registerFunctions();
    exec(m_db, "PRAGMA foreign_keys = ON");
}

namespace {

// Passwords compare without regard to case, as Oracle's did before 11g.
std::string passwordHash(const std::string &password) {
    const std::string folded = foldName(password);
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, folded.data(), folded.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw OraError(kOraInternal, "out of memory while hashing the password");
    return hash;
}

} // namespace

bool Database::addUser(const std::string &user, const std::string &password, std::string &error) {
    return reportErrors(error, [&] {
        const std::string name = foldName(user);
        if (name.empty() || name.size() > 128 || name.find('.') != std::string::npos ||
            name.find('"') != std::string::npos)
            throw OraError(kOraInvalidIdentifier, "\"" + name + "\"");
        if (userExists(name))
            throw OraError(kOraUserExists, name);
        Prepared q(m_db,
                   "INSERT INTO main.OCILITE_USERS(USERNAME, PASSWORD_HASH, USER_ID, CREATED) "
                   "VALUES (?1, ?2, (SELECT IFNULL(MAX(USER_ID), 100) + 1 FROM "
                   "main.OCILITE_USERS), ?3)");
        q.bind(1, name).bind(2, passwordHash(password)).bind(3, storedDate(currentDate()));
        q.run();
    });
}

void Database::setPassword(const std::string &user, const std::string &password) {
    Prepared q(m_db, "UPDATE main.OCILITE_USERS SET PASSWORD_HASH = ?2 WHERE USERNAME = ?1");
    q.bind(1, user).bind(2, passwordHash(password)).run();
}

// A users' table that cannot be read (a damaged block) is the database's error, never an
// unknown user: a person must not take a broken file for a wrong password.
bool Database::userExists(const std::string &user) const {
    Prepared q(m_db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
    q.bind(1, foldName(user));
    return q.step();
}

bool Database::checkPassword(const std::string &user, const std::string &password) const {
    std::string hash;
    Prepared q(m_db, "SELECT PASSWORD_HASH FROM main.OCILITE_USERS WHERE USERNAME = ?1");
    q.bind(1, foldName(user));
    const bool known = q.step();
    if (known)
        hash = q.text(0);
    // An unknown user costs the same verification as a wrong password, so the time a logon
    // takes never tells whether the user exists.
    if (!known)
        hash = kUnknownUserHash;
    const std::string folded = foldName(password);
    const bool matches = crypto_pwhash_str_verify(hash.c_str(), folded.data(), folded.size()) == 0;
    return known && matches;
}

// A unit's text as USER_SOURCE holds it, its lines joined (without the last line feed).
static std::string storedText(const std::vector<std::string> &lines) {
    std::string text;
    size_t size = 0;
    for (const std::string &l : lines)
        size += l.size();
    text.reserve(size);
    for (const std::string &l : lines)
        text += l;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

void Database::runDdl(const Translation &tr) {
    if (tr.kind == StatementKind::SessionControl) {
        alterSession(tr.session); // not DDL: no commit
        return;
    }
    // The session's own open cursors never block its DDL.
    m_openQueries.holdAll();
    // Oracle commits before and after every DDL statement; inside a generator's own
    // transaction the DDL simply joins it. SQLite's foreign keys are off while the DDL
    // makes tables again (a parent table made again must not cascade to its children).
    const bool own = !m_explicitTransaction;
    if (own) {
        commitWork();
        exec(m_db, "PRAGMA foreign_keys = OFF");
        exec(m_db, "BEGIN IMMEDIATE");
    }
    try {
        carryOutDdl(tr);
    } catch (...) {
        if (own) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_exec(m_db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
        }
        m_catalog->invalidate();
        throw;
    }
    if (own) {
        exec(m_db, "COMMIT");
        exec(m_db, "PRAGMA foreign_keys = ON");
    }
}

void Database::carryOutDdl(const Translation &tr) {
    const DdlContext ctx{m_schema, m_currentSchema};
    const std::string &owner = m_currentSchema;
    switch (tr.kind) {
    case StatementKind::DropTable:
        dropTable(*m_catalog, ctx, owner, tr.objectName, tr.orReplace);
        invalidateDependents(m_db, owner, tr.objectName, "TABLE");
        break;
    case StatementKind::CreateUnit:
        m_catalog->storeUnit(ctx, owner, tr);
        compileUnitSource(m_db, *m_catalog, owner, tr.objectType, tr.objectName,
                          storedText(tr.sourceLines), m_plsqlWarnings);
        invalidateDependents(m_db, owner, tr.objectName, tr.objectType);
        break;
    case StatementKind::DropUnit:
        m_catalog->dropUnit(ctx, owner, tr.objectType, tr.objectName, tr.orReplace);
        invalidateDependents(m_db, owner, tr.objectName, tr.objectType);
        break;
    case StatementKind::AlterCompile:
        alterCompile(tr);
        break;
    case StatementKind::SchemaDdl:
        if (const auto *user = std::get_if<ddl::UserStatement>(tr.ddl.get()))
            userStatement(*user);
        else
            m_catalog->apply(ctx, *tr.ddl);
        break;
    default:
        throw OraError(kOraInvalidSql);
    }
}

// ALTER ... COMPILE: each named unit that exists is compiled again (ORA-04043 when none).
void Database::alterCompile(const Translation &tr) {
    bool any = false;
    for (const std::string &type : tr.compileTypes) {
        Prepared q(m_db, "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                         "AND OBJECT_TYPE = ?3");
        q.bind(1, m_currentSchema).bind(2, tr.objectName).bind(3, type);
        if (!q.step())
            continue;
        any = true;
        compileStoredUnit(m_db, *m_catalog, m_currentSchema, type, tr.objectName, m_plsqlWarnings);
    }
    if (!any)
        throw OraError(kOraObjectNotFound, tr.objectName);
}

void Database::beginWork() {
    if (sqlite3_get_autocommit(m_db))
        exec(m_db, "BEGIN");
}

void Database::commitWork() {
    if (!sqlite3_get_autocommit(m_db)) {
        m_catalog->afterCommit();
        exec(m_db, "COMMIT");
    }
    m_explicitTransaction = false;
}

void Database::rollbackWork() {
    if (!sqlite3_get_autocommit(m_db))
        exec(m_db, "ROLLBACK");
    m_explicitTransaction = false;
    m_catalog->invalidate();
    m_catalog->afterRollback();
}

namespace {

std::string savepointName(const std::string &name) {
    return quoteName("SP " + name);
}

} // namespace

void Database::savepoint(const std::string &name) {
    beginWork();
    exec(m_db, "SAVEPOINT " + savepointName(name));
}

void Database::rollbackTo(const std::string &name) {
    if (sqlite3_get_autocommit(m_db) ||
        sqlite3_exec(m_db, ("ROLLBACK TO " + savepointName(name)).c_str(), nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        throw OraError(kOraSavepointNotEstablished, name);
    m_catalog->invalidate();
    m_catalog->afterRollback();
}

bool Database::execute(const std::string &schema, const std::string &oracleSql, std::string &error,
                       long *rowsProcessed) {
    return reportErrors(error, [&] {
        if (!userExists(schema))
            throw OraError(kOraNotLoggedOn);
        setSchema(foldName(schema));
        executeOne(oracleSql, rowsProcessed, false);
    });
}

bool Database::executeInTransaction(const std::string &schema, const std::string &oracleSql,
                                    std::string &error, long *rowsProcessed) {
    return reportErrors(error, [&] {
        if (!userExists(schema))
            throw OraError(kOraNotLoggedOn);
        setSchema(foldName(schema));
        executeOne(oracleSql, rowsProcessed, true);
    });
}

bool Database::executeOne(const std::string &oracleSql, long *rowsProcessed, bool inTransaction) {
    const Translation tr = translate(oracleSql, m_currentSchema, *m_catalog);
    if (rowsProcessed)
        *rowsProcessed = 0;
    if (tr.isDdl()) {
        runDdl(tr);
        return true;
    }
    if (tr.kind == StatementKind::Commit) {
        commitWork();
        return true;
    }
    if (tr.kind == StatementKind::Rollback) {
        rollbackWork();
        return true;
    }
    if (tr.kind == StatementKind::Savepoint) {
        savepoint(tr.objectName);
        return true;
    }
    if (tr.kind == StatementKind::RollbackTo) {
        rollbackTo(tr.objectName);
        return true;
    }
    if (!tr.binds.empty() || std::any_of(tr.parts.begin(), tr.parts.end(),
                                         [](const SqlPart &p) { return !p.binds.empty(); }))
        throw OraError(kOraNotAllBound);
    if (tr.kind == StatementKind::Block) {
        runAnonymousBlock(*this, oracleSql);
        if (!inTransaction)
            commitWork();
        return true;
    }
    if (inTransaction && tr.isDml())
        beginWork();
    long rows = 0;
    const auto run = [&] {
        Prepared statement(m_db, tr.sql);
        while (statement.step())
            ++rows;
        if (tr.isDml())
            rows = sqlite3_changes(m_db);
        for (const SqlPart &part : tr.parts) {
            Prepared more(m_db, part.sql);
            more.run();
            rows += sqlite3_changes(m_db);
        }
    };
    if (tr.parts.empty())
        run();
    else
        asOneStatement(m_db, run);
    if (rowsProcessed)
        *rowsProcessed = rows;
    return true;
}

bool Database::setCompileErrors(const std::string &schema, const std::string &type,
                                const std::string &name, const std::vector<CompileError> &errors,
                                std::string &error) {
    return reportErrors(error, [&] {
        const bool own = sqlite3_get_autocommit(m_db);
        if (own)
            exec(m_db, "BEGIN IMMEDIATE");
        try {
            m_catalog->setErrors(foldName(schema), type, name, errors);
        } catch (...) {
            if (own)
                sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        if (own)
            exec(m_db, "COMMIT");
    });
}

bool Database::begin(std::string &error) {
    return reportErrors(error, [&] {
        if (!sqlite3_get_autocommit(m_db))
            throw OraError(kOraInvalidOperation, "a transaction is already open");
        exec(m_db, "BEGIN IMMEDIATE");
        m_explicitTransaction = true;
    });
}

bool Database::commit(std::string &error) {
    return reportErrors(error, [&] { commitWork(); });
}

bool Database::rollback(std::string &error) {
    return reportErrors(error, [&] { rollbackWork(); });
}

bool Database::inTransaction() const {
    return !sqlite3_get_autocommit(m_db);
}

ScopedTransaction::ScopedTransaction(Database &db) : m_db(db) {
    m_ok = m_db.begin(m_error);
}

ScopedTransaction::~ScopedTransaction() {
    if (m_ok && !m_done) {
        std::string ignored;
        m_db.rollback(ignored);
    }
}

bool ScopedTransaction::commit() {
    if (!m_ok || m_done)
        return false;
    m_done = true;
    return m_db.commit(m_error);
}

} // namespace ocilite
