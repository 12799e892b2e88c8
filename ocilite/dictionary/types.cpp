// Object and collection types in the dictionary: USER_TYPES (with the attributes and
// methods a subtype inherits), USER_TYPE_ATTRS and USER_COLL_TYPES, and the types' users
// that keep a type from being replaced or dropped.
#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_extras.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

bool hasRows(sqlite3 *db, const std::string &sql, const std::string &owner,
             const std::string &name) {
    Prepared q(db, sql);
    q.bind(1, owner).bind(2, name);
    return q.step();
}

bool usedByTables(sqlite3 *db, const std::string &owner, const std::string &name) {
    return hasRows(db,
                   "SELECT 1 FROM main.OCILITE_COLUMNS WHERE DATA_TYPE_OWNER = ?1 AND "
                   "DATA_TYPE = ?2 UNION ALL SELECT 1 FROM main.OCILITE_TABLES WHERE "
                   "TABLE_TYPE_OWNER = ?1 AND TABLE_TYPE = ?2",
                   owner, name);
}

bool usedByTypes(sqlite3 *db, const std::string &owner, const std::string &name) {
    return hasRows(db,
                   "SELECT 1 FROM main.OCILITE_TYPE_ATTRS WHERE ATTR_TYPE_OWNER = ?1 AND "
                   "ATTR_TYPE_NAME = ?2 AND INHERITED = 'NO' UNION ALL SELECT 1 FROM "
                   "main.OCILITE_COLL_TYPES WHERE ELEM_TYPE_OWNER = ?1 AND ELEM_TYPE_NAME = ?2 "
                   "UNION ALL SELECT 1 FROM main.OCILITE_TYPES WHERE SUPERTYPE_OWNER = ?1 AND "
                   "SUPERTYPE_NAME = ?2",
                   owner, name);
}

// The name USER_TYPE_ATTRS gives a built-in type: no length or precision in it.
std::string attributeTypeName(const ddl::DataType &t) {
    if (t.userDefined)
        return t.dataType.rfind("REF ", 0) == 0 ? t.dataType.substr(4) : t.dataType;
    const std::string &w = t.written;
    for (const char *integer : {"INTEGER", "INT", "SMALLINT"})
        if (w.size() == std::char_traits<char>::length(integer) &&
            std::equal(w.begin(), w.end(), integer,
                       [](char a, char b) { return std::toupper(a) == b; }))
            return "INTEGER";
    std::string name;
    bool inParens = false;
    for (const char c : t.dataType) {
        if (c == '(')
            inParens = true;
        else if (c == ')')
            inParens = false;
        else if (!inParens)
            name += c;
    }
    return name;
}

struct AttributeRow {
    std::string name;
    std::string typeMod, typeOwner, typeName;
    std::optional<int> length, precision, scale;
    std::string charset, charUsed;
};

AttributeRow attributeRow(sqlite3 *db, const std::string &schema, const std::string &name,
                          const ddl::DataType &t) {
    AttributeRow r;
    r.name = name;
    r.typeName = attributeTypeName(t);
    if (t.userDefined) {
        if (t.dataType.rfind("REF ", 0) == 0)
            r.typeMod = "REF";
        if (const auto found = findType(db, schema, t))
            r.typeOwner = found->first;
        else
            r.typeOwner = t.typeOwner.empty() ? schema : t.typeOwner;
    } else if (t.typeOwner == "SYS") {
        r.typeOwner = "SYS";
    }
    if (t.charUsed) {
        r.length = t.charLength;
        r.charset = t.dataType.front() == 'N' ? "NCHAR_CS" : "CHAR_CS";
        r.charUsed = std::string(1, t.charUsed);
    } else if (t.dataType == "RAW") {
        r.length = t.dataLength;
    }
    r.precision = t.precision;
    r.scale = t.scale;
    return r;
}

void bindOptional(Prepared &q, int index, const std::optional<int> &v) {
    if (v)
        q.bind(index, static_cast<long long>(*v));
    else
        q.bindNull(index);
}

void bindText(Prepared &q, int index, const std::string &v) {
    if (v.empty())
        q.bindNull(index);
    else
        q.bind(index, v);
}

void insertAttribute(sqlite3 *db, const std::string &owner, const std::string &type,
                     const AttributeRow &r, int number, bool inherited) {
    Prepared q(db, "INSERT INTO main.OCILITE_TYPE_ATTRS VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                   "?9, ?10, ?11, ?12, ?13)");
    q.bind(1, owner).bind(2, type).bind(3, r.name);
    bindText(q, 4, r.typeMod);
    bindText(q, 5, r.typeOwner);
    q.bind(6, r.typeName);
    bindOptional(q, 7, r.length);
    bindOptional(q, 8, r.precision);
    bindOptional(q, 9, r.scale);
    bindText(q, 10, r.charset);
    q.bind(11, static_cast<long long>(number)).bind(12, std::string(inherited ? "YES" : "NO"));
    bindText(q, 13, r.charUsed);
    q.run();
}

