#include "ocilite/scripts/feedback.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <set>
#include <vector>

namespace ocilite {
namespace {

// The statement's first words in upper case, past blanks and comments.
std::vector<std::string> leading(std::string_view s, size_t count) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < s.size() && words.size() < count) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (s.substr(i, 2) == "--") {
            const size_t end = s.find('\n', i);
            i = end == std::string_view::npos ? s.size() : end;
        } else if (s.substr(i, 2) == "/*") {
            const size_t end = s.find("*/", i + 2);
            i = end == std::string_view::npos ? s.size() : end + 2;
        } else if (std::isalnum(c) || c == '_') {
            std::string w;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_' ||
                                    s[i] == '$' || s[i] == '#'))
                w += static_cast<char>(std::toupper(static_cast<unsigned char>(s[i++])));
            words.push_back(w);
        } else {
            words.emplace_back(1, static_cast<char>(c));
            ++i;
        }
    }
    return words;
}

// "PACKAGE BODY" -> "Package body" (the feedback), or "Package Body" with eachWord (how the
// compilation warning spells it).
std::string capitalised(const std::string &upperWords, bool eachWord) {
    std::string out;
    bool start = true;
    for (const char c : upperWords) {
        out += start ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        start = eachWord && c == ' ';
    }
    return out;
}

// CREATE/ALTER/DROP's object kind, past the words that only qualify it.
std::string objectKind(const std::vector<std::string> &w, size_t i) {
    static const std::set<std::string> kQualifiers = {
        "OR",         "REPLACE",    "FORCE",   "NOFORCE",    "EDITIONABLE", "NONEDITIONABLE",
        "EDITIONING", "PUBLIC",     "GLOBAL",  "PRIVATE",    "TEMPORARY",   "UNIQUE",
        "BITMAP",     "MULTIVALUE", "SHARDED", "DUPLICATED", "IMMUTABLE",   "BLOCKCHAIN",
        "AND",        "RESOLVE",    "COMPILE", "NO",         "SHARED"};
    while (i < w.size() && kQualifiers.count(w[i]))
        ++i;
    if (i >= w.size())
        return std::string();
    std::string kind = w[i];
    const bool twoWords =
        (kind == "PACKAGE" || kind == "TYPE") && i + 1 < w.size() && w[i + 1] == "BODY";
    if (twoWords)
        kind += " BODY";
    else if ((kind == "MATERIALIZED" && i + 1 < w.size() && w[i + 1] == "VIEW") ||
             (kind == "DATABASE" && i + 1 < w.size() && w[i + 1] == "LINK"))
        kind += " " + w[i + 1];
    return kind;
}

std::string rowCount(long rows, const char *verb) {
    return std::to_string(rows) + (rows == 1 ? " row " : " rows ") + verb + ".";
}

// SQL*Plus's message number for a unit created (or, one more, altered) with compilation
// warnings; 0 for kinds it has none for.
int warningMessageNumber(const std::string &kind, bool altered) {
    static const char *const kKinds[] = {"PROCEDURE", "FUNCTION", "PACKAGE", "PACKAGE BODY",
                                         "VIEW",      "TRIGGER",  "TYPE",    "TYPE BODY"};
    for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i)
        if (kind == kKinds[i])
            return 804 + 2 * i + (altered ? 1 : 0);
    return 0;
}

// ALTER PACKAGE|TYPE name COMPILE [DEBUG] BODY: SQL*Plus names the body.
bool compilesBody(const std::vector<std::string> &w) {
    auto at = std::find(w.begin(), w.end(), "COMPILE");
    if (at != w.end() && ++at != w.end() && *at == "DEBUG")
        ++at;
    return at != w.end() && *at == "BODY";
}

std::string ddlFeedback(const std::vector<std::string> &w, const char *verb, Compiled compiled) {
    std::string kind = objectKind(w, 1);
    if (kind.empty())
        return std::string();
    if ((kind == "PACKAGE" || kind == "TYPE") && std::string_view(verb) == "altered" &&
        compilesBody(w))
        kind += " BODY";
    if (compiled == Compiled::WithErrors)
        return "Warning: " + capitalised(kind, true) + " " + verb + " with compilation errors.";
    const int number = warningMessageNumber(kind, std::string_view(verb) == "altered");
    if (compiled == Compiled::WithWarnings && number > 0) {
        const std::string digits = std::to_string(number);
        return "SP2-" + std::string(4 - digits.size(), '0') + digits + ": " +
               capitalised(kind, true) + " " + verb + " with compilation warnings";
    }
    return capitalised(kind, false) + " " + verb + ".";
}

} // namespace

bool isQueryText(std::string_view sql) {
    const std::vector<std::string> w = leading(sql, 1);
    return !w.empty() && (w[0] == "SELECT" || w[0] == "WITH" || w[0] == "(");
}

std::string statementFeedback(std::string_view sql, long rows, Compiled compiled) {
    const std::vector<std::string> w = leading(sql, 12);
    if (w.empty())
        return std::string();
    const std::string &first = w[0];
    if (first == "CREATE")
        return ddlFeedback(w, "created", compiled);
    if (first == "ALTER")
        return ddlFeedback(w, "altered", compiled);
    if (first == "DROP")
        return ddlFeedback(w, "dropped", Compiled::Clean);
    if (first == "INSERT")
        return rowCount(rows, "created");
    if (first == "UPDATE")
        return rowCount(rows, "updated");
    if (first == "DELETE")
        return rowCount(rows, "deleted");
    if (first == "MERGE")
        return rowCount(rows, "merged");
    if (first == "BEGIN" || first == "DECLARE")
        return "PL/SQL procedure successfully completed.";
    static const std::pair<const char *, const char *> kFixed[] = {
        {"GRANT", "Grant succeeded."},      {"REVOKE", "Revoke succeeded."},
        {"COMMENT", "Comment created."},    {"COMMIT", "Commit complete."},
        {"ROLLBACK", "Rollback complete."}, {"SAVEPOINT", "Savepoint created."},
        {"RENAME", "Table renamed."},       {"ANALYZE", "Table analyzed."},
        {"CALL", "Call completed."},        {"LOCK", "Table(s) Locked."},
        {"AUDIT", "Audit succeeded."},      {"NOAUDIT", "Noaudit succeeded."},
        {"PURGE", "Recyclebin purged."},    {"FLASHBACK", "Flashback complete."},
        {"EXPLAIN", "Explained."},          {"ASSOCIATE", "Statistics associated."},
    };
    for (const auto &[word, text] : kFixed)
        if (first == word)
            return text;
    if (first == "TRUNCATE")
        return w.size() > 1 && w[1] == "CLUSTER" ? "Cluster truncated." : "Table truncated.";
    if (first == "SET" && w.size() > 1 && w[1] == "TRANSACTION")
        return "Transaction set.";
    if (first == "SET" && w.size() > 1 && w[1] == "ROLE")
        return "Role set.";
    return std::string();
}

} // namespace ocilite
