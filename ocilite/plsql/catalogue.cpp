#include "ocilite/plsql/catalogue.h"

#include "ocilite/plsql/catalogue_data.h"
#include "ocilite/plsql/syntax.h"

namespace ocilite::plsql {

const Catalogue &Catalogue::instance() {
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue() {
    for (size_t i = 0; i < kCatalogueFileCount; ++i) {
        const CatalogueFile &f = kCatalogueFiles[i];
        if (f.name.size() > 4 && f.name.substr(f.name.size() - 4) == ".txt")
            addNames(f.text);
        else
            addSpec(f.text);
    }
}

// Every name a specification declares: items, subprograms, types, and an object type's
// attributes and methods.
void Catalogue::addSpec(std::string_view source) {
    auto unit = parseUnit(source);
    if (!unit->root)
        return;
    CataloguePackage pkg;
    pkg.name = nodeName(*unit, unit->root);
    pkg.partial =
        source.starts_with("-- PARTIAL:") || source.find("\n-- PARTIAL:") != std::string_view::npos;
    const Node *items = unit->root->child;
    if (items && items->kind == NK::DeclList)
        items = items->child;
    const bool package = unit->root->kind == NK::PackageSpec;
    for (const Node *n = items; n; n = n->next) {
        if (n->kind == NK::Pragma || n->kind == NK::TypeRef || n->kind == NK::Name)
            continue;
        pkg.members.insert(nodeName(*unit, n));
        if (package && n->kind == NK::SubprogDecl)
            addOverload(pkg.subprograms[nodeName(*unit, n)], signatureOf(*unit, n));
    }
    if (pkg.name == "STANDARD" || pkg.name == "DBMS_STANDARD")
        m_standard.insert(pkg.members.begin(), pkg.members.end());
    m_standard.insert(pkg.name);
    m_packages[pkg.name] = std::move(pkg);
}

void Catalogue::addNames(std::string_view list) {
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find('\n', pos);
        if (end == std::string_view::npos)
            end = list.size();
        std::string_view line = list.substr(pos, end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (!line.empty() && line.front() != '#')
            m_sqlNames.emplace(line);
        pos = end + 1;
    }
}

const CataloguePackage *Catalogue::package(const std::string &name) const {
    const auto it = m_packages.find(name);
    return it == m_packages.end() ? nullptr : &it->second;
}

bool Catalogue::isSuppliedName(std::string_view name) {
    static constexpr std::string_view kPrefixes[] = {
        "DBMS_", "UTL_",     "OWA_",   "APEX_",     "CTX_",     "SDO_",   "XDB_",  "WPG_",  "WWV_",
        "SYS_",  "JSON_",    "DEBUG_", "OLAP_",     "ORA_",     "V$",     "GV$",   "USER_", "ALL_",
        "DBA_",  "CDB_",     "KU$",    "LCR$_",     "AQ$",      "JAVA_",  "SODA_", "OWM_",  "ORD_",
        "NLS_",  "SESSION_", "ROLE_",  "DATABASE_", "PRODUCT_", "GLOBAL_"};
    static constexpr std::string_view kNames[] = {"SYS",
                                                  "OWA",
                                                  "HTP",
                                                  "HTF",
                                                  "ORDSYS",
                                                  "ORDIMAGE",
                                                  "ORDAUDIO",
                                                  "ORDVIDEO",
                                                  "ORDDOC",
                                                  "XMLTYPE",
                                                  "ANYDATA",
                                                  "ANYTYPE",
                                                  "ANYDATASET",
                                                  "URITYPE",
                                                  "HTTPURITYPE",
                                                  "DBURITYPE",
                                                  "XDBURITYPE",
                                                  "XMLSEQUENCE",
                                                  "XMLSEQUENCETYPE",
                                                  "XMLDOM",
                                                  "XMLPARSER",
                                                  "XSLPROCESSOR",
                                                  "DUAL",
                                                  "DICTIONARY",
                                                  "DICT",
                                                  "PLAN_TABLE",
                                                  "PUBLIC",
                                                  "MDSYS",
                                                  "CTXSYS",
                                                  "XDB",
                                                  "APEX_PUBLIC_USER",
                                                  "SYSTEM",
                                                  "WM_CONCAT"};
    for (std::string_view p : kPrefixes)
        if (name.substr(0, p.size()) == p)
            return true;
    for (std::string_view n : kNames)
        if (name == n)
            return true;
    return false;
}

} // namespace ocilite::plsql
