// What the compiler asks of the database it compiles in: the objects of a schema, a unit's
// stored source, a table's columns. The engine implements it over its dictionary; tests
// use an in-memory one. Every answer may be "unknown", and the compiler then reports
// nothing about that name.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ocilite::plsql {

struct SchemaObject {
    std::string owner;
    std::string name;
    std::string type;     // TABLE, VIEW, SEQUENCE, SYNONYM, PACKAGE, PROCEDURE, FUNCTION, TYPE ...
    bool invalid = false; // INVALID with compile errors of its own (PLS-00905 when used)
};

class SchemaLookup {
public:
    virtual ~SchemaLookup() = default;
    // The object `name` of schema `owner` in the namespace of tables, views, sequences,
    // synonyms, packages, procedures, functions and types (or a public synonym of that
    // name when the schema has none).
    virtual std::optional<SchemaObject> object(const std::string &owner,
                                               const std::string &name) const = 0;
    // The stored source of a unit (TYPE "PACKAGE", "TYPE" ...), from its unit keyword on.
    virtual std::optional<std::string> source(const std::string &owner, const std::string &name,
                                              const std::string &type) const = 0;
    // A table's or view's column names; nullopt when not known.
    virtual std::optional<std::vector<std::string>> columns(const std::string &owner,
                                                            const std::string &name) const = 0;
    // True when a user (schema) of that name exists.
    virtual bool userExists(const std::string &name) const = 0;
    // The owner and name a synonym stands for; nullopt when that is not known here (a synonym
    // over a database link, or none).
    virtual std::optional<std::pair<std::string, std::string>>
    synonymTarget(const std::string &owner, const std::string &name) const {
        (void)owner;
        (void)name;
        return std::nullopt;
    }
};

} // namespace ocilite::plsql
