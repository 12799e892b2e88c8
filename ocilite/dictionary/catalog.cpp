// Name resolution for the translator: a name is a table, a view, a synonym (private, then
// PUBLIC) or a dictionary view; another schema's object needs a grant. Global temporary
// tables and views become SQLite TEMP tables and views of the connection the first time a
// statement names them (a view's query is translated then, in its owner's schema), and are
// made again when the dictionary changed since.
#include "ocilite/dictionary/catalog.h"

#include "ocilite/dictionary/ddl_families.h"
#include "ocilite/dictionary/dictionary_schema.h"
#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/table_sql.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/dictionary/view_column_types.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

// The text of a view SQLite keeps under the name, or "" for anything else.
std::string viewText(sqlite3 *db, const std::string &name) {
    Prepared q(db, "SELECT sql FROM sqlite_temp_master WHERE type = 'view' AND name = ?1 "
                   "UNION ALL SELECT sql FROM main.sqlite_master WHERE type = 'view' AND "
                   "name = ?1");
    q.bind(1, name);
    return q.step() ? q.text(0) : std::string();
}

// Oracle stops following synonyms after this many links (ORA-01775 past it).
constexpr int kMaxSynonymDepth = 32;
// Views over views, as deep as this.
constexpr int kMaxViewDepth = 32;

} // namespace

Catalog::Catalog(sqlite3 *db, const std::string &sessionUser) : m_db(db), m_user(sessionUser) {}

Catalog::~Catalog() = default;

void Catalog::createDictionary(sqlite3 *db) {
    const char *const kCore = R"sql(
CREATE TABLE IF NOT EXISTS OCILITE_USERS(
  USERNAME VARCHAR2(128) NOT NULL PRIMARY KEY, PASSWORD_HASH VARCHAR2(256) NOT NULL,
  USER_ID NUMBER NOT NULL, CREATED DATE NOT NULL);
CREATE TABLE IF NOT EXISTS OCILITE_OBJECTS(
  OWNER VARCHAR2(128) NOT NULL, OBJECT_NAME VARCHAR2(128) NOT NULL,
  SUBOBJECT_NAME VARCHAR2(128), OBJECT_ID NUMBER NOT NULL, DATA_OBJECT_ID NUMBER,
  OBJECT_TYPE VARCHAR2(23), CREATED DATE NOT NULL, LAST_DDL_TIME DATE NOT NULL,
  TIMESTAMP VARCHAR2(19), STATUS VARCHAR2(7), TEMPORARY VARCHAR2(1), GENERATED VARCHAR2(1),
  SECONDARY VARCHAR2(1), NAMESPACE NUMBER NOT NULL, EDITION_NAME VARCHAR2(128),
  PRIMARY KEY(OWNER, OBJECT_NAME, OBJECT_TYPE));
CREATE UNIQUE INDEX IF NOT EXISTS OCILITE_OBJECTS_BY_ID ON OCILITE_OBJECTS(OBJECT_ID);
CREATE TABLE IF NOT EXISTS OCILITE_SOURCE(
  OWNER VARCHAR2(128) NOT NULL, NAME VARCHAR2(128) NOT NULL, TYPE VARCHAR2(12),
  LINE NUMBER NOT NULL, TEXT VARCHAR2(4000), ORIGIN_CON_ID NUMBER,
  PRIMARY KEY(OWNER, NAME, TYPE, LINE));
CREATE TABLE IF NOT EXISTS OCILITE_ERRORS(
  OWNER VARCHAR2(128) NOT NULL, NAME VARCHAR2(128) NOT NULL, TYPE VARCHAR2(12),
  SEQUENCE NUMBER NOT NULL, LINE NUMBER NOT NULL, POSITION NUMBER NOT NULL,
  TEXT VARCHAR2(4000) NOT NULL, ATTRIBUTE VARCHAR2(9), MESSAGE_NUMBER NUMBER,
  PRIMARY KEY(OWNER, NAME, TYPE, SEQUENCE));
CREATE INDEX IF NOT EXISTS OCILITE_ERRORS_BY_LINE ON OCILITE_ERRORS(OWNER, NAME, TYPE, LINE);
CREATE TABLE IF NOT EXISTS OCILITE_COLUMNS(
  OWNER VARCHAR2(128) NOT NULL, TABLE_NAME VARCHAR2(128) NOT NULL,
  COLUMN_NAME VARCHAR2(128) NOT NULL, DATA_TYPE VARCHAR2(106), DATA_TYPE_MOD VARCHAR2(3),
  DATA_TYPE_OWNER VARCHAR2(128), DATA_LENGTH NUMBER NOT NULL, DATA_PRECISION NUMBER,
  DATA_SCALE NUMBER, NULLABLE VARCHAR2(1), COLUMN_ID NUMBER,
  PRIMARY KEY(OWNER, TABLE_NAME, COLUMN_NAME));
CREATE TABLE IF NOT EXISTS DUAL(DUMMY VARCHAR2(1));
INSERT INTO DUAL SELECT 'X' WHERE NOT EXISTS (SELECT 1 FROM DUAL);
)sql";
    exec(db, kCore);
    createDependencyTable(db);
    createDictionaryTables(db);
}

