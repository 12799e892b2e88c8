#include "ocilite/demo/schema_generator.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace ocilite {
namespace {

constexpr long kMaxObjects = 10'000'000;
constexpr long kMaxLines = 10'000'000;

struct UnitKind {
    const char *type;
    const char *tag; // part of the generated name
    const char *headerTail;
    const char *item; // packages: the prefix of their constants' names
    bool hasBegin;
};

// Round robin; a body comes first so that a single object is a package body, the usual
// home of long code.
constexpr UnitKind kKinds[] = {
    {"PACKAGE BODY", "PKG", "AS", "b_", false},
    {"PACKAGE", "PKG", "AS", "c_", false},
    {"PROCEDURE", "PRC", "IS", "", true},
    {"FUNCTION", "FNC", "RETURN NUMBER IS", "", true},
};

std::string unitName(const std::string &prefix, const UnitKind &kind, long index) {
    char number[24];
    std::snprintf(number, sizeof number, "%06ld", index / 4 + 1);
    return prefix + '_' + kind.tag + '_' + number;
}

long firstFillerLine(const UnitKind &kind) {
    return kind.hasBegin ? 3 : 2;
}

// What a filler line holds: code that compiles, or broken code the compiler reports with two
// rows (an undeclared name, then "PL/SQL: Statement ignored" or "PL/SQL: Item ignored") or with
// one (a VARCHAR2 without its length, PLS-00215, which Oracle reports alone).
enum class Fault : unsigned char { None, TwoRows, OneRow };

// Procedures and functions hold statements on their declared v_total, packages constants.
void appendFiller(std::string &text, const UnitKind &kind, long line, Fault fault) {
    const std::string n = std::to_string(line);
    if (kind.hasBegin) {
        if (fault == Fault::OneRow)
            text += "    DECLARE v_note VARCHAR2; BEGIN NULL; END;\n";
        else
            text += "    v_total := v_total + " + (fault == Fault::TwoRows ? "v_bonus" : n) + ";\n";
        return;
    }
    text += std::string("    ") + kind.item + n;
    if (fault == Fault::OneRow)
        text += " VARCHAR2;\n";
    else
        text += " CONSTANT NUMBER := " + (fault == Fault::TwoRows ? "v_bonus + " + n : n) + ";\n";
}

// The fault of each of `fillers` lines so that the unit gets `errors` rows: two-row faults
// spread evenly, and for an odd count one one-row fault among them.
std::vector<Fault> faultPlan(long fillers, long errors) {
    std::vector<Fault> plan(static_cast<size_t>(fillers), Fault::None);
    const long faults = errors / 2 + errors % 2;
    for (long j = 0; j < faults; ++j)
        plan[static_cast<size_t>(j * fillers / faults)] =
            j == 0 && errors % 2 ? Fault::OneRow : Fault::TwoRows;
    return plan;
}

// The unit's CREATE statement, broken so that its compile gives `errors` rows (0: none).
std::string unitText(const UnitKind &kind, const std::string &name, long lines, long errors) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 36 + 64);
    text += "CREATE OR REPLACE ";
    text += kind.type;
    text += ' ' + name + ' ' + kind.headerTail;
    text += kind.hasBegin ? " v_total NUMBER := 0;\nBEGIN\n" : "\n";
    const long first = firstFillerLine(kind);
    const std::vector<Fault> plan = faultPlan(lines - first, errors);
    for (long line = first; line < lines; ++line)
        appendFiller(text, kind, line, plan[static_cast<size_t>(line - first)]);
    text += "END " + name + ';';
    return text;
}

