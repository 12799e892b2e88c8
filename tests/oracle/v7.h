// Test harness: the version-7 entry points under test, and a fixture that logs on to the
// scripted Oracle client and opens a cursor the way the session and the cursor do.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/oracle/oracle_side.h"
#include "scriptedoci.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace v7 {
using ocilite::oracle::obndra;
using ocilite::oracle::obndrn;
using ocilite::oracle::obndrv;
using ocilite::oracle::ocan;
using ocilite::oracle::oclose;
using ocilite::oracle::ocof;
using ocilite::oracle::ocom;
using ocilite::oracle::ocon;
using ocilite::oracle::odefin;
using ocilite::oracle::odescr;
using ocilite::oracle::odessp;
using ocilite::oracle::oerhms;
using ocilite::oracle::oexec;
using ocilite::oracle::ofetch;
using ocilite::oracle::ogetpi;
using ocilite::oracle::olog;
using ocilite::oracle::ologof;
using ocilite::oracle::oopen;
using ocilite::oracle::oparse;
using ocilite::oracle::orol;
} // namespace v7

namespace oracle_test {

// The connect string the tests log on with (an Easy Connect string, so it names Oracle).
inline const std::string kConnect = "dbhost:1521/FREEPDB1";

inline OraText *txt(const char *s) {
    return reinterpret_cast<OraText *>(const_cast<char *>(s));
}

// olog as the session calls it.
int logon(Cda_Def &lda, ub1 *hda, const std::string &user, const std::string &password,
          const std::string &connect = kConnect);
// oerhms on the logon area, as the session asks for an error's text.
std::string message(Cda_Def &lda, int rc);

// Logged on with a cursor open; the scripted client starts afresh for each test.
class Logged : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // oparse with an immediate parse, as the session does.
    int parse(const std::string &sql, Cda_Def *cursor = nullptr);
    // Describes columns until 1007; the names.
    std::vector<std::string> columnNames();

    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    Cda_Def cur{};
};

scriptedoci::Column column(const std::string &name, int type = 1, int size = 30, int precision = 0,
                           int scale = 0, bool nullable = true);

} // namespace oracle_test
