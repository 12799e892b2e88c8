// ALTER TABLE on the dictionary: the table's model is read, each action changes it as
// Oracle would (checking what Oracle checks), the model is written back, and the SQLite
// table is made again from it with its rows copied (SQLite cannot change a column or add a
// constraint in place). Existing rows are checked against new constraints first.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/table_parts.h"
#include "ocilite/dictionary/table_sql.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>

namespace ocilite {
namespace {

bool hasRows(sqlite3 *db, const std::string &physical, const std::string &where = "") {
    Prepared q(db, "SELECT 1 FROM main." + quoteName(physical) +
                       (where.empty() ? "" : " WHERE " + where) + " LIMIT 1");
    return q.step();
}

class Alteration {
public:
    Alteration(Catalog &catalog, TableModel &t)
        : m_catalog(catalog), m_t(t), m_db(catalog.db()),
          m_physical(Catalog::physicalName(t.owner, t.name)) {}

    void operator()(const ddl::AddColumns &a) {
        for (const ddl::Column &c : a.columns) {
            if (m_t.column(c.name))
                throw OraError(kOraColumnExists);
            ColumnRecord r = columnRecord(m_catalog, m_t.owner, c);
            const bool mandatory = std::any_of(
                a.constraints.begin(), a.constraints.end(),
                [&](const ddl::Constraint &k) { return k.notNull && k.columns[0] == c.name; });
            if (mandatory && !r.hasDefault && !m_t.temporary && hasRows(m_db, m_physical))
                throw OraError(kOraMandatoryColumnNotEmpty);
            m_t.columns.push_back(r);
        }
        for (const ddl::Constraint &k : a.constraints)
            add(k);
    }

    void operator()(const ddl::ModifyColumn &m) {
        ColumnRecord *c = m_t.column(m.name);
        if (!c)
            throw OraError(kOraInvalidIdentifier, "\"" + m.name + "\"");
        if (m.type)
            changeType(*c, *m.type);
        if (m.defaultText) {
            ddl::Column declared;
            declared.name = m.name;
            declared.hasDefault = true;
            declared.defaultText = *m.defaultText;
            declared.type = c->type;
            const ColumnRecord r = columnRecord(m_catalog, m_t.owner, declared);
            c->hasDefault = true;
            c->dataDefault = r.dataDefault;
            c->sqliteDefault = r.sqliteDefault;
        }
        if (m.nullable)
            changeNullability(*c, *m.nullable, m.notNullName);
        for (const ddl::Constraint &k : m.constraints)
            add(k);
    }

    void operator()(const ddl::DropColumns &d) {
        for (const std::string &name : d.names) {
            if (!m_t.column(name))
                throw OraError(kOraInvalidIdentifier, "\"" + name + "\"");
            std::erase_if(m_t.columns, [&](const ColumnRecord &c) { return c.name == name; });
            std::erase_if(m_t.constraints, [&](const ConstraintRecord &k) {
                return std::find(k.columns.begin(), k.columns.end(), name) != k.columns.end();
            });
        }
        if (std::none_of(m_t.columns.begin(), m_t.columns.end(),
                         [](const ColumnRecord &c) { return !c.hidden; }))
            throw OraError(kOraCannotDropAllColumns);
    }

    void operator()(const ddl::RenameColumn &r) {
        ColumnRecord *c = m_t.column(r.from);
        if (!c)
            throw OraError(kOraInvalidIdentifier, "\"" + r.from + "\"");
        if (m_t.column(r.to))
            throw OraError(kOraDuplicateColumn);
        c->name = r.to;
        for (ConstraintRecord &k : m_t.constraints) {
            std::replace(k.columns.begin(), k.columns.end(), r.from, r.to);
            if (k.notNull)
                k.searchCondition = "\"" + r.to + "\" IS NOT NULL";
        }
        Prepared q(m_db, "UPDATE main.OCILITE_COMMENTS SET COLUMN_NAME = ?4 WHERE OWNER = ?1 AND "
                         "TABLE_NAME = ?2 AND COLUMN_NAME = ?3");
        q.bind(1, m_t.owner).bind(2, m_t.name).bind(3, r.from).bind(4, r.to).run();
    }

    void operator()(const ddl::RenameTable &r) { m_renameTo = r.to; }

    void operator()(const ddl::AddConstraint &a) { add(a.constraint); }

    void operator()(const ddl::DropConstraint &d) {
        const ConstraintRecord k = *find(d.name, d.type, d.columns, true);
        const auto children = referencingConstraints(m_db, m_t.owner, m_t.name);
        if ((k.type == 'P' || k.type == 'U') && !children.empty()) {
            if (!d.cascade)
                throw OraError(kOraKeyReferenced);
            for (const auto &[owner, name] : children)
                dropConstraintOf(m_catalog, owner, name);
        }
        if (k.notNull)
            m_t.column(k.columns[0])->nullable = true;
        std::erase_if(m_t.constraints, [&](const ConstraintRecord &c) { return c.name == k.name; });
        if (k.type == 'P')
            for (const std::string &c : k.columns)
                restoreNullability(c);
    }

