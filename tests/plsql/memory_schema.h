// An in-memory schema for the compiler's tests: objects, unit sources, table columns and
// synonyms (private ones of SCOTT, public ones of PUBLIC).
#pragma once

#include "ocilite/plsql/schema.h"

#include <map>

namespace plsqltest {

class MemorySchema : public ocilite::plsql::SchemaLookup {
public:
    MemorySchema &table(const std::string &name, std::vector<std::string> columns) {
        m_objects[name] = {"SCOTT", name, "TABLE", false};
        m_columns[name] = std::move(columns);
        return *this;
    }
    MemorySchema &unit(const std::string &name, const std::string &type, std::string source,
                       bool invalid = false) {
        m_objects[name] = {"SCOTT", name, type, invalid};
        m_sources[name + "/" + type] = std::move(source);
        return *this;
    }
    // A synonym for owner.target (owner PUBLIC for a public synonym; no owner: over a link).
    MemorySchema &synonym(const std::string &name, const std::string &owner,
                          const std::string &target, bool isPublic = false) {
        const std::string home = isPublic ? "PUBLIC" : "SCOTT";
        (isPublic ? m_public : m_objects)[name] = {home, name, "SYNONYM", false};
        if (!owner.empty())
            m_synonyms[home + "." + name] = {owner, target};
        return *this;
    }
    std::optional<ocilite::plsql::SchemaObject> object(const std::string &owner,
                                                       const std::string &name) const override {
        const auto &objects = owner == "PUBLIC" ? m_public : m_objects;
        const auto it = objects.find(name);
        if ((owner != "SCOTT" && owner != "PUBLIC") || it == objects.end())
            return owner == "PUBLIC" ? std::nullopt : object("PUBLIC", name);
        return it->second;
    }
    std::optional<std::pair<std::string, std::string>>
    synonymTarget(const std::string &owner, const std::string &name) const override {
        const auto it = m_synonyms.find(owner + "." + name);
        return it == m_synonyms.end()
                   ? std::nullopt
                   : std::optional<std::pair<std::string, std::string>>(it->second);
    }
    std::optional<std::string> source(const std::string &, const std::string &name,
                                      const std::string &type) const override {
        const auto it = m_sources.find(name + "/" + type);
        return it == m_sources.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::vector<std::string>> columns(const std::string &,
                                                    const std::string &name) const override {
        const auto it = m_columns.find(name);
        return it == m_columns.end() ? std::nullopt
                                     : std::optional<std::vector<std::string>>(it->second);
    }
    bool userExists(const std::string &name) const override {
        return name == "SCOTT" || name == "SYS";
    }

private:
    std::map<std::string, ocilite::plsql::SchemaObject> m_objects, m_public;
    std::map<std::string, std::pair<std::string, std::string>> m_synonyms;
    std::map<std::string, std::string> m_sources;
    std::map<std::string, std::vector<std::string>> m_columns;
};

} // namespace plsqltest