// The supertype's attributes (inherited ones first, as Oracle numbers them) and methods.
int inheritAttributes(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec,
                      int &methods) {
    if (spec.supertype.name.empty())
        return 0;
    const std::string superOwner = spec.supertype.qualified ? spec.supertype.owner : owner;
    Prepared m(db, "SELECT METHODS FROM main.OCILITE_TYPES WHERE OWNER = ?1 AND TYPE_NAME = ?2");
    m.bind(1, superOwner).bind(2, spec.supertype.name);
    methods = m.step() && !m.isNull(0) ? static_cast<int>(m.integer(0)) : 0;
    Prepared q(db, "INSERT INTO main.OCILITE_TYPE_ATTRS SELECT ?3, ?4, ATTR_NAME, ATTR_TYPE_MOD, "
                   "ATTR_TYPE_OWNER, ATTR_TYPE_NAME, LENGTH, PRECISION, SCALE, "
                   "CHARACTER_SET_NAME, ATTR_NO, 'YES', CHAR_USED FROM main.OCILITE_TYPE_ATTRS "
                   "WHERE OWNER = ?1 AND TYPE_NAME = ?2");
    q.bind(1, superOwner).bind(2, spec.supertype.name).bind(3, owner).bind(4, spec.name.name);
    q.run();
    return sqlite3_changes(db);
}

void insertType(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec, int attributes,
                int methods, int inherited) {
    Prepared q(db, "INSERT INTO main.OCILITE_TYPES VALUES (?1, ?2, UPPER(HEX(RANDOMBLOB(16))), "
                   "?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
    q.bind(1, owner).bind(2, spec.name.name);
    q.bind(3, std::string(spec.isCollection ? "COLLECTION" : "OBJECT"));
    q.bind(4, static_cast<long long>(attributes)).bind(5, static_cast<long long>(methods));
    q.bind(6, std::string(spec.incomplete ? "YES" : "NO"));
    q.bind(7, std::string(spec.final ? "YES" : "NO"));
    q.bind(8, std::string(spec.instantiable ? "YES" : "NO"));
    const bool subtype = !spec.supertype.name.empty();
    if (subtype) {
        q.bind(9, spec.supertype.qualified ? spec.supertype.owner : owner);
        q.bind(10, spec.supertype.name);
        q.bind(11, static_cast<long long>(attributes - inherited));
        q.bind(12, static_cast<long long>(spec.methods));
    } else {
        q.bindNull(9).bindNull(10).bindNull(11).bindNull(12);
    }
    q.run();
}

void insertCollection(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec) {
    const AttributeRow e = attributeRow(db, owner, "", spec.elementType);
    Prepared q(db, "INSERT INTO main.OCILITE_COLL_TYPES VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                   "?9, ?10, ?11, NULL, 'YES', ?12)");
    q.bind(1, owner).bind(2, spec.name.name).bind(3, spec.collectionType);
    if (spec.upperBound)
        q.bind(4, *spec.upperBound);
    else
        q.bindNull(4);
    bindText(q, 5, e.typeMod);
    bindText(q, 6, e.typeOwner);
    q.bind(7, e.typeName);
    bindOptional(q, 8, e.length);
    bindOptional(q, 9, e.precision);
    bindOptional(q, 10, e.scale);
    bindText(q, 11, e.charset);
    bindText(q, 12, e.charUsed);
    q.run();
}

} // namespace

std::optional<std::pair<std::string, std::string>> findType(sqlite3 *db, const std::string &schema,
                                                            const ddl::DataType &type) {
    std::string name =
        type.dataType.rfind("REF ", 0) == 0 ? type.dataType.substr(4) : type.dataType;
    for (const std::string &owner : type.typeOwner.empty()
                                        ? std::vector<std::string>{schema, "PUBLIC"}
                                        : std::vector<std::string>{type.typeOwner}) {
        const auto kind = objectTypeIn(db, owner, name, kNamespaceObjects);
        if (kind == "TYPE")
            return std::pair(owner, name);
        if (kind == "SYNONYM") {
            Prepared q(db, "SELECT TABLE_OWNER, TABLE_NAME FROM main.OCILITE_SYNONYMS WHERE "
                           "OWNER = ?1 AND SYNONYM_NAME = ?2");
            q.bind(1, owner).bind(2, name);
            if (q.step() && objectExists(db, q.text(0), q.text(1), "TYPE"))
                return std::pair(q.text(0), q.text(1));
        }
    }
    return std::nullopt;
}

void checkTypeReplaceable(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec,
                          bool exists) {
    if (!exists)
        return;
    if (usedByTables(db, owner, spec.name.name) ||
        (!spec.force && usedByTypes(db, owner, spec.name.name)))
        throw OraError(kOraTypeHasDependents);
}

void checkTypeDroppable(sqlite3 *db, const std::string &owner, const std::string &name) {
    if (usedByTables(db, owner, name) || usedByTypes(db, owner, name))
        throw OraError(kOraTypeHasDependents);
}

void dropTypeRows(sqlite3 *db, const std::string &owner, const std::string &name) {
    for (const char *table : {"OCILITE_TYPES", "OCILITE_TYPE_ATTRS", "OCILITE_COLL_TYPES"}) {
        Prepared q(db, std::string("DELETE FROM main.") + table +
                           " WHERE OWNER = ?1 AND TYPE_NAME = ?2");
        q.bind(1, owner).bind(2, name).run();
    }
}

void storeTypeSpec(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec) {
    dropTypeRows(db, owner, spec.name.name);
    int methods = 0;
    const int inherited = inheritAttributes(db, owner, spec, methods);
    int number = inherited;
    for (const ddl::TypeAttribute &a : spec.attributes)
        insertAttribute(db, owner, spec.name.name, attributeRow(db, owner, a.name, a.type),
                        ++number, false);
    insertType(db, owner, spec, number, methods + spec.methods, inherited);
    if (spec.isCollection)
        insertCollection(db, owner, spec);
}

} // namespace ocilite
