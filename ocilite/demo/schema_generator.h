// Fills a schema with many generated program units, for the benchmarks of the object list
// (100,000 names) and of the source view (one unit of 100,000 lines with 1,000 errors).
// Units meant to have errors hold broken code, and their rows are what compiling it gives.
// Everything is written in one transaction.
#pragma once

#include <string>

namespace ocilite {

class Database;

struct GeneratorOptions {
    long objects = 100;         // units to create, types in turn: PACKAGE BODY, PACKAGE, ...
    long lines = 20;            // lines of each unit (at least 3)
    long errors = 0;            // compile errors of each invalid unit
    double invalidShare = 1.0;  // share of units that get the errors (0..1); a package body
                                // whose specification gets them gets them too
    std::string prefix = "GEN"; // names are PREFIX_PKG_000001, PREFIX_PRC_000002, ...
};

// What the units' compiles left: a package body that is the last unit comes with a short
// specification, which is counted too.
struct GeneratorResult {
    long objects = 0;
    long invalid = 0;
    long lines = 0;
    long errors = 0;
};

// Checks the options; false with a readable reason when they make no sense.
bool checkGeneratorOptions(const GeneratorOptions &options, std::string &error);

// Creates the units in `schema` (which must exist). On failure nothing is kept.
bool generateSchema(Database &db, const std::string &schema, const GeneratorOptions &options,
                    GeneratorResult &result, std::string &error);

} // namespace ocilite
