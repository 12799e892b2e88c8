// The one OCI test harness of the ocilite tests: a logon that calls the library's C entry
// points the way the session and the cursor call them, a throw-away database with the SCOTT
// schema, and the fixture that gives each test its own home, database and logon.
#pragma once

#include "oci/ociv7.h"
#include "temp_home.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ocilite::test {

// Creates <dir>/test.db with SCOTT/TIGER, DEPT and EMP, and a few program units.
std::string createTestDatabase(const std::string &dir);

struct Column {
    std::string name;
    int dbtype = 0;
    int dbsize = 0;
    int dsize = 0;
    int prec = 0;
    int scale = 0;
    int nullok = 0;
};

using Rows = std::vector<std::vector<std::string>>;

struct Result {
    int rc = 0; // first failing call's rc, 0 when all worked
    std::vector<Column> columns;
    Rows rows; // NULL arrives as ""
    unsigned rpc = 0;
};

class Oci {
public:
    Oci();
    ~Oci();
    Oci(const Oci &) = delete;
    Oci &operator=(const Oci &) = delete;
    // olog as the session calls it: (text, -1) for each part, mode 0; then opens the cursor.
    int logon(const std::string &user, const std::string &password, const std::string &connect);
    // The same; false with the "ORA-..." text in error.
    bool logon(const std::string &user, const std::string &password, const std::string &connect,
               std::string &error);
    void logoff();
    // The cursor's Execute and Fetch loop: open, parse, describe until 1007, define each
    // column as a string of dbsize+1 (DATE: 23), execute, fetch until 1403 (1405 counts).
    Result query(const std::string &sql);
    // The cursor's ExecuteSQL / InsertData: parse, bind :1.. as strings, execute.
    int run(const std::string &sql, const std::vector<std::string> &values = {});
    std::string message(int rc); // oerhms on the logon area
    // A query's rows, recording a test failure (with the error text) when it fails.
    Rows rows(const std::string &sql);

    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    Cda_Def cur{};
    bool loggedOn = false;

private:
    void openCursor();
};

// Each test gets its own home, database and logon as SCOTT.
class OciTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbPath = createTestDatabase(home.path());
        ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", dbPath)) << oci.message(oci.lda.rc);
    }

    TempHome home;
    std::string dbPath;
    Oci oci;
};

} // namespace ocilite::test