bool validPrefix(const std::string &prefix) {
    if (prefix.empty() || prefix.size() > 100 ||
        !std::isalpha(static_cast<unsigned char>(prefix[0])))
        return false;
    for (const char c : prefix)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

// Units with index i get errors when the running share crosses a whole number, which
// spreads round-down(objects * share) units with errors evenly.
bool getsErrors(long index, const GeneratorOptions &o) {
    return o.errors > 0 && static_cast<long>((index + 1) * o.invalidShare) >
                               static_cast<long>(index * o.invalidShare);
}

// Creates one unit and counts what its compile left in the dictionary: its error rows, and
// the unit as invalid when there are any.
bool createUnit(Database &db, const std::string &schema, const UnitKind &kind,
                const std::string &name, const std::string &text, GeneratorResult &result,
                std::string &error) {
    if (!db.execute(schema, text, error))
        return false;
    try {
        Prepared q(db.handle(), "SELECT COUNT(*) FROM OCILITE_ERRORS WHERE OWNER = ?1 AND "
                                "NAME = ?2 AND TYPE = ?3");
        q.bind(1, foldName(schema)).bind(2, name).bind(3, kind.type);
        const long rows = q.step() ? static_cast<long>(q.integer(0)) : 0;
        result.invalid += rows > 0 ? 1 : 0;
        result.errors += rows;
    } catch (const std::exception &e) {
        error = e.what();
        return false;
    }
    ++result.objects;
    result.lines += static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    return true;
}

// A package body with its package specification (unit i + 1). The body compiles against the
// package specification as it is then, so that is stored without errors first; when it is to
// get errors it is stored again with them afterwards, which leaves the body INVALID as
// Oracle does, so such a body gets errors of its own too (every invalid unit shows rows). A
// body that is the last unit gets a package specification of two lines, since Oracle compiles no
// body without one.
bool generatePackage(Database &db, const std::string &schema, const std::string &prefix,
                     const GeneratorOptions &o, long i, GeneratorResult &result,
                     std::string &error) {
    const UnitKind &body = kKinds[0], &spec = kKinds[1];
    const bool hasSpec = i + 1 < o.objects;
    const bool specBad = hasSpec && getsErrors(i + 1, o);
    const std::string specName = unitName(prefix, spec, i + 1);
    const std::string bodyName = unitName(prefix, body, i);
    GeneratorResult first;
    if (!createUnit(db, schema, spec, specName, unitText(spec, specName, hasSpec ? o.lines : 2, 0),
                    specBad ? first : result, error))
        return false;
    const long bodyErrors = getsErrors(i, o) || specBad ? o.errors : 0;
    if (!createUnit(db, schema, body, bodyName, unitText(body, bodyName, o.lines, bodyErrors),
                    result, error))
        return false;
    return !specBad || createUnit(db, schema, spec, specName,
                                  unitText(spec, specName, o.lines, o.errors), result, error);
}

bool generateUnits(Database &db, const std::string &schema, const GeneratorOptions &o,
                   GeneratorResult &result, std::string &error) {
    const std::string prefix = foldName(o.prefix);
    for (long i = 0; i < o.objects; ++i) {
        const UnitKind &kind = kKinds[i % 4];
        if (&kind == &kKinds[0]) {
            if (!generatePackage(db, schema, prefix, o, i, result, error))
                return false;
            ++i; // its specification
            continue;
        }
        const std::string name = unitName(prefix, kind, i);
        const long errors = getsErrors(i, o) ? o.errors : 0;
        if (!createUnit(db, schema, kind, name, unitText(kind, name, o.lines, errors), result,
                        error))
            return false;
    }
    return true;
}

} // namespace

bool checkGeneratorOptions(const GeneratorOptions &options, std::string &error) {
    if (options.objects < 1 || options.objects > kMaxObjects)
        error = "--objects must be between 1 and " + std::to_string(kMaxObjects);
    else if (options.lines < 4 || options.lines > kMaxLines)
        error = "--lines must be between 4 and " + std::to_string(kMaxLines);
    else if (options.errors < 0 || options.errors > 2 * (options.lines - 3))
        error = "--errors must be between 0 and " + std::to_string(2 * (options.lines - 3)) +
                " (two per generated statement line)";
    else if (!(options.invalidShare >= 0.0 && options.invalidShare <= 1.0))
        error = "--invalid-share must be between 0 and 1";
    else if (!validPrefix(options.prefix))
        error = "--prefix must be a plain Oracle name (letters, digits, '_'; at most 100)";
    else
        return true;
    return false;
}

bool generateSchema(Database &db, const std::string &schema, const GeneratorOptions &options,
                    GeneratorResult &result, std::string &error) {
    result = GeneratorResult();
    if (!checkGeneratorOptions(options, error))
        return false;
    if (!db.userExists(schema)) {
        error = "ORA-01918: user '" + foldName(schema) + "' does not exist";
        return false;
    }
    ScopedTransaction transaction(db);
    if (!transaction.ok()) {
        error = transaction.error();
        return false;
    }
    if (!generateUnits(db, schema, options, result, error) || !transaction.commit()) {
        if (error.empty())
            error = transaction.error();
        result = GeneratorResult();
        return false;
    }
    return true;
}

} // namespace ocilite
