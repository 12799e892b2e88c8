// The PL/SQL compiler of the embedded database: one call compiles one stored unit against a
// schema and answers with the USER_ERRORS rows Oracle would store (in Oracle's order) and
// the objects the unit depends on (USER_DEPENDENCIES).
#pragma once

#include "ocilite/plsql/diagnostics.h"
#include "ocilite/plsql/schema.h"

#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

struct Dependency {
    std::string owner;
    std::string name;
    std::string type;
    bool operator==(const Dependency &) const = default;
};

struct CompileResult {
    std::vector<Diagnostic> errors;
    std::vector<Dependency> dependencies;
};

// owner: the schema the unit belongs to; type: PACKAGE, PACKAGE BODY, PROCEDURE, FUNCTION,
// TYPE, TYPE BODY or TRIGGER; source: as USER_SOURCE stores it (from the unit keyword on).
// warnings: the PLSQL_WARNINGS value the unit is compiled with (empty: DISABLE:ALL).
CompileResult compileUnit(const std::string &owner, const std::string &type,
                          std::string_view source, const SchemaLookup &schema,
                          std::string_view warnings = {});

// An anonymous block (DECLARE ... END; or BEGIN ... END;) as a client sends it: its errors
// with lines and columns counted from the block's first character, as ORA-06550 gives them.
CompileResult compileAnonymousBlock(const std::string &owner, std::string_view source,
                                    const SchemaLookup &schema);

// Where a trigger's PL/SQL block starts in its source (errors count lines from there):
// the byte offset, or npos when the source has no block.
size_t triggerBlockOffset(std::string_view source);

} // namespace ocilite::plsql
