// Checks a parsed JSON document against the parts of a JSON schema the report writers use:
// for each object kind its required members, its alternatives (anyOf required), the members
// the schema allows at all (additionalProperties false) and the kinds of its member objects.
#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora::report::test {

struct ObjectRule {
    std::vector<std::string> required;
    std::vector<std::vector<std::string>> anyOf; // one of these member sets must be present
    std::set<std::string> allowed;
    std::map<std::string, std::string> children; // member -> object kind (an array's elements)
};

using Schema = std::map<std::string, ObjectRule>;

// Every breach found below value, each as "path: what".
inline void checkObject(const Schema &schema, const std::string &kind, const QJsonObject &object,
                        const std::string &path, std::vector<std::string> &breaches) {
    const ObjectRule &rule = schema.at(kind);
    for (const std::string &member : rule.required) {
        if (!object.contains(QString::fromStdString(member)))
            breaches.push_back(path + ": " + kind + " lacks required " + member);
    }
    if (!rule.anyOf.empty()) {
        bool any = false;
        for (const auto &set : rule.anyOf) {
            bool all = true;
            for (const std::string &member : set)
                all = all && object.contains(QString::fromStdString(member));
            any = any || all;
        }
        if (!any)
            breaches.push_back(path + ": " + kind + " has none of its alternatives");
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string member = it.key().toStdString();
        if (!rule.allowed.count(member))
            breaches.push_back(path + ": " + kind + " does not allow " + member);
        const auto child = rule.children.find(member);
        if (child == rule.children.end())
            continue;
        const std::string childPath = path + "." + member;
        if (it.value().isArray()) {
            const QJsonArray items = it.value().toArray();
            for (qsizetype i = 0; i < items.size(); ++i)
                checkObject(schema, child->second, items[i].toObject(),
                            childPath + "[" + std::to_string(i) + "]", breaches);
        } else {
            checkObject(schema, child->second, it.value().toObject(), childPath, breaches);
        }
    }
}

} // namespace velmora::report::test
