#pragma once
// What both command-line programs report: the program units they checked, each with its
// compile errors as the database holds them (line and column in the unit's stored source,
// the full text with its line feeds). Plain C++, no Qt; the writers in formats.h turn one
// Listing into text, gcc-style lines, JSON, SARIF or JUnit XML.

#include <string>
#include <vector>

namespace velmora::report {

enum class Severity { Error, Warning };

struct Diagnostic {
    int line = 0;   // 1-based, in the unit's stored source (line 1 holds "PACKAGE ...")
    int column = 0; // 1-based
    Severity severity = Severity::Error;
    std::string text; // as the database holds it; may span several lines
};

struct SourcePosition {
    int line = 0;
    int column = 0;
};

struct Unit {
    std::string type; // "PACKAGE BODY", "PROCEDURE", ...
    std::string name;
    bool invalid = false;
    std::vector<Diagnostic> diagnostics;

    // For a unit read from a script file (lint): the file as the user named it, the script
    // line that holds the unit's line 1 and the characters before the unit's text on it.
    // Empty file: the unit lives in a database and positions are the unit's own.
    std::string file;
    int fileLine = 1;
    int fileColumnOffset = 0;

    bool fromFile() const { return !file.empty(); }
    // Where a diagnostic lies in the script file (the unit's own position for database units).
    SourcePosition filePosition(const Diagnostic &d) const;
};

// Facts about the run that some formats carry (JUnit's timestamp, SARIF's tool).
struct RunInfo {
    std::string toolName;    // "velmora-check", "ocilite lint"
    std::string toolVersion; // the program's version
    std::string suiteName;   // the schema checked, or what was linted
    std::string timestamp;   // UTC, "YYYY-MM-DDThh:mm:ss"
    std::string hostname;
    double seconds = 0;
};

struct Listing {
    RunInfo run;
    std::vector<Unit> units; // every unit checked, valid ones included, in report order

    int invalidCount() const;
};

} // namespace velmora::report
