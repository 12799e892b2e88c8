// Shared steps of the DDL tests: run statements that must work, expect Oracle's error from
// those that must not, and read dictionary rows as text.
#pragma once

#include "oci_client.h"

#include <string>
#include <vector>

namespace ocilite::test {

using Rows = std::vector<std::vector<std::string>>;

class DdlTest : public OciTest {
protected:
    // Runs each statement; a failing one fails the test with its text and message.
    void ok(std::initializer_list<std::string> statements) {
        for (const std::string &sql : statements) {
            const int rc = oci.run(sql);
            EXPECT_EQ(0, rc) << sql << "\n" << oci.message(rc);
        }
    }
    // The Oracle error number the statement fails with (0 when it works).
    int error(const std::string &sql) { return oci.run(sql); }
    Rows rows(const std::string &sql) {
        Result r = oci.query(sql);
        EXPECT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        return r.rows;
    }
    std::string one(const std::string &sql) {
        const Rows r = rows(sql);
        return r.size() == 1 && r[0].size() == 1 ? r[0][0] : "<" + std::to_string(r.size()) + ">";
    }
};

} // namespace ocilite::test