bool Catalog::dictionaryIsCurrent(sqlite3 *db) {
    return ocilite::dictionaryIsCurrent(db);
}

void Catalog::createViews(sqlite3 *db) {
    createDictionaryViews(db);
    createDependencyView(db);
}

void Catalog::registerFunctions() {
    registerSequenceFunctions(m_db, this);
}

void Catalog::invalidate() {
    m_columns.clear();
    for (const auto &[name, sql] : m_temporaryObjects) {
        const bool isView = sql.rfind("CREATE TEMP VIEW", 0) == 0;
        if (isView)
            sqlite3_exec(m_db, ("DROP VIEW IF EXISTS temp." + quoteName(name)).c_str(), nullptr,
                         nullptr, nullptr);
    }
    for (auto it = m_temporaryObjects.begin(); it != m_temporaryObjects.end();)
        it = it->second.rfind("CREATE TEMP VIEW", 0) == 0 ? m_temporaryObjects.erase(it)
                                                          : std::next(it);
}

// Another connection's DDL shows in PRAGMA data_version: what this one made from the
// dictionary is made again.
void Catalog::checkDataVersion() const {
    Prepared q(m_db, "PRAGMA data_version");
    q.step();
    const long long version = q.integer(0);
    if (m_dataVersion != -1 && version != m_dataVersion)
        const_cast<Catalog *>(this)->invalidate();
    m_dataVersion = version;
}

// The session's user, or a view's owner while its query is translated (views run with
// their owner's rights).
bool Catalog::mayRead(const std::string &owner, const std::string &name) const {
    const std::string &user = m_definer.empty() ? m_user : m_definer;
    if (owner == user)
        return true;
    Prepared q(m_db, "SELECT 1 FROM main.OCILITE_TAB_PRIVS WHERE OWNER = ?1 AND TABLE_NAME = ?2 "
                     "AND GRANTEE IN (?3, 'PUBLIC')");
    q.bind(1, owner).bind(2, name).bind(3, user);
    return q.step();
}

std::optional<std::string> Catalog::tableFor(const std::string &owner,
                                             const std::string &name) const {
    checkDataVersion();
    if (auto found = resolve(owner, name, 0))
        return found;
    if (isDictionaryView(name) && (owner == m_user || owner == "SYS" || owner == "PUBLIC" ||
                                   !objectTypeIn(m_db, owner, name, kNamespaceObjects)))
        return name;
    // An unqualified name that the schema does not have may be a public synonym.
    if (auto type = objectTypeIn(m_db, "PUBLIC", name, kNamespaceObjects))
        return resolve("PUBLIC", name, 0);
    return std::nullopt;
}

std::optional<std::string> Catalog::resolve(const std::string &owner, const std::string &name,
                                            int depth) const {
    if (depth > kMaxSynonymDepth)
        throw OraError(kOraSynonymLoop);
    const auto type = objectTypeIn(m_db, owner, name, kNamespaceObjects);
    if (!type)
        return std::nullopt;
    if (m_recording && m_viewDepth == 0)
        m_references.push_back({owner, name, *type});
    if (*type == "SYNONYM") {
        Prepared q(m_db, "SELECT TABLE_OWNER, TABLE_NAME, DB_LINK FROM main.OCILITE_SYNONYMS "
                         "WHERE OWNER = ?1 AND SYNONYM_NAME = ?2");
        q.bind(1, owner).bind(2, name);
        if (!q.step())
            return std::nullopt;
        if (!q.isNull(2))
            throw OraError(kOraRemoteDatabaseNotFound);
        const std::string targetOwner = q.text(0);
        const std::string targetName = q.text(1);
        if (auto target = resolve(targetOwner, targetName, depth + 1))
            return target;
        if (isDictionaryView(targetName))
            return targetName;
        return std::nullopt;
    }
    if ((*type != "TABLE" && *type != "VIEW") || !mayRead(owner, name))
        return std::nullopt;
    if (*type == "VIEW")
        return ensureView(owner, name);
    Prepared q(m_db, "SELECT TEMPORARY FROM main.OCILITE_TABLES WHERE OWNER = ?1 AND "
                     "TABLE_NAME = ?2");
    q.bind(1, owner).bind(2, name);
    if (q.step() && q.text(0) == "Y")
        return ensureTemporaryTable(owner, name);
    return physicalName(owner, name);
}

