// Oracle's STANDARD package and the supplied packages the compiler knows, read from the
// specifications in catalogue/ (embedded at build time), plus the SQL function and
// pseudocolumn name lists. One catalogue per process, built on first use.
#pragma once

#include "ocilite/plsql/signature.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace ocilite::plsql {

struct CataloguePackage {
    std::string name;
    std::unordered_set<std::string> members; // every name the package declares
    bool partial = false; // "-- PARTIAL:" in the file: a name missing here is undecidable
    // A package's procedures and functions with every overload it declares.
    std::unordered_map<std::string, Overloads> subprograms;
};

class Catalogue {
public:
    static const Catalogue &instance();

    // A supplied package or type the catalogue holds, by name; null when it holds none.
    const CataloguePackage *package(const std::string &name) const;
    // A name STANDARD or DBMS_STANDARD declares (seen without a prefix).
    bool isStandard(const std::string &name) const { return m_standard.count(name) != 0; }
    bool isSqlFunction(const std::string &name) const { return m_sqlNames.count(name) != 0; }
    // A name Oracle supplies that the catalogue does not describe: DBMS_*, UTL_*, ...
    // Resolution cannot decide such names and reports nothing.
    static bool isSuppliedName(std::string_view name);

private:
    Catalogue();
    void addSpec(std::string_view source);
    void addNames(std::string_view list);

    std::unordered_map<std::string, CataloguePackage> m_packages;
    std::unordered_set<std::string> m_standard;
    std::unordered_set<std::string> m_sqlNames;
};

} // namespace ocilite::plsql
