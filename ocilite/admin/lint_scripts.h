// Private to the admin tool's lint: which script files to run, and where each program unit
// they create stands in its script.
#pragma once

#include "ocilite/scripts/script_splitter.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ocilite::lint {

// The scripts named on the command line: a file as given; a folder walked for the script
// extensions SQL*Plus projects use (.sql .pks .pkb .pls .plb .pkg .pck .spc .bdy .prc .fnc
// .trg .tps .tpb), files in name order, hidden folders passed over, each path the folder as
// given joined with the file's path below it. False with a reason when a name is neither.
bool collectScripts(const std::vector<std::string> &names, std::vector<std::string> &scripts,
                    std::string &error);

// Where a unit's stored source begins in its script: the line of its "PACKAGE ..." text and
// the characters before that text on the line ("CREATE OR REPLACE ").
struct UnitPlace {
    std::string file;
    int line = 1;
    int columnOffset = 0;
    int order = 0; // which script, in the order they ran
};

UnitPlace placeOf(const std::string &file, const ScriptItem &item, int order);

// The units the scripts created, by type and name as the dictionary spells them.
using UnitPlaces = std::map<std::pair<std::string, std::string>, UnitPlace>;

} // namespace ocilite::lint
