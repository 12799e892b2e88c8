#include "ocilite/demo/schema_generator.h"

#include "ocilite/engine/database.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace ocilite {
namespace {

// Filler statements read "    v_total := v_total + N;": the statement starts at column 5
// and the undeclared identifier the compiler complains about at column 16.
constexpr int kStatementColumn = 5;
constexpr int kIdentifierColumn = 16;
constexpr long kMaxObjects = 10'000'000;
constexpr long kMaxLines = 10'000'000;

struct UnitKind {
    const char *type;
    const char *tag; // part of the generated name
    const char *headerTail;
    bool hasBegin;
};

// Round robin; a body comes first so that a single object is a package body, the usual
// home of long code.
constexpr UnitKind kKinds[] = {
    {"PACKAGE BODY", "PKG", "AS", false},
    {"PACKAGE", "PKG", "AS", false},
    {"PROCEDURE", "PRC", "IS", true},
    {"FUNCTION", "FNC", "RETURN NUMBER IS", true},
};

std::string unitName(const std::string &prefix, const UnitKind &kind, long index) {
    char number[24];
    std::snprintf(number, sizeof number, "%06ld", index / 4 + 1);
    return prefix + '_' + kind.tag + '_' + number;
}

long firstFillerLine(const UnitKind &kind) {
    return kind.hasBegin ? 3 : 2;
}

// A unit that compiles: constants in packages, statements on a declared v_total in
// procedures and functions (the declaration shares the heading's line).
std::string validUnitText(const UnitKind &kind, const std::string &name, long lines) {
    std::string text =
        std::string("CREATE OR REPLACE ") + kind.type + ' ' + name + ' ' + kind.headerTail;
    text += kind.hasBegin ? " v_total NUMBER := 0;\nBEGIN\n" : "\n";
    for (long line = firstFillerLine(kind); line < lines; ++line) {
        const std::string n = std::to_string(line);
        text += kind.hasBegin ? "    v_total := v_total + " + n + ";\n"
                              : "    c_" + n + " CONSTANT NUMBER := " + n + ";\n";
    }
    text += "END " + name + ';';
    return text;
}

// The text of a unit that gets errors: statements on an undeclared v_total.
std::string unitText(const UnitKind &kind, const std::string &name, long lines) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 32 + 64);
    text += "CREATE OR REPLACE ";
    text += kind.type;
    text += ' ' + name + ' ' + kind.headerTail + '\n';
    if (kind.hasBegin)
        text += "BEGIN\n";
    for (long line = firstFillerLine(kind); line < lines; ++line) {
        text += "    v_total := v_total + ";
        text += std::to_string(line);
        text += ";\n";
    }
    text += "END " + name + ';';
    return text;
}

// Spreads `count` errors evenly over the filler lines, two places per line (the statement
// and the identifier), so the rows stay ordered by line and position.
std::vector<CompileError> unitErrors(const UnitKind &kind, long lines, long count) {
    const long first = firstFillerLine(kind);
    const long slots = 2 * (lines - first);
    std::vector<CompileError> errors;
    errors.reserve(static_cast<size_t>(count));
    for (long j = 0; j < count; ++j) {
        const long slot = j * slots / count;
        const bool identifier = slot % 2 == 1;
        errors.push_back({static_cast<int>(first + slot / 2),
                          identifier ? kIdentifierColumn : kStatementColumn,
                          identifier ? "PLS-00201: identifier 'V_TOTAL' must be declared"
                                     : "PL/SQL: Statement ignored"});
    }
    return errors;
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
// spreads exactly round-down(objects * share) invalid units evenly.
bool isInvalid(long index, double share) {
    return static_cast<long>((index + 1) * share) > static_cast<long>(index * share);
}

// One unit: valid code, or code with errors whose rows are declared as the generator
// promises them (--errors K rows at the statements and their v_total).
// A specification whose body follows is stored with code that compiles, so that the body
// compiles against it; its declared rows come after the body (deferErrors).
bool generateUnit(Database &db, const std::string &schema, const std::string &prefix,
                  const GeneratorOptions &options, long i, GeneratorResult &result,
                  std::string &error, bool deferErrors = false) {
    const UnitKind &kind = kKinds[i % 4];
    const std::string name = unitName(prefix, kind, i);
    const bool invalid = options.errors > 0 && isInvalid(i, options.invalidShare);
    if (!deferErrors) {
        const std::string text = invalid ? unitText(kind, name, options.lines)
                                         : validUnitText(kind, name, options.lines);
        if (!db.execute(schema, text, error))
            return false;
    }
    if (invalid && deferErrors == false &&
        !db.setCompileErrors(schema, kind.type, name,
                             unitErrors(kind, options.lines, options.errors), error))
        return false;
    if (deferErrors)
        return db.execute(schema, validUnitText(kind, name, options.lines), error);
    result.invalid += invalid ? 1 : 0;
    result.errors += invalid ? options.errors : 0;
    return true;
}

// The declared rows of a specification stored by generateUnit(..., deferErrors).
bool applySpecErrors(Database &db, const std::string &schema, const std::string &prefix,
                     const GeneratorOptions &options, long i, GeneratorResult &result,
                     std::string &error) {
    const UnitKind &kind = kKinds[i % 4];
    if (!(options.errors > 0 && isInvalid(i, options.invalidShare)))
        return true;
    if (!db.setCompileErrors(schema, kind.type, unitName(prefix, kind, i),
                             unitErrors(kind, options.lines, options.errors), error))
        return false;
    ++result.invalid;
    result.errors += options.errors;
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
    const std::string prefix = foldName(options.prefix);
    ScopedTransaction transaction(db);
    if (!transaction.ok()) {
        error = transaction.error();
        return false;
    }
    for (long i = 0; i < options.objects; ++i) {
        // A body's specification (the next unit) is created first, as Oracle needs it.
        const bool pair = i % 4 == 0 && i + 1 < options.objects;
        if (pair && !generateUnit(db, schema, prefix, options, i + 1, result, error, true))
            return false;
        if (!generateUnit(db, schema, prefix, options, i, result, error))
            return false;
        if (pair && !applySpecErrors(db, schema, prefix, options, i + 1, result, error))
            return false;
        i += pair ? 1 : 0;
    }
    if (!transaction.commit()) {
        error = transaction.error();
        result = GeneratorResult();
        return false;
    }
    result.objects = options.objects;
    result.lines = options.objects * options.lines;
    return true;
}

} // namespace ocilite
