// The large-schema generator: counts of units, invalid units, errors and lines, and errors
// that point at the generated statements.
#include "oci_client.h"
#include "ocilite/demo/schema_generator.h"
#include "ocilite/engine/database.h"
#include "temp_home.h"

#include <gtest/gtest.h>

#include <map>

namespace ocilite {
namespace {

using test::Rows;

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        m_db = Database::open(m_env.path("gen.db"), true, error);
        ASSERT_TRUE(m_db) << error;
        ASSERT_TRUE(m_db->addUser("BENCH", "pw", error)) << error;
    }
    Rows query(const std::string &sql) {
        test::Oci oci;
        std::string error;
        EXPECT_TRUE(oci.logon("BENCH", "pw", m_env.path("gen.db"), error)) << error;
        return oci.rows(sql);
    }

    test::TempHome m_env;
    std::unique_ptr<Database> m_db;
};

TEST_F(GeneratorTest, CountsOfUnitsErrorsAndLines) {
    GeneratorOptions options;
    options.objects = 10;
    options.lines = 20;
    options.errors = 3;
    options.invalidShare = 0.5;
    GeneratorResult result;
    std::string error;
    ASSERT_TRUE(generateSchema(*m_db, "bench", options, result, error)) << error;
    EXPECT_EQ(result.objects, 10);
    EXPECT_EQ(result.invalid, 5);
    EXPECT_EQ(result.errors, 15);
    EXPECT_EQ(result.lines, 200);

    const Rows units = query("SELECT OBJECT_NAME, OBJECT_TYPE, STATUS FROM USER_OBJECTS");
    ASSERT_EQ(units.size(), 10u);
    std::map<std::string, int> byType;
    int invalid = 0;
    for (const auto &u : units) {
        ++byType[u[1]];
        invalid += u[2] == "INVALID";
    }
    EXPECT_EQ(invalid, 5);
    EXPECT_EQ(byType, (std::map<std::string, int>{
                          {"FUNCTION", 2}, {"PACKAGE", 3}, {"PACKAGE BODY", 3}, {"PROCEDURE", 2}}));
    EXPECT_EQ(query("SELECT LINE FROM USER_SOURCE").size(), 200u);
    EXPECT_EQ(query("SELECT LINE FROM USER_ERRORS").size(), 15u);
}

TEST_F(GeneratorTest, ErrorsPointAtTheGeneratedStatements) {
    GeneratorOptions options;
    options.objects = 1;
    options.lines = 50;
    options.errors = 7;
    options.prefix = "big";
    GeneratorResult result;
    std::string error;
    ASSERT_TRUE(generateSchema(*m_db, "BENCH", options, result, error)) << error;
    const Rows rows = query(
        "SELECT E.SEQUENCE, E.LINE, E.POSITION, E.TEXT, S.TEXT FROM USER_ERRORS E, USER_SOURCE S "
        "WHERE E.NAME = 'BIG_PKG_000001' AND E.TYPE = 'PACKAGE BODY' AND S.NAME = E.NAME AND "
        "S.TYPE = E.TYPE AND S.LINE = E.LINE ORDER BY E.SEQUENCE");
    ASSERT_EQ(rows.size(), 7u);
    int previousLine = 0;
    for (const auto &r : rows) {
        SCOPED_TRACE(r[1] + ":" + r[2] + " " + r[3]);
        const int line = std::stoi(r[1]);
        EXPECT_GE(line, previousLine);
        previousLine = line;
        const std::string at = r[4].substr(static_cast<size_t>(std::stoi(r[2]) - 1));
        EXPECT_EQ(at.rfind("v_total", 0), 0u);
    }
}

TEST_F(GeneratorTest, RefusesNonsenseAndLeavesNothing) {
    struct Case {
        long objects, lines, errors;
        double share;
        const char *prefix;
        const char *complaint;
    };
    const Case cases[] = {
        {0, 10, 0, 1, "GEN", "--objects"},          {10, 3, 0, 1, "GEN", "--lines"},
        {10, 10, 15, 1, "GEN", "--errors"},         {10, 10, -1, 1, "GEN", "--errors"},
        {10, 10, 1, 1.5, "GEN", "--invalid-share"}, {10, 10, 1, 1, "9X", "--prefix"},
        {10, 10, 1, 1, "A'B", "--prefix"},
    };
    for (const Case &c : cases) {
        GeneratorOptions options{c.objects, c.lines, c.errors, c.share, c.prefix};
        GeneratorResult result;
        std::string error;
        EXPECT_FALSE(generateSchema(*m_db, "BENCH", options, result, error));
        EXPECT_NE(error.find(c.complaint), std::string::npos) << error;
    }
    GeneratorResult result;
    std::string error;
    EXPECT_FALSE(generateSchema(*m_db, "NOBODY", GeneratorOptions(), result, error));
    EXPECT_NE(error.find("ORA-01918"), std::string::npos) << error;
    EXPECT_TRUE(query("SELECT OBJECT_NAME FROM USER_OBJECTS").empty());
}

} // namespace
} // namespace ocilite
