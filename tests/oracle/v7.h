// Test harness: the version-7 entry points under test, and a fixture that logs on to the
// scripted Oracle client and opens a cursor the way the session and the cursor do.
#pragma once

#include "oci/ociv7.h"
#include "scriptedoci.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// The client library's exported entry points: logons here name Oracle databases, so they and
// their cursors are served by the Oracle side.
namespace v7 {
using ::obindps;
using ::obndra;
using ::obndrn;
using ::obndrv;
using ::obreak;
using ::ocan;
using ::oclose;
using ::ocof;
using ::ocom;
using ::ocon;
using ::odefin;
using ::odefinps;
using ::odescr;
using ::odessp;
using ::odsc;
using ::oerhms;
using ::oexec;
using ::oexfet;
using ::oexn;
using ::ofen;
using ::ofetch;
using ::oflng;
using ::ogetpi;
using ::olog;
using ::ologof;
using ::oname;
using ::onbclr;
using ::onbset;
using ::onbtst;
using ::oopen;
using ::oopt;
using ::oparse;
using ::orol;
using ::osetpi;
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
