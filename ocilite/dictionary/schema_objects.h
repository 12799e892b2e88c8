// The registry of schema objects behind USER_OBJECTS (private to the dictionary): which
// objects exist in which namespace, their ids, creation and DDL times and status, and the
// system-generated names Oracle gives unnamed constraints (SYS_Cn).
#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>
#include <utility>

namespace ocilite {

// Oracle's namespaces: tables, views, sequences, synonyms, types and units share the first.
enum ObjectNamespace : int {
    kNamespaceObjects = 1,
    kNamespaceBodies = 2,
    kNamespaceTriggers = 3,
    kNamespaceIndexes = 4,
    kNamespaceContexts = 21,
};

struct NewObject {
    NewObject(std::string o, std::string n, std::string t, int ns = kNamespaceObjects)
        : owner(std::move(o)), name(std::move(n)), type(std::move(t)), nameSpace(ns) {}

    std::string owner;
    std::string name;
    std::string type;
    int nameSpace = kNamespaceObjects;
    bool temporary = false;
    bool generated = false;
    bool hasSegment = false;         // DATA_OBJECT_ID is set (tables, indexes)
    std::optional<bool> editionable; // nothing: the type is not editionable
};

// The namespace an object type lives in.
int namespaceOf(const std::string &type);
// True for the types Oracle makes editionable (views, private synonyms, units, types).
bool isEditionableType(const std::string &type, const std::string &owner);

bool objectExists(sqlite3 *db, const std::string &owner, const std::string &name,
                  const std::string &type);
// The type of the object of that name in the namespace, if any.
std::optional<std::string> objectTypeIn(sqlite3 *db, const std::string &owner,
                                        const std::string &name, int nameSpace);
// Adds the object (VALID, created now); throws ORA-00955 when its name is taken.
void addObject(sqlite3 *db, const NewObject &o);
// A replaced or altered object: LAST_DDL_TIME and TIMESTAMP now; STATUS as given, or as
// it was without one.
void touchObject(sqlite3 *db, const std::string &owner, const std::string &name,
                 const std::string &type, const char *status = nullptr);
void setObjectStatus(sqlite3 *db, const std::string &owner, const std::string &name,
                     const std::string &type, const char *status);
void removeObject(sqlite3 *db, const std::string &owner, const std::string &name,
                  const std::string &type);
void renameObject(sqlite3 *db, const std::string &owner, const std::string &from,
                  const std::string &to, const std::string &type);
// SYS_C followed by a number no constraint or index has: Oracle's name for unnamed ones.
std::string systemName(sqlite3 *db);

} // namespace ocilite