    void operator()(const ddl::ConstraintState &s) {
        ConstraintRecord *k = find(s.name, s.type, s.columns, false);
        k->enabled = s.enable;
        k->validated = s.enable;
        if (k->notNull)
            m_t.column(k->columns[0])->nullable = !s.enable;
        if (s.enable)
            m_check.push_back(k->name);
    }

    void operator()(const ddl::RenameConstraint &r) {
        ConstraintRecord *k = m_t.constraint(r.from);
        if (!k)
            throw OraError(kOraNoConstraintToDrop);
        for (const ConstraintRecord &other : m_t.constraints)
            if (other.name == r.to)
                throw OraError(kOraConstraintNameInUse);
        k->name = r.to;
        k->generatedName = false;
        if (k->indexName == r.from)
            k->indexName = r.to;
    }

    const std::vector<std::string> &constraintsToCheck() const { return m_check; }
    const std::string &renameTo() const { return m_renameTo; }

private:
    void add(const ddl::Constraint &k) {
        addConstraint(m_catalog, m_t, k);
        m_check.push_back(m_t.constraints.back().name);
    }

    ConstraintRecord *find(const std::string &name, char type,
                           const std::vector<std::string> &columns, bool dropping) {
        for (ConstraintRecord &k : m_t.constraints) {
            if (!name.empty() ? k.name == name
                              : k.type == type && (type == 'P' || k.columns == columns))
                return &k;
        }
        if (!name.empty())
            throw OraError(dropping ? kOraNoConstraintToDrop : kOraCannotEnableConstraint,
                           m_t.owner + "." + name);
        throw OraError(type == 'P' ? kOraNoPrimaryKeyToDrop : kOraNoUniqueKeyToDrop);
    }

    void changeType(ColumnRecord &c, const ddl::DataType &type) {
        ddl::Column declared;
        declared.name = c.name;
        declared.type = type;
        const ColumnRecord r = columnRecord(m_catalog, m_t.owner, declared);
        const bool sameFamily = r.type.engine.code == c.type.engine.code;
        if (!sameFamily && !m_t.temporary &&
            hasRows(m_db, m_physical, quoteName(c.name) + " IS NOT NULL"))
            throw OraError(kOraModifyNotEmpty);
        c.type = r.type;
    }

    void changeNullability(ColumnRecord &c, bool nullable, const std::string &constraintName) {
        const bool notNullNow = !c.nullable;
        if (!nullable && notNullNow)
            throw OraError(kOraAlreadyNotNull);
        if (nullable) {
            const auto before = m_t.constraints.size();
            std::erase_if(m_t.constraints, [&](const ConstraintRecord &k) {
                return k.notNull && k.columns[0] == c.name;
            });
            if (before == m_t.constraints.size() || isKeyColumn(c.name))
                throw OraError(kOraCannotModifyToNull);
            c.nullable = true;
            return;
        }
        ddl::Constraint k;
        k.name = constraintName;
        k.type = 'C';
        k.notNull = true;
        k.columns = {c.name};
        k.condition = "\"" + c.name + "\" IS NOT NULL";
        add(k);
    }

    bool isKeyColumn(const std::string &column) const {
        for (const ConstraintRecord &k : m_t.constraints)
            if (k.type == 'P' &&
                std::find(k.columns.begin(), k.columns.end(), column) != k.columns.end())
                return true;
        return false;
    }

    // A former primary key column is nullable again unless a NOT NULL constraint remains.
    void restoreNullability(const std::string &column) {
        for (const ConstraintRecord &k : m_t.constraints)
            if (k.notNull && k.enabled && k.columns[0] == column)
                return;
        if (ColumnRecord *c = m_t.column(column))
            c->nullable = true;
    }

