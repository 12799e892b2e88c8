#include "ocilite/admin/lint_command.h"

#include "ocilite/admin/lint_database.h"
#include "ocilite/engine/database.h"
#include "report/formats.h"
#include "report/run_facts.h"
#include "velmora_version.h"

#include <algorithm>
#include <chrono>
#include <ostream>

namespace ocilite {

namespace {

constexpr int kNoneInvalid = 0;
constexpr int kSomeInvalid = 1;
constexpr int kUsage = 2;

struct LintOptions {
    velmora::report::Format format = velmora::report::Format::Gcc;
    std::vector<std::string> names;
    bool help = false;
};

int usageError(std::ostream &err, const std::string &message) {
    err << "ocilite lint: " << message << "\nRun \"ocilite --help\" for usage.\n";
    return kUsage;
}

bool parseLintOptions(const std::vector<std::string> &args, LintOptions &o, std::string &error) {
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            o.names.push_back(arg);
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--format" || arg == "-f" || arg.rfind("--format=", 0) == 0) {
            std::string value = arg.size() > 9 && arg[8] == '=' ? arg.substr(9) : "";
            if (value.empty() && (arg == "--format" || arg == "-f")) {
                if (i + 1 >= args.size())
                    return (error = "option '" + arg + "' needs a value"), false;
                value = args[++i];
            }
            const auto format = velmora::report::formatFromName(value);
            if (!format)
                return (error = "unknown format '" + value + "' (" +
                                velmora::report::formatChoices() + ")"),
                       false;
            o.format = *format;
        } else {
            return (error = "unknown option '" + arg + "'"), false;
        }
    }
    if (o.names.empty() && !o.help)
        error = "lint needs at least one script file or folder";
    return !o.names.empty() || o.help;
}

velmora::report::Unit reportUnit(const lint::StoredUnit &stored, const lint::UnitPlaces &places) {
    velmora::report::Unit unit;
    unit.type = stored.type;
    unit.name = stored.name;
    unit.invalid = !stored.valid;
    for (const lint::StoredError &e : stored.errors) {
        const bool warning = e.text.rfind("PLW-", 0) == 0;
        unit.diagnostics.push_back(
            {e.line, e.position,
             warning ? velmora::report::Severity::Warning : velmora::report::Severity::Error,
             e.text});
    }
    const auto place = places.find({stored.type, stored.name});
    if (place != places.end()) {
        unit.file = place->second.file;
        unit.fileLine = place->second.line;
        unit.fileColumnOffset = place->second.columnOffset;
    }
    return unit;
}

// The units in the order of their scripts and their places in them.
void sortByPlace(std::vector<velmora::report::Unit> &units, const lint::UnitPlaces &places) {
    auto order = [&](const velmora::report::Unit &u) {
        const auto place = places.find({u.type, u.name});
        return place == places.end() ? std::pair(INT32_MAX, 0)
                                     : std::pair(place->second.order, place->second.line);
    };
    std::stable_sort(units.begin(), units.end(),
                     [&](const auto &a, const auto &b) { return order(a) < order(b); });
}

void reportProblems(const std::vector<lint::ScriptProblem> &problems, std::ostream &err) {
    for (const lint::ScriptProblem &p : problems)
        err << p.file << ':' << p.line << ": warning: " << p.message << '\n';
}

} // namespace

int runLint(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    const auto start = std::chrono::steady_clock::now();
    LintOptions options;
    std::string error;
    std::vector<std::string> scripts;
    if (!parseLintOptions(args, options, error))
        return usageError(err, error);
    if (options.help) {
        out << "Usage: ocilite lint [--format FORMAT] FILE|DIR...\n" << lintUsage();
        return kNoneInvalid;
    }
    if (!lint::collectScripts(options.names, scripts, error))
        return usageError(err, error);
    lint::LintDatabase db;
    if (!db.create(error))
        return usageError(err, error);
    lint::UnitPlaces places;
    std::vector<lint::ScriptProblem> problems;
    db.run(scripts, places, problems);
    db.recompileInvalid();
    std::vector<lint::StoredUnit> stored;
    if (!db.units(stored, error))
        return usageError(err, error);
    velmora::report::Listing listing;
    for (const lint::StoredUnit &unit : stored)
        listing.units.push_back(reportUnit(unit, places));
    sortByPlace(listing.units, places);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    listing.run = {"ocilite lint",
                   velmora::kVersion,
                   "ocilite lint",
                   velmora::report::utcTimestampNow(),
                   velmora::report::localHostName(),
                   took.count()};
    reportProblems(problems, err);
    velmora::report::writeListing(listing, options.format, out);
    return listing.invalidCount() > 0 ? kSomeInvalid : kNoneInvalid;
}

std::string lintUsage() {
    return "  lint [--format FORMAT] FILE|DIR...\n"
           "                          run the scripts (a folder: its .sql .pks .pkb .pls .plb\n"
           "                          .pkg .pck .spc .bdy .prc .fnc .trg .tps .tpb files) into a\n"
           "                          temporary database and report every compile error at\n"
           "                          its file:line:col; FORMAT gcc (the default), text, json,\n"
           "                          sarif or junit; exit status 0 nothing invalid, 1 some\n"
           "                          units invalid, 2 wrong usage. Statements that fail are\n"
           "                          shown as warnings on standard error.\n";
}

} // namespace ocilite
