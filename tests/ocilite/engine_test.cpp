// The engine below the entry points: the error table, text forms, date models, LIKE, the
// tokenizer, and the Database API the admin tool and the demo schema use.
#include "oci_client.h"

#include "ocilite/dialect/sql_functions.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/dialect/tokenizer.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"

namespace ocilite::test {
namespace {

// Every error the engine can raise has its text; a detail lands where Oracle puts it.
TEST(ErrorTable, EveryNamedErrorHasOraclesText) {
    struct Entry {
        int code;
        std::string text;
    };
    const Entry entries[] = {
#define OCILITE_TEST_ENTRY(name, number, text) {name, text},
        OCILITE_ORA_ERRORS(OCILITE_TEST_ENTRY)
#undef OCILITE_TEST_ENTRY
    };
    for (const Entry &e : entries) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", e.code);
        const std::string plain = oraText(e.code);
        EXPECT_EQ(0u, plain.rfind(prefix, 0)) << plain;
        EXPECT_EQ(std::string::npos, plain.find("%s")) << plain;
        EXPECT_EQ(std::string::npos, plain.find("Message ")) << plain;
        // Placed where the text's "%s" stands, else appended after ": ".
        const std::string filled = oraText(e.code, "<detail>");
        const bool appended = filled.ends_with(": <detail>");
        EXPECT_NE(std::string::npos, filled.find("<detail>")) << filled;
        EXPECT_EQ(e.text.find("%s") == std::string::npos, appended) << filled;
    }
    EXPECT_EQ("ORA-04030: out of process memory", oraText(kOraOutOfMemory));
    EXPECT_EQ("ORA-00904: \"X\": invalid identifier", oraText(kOraInvalidIdentifier, "\"X\""));
    EXPECT_EQ("ORA-00904: invalid identifier", oraText(kOraInvalidIdentifier));
    EXPECT_EQ("ORA-65535: Message 65535 not found", oraText(65535));
}

TEST(TextForms, NumbersAsOraclePrintsThem) {
    const std::pair<double, const char *> cases[] = {
        {1, "1"},
        {0.5, ".5"},
        {-0.5, "-.5"},
        {-12.25, "-12.25"},
        {1e125, "1E+125"},
        {-2.5e-100, "-2.5E-100"},
        {0.1 + 0.2, ".3"},
        {1e20, "100000000000000000000"},
        {0.000001, ".000001"},
        {123456.789, "123456.789"},
        // Both sides of the switch between the short form and the general one.
        {0.000123, ".000123"},
        {-0.0000123, "-.0000123"},
        {1234.56, "1234.56"},
        {99999999999999.9, "99999999999999.9"},
        {123456789012345.6, "123456789012346"},
        {2.0 / 3.0, ".666666666666667"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(text, numberText(value)) << value;
    EXPECT_EQ("-9223372036854775807", numberText(int64_t{-9223372036854775807}));
}

TEST(TextForms, DateFormatModels) {
    const DateTime d{2024, 2, 9, 15, 4, 5};
    const std::pair<const char *, const char *> cases[] = {
        {"DD-MON-RR", "09-FEB-24"},
        {"YYYY-MM-DD HH24:MI:SS", "2024-02-09 15:04:05"},
        {"Mon DD, YYYY HH:MI AM", "Feb 09, 2024 03:04 PM"},
        {"\"Day\" D DY", "Day 6 FRI"},
    };
    for (const auto &[format, text] : cases)
        EXPECT_EQ(text, formatDate(d, format)) << format;
    const DateTime parsed = parseDate("9-feb-2024 3:04:05 pm", "DD-MON-YYYY HH:MI:SS AM");
    EXPECT_EQ(storedDate(d), storedDate(parsed));
    EXPECT_EQ(2049, parseDate("01-JAN-49").year);
    EXPECT_EQ(1950, parseDate("01-JAN-50").year);
    const std::pair<const char *, int> bad[] = {
        {"32-JAN-24", 1847},
        {"01-XYZ-24", 1843},
        {"01-JAN-24 x", 1830},
        {"AA-JAN-24", 1858},
    };
    for (const auto &[text, code] : bad) {
        try {
            parseDate(text);
            ADD_FAILURE() << text;
        } catch (const OraError &e) {
            EXPECT_EQ(code, e.code()) << text;
        }
    }
    EXPECT_THROW(formatDate(d, "QQ"), OraError);
}

// Where the text does not fit an element, Oracle tries its alternatives: YY reads a four-digit
// year as YYYY, RR as RRRR, MM a month's name; FX asks for the exact element.
TEST(TextForms, DateElementsFallBackToTheirAlternatives) {
    struct Case {
        const char *text;
        const char *format; // nullptr: the default DD-MON-RR
        const char *stored; // nullptr: refused
    } cases[] = {
        {"1-jan-2000", nullptr, "2000-01-01 00:00:00"},
        {"31-DEC-1899", nullptr, "1899-12-31 00:00:00"},
        {"1-jan-0099", nullptr, "0099-01-01 00:00:00"},
        {"15-03-1950", "DD-MM-YY", "1950-03-15 00:00:00"},
        {"15-MAR-1850", "DD-MM-YYYY", "1850-03-15 00:00:00"},
        {"15-March-1850", "DD-MM-RR", "1850-03-15 00:00:00"},
        {"2000-02-29", "RR-MM-DD", "2000-02-29 00:00:00"},
        {"1-jan-2000", "FXDD-MON-RR", nullptr},
        {"1-jan-20000", nullptr, nullptr},
    };
    for (const Case &c : cases) {
        try {
            const DateTime d = c.format ? parseDate(c.text, c.format) : parseDate(c.text);
            EXPECT_EQ(c.stored ? c.stored : "(refused)", storedDate(d)) << c.text;
        } catch (const OraError &e) {
            EXPECT_EQ(nullptr, c.stored) << c.text << ": " << e.what();
        }
    }
}

TEST(Like, CaseSensitiveWithWildcardsAndEscape) {
    struct Case {
        const char *pattern;
        const char *text;
        int escape;
        bool match;
    } cases[] = {
        {"PK%", "PK_ORDERS", -1, true},
        {"pk%", "PK_ORDERS", -1, false},
        {"%BODY%", "A_BODY_X", -1, true},
        {"_", "日", -1, true},
        {"A_C", "ABC", -1, true},
        {"A_C", "AC", -1, false},
        {"100\\%", "100%", '\\', true},
        {"100\\%", "1000", '\\', false},
        {"%", "", -1, true},
        {"", "", -1, true},
        {"A%B%C", "AxxBxxC", -1, true},
        {"A%B%C", "AxxBxx", -1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.match, likeMatch(c.pattern, c.text, c.escape)) << c.pattern << " " << c.text;
}

TEST(Tokenizer, LiteralsAndQuotedNamesSurvive) {
    const auto tokens = tokenize("select \"Mixed\", 'it''s (+) -- x', :b1, .5 from t -- tail");
    ASSERT_EQ(10u, tokens.size());
    EXPECT_EQ(TokenKind::QuotedIdentifier, tokens[1].kind);
    EXPECT_EQ("Mixed", tokens[1].text);
    EXPECT_EQ("it's (+) -- x", tokens[3].text);
    EXPECT_EQ(TokenKind::Bind, tokens[5].kind);
    EXPECT_EQ("B1", tokens[5].text);
    EXPECT_EQ(".5", tokens[7].text);
    EXPECT_EQ("T", tokens[9].text);
}

class DatabaseApi : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        db = Database::open(home.path() + "/api.db", true, error);
        ASSERT_TRUE(db) << error;
        ASSERT_TRUE(db->addUser("dev", "pw", error)) << error;
    }
    TempHome home;
    std::unique_ptr<Database> db;
};

TEST_F(DatabaseApi, UsersAreFoldedAndUnique) {
    std::string error;
    EXPECT_TRUE(db->userExists("DEV"));
    EXPECT_TRUE(db->checkPassword("Dev", "pw"));
    EXPECT_FALSE(db->checkPassword("DEV", "wrong"));
    EXPECT_FALSE(db->addUser("DEV", "x", error));
    EXPECT_EQ(0u, error.rfind("ORA-01920", 0)) << error;
}

TEST_F(DatabaseApi, CompileErrorsReplaceTheUnitsErrorsAndStatus) {
    std::string error;
    ASSERT_TRUE(db->execute("DEV", "CREATE OR REPLACE PROCEDURE p IS\nBEGIN\n  x;\nEND;", error))
        << error;
    const std::vector<CompileError> errors = {
        {3, 3, "PLS-00201: identifier 'X' must be declared"},
        {3, 3, "PL/SQL: Statement ignored"},
        {3, 3, "PL/SQL: ORA-00942: table or view does not exist"},
    };
    ASSERT_TRUE(db->setCompileErrors("DEV", "PROCEDURE", "P", errors, error)) << error;
    Oci oci;
    ASSERT_EQ(0, oci.logon("DEV", "pw", db->path()));
    Result r = oci.query("SELECT SEQUENCE, LINE, POSITION, ATTRIBUTE, MESSAGE_NUMBER FROM "
                         "USER_ERRORS ORDER BY SEQUENCE");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    const std::vector<std::vector<std::string>> expected = {{"1", "3", "3", "ERROR", "201"},
                                                            {"2", "3", "3", "ERROR", "0"},
                                                            {"3", "3", "3", "ERROR", "942"}};
    EXPECT_EQ(expected, r.rows);
    EXPECT_EQ("INVALID", oci.query("SELECT STATUS FROM USER_OBJECTS").rows.at(0).at(0));
    ASSERT_TRUE(db->setCompileErrors("DEV", "PROCEDURE", "P", {}, error)) << error;
    EXPECT_EQ("VALID", oci.query("SELECT STATUS FROM USER_OBJECTS").rows.at(0).at(0));
    EXPECT_TRUE(oci.query("SELECT * FROM USER_ERRORS").rows.empty());
    EXPECT_FALSE(db->setCompileErrors("DEV", "PROCEDURE", "NOPE", errors, error));
    EXPECT_EQ(0u, error.rfind("ORA-04043", 0)) << error;
}

TEST_F(DatabaseApi, ExecuteReportsOracleErrorsAndRowCounts) {
    std::string error;
    long rows = -1;
    ASSERT_TRUE(db->execute("DEV", "create table t (x number)", error)) << error;
    ASSERT_TRUE(db->execute("DEV", "insert into t values (1)", error, &rows)) << error;
    EXPECT_EQ(1, rows);
    EXPECT_FALSE(db->execute("DEV", "insert into nowhere values (1)", error));
    EXPECT_EQ("ORA-00942: table or view does not exist", error);
    EXPECT_FALSE(db->execute("DEV", "insert into t values (:1)", error));
    EXPECT_EQ(0u, error.rfind("ORA-01008", 0));
    EXPECT_FALSE(db->execute("NOBODY", "select * from dual", error));
}

TEST_F(DatabaseApi, TransactionsGroupManyStatements) {
    std::string error;
    ASSERT_TRUE(db->execute("DEV", "create table t (x number)", error)) << error;
    {
        ScopedTransaction tx(*db);
        ASSERT_TRUE(tx.ok()) << tx.error();
        for (int i = 0; i < 1000; ++i)
            ASSERT_TRUE(
                db->execute("DEV", "insert into t values (" + std::to_string(i) + ")", error))
                << error;
        ASSERT_TRUE(tx.commit()) << tx.error();
    }
    {
        ScopedTransaction tx(*db);
        ASSERT_TRUE(db->execute("DEV", "delete from t", error));
    } // rolled back
    long rows = 0;
    ASSERT_TRUE(db->execute("DEV", "update t set x = x", error, &rows));
    EXPECT_EQ(1000, rows);
}

TEST_F(DatabaseApi, RefusesFilesThatAreNotOciliteDatabases) {
    const std::string other = home.path() + "/other.db";
    {
        std::string error;
        sqlite3 *raw = nullptr;
        sqlite3_open(other.c_str(), &raw);
        sqlite3_exec(raw, "CREATE TABLE foreign_table(x)", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
    }
    std::string error;
    EXPECT_FALSE(Database::open(other, false, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(Database::open(home.path() + "/missing.db", false, error));
    EXPECT_EQ("ORA-12154: TNS:could not resolve service name", error);
}

extern "C" int ocilite_header_check(const char *connect);

TEST_F(DatabaseApi, PlainCCallerUsesTheHeader) {
    EXPECT_EQ(0, ocilite_header_check(db->path().c_str()));
}

} // namespace
} // namespace ocilite::test
