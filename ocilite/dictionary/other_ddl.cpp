// Application contexts (CREATE [OR REPLACE] CONTEXT, kept for ALL_CONTEXT / DBA_CONTEXT),
// renames of views, sequences and synonyms, and a type attribute's row as a data type.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {

void createContext(Catalog &catalog, const DdlContext &ctx, const ddl::CreateContext &k) {
    (void)ctx;
    sqlite3 *db = catalog.db();
    const bool exists = objectExists(db, "SYS", k.name, "CONTEXT");
    if (exists && !k.orReplace)
        throw OraError(kOraNameInUse);
    if (!exists)
        addObject(db, NewObject{"SYS", k.name, "CONTEXT", kNamespaceContexts});
    else
        touchObject(db, "SYS", k.name, "CONTEXT");
    Prepared q(db, "INSERT OR REPLACE INTO main.OCILITE_CONTEXTS VALUES (?1, ?2, ?3, ?4)");
    q.bind(1, k.name).bind(2, k.package.owner).bind(3, k.package.name);
    q.bind(4, k.accessed.empty() ? std::string("ACCESSED LOCALLY") : k.accessed).run();
}

void dropContext(Catalog &catalog, const ddl::DropObject &d) {
    sqlite3 *db = catalog.db();
    if (!objectExists(db, "SYS", d.name.name, "CONTEXT"))
        throw OraError(kOraObjectNotFound, d.name.name);
    Prepared q(db, "DELETE FROM main.OCILITE_CONTEXTS WHERE NAMESPACE = ?1");
    q.bind(1, d.name.name).run();
    removeObject(db, "SYS", d.name.name, "CONTEXT");
}

void renameSchemaObject(Catalog &catalog, const std::string &owner, const std::string &type,
                        const std::string &from, const std::string &to) {
    sqlite3 *db = catalog.db();
    renameObject(db, owner, from, to, type);
    catalog.invalidate();
    const char *sql = type == "VIEW"
                          ? "UPDATE main.OCILITE_VIEWS SET VIEW_NAME = ?3 WHERE OWNER = ?1 AND "
                            "VIEW_NAME = ?2"
                      : type == "SEQUENCE" ? "UPDATE main.OCILITE_SEQUENCES SET SEQUENCE_NAME = "
                                             "?3 WHERE SEQUENCE_OWNER = ?1 AND SEQUENCE_NAME = ?2"
                                           : "UPDATE main.OCILITE_SYNONYMS SET SYNONYM_NAME = ?3 "
                                             "WHERE OWNER = ?1 AND SYNONYM_NAME = ?2";
    Prepared q(db, sql);
    q.bind(1, owner).bind(2, from).bind(3, to).run();
    if (type == "VIEW") {
        Prepared c(db, "UPDATE main.OCILITE_COLUMNS SET TABLE_NAME = ?3 WHERE OWNER = ?1 AND "
                       "TABLE_NAME = ?2");
        c.bind(1, owner).bind(2, from).bind(3, to).run();
    }
}

ddl::DataType attributeDataType(const Prepared &row) {
    ddl::DataType t;
    const std::string mod = row.isNull(1) ? "" : row.text(1);
    const std::string owner = row.isNull(2) ? "" : row.text(2);
    const std::string name = row.text(3);
    if (!owner.empty() && owner != "SYS") {
        t.userDefined = true;
        t.typeOwner = owner;
        t.dataType = mod == "REF" ? "REF " + name : name;
        t.written = name;
        return t;
    }
    std::string declared = name;
    if (!row.isNull(4) && (name == "VARCHAR2" || name == "CHAR" || name == "NVARCHAR2" ||
                           name == "NCHAR" || name == "RAW"))
        declared += "(" + std::to_string(row.integer(4)) + ")";
    else if (name == "NUMBER" && !row.isNull(5))
        declared += "(" + std::to_string(row.integer(5)) + "," +
                    std::to_string(row.isNull(6) ? 0 : row.integer(6)) + ")";
    else if (name == "TIMESTAMP" && !row.isNull(6))
        declared += "(" + std::to_string(row.integer(6)) + ")";
    const auto engine = parseDeclaredType(declared);
    t = dataTypeOf(engine ? *engine : OraType::varchar2(4000));
    if (name == "XMLTYPE") {
        t.dataType = "XMLTYPE";
        t.typeOwner = "SYS";
        t.dataLength = 2000;
    }
    t.written = declared;
    return t;
}

} // namespace ocilite
