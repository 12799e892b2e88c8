// Test harness: a throw-away ocilite database with the SCOTT schema, and a logon that
// calls the library's C entry points the way the session and the cursor call them.
#pragma once

#include "oci/ociv7.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ocilite::test {

// A fresh temporary folder used as HOME, XDG_DATA_HOME and XDG_CONFIG_HOME.
class TempHome {
public:
    TempHome();
    ~TempHome();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

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

struct Result {
    int rc = 0; // first failing call's rc, 0 when all worked
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows; // NULL arrives as ""
    unsigned rpc = 0;
};

class Oci {
public:
    Oci();
    ~Oci();
    // olog as the session calls it: (text, -1) for each part, mode 0.
    int logon(const std::string &user, const std::string &password, const std::string &connect);
    void logoff();
    // The cursor's Execute and Fetch loop: open, parse, describe until 1007, define each
    // column as a string of dbsize+1 (DATE: 23), execute, fetch until 1403 (1405 counts).
    Result query(const std::string &sql);
    // The cursor's ExecuteSQL / InsertData: parse, bind :1.. as strings, execute.
    int run(const std::string &sql, const std::vector<std::string> &values = {});
    std::string message(int rc); // oerhms on the logon area

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
