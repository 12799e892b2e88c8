#include "ocilite/dictionary/argument_rows.h"

#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql/syntax.h"

#include <cctype>
#include <map>

namespace ocilite {
namespace {

using plsql::NK;
using plsql::Node;
using plsql::ParsedUnit;

// The codes DBMS_DESCRIBE reports for PL/SQL's own types.
constexpr int kRecord = 250;
constexpr int kTable = 251;
constexpr int kBoolean = 252;

// A declaration's text, upper case, without blanks: "NUMBER", "EMP.SAL%TYPE".
std::string typeText(const ParsedUnit &u, const Node *n) {
    std::string text;
    for (uint32_t i = n->first; i < n->end && i < u.tokens.size(); ++i)
        text += plsql::tokenText(u.source, u.tokens[i]);
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

int builtInType(const std::string &text) {
    static const std::pair<const char *, int> kTypes[] = {
        {"LONGRAW", 24},
        {"LONG", 8},
        {"VARCHAR2", 1},
        {"VARCHAR", 1},
        {"STRING", 1},
        {"NVARCHAR2", 1},
        {"NCHAR", 96},
        {"CHARACTER", 96},
        {"CHAR", 96},
        {"NUMBER", 2},
        {"NUMERIC", 2},
        {"DECIMAL", 2},
        {"DEC", 2},
        {"INTEGER", 2},
        {"INT", 2},
        {"SMALLINT", 2},
        {"FLOAT", 2},
        {"REAL", 2},
        {"DOUBLEPRECISION", 2},
        {"BINARY_INTEGER", 3},
        {"PLS_INTEGER", 3},
        {"NATURALN", 3},
        {"NATURAL", 3},
        {"POSITIVEN", 3},
        {"POSITIVE", 3},
        {"SIGNTYPE", 3},
        {"SIMPLE_INTEGER", 3},
        {"DATE", 12},
        {"RAW", 23},
        {"UROWID", 11},
        {"ROWID", 11},
        {"BOOLEAN", kBoolean},
        {"MLSLABEL", 106},
        {"CLOB", 112},
        {"BLOB", 113},
    };
    for (const auto &[name, code] : kTypes)
        if (text.rfind(name, 0) == 0 &&
            (text.size() == std::string(name).size() ||
             !std::isalnum(static_cast<unsigned char>(text[std::string(name).size()]))))
            return code;
    return 0;
}

// TABLE.COLUMN%TYPE: the column's type in the dictionary.
int columnType(sqlite3 *db, const std::string &owner, const std::string &reference) {
    const std::string path = reference.substr(0, reference.size() - 5); // without %TYPE
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return 0;
    Prepared q(db, "SELECT DATA_TYPE FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND "
                   "TABLE_NAME = ?2 AND COLUMN_NAME = ?3");
    q.bind(1, owner).bind(2, path.substr(0, dot)).bind(3, path.substr(dot + 1));
    return q.step() ? builtInType(q.text(0)) : 0;
}

struct Reader {
    sqlite3 *db;
    const std::string &owner;
    const ParsedUnit &unit;
    std::map<std::string, int> declared; // the package's record and table types

    int typeOf(const Node *typeRef) const {
        const std::string text = typeText(unit, typeRef);
        if (text.size() > 8 && text.compare(text.size() - 8, 8, "%ROWTYPE") == 0)
            return kRecord;
        if (text.size() > 5 && text.compare(text.size() - 5, 5, "%TYPE") == 0)
            return columnType(db, owner, text);
        const auto found = declared.find(text);
        if (found != declared.end())
            return found->second;
        const int code = builtInType(text);
        return code ? code : 1; // a type the dictionary cannot tell: taken as text
    }

    ProcedureArgument row(int overload, int position, const Node *typeRef) const {
        ProcedureArgument a;
        a.overload = overload;
        a.position = position;
        a.dataType = typeRef ? typeOf(typeRef) : 0;
        a.radix = a.dataType == 2 || a.dataType == 3 ? 10 : 0;
        return a;
    }

    void addHeading(const Node *heading, int overload, std::vector<ProcedureArgument> &rows) const {
        const Node *params = nullptr;
        const Node *result = nullptr;
        for (const Node *c = heading->child; c; c = c->next)
            (c->kind == NK::DeclList ? params : result) = c;
        if (heading->flags & plsql::kFlagFunction) {
            ProcedureArgument r = row(overload, 0, result);
            r.mode = 1;
            rows.push_back(r);
        }
        int position = 0;
        for (const Node *p = params ? params->child : nullptr; p; p = p->next) {
            if (p->kind != NK::Param)
                continue;
            ProcedureArgument a = row(overload, ++position, p->child);
            a.name = plsql::nodeName(unit, p);
            a.hasDefault = p->flags & plsql::kFlagHasInit;
            const bool in = p->flags & plsql::kFlagIn, out = p->flags & plsql::kFlagOut;
            a.mode = in && out ? 2 : out ? 1 : 0;
            rows.push_back(a);
        }
        if (position == 0 && !(heading->flags & plsql::kFlagFunction))
            rows.push_back(row(overload, 1, nullptr)); // no arguments: one row of type 0
    }
};

const Node *headingOf(const Node *unit) {
    for (const Node *c = unit->child; c; c = c->next) {
        if (c->kind == NK::SubprogDecl)
            return c;
        if (c->kind == NK::SubprogBody)
            return headingOf(c);
    }
    return nullptr;
}

} // namespace

std::vector<ProcedureArgument> argumentRows(sqlite3 *db, const std::string &owner,
                                            const std::string &source,
                                            const std::string &subprogram) {
    std::vector<ProcedureArgument> rows;
    const std::unique_ptr<ParsedUnit> unit = plsql::parseUnit(source);
    if (!unit->root)
        return rows;
    Reader reader{db, owner, *unit, {}};
    if (subprogram.empty()) {
        if (const Node *heading = headingOf(unit->root))
            reader.addHeading(heading, 0, rows);
        return rows;
    }
    std::vector<const Node *> matches;
    const Node *list = unit->root->child;
    for (const Node *d = list ? list->child : nullptr; d; d = d->next) {
        if (d->kind == NK::RecordType || d->kind == NK::CollType)
            reader.declared[plsql::nodeName(*unit, d)] =
                d->kind == NK::RecordType ? kRecord : kTable;
        if (d->kind == NK::SubprogDecl && plsql::nodeName(*unit, d) == subprogram)
            matches.push_back(d);
    }
    for (size_t i = 0; i < matches.size(); ++i)
        reader.addHeading(matches[i], matches.size() > 1 ? static_cast<int>(i + 1) : 0, rows);
    return rows;
}

} // namespace ocilite