    Catalog &m_catalog;
    TableModel &m_t;
    sqlite3 *m_db;
    std::string m_physical;
    std::vector<std::string> m_check;
    std::string m_renameTo;
};

} // namespace

void rebuildTable(Catalog &catalog, const TableModel &t) {
    sqlite3 *db = catalog.db();
    catalog.invalidate();
    if (t.temporary)
        return; // each session's TEMP table is made again from the dictionary on next use
    const std::string physical = Catalog::physicalName(t.owner, t.name);
    const std::string fresh = physical + "$OCILITE_NEW";
    exec(db, tableSql(db, t.owner, t.name, "main", fresh));
    std::string into, from;
    for (const ColumnRecord &c : t.columns) {
        if (c.isVirtual || c.previousName.empty())
            continue;
        into += (into.empty() ? "" : ", ") + quoteName(c.name);
        from += (from.empty() ? "" : ", ") + quoteName(c.previousName);
    }
    if (!into.empty())
        exec(db, "INSERT INTO main." + quoteName(fresh) + "(" + into + ") SELECT " + from +
                     " FROM main." + quoteName(physical));
    exec(db, "DROP TABLE main." + quoteName(physical));
    exec(db, "ALTER TABLE main." + quoteName(fresh) + " RENAME TO " + quoteName(physical));
    recreateIndexes(db, t.owner, t.name);
}

void alterTable(Catalog &catalog, const DdlContext &ctx, const ddl::AlterTable &a) {
    sqlite3 *db = catalog.db();
    std::optional<TableModel> t = readTable(db, a.name.owner, a.name.name);
    if (!t || !objectExists(db, a.name.owner, a.name.name, "TABLE"))
        throw OraError(kOraTableNotFound);
    if (a.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    if (a.actions.empty())
        return; // physical attributes only
    Alteration alteration(catalog, *t);
    for (const ddl::AlterTableAction &action : a.actions)
        std::visit(alteration, action);
    const std::string physical = Catalog::physicalName(t->owner, t->name);
    for (const std::string &name : alteration.constraintsToCheck())
        if (const ConstraintRecord *k = t->constraint(name); k && !t->temporary)
            validateRows(db, *t, *k, physical);
    createIdentitySequences(db, *t);
    writeTable(db, *t);
    syncConstraintIndexes(db, *t);
    rebuildTable(catalog, *t);
    for (ColumnRecord &c : t->columns)
        c.previousName = c.name;
    if (!t->temporary) {
        Prepared fk(db, "PRAGMA foreign_key_check(" + quoteName(physical) + ")");
        if (fk.step())
            throw OraError(kOraCannotValidateParent, t->owner + "." + fk.text(3));
    }
    if (!alteration.renameTo().empty())
        renameTable(catalog, t->owner, t->name, alteration.renameTo());
    touchObject(db, t->owner, t->name, "TABLE");
    invalidateDependents(db, t->owner, t->name, "TABLE");
}

void dropConstraintOf(Catalog &catalog, const std::string &owner, const std::string &name) {
    sqlite3 *db = catalog.db();
    std::string table;
    {
        Prepared q(db, "SELECT TABLE_NAME FROM main.OCILITE_CONSTRAINTS WHERE OWNER = ?1 AND "
                       "CONSTRAINT_NAME = ?2");
        q.bind(1, owner).bind(2, name);
        if (!q.step())
            return;
        table = q.text(0);
    }
    std::optional<TableModel> t = readTable(db, owner, table);
    if (!t)
        return;
    std::erase_if(t->constraints, [&](const ConstraintRecord &k) { return k.name == name; });
    writeTable(db, *t);
    rebuildTable(catalog, *t);
}

void renameTable(Catalog &catalog, const std::string &owner, const std::string &from,
                 const std::string &to) {
    sqlite3 *db = catalog.db();
    renameObject(db, owner, from, to, "TABLE");
    catalog.invalidate();
    for (const char *sql :
         {"UPDATE main.OCILITE_TABLES SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND TABLE_NAME = ?2",
          "UPDATE main.OCILITE_COLUMNS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND TABLE_NAME = ?2",
          "UPDATE main.OCILITE_CONSTRAINTS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND "
          "TABLE_NAME = ?2",
          "UPDATE main.OCILITE_CONS_COLUMNS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND "
          "TABLE_NAME = ?2",
          "UPDATE main.OCILITE_INDEXES SET TABLE_NAME = ?3 WHERE TABLE_OWNER = ?1 AND "
          "TABLE_NAME = ?2",
          "UPDATE main.OCILITE_IND_COLUMNS SET TABLE_NAME = ?3 WHERE TABLE_OWNER = ?1 AND "
          "TABLE_NAME = ?2",
          "UPDATE main.OCILITE_COMMENTS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND TABLE_NAME = ?2",
          "UPDATE main.OCILITE_TAB_PRIVS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND "
          "TABLE_NAME = ?2",
          "UPDATE main.OCILITE_TRIGGERS SET TABLE_NAME = ?3 WHERE TABLE_OWNER = ?1 AND "
          "TABLE_NAME = ?2"}) {
        Prepared q(db, sql);
        q.bind(1, owner).bind(2, from).bind(3, to).run();
    }
    if (objectExists(db, owner, to, "TABLE") && readTable(db, owner, to) &&
        !readTable(db, owner, to)->temporary)
        exec(db, "ALTER TABLE main." + quoteName(Catalog::physicalName(owner, from)) +
                     " RENAME TO " + quoteName(Catalog::physicalName(owner, to)));
}

} // namespace ocilite
