// A unit and the compile errors its script declares are stored together: a run cut short
// after the unit is stored (here: its next commit fails, as a killed process's would never
// happen) leaves either the unit with its errors or no unit, never the unit as the compiler
// left it without them.
#include "oci_client.h"
#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"
#include "temp_home.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sstream>

namespace ocilite {
namespace {

using test::Rows;

TEST(UnitTransaction, AUnitIsNeverStoredWithoutItsDeclaredErrors) {
    test::TempHome home;
    std::string error;
    auto db = Database::open(home.path("units.db"), true, error);
    ASSERT_TRUE(db) << error;
    ASSERT_TRUE(db->addUser("DEV", "secret", error)) << error;

    // Every commit after the first fails, as if the process had died there.
    int commits = 0;
    sqlite3_commit_hook(
        db->handle(), [](void *count) { return ++*static_cast<int *>(count) > 1 ? 1 : 0; },
        &commits);
    FileScriptSource source;
    std::ostringstream out, err;
    ScriptRunner runner(*db, "DEV", source, out, err);
    runner.runText("unit.sql", "create or replace procedure p is\nbegin\n  null;\nend;\n/\n"
                               "--@error 3:3 PLS-00201: identifier 'X' must be declared\n");
    sqlite3_commit_hook(db->handle(), nullptr, nullptr);
    db.reset();

    test::Oci oci;
    ASSERT_EQ(0, oci.logon("DEV", "secret", home.path("units.db"))) << oci.message(oci.lda.rc);
    const Rows unit = oci.rows("select status from user_objects where object_name = 'P'");
    const Rows errors = oci.rows("select line, position from user_errors where name = 'P'");
    const bool neither = unit.empty() && errors.empty();
    const bool both = unit == Rows{{"INVALID"}} && errors == Rows{{"3", "3"}};
    EXPECT_TRUE(neither || both) << "unit: " << (unit.empty() ? "none" : unit[0][0])
                                 << ", errors: " << errors.size() << "\n"
                                 << err.str();
}

} // namespace
} // namespace ocilite
