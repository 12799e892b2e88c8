// The dictionary of an ocilite database (private header): the tables behind the USER_ and
// ALL_ views, the per-connection views, name resolution for the translator (tables, views,
// synonyms, sequences, what grants make visible), and the DDL of every family, which keeps
// the dictionary and the schema's SQLite tables in step. One per connection: it also holds
// the session's part (temporary tables and views made on first use, sequence caches and
// CURRVAL).
#pragma once

#include "ocilite/dialect/translation.h"
#include "ocilite/engine/database.h"

#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace ocilite {

// Where a DDL statement runs: the session's user owns what it creates; unqualified names
// are looked up in the current schema.
struct DdlContext {
    std::string user;
    std::string schema;
};

class Catalog : public NameResolver {
public:
    // `sessionUser` is the session's user as the database keeps it (read at each use).
    Catalog(sqlite3 *db, const std::string &sessionUser);
    ~Catalog() override;
    Catalog(const Catalog &) = delete;
    Catalog &operator=(const Catalog &) = delete;

    // Creates the dictionary tables in a new database, or brings an older one up to date.
    static void createDictionary(sqlite3 *db);
    static bool dictionaryIsCurrent(sqlite3 *db);
    // The connection's views (USER_OBJECTS, ALL_TABLES ...).
    static void createViews(sqlite3 *db);
    // The connection's SQL functions that read or write the dictionary (sequences).
    void registerFunctions();

    // The SQLite table that holds a schema's table.
    static std::string physicalName(const std::string &owner, const std::string &table) {
        return owner + "." + table;
    }

    std::optional<std::string> tableFor(const std::string &owner,
                                        const std::string &name) const override;
    std::vector<std::pair<std::string, OraType>>
    columnsOf(const std::string &sqliteName) const override;
    std::optional<std::pair<std::string, std::string>>
    sequenceFor(const std::string &owner, const std::string &name) const override;

    // DDL; each throws OraError and expects to run inside a transaction.
    void dropTable(const DdlContext &c, const std::string &owner, const std::string &name,
                   bool cascadeConstraints);
    void storeUnit(const DdlContext &c, const std::string &owner, const Translation &tr);
    void dropUnit(const DdlContext &c, const std::string &owner, const std::string &type,
                  const std::string &name, bool force);
    void setErrors(const std::string &owner, const std::string &type, const std::string &name,
                   const std::vector<CompileError> &errors);
    // CREATE / ALTER / DROP of the other families (apply_ddl.cpp).
    void apply(const DdlContext &c, const ddl::Statement &statement);

    // Forgets what the connection made from the dictionary (after DDL).
    void invalidate();
    // Transaction ends: global temporary tables ON COMMIT DELETE ROWS are emptied; a
    // rollback keeps the sequences' numbers handed out (Oracle's sequences are not undone).
    void afterCommit();
    void afterRollback();

    sqlite3 *db() const { return m_db; }

    // The objects name resolution used while recording (what a view's query depends on).
    struct Reference {
        std::string owner;
        std::string name;
        std::string type;
    };
    void startRecording() {
        m_recording = true;
        m_references.clear();
    }
    std::vector<Reference> stopRecording() {
        m_recording = false;
        return std::move(m_references);
    }
    const std::string &sessionUser() const { return m_user; }

    // Session state of the sequences (sequences.cpp).
    struct SequenceCache {
        long long next = 0;      // the next number to hand out
        long long remaining = 0; // numbers left in the cache
        long long current = 0;   // CURRVAL
        bool hasCurrent = false;
        long long written = 0; // LAST_NUMBER this session wrote
        long long increment = 1;
    };
    long long nextValue(const std::string &owner, const std::string &name);
    long long currentValue(const std::string &owner, const std::string &name);
    // A sequence was altered or dropped: its cached numbers are given up.
    void forgetSequence(const std::string &owner, const std::string &name);

private:
    std::optional<std::string> resolve(const std::string &owner, const std::string &name,
                                       int depth) const;
    bool mayRead(const std::string &owner, const std::string &name) const;
    std::string ensureTemporaryTable(const std::string &owner, const std::string &name) const;
    std::string ensureView(const std::string &owner, const std::string &name) const;
    void checkDataVersion() const;

    sqlite3 *m_db;
    const std::string &m_user;
    mutable std::map<std::string, std::vector<std::pair<std::string, OraType>>> m_columns;
    mutable std::map<std::string, std::string> m_temporaryObjects; // SQLite name -> its SQL
    mutable std::map<std::string, bool> m_deleteOnCommit; // temporary tables: ON COMMIT DELETE
    mutable long long m_dataVersion = -1;
    mutable int m_viewDepth = 0;
    mutable std::string m_definer; // while a view's query is translated: the view's owner
    bool m_recording = false;
    mutable std::vector<Reference> m_references;
    std::map<std::string, SequenceCache> m_sequences;
};

} // namespace ocilite
