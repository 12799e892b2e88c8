// What a type's specification and a trigger's header add to the dictionary besides the
// unit's source (private to the dictionary): USER_TYPES, USER_TYPE_ATTRS and USER_COLL_TYPES
// rows, USER_TRIGGERS and USER_TRIGGER_COLS rows, and the checks made before storing them.
#pragma once

#include "ocilite/dialect/ddl/schema_ddl.h"

#include <sqlite3.h>

#include <string>
#include <vector>

namespace ocilite {

class Catalog;

// ORA-02303 when a type that tables (or, without FORCE, other types) use would be replaced.
void checkTypeReplaceable(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec,
                          bool exists);
// ORA-02303 when tables or types use the type.
void checkTypeDroppable(sqlite3 *db, const std::string &owner, const std::string &name);
void storeTypeSpec(sqlite3 *db, const std::string &owner, const ddl::TypeSpec &spec);
void dropTypeRows(sqlite3 *db, const std::string &owner, const std::string &name);
// The owner and name a type reference in a column or attribute stands for, or nothing.
std::optional<std::pair<std::string, std::string>> findType(sqlite3 *db, const std::string &schema,
                                                            const ddl::DataType &type);

// ORA-00942 when the trigger's table or view is missing; ORA-01031 for another schema's.
void checkTriggerTarget(const Catalog &catalog, const std::string &owner,
                        const ddl::TriggerHeader &header);
void storeTrigger(sqlite3 *db, const std::string &owner, const ddl::TriggerHeader &header,
                  const std::vector<std::string> &sourceLines);
void dropTriggerRows(sqlite3 *db, const std::string &owner, const std::string &name);
// The triggers of a table, dropped with it.
void dropTriggersOf(sqlite3 *db, const std::string &owner, const std::string &table);
void setTriggerStatus(sqlite3 *db, const std::string &owner, const ddl::TriggerState &state);

} // namespace ocilite
