// "ocilite lint" end to end, as a separate process in a folder of scripts: every compile error
// at its script's line and column (found here by searching the script for the offending
// text), the units judged with every script in place whatever their order, the formats, the
// exit status, and nothing left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path &path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoted(const std::string &s) {
    std::string q = "'";
    for (const char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Lint : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("lint-e2e-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_root / "work");
        fs::create_directories(m_root / "tmp");
    }
    void TearDown() override { fs::remove_all(m_root); }

    void write(const std::string &path, const std::string &text) {
        fs::create_directories((m_root / "work" / path).parent_path());
        std::ofstream(m_root / "work" / path) << text;
    }

    // Runs "ocilite lint ARGS" in the work folder, temporary files going to a folder of its own.
    Outcome lint(const std::string &args) {
        const std::string command = "cd " + quoted((m_root / "work").string()) +
                                    " && TMPDIR=" + quoted((m_root / "tmp").string()) + " " +
                                    OCILITE_TOOL + " lint " + args + " >" +
                                    quoted((m_root / "out").string()) + " 2>" +
                                    quoted((m_root / "err").string());
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(m_root / "out"),
                readFile(m_root / "err")};
    }

    // "path:line:col" of the first occurrence of text in the script, columns in characters.
    std::string at(const std::string &path, const std::string &text) {
        std::istringstream lines(readFile(m_root / "work" / path));
        int n = 0;
        for (std::string line; std::getline(lines, line);) {
            ++n;
            const std::size_t byte = line.find(text);
            if (byte == std::string::npos)
                continue;
            int column = 1;
            for (std::size_t i = 0; i < byte; ++i)
                column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
            return path + ":" + std::to_string(n) + ":" + std::to_string(column);
        }
        ADD_FAILURE() << text << " not in " << path;
        return {};
    }

    // A package whose body (in a file that sorts before the package specification's) refers to an
    // identifier nobody declares and misspells a supplied package's procedure, one of its lines
    // holding Japanese text before the error; and a procedure on one indented line.
    void writeBrokenPackage() {
        write("db/payroll.pkb", "-- 給与計算\n"
                                "CREATE OR REPLACE PACKAGE BODY payroll AS\n"
                                "  PROCEDURE pay(p_id IN NUMBER) IS\n"
                                "    v NUMBER;\n"
                                "  BEGIN\n"
                                "    v := bonus_rate * 2;\n"
                                "    /* 賞与 */ DBMS_OUTPUT.PUT_LIN('x');\n"
                                "  END pay;\n"
                                "END payroll;\n"
                                "/\n"
                                "SHOW ERRORS\n");
        write("db/payroll.pks", "CREATE OR REPLACE PACKAGE payroll AS\n"
                                "  PROCEDURE pay(p_id IN NUMBER);\n"
                                "END payroll;\n"
                                "/\n");
        write("db/procs/one_line.prc",
              "   CREATE OR REPLACE PROCEDURE one_line IS BEGIN undeclared_thing; END;\n/\n");
    }

    fs::path m_root;
};

TEST_F(Lint, EveryErrorAtItsScriptsLineAndColumn) {
    writeBrokenPackage();
    const Outcome o = lint("db");
    EXPECT_EQ(o.status, 1) << o.err;
    const std::vector<std::string> expected = {
        at("db/payroll.pkb", "bonus_rate") +
            ": error: PLS-00201: identifier 'BONUS_RATE' must be declared",
        at("db/payroll.pkb", "PUT_LIN") +
            ": error: PLS-00302: component 'PUT_LIN' must be declared",
        at("db/procs/one_line.prc", "undeclared_thing") +
            ": error: PLS-00201: identifier 'UNDECLARED_THING' must be declared",
    };
    for (const std::string &line : expected)
        EXPECT_NE(o.out.find(line + "\n"), std::string::npos) << line << "\nin:\n" << o.out;
    // The package specification came after its body, yet the body was judged with it in place.
    EXPECT_EQ(o.out.find("PLS-00304"), std::string::npos) << o.out;
    EXPECT_EQ(o.out.find("payroll.pks"), std::string::npos) << o.out;
}

TEST_F(Lint, TheOtherFormatsCarryTheSamePlaces) {
    writeBrokenPackage();
    const Outcome json = lint("--format json db/payroll.pks db/payroll.pkb");
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"file\": \"db/payroll.pkb\""), std::string::npos) << json.out;
    const std::string bonus = at("db/payroll.pkb", "bonus_rate");
    const std::string line =
        bonus.substr(bonus.find(':') + 1, bonus.rfind(':') - bonus.find(':') - 1);
    EXPECT_NE(json.out.find("\"line\": " + line + ","), std::string::npos) << json.out;
    const Outcome sarif = lint("-f sarif db");
    EXPECT_NE(sarif.out.find("\"uri\": \"db/payroll.pkb\""), std::string::npos);
    EXPECT_NE(sarif.out.find("\"uri\": \"db/procs/one_line.prc\""), std::string::npos);
    const Outcome junit = lint("--format=junit db");
    EXPECT_NE(junit.out.find("classname=\"db/payroll.pkb\""), std::string::npos) << junit.out;
    EXPECT_NE(junit.out.find("tests=\"3\" failures=\"2\""), std::string::npos) << junit.out;
    const Outcome text = lint("-f text db");
    EXPECT_NE(text.out.find("Errors for PACKAGE BODY PAYROLL:"), std::string::npos) << text.out;
}

TEST_F(Lint, CleanScriptsExitWithZeroAndFailingStatementsAreWarnings) {
    write("ok.sql", "CREATE TABLE t (n NUMBER);\n"
                    "CREATE OR REPLACE PROCEDURE fine IS BEGIN INSERT INTO t VALUES (1); END;\n/\n"
                    "GRANT EXECUTE ON fine TO no_such_role;\n");
    const Outcome o = lint("ok.sql");
    EXPECT_EQ(o.status, 0) << o.out << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("ok.sql:4: warning: ORA-"), std::string::npos) << o.err;
}

TEST_F(Lint, AnExitInOneScriptDoesNotEndTheOthers) {
    write("a_setup.sql", "WHENEVER SQLERROR EXIT FAILURE\nCREATE TABLE t (n NUMBER);\nEXIT\n");
    write("b_proc.sql",
          "CREATE OR REPLACE PROCEDURE p IS BEGIN INSERT INTO t VALUES (1); not_there; END;\n/\n");
    const Outcome o = lint(".");
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_NE(o.out.find(at("b_proc.sql", "not_there") + ": error: PLS-00201"), std::string::npos)
        << o.out;
}

TEST_F(Lint, WrongUsageExitsWithTwo) {
    write("ok.sql", "SELECT 1 FROM dual;\n");
    for (const char *args : {"", "missing.sql", "--format xml ok.sql", "--verbose ok.sql", "-f"}) {
        const Outcome o = lint(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_NE(o.err.find("ocilite lint: "), std::string::npos) << args << ": " << o.err;
    }
}

TEST_F(Lint, HelpExitsWithZero) {
    const Outcome o = lint("--help");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("Usage: ocilite lint", 0), 0u) << o.out;
}

TEST_F(Lint, NothingIsWrittenBesideTheScriptsOrLeftInTheTemporaryFolder) {
    writeBrokenPackage();
    auto listing = [&](const fs::path &folder) {
        std::vector<std::string> names;
        for (const auto &entry : fs::recursive_directory_iterator(folder))
            names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto before = listing(m_root / "work");
    lint("db");
    EXPECT_EQ(listing(m_root / "work"), before);
    EXPECT_TRUE(listing(m_root / "tmp").empty());
}

} // namespace
