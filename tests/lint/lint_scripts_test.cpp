// Where a unit's stored source begins in its script (its line 1 and the characters before
// it), and which files a folder gives the lint.

#include "ocilite/admin/lint_scripts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace ocilite::lint {
namespace {

namespace fs = std::filesystem;

// The place of the first unit of a script.
UnitPlace firstUnitPlace(const std::string &script) {
    for (const ScriptItem &item : splitScript(script)) {
        if (item.kind == ScriptItemKind::PlsqlUnit)
            return placeOf("x.sql", item, 0);
    }
    ADD_FAILURE() << "no unit in " << script;
    return {};
}

TEST(UnitPlace, TheLineAndOffsetOfTheUnitsFirstWord) {
    struct Case {
        const char *what;
        std::string script;
        int line;
        int offset;
    };
    const std::vector<Case> cases = {
        {"at the start", "CREATE OR REPLACE PROCEDURE p IS BEGIN NULL; END;\n/\n", 1, 18},
        {"after other lines",
         "-- header\nSET ECHO ON\n\nCREATE PROCEDURE p IS BEGIN NULL; END;\n/\n", 4, 7},
        {"indented", "   create or replace package body k as end;\n/\n", 1, 21},
        {"over two lines", "CREATE OR REPLACE\n  PACKAGE k AS END;\n/\n", 2, 2},
        {"editionable",
         "CREATE OR REPLACE EDITIONABLE FUNCTION f RETURN NUMBER IS BEGIN "
         "RETURN 1; END;\n/\n",
         1, 30},
        {"after a statement",
         "DROP TABLE t;\nCREATE OR REPLACE PROCEDURE p IS BEGIN NULL; END;\n/\n", 2, 18},
        {"wide characters before", "/* 日本 */ CREATE PROCEDURE p IS BEGIN NULL; END;\n/\n", 1, 16},
    };
    for (const Case &c : cases) {
        const UnitPlace place = firstUnitPlace(c.script);
        EXPECT_EQ(place.line, c.line) << c.what;
        EXPECT_EQ(place.columnOffset, c.offset) << c.what;
    }
}

class ScriptFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_root =
            fs::temp_directory_path() / ("lint-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_root);
        m_previous = fs::current_path();
        fs::current_path(m_root);
    }
    void TearDown() override {
        fs::current_path(m_previous);
        fs::remove_all(m_root);
    }
    static void touch(const std::string &path) {
        fs::create_directories(fs::path(path).parent_path().empty() ? "."
                                                                    : fs::path(path).parent_path());
        std::ofstream(path) << "\n";
    }

    fs::path m_root;
    fs::path m_previous;
};

TEST_F(ScriptFolder, AFolderGivesItsScriptsInNameOrderUnderTheNameAsGiven) {
    for (const char *f : {"db/b.pkb", "db/a.pks", "db/sub/c.SQL", "db/notes.txt", "db/.git/x.sql",
                          "db/.hidden.sql", "top.prc"})
        touch(f);
    std::vector<std::string> scripts;
    std::string error;
    ASSERT_TRUE(collectScripts({"db", "top.prc", "./db/sub/"}, scripts, error)) << error;
    EXPECT_EQ(scripts, (std::vector<std::string>{"db/a.pks", "db/b.pkb", "db/sub/c.SQL", "top.prc",
                                                 "db/sub/c.SQL"}));
    scripts.clear();
    ASSERT_TRUE(collectScripts({"."}, scripts, error)) << error;
    EXPECT_EQ(scripts,
              (std::vector<std::string>{"db/a.pks", "db/b.pkb", "db/sub/c.SQL", "top.prc"}));
}

TEST_F(ScriptFolder, ANameThatIsNeitherFileNorFolderIsRefused) {
    std::vector<std::string> scripts;
    std::string error;
    EXPECT_FALSE(collectScripts({"missing.sql"}, scripts, error));
    EXPECT_NE(error.find("missing.sql"), std::string::npos);
}

} // namespace
} // namespace ocilite::lint