// A global temporary table's rows belong to the session: a TEMP table of the connection.
std::string Catalog::ensureTemporaryTable(const std::string &owner, const std::string &name) const {
    const std::string sqliteName = physicalName(owner, name);
    const std::string sql = tableSql(m_db, owner, name, "temp", sqliteName);
    const auto found = m_temporaryObjects.find(sqliteName);
    if (found != m_temporaryObjects.end() && found->second == sql)
        return sqliteName;
    exec(m_db, "DROP TABLE IF EXISTS temp." + quoteName(sqliteName));
    exec(m_db, sql);
    m_temporaryObjects[sqliteName] = sql;
    Prepared q(m_db, "SELECT DURATION FROM main.OCILITE_TABLES WHERE OWNER = ?1 AND "
                     "TABLE_NAME = ?2");
    q.bind(1, owner).bind(2, name);
    m_deleteOnCommit[sqliteName] = q.step() && q.text(0) == "SYS$TRANSACTION";
    m_columns.erase(sqliteName);
    return sqliteName;
}

// A view is its query, translated in its owner's schema, as a TEMP view of the connection.
std::string Catalog::ensureView(const std::string &owner, const std::string &name) const {
    const std::string sqliteName = physicalName(owner, name);
    if (m_temporaryObjects.count(sqliteName))
        return sqliteName;
    if (m_viewDepth >= kMaxViewDepth)
        throw OraError(kOraCircularView);
    Prepared q(m_db, "SELECT TEXT, COLUMN_LIST FROM main.OCILITE_VIEWS WHERE OWNER = ?1 AND "
                     "VIEW_NAME = ?2");
    q.bind(1, owner).bind(2, name);
    if (!q.step())
        throw OraError(kOraTableNotFound);
    const std::string text = q.text(0);
    const std::string columns = q.isNull(1) ? std::string() : q.text(1);
    ++m_viewDepth;
    const std::string outerDefiner = m_definer;
    m_definer = owner;
    std::string sql;
    try {
        const Translation tr = translate(text, owner, *this);
        sql = "CREATE TEMP VIEW " + quoteName(sqliteName) +
              (columns.empty() ? std::string() : "(" + columns + ")") + " AS " + tr.sql;
    } catch (const OraError &) {
        --m_viewDepth;
        m_definer = outerDefiner;
        throw OraError(kOraHasErrors, "view \"" + owner + "\".\"" + name + "\"");
    }
    --m_viewDepth;
    m_definer = outerDefiner;
    exec(m_db, "DROP VIEW IF EXISTS temp." + quoteName(sqliteName));
    exec(m_db, sql);
    m_temporaryObjects[sqliteName] = sql;
    m_columns.erase(sqliteName);
    return sqliteName;
}

std::vector<std::pair<std::string, OraType>>
Catalog::columnsOf(const std::string &sqliteName) const {
    auto found = m_columns.find(sqliteName);
    if (found != m_columns.end())
        return found->second;
    std::vector<std::pair<std::string, OraType>> columns;
    Prepared probe(m_db, "SELECT * FROM " + quoteName(sqliteName) + " LIMIT 0");
    const std::map<std::string, OraType> casts = castColumnTypes(viewText(m_db, sqliteName));
    const int n = sqlite3_column_count(probe.get());
    for (int i = 0; i < n; ++i) {
        const char *decl = sqlite3_column_decltype(probe.get(), i);
        const std::string name = sqlite3_column_name(probe.get(), i);
        auto type = decl ? parseDeclaredType(decl) : std::nullopt;
        if (const auto cast = casts.find(name); !type && cast != casts.end())
            type = cast->second;
        columns.emplace_back(name, type ? *type : OraType::varchar2(4000));
    }
    m_columns[sqliteName] = columns;
    return columns;
}

std::optional<std::pair<std::string, std::string>>
Catalog::sequenceFor(const std::string &owner, const std::string &name) const {
    std::string o = owner, n = name;
    for (int depth = 0; depth <= kMaxSynonymDepth; ++depth) {
        auto type = objectTypeIn(m_db, o, n, kNamespaceObjects);
        if (!type && depth == 0 && o != "PUBLIC") {
            type = objectTypeIn(m_db, "PUBLIC", n, kNamespaceObjects);
            if (type)
                o = "PUBLIC";
        }
        if (!type)
            return std::nullopt;
        if (*type == "SEQUENCE")
            return mayRead(o, n) ? std::optional(std::pair(o, n)) : std::nullopt;
        if (*type != "SYNONYM")
            return std::nullopt;
        Prepared q(m_db, "SELECT TABLE_OWNER, TABLE_NAME FROM main.OCILITE_SYNONYMS WHERE "
                         "OWNER = ?1 AND SYNONYM_NAME = ?2");
        q.bind(1, o).bind(2, n);
        if (!q.step())
            return std::nullopt;
        o = q.text(0);
        n = q.text(1);
    }
    throw OraError(kOraSynonymLoop);
}

void Catalog::afterCommit() {
    for (const auto &[name, deleteRows] : m_deleteOnCommit)
        if (deleteRows)
            sqlite3_exec(m_db, ("DELETE FROM temp." + quoteName(name)).c_str(), nullptr, nullptr,
                         nullptr);
}

} // namespace ocilite
