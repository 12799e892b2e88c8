// Private to the admin tool's lint: a temporary embedded database in a folder of its own
// (removed again, so nothing is written beside the sources), the scripts run into one schema
// of it, and its program units read back through the dictionary views.
#pragma once

#include "ocilite/admin/lint_scripts.h"

#include <memory>
#include <string>
#include <vector>

namespace ocilite {

class Database;

namespace lint {

struct ScriptProblem {
    std::string file;
    int line = 0;
    std::string message;
};

struct StoredError {
    int line = 0;
    int position = 0;
    std::string text;
};

struct StoredUnit {
    std::string type;
    std::string name;
    bool valid = true;
    std::vector<StoredError> errors;
};

class LintDatabase {
public:
    LintDatabase() = default;
    ~LintDatabase();
    LintDatabase(const LintDatabase &) = delete;
    LintDatabase &operator=(const LintDatabase &) = delete;

    // Creates the folder, the database and its one schema; false with a reason.
    bool create(std::string &error);

    // Runs the scripts in order, each on its own as SQL*Plus would (their @ includes too),
    // noting where each unit stands and every statement that failed.
    void run(const std::vector<std::string> &scripts, UnitPlaces &places,
             std::vector<ScriptProblem> &problems);

    // Compiles the invalid units again until that changes nothing more, so a unit that
    // refers to one created by a later script is judged with everything in place.
    void recompileInvalid();

    // Every program unit of the schema, the invalid ones with their errors in order.
    bool units(std::vector<StoredUnit> &units, std::string &error);

private:
    std::string m_folder;
    std::unique_ptr<Database> m_db;
};

} // namespace lint
} // namespace ocilite
