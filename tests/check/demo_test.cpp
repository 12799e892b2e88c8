// velmora-check against the embedded demo schema (SCOTT/TIGER on the default database): in
// every format it lists exactly the invalid units the dictionary holds, each with exactly its
// error rows, and exits 1. What the dictionary holds is read here unit by unit through the
// session and cursor components, independently of the program's own statements.

#include "process.h"

#include "cursor/tocicur.h"
#include "session/toci.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

namespace velmora::check::test {
namespace {

struct ErrorRow {
    int line = 0;
    int column = 0;
    std::string text;
};

struct DictionaryUnit {
    std::string type;
    std::string name;
    bool invalid = false;
    std::vector<ErrorRow> errors;
};

bool isListedType(const std::string &type) {
    return type == "PACKAGE" || type == "PACKAGE BODY" || type == "PROCEDURE" || type == "FUNCTION";
}

std::vector<QByteArrayList> rowsOf(TOCIcur &cursor, const QByteArray &sql) {
    std::vector<QByteArrayList> rows;
    cursor.SQL = sql;
    EXPECT_TRUE(cursor.Execute()) << cursor.ErrMsg.constData();
    while (cursor.Fetch())
        rows.push_back(cursor.Row);
    return rows;
}

// Every unit of the four types, in name then type order, the invalid ones with their rows.
std::vector<DictionaryUnit> demoUnits() {
    QObject owner;
    auto *session = new TOCIctrl(&owner);
    auto *cursor = new TOCIcur(&owner);
    cursor->SetParent(session);
    session->UserID = "SCOTT";
    session->Password = "TIGER";
    EXPECT_TRUE(session->Connect()) << session->ErrMsg.constData();
    std::vector<DictionaryUnit> units;
    for (const QByteArrayList &row : rowsOf(*cursor, "SELECT OBJECT_TYPE, OBJECT_NAME, STATUS "
                                                     "FROM USER_OBJECTS")) {
        if (isListedType(row[0].toStdString()))
            units.push_back({row[0].toStdString(), row[1].toStdString(), row[2] == "INVALID", {}});
    }
    std::sort(units.begin(), units.end(), [](const auto &a, const auto &b) {
        return std::tie(a.name, a.type) < std::tie(b.name, b.type);
    });
    for (DictionaryUnit &unit : units) {
        if (!unit.invalid)
            continue;
        const QByteArray sql = "SELECT LINE, POSITION, TEXT FROM USER_ERRORS WHERE NAME = '" +
                               QByteArray::fromStdString(unit.name) + "' AND TYPE = '" +
                               QByteArray::fromStdString(unit.type) + "' ORDER BY SEQUENCE";
        for (const QByteArrayList &row : rowsOf(*cursor, sql))
            unit.errors.push_back({row[0].toInt(), row[1].toInt(), row[2].toStdString()});
    }
    return units;
}

std::vector<DictionaryUnit> invalidOnly(const std::vector<DictionaryUnit> &units) {
    std::vector<DictionaryUnit> invalid;
    std::copy_if(units.begin(), units.end(), std::back_inserter(invalid),
                 [](const DictionaryUnit &u) { return u.invalid; });
    return invalid;
}

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string firstLine(const std::string &text) {
    return text.substr(0, text.find('\n'));
}

QJsonObject parsedJson(const std::string &text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return doc.object();
}

class DemoCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_units = demoUnits(); }
    static std::vector<DictionaryUnit> s_units;
};
std::vector<DictionaryUnit> DemoCheck::s_units;

TEST_F(DemoCheck, TheDemoHasInvalidUnitsAndEveryFormatExitsWithOne) {
    ASSERT_FALSE(invalidOnly(s_units).empty());
    for (const char *format : {"text", "gcc", "json", "sarif", "junit"}) {
        const Outcome o = check({"--user", "SCOTT", "--format", format});
        EXPECT_EQ(o.status, 1) << format << ": " << o.err;
        EXPECT_EQ(o.err, "") << format;
        EXPECT_FALSE(o.out.empty()) << format;
    }
}

TEST_F(DemoCheck, JsonHoldsExactlyTheInvalidUnitsWithTheirRows) {
    const QJsonObject doc = parsedJson(check({"-u", "SCOTT", "-f", "json"}).out);
    const std::vector<DictionaryUnit> invalid = invalidOnly(s_units);
    EXPECT_EQ(doc["checked"].toInt(), static_cast<int>(s_units.size()));
    EXPECT_EQ(doc["invalid"].toInt(), static_cast<int>(invalid.size()));
    const QJsonArray units = doc["units"].toArray();
    ASSERT_EQ(units.size(), static_cast<qsizetype>(invalid.size()));
    for (std::size_t i = 0; i < invalid.size(); ++i) {
        const QJsonObject unit = units[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(unit["type"].toString().toStdString(), invalid[i].type);
        EXPECT_EQ(unit["name"].toString().toStdString(), invalid[i].name);
        const QJsonArray errors = unit["errors"].toArray();
        ASSERT_EQ(errors.size(), static_cast<qsizetype>(invalid[i].errors.size()));
        for (std::size_t k = 0; k < invalid[i].errors.size(); ++k) {
            const QJsonObject e = errors[static_cast<qsizetype>(k)].toObject();
            EXPECT_EQ(e["line"].toInt(), invalid[i].errors[k].line);
            EXPECT_EQ(e["column"].toInt(), invalid[i].errors[k].column);
            EXPECT_EQ(e["text"].toString().toStdString(), invalid[i].errors[k].text);
        }
    }
}

TEST_F(DemoCheck, TextShowsOneSqlPlusBlockPerInvalidUnitInOrder) {
    const std::vector<std::string> lines = linesOf(check({"-u", "SCOTT"}).out);
    std::size_t at = 0;
    for (const DictionaryUnit &unit : invalidOnly(s_units)) {
        const auto header = std::find(lines.begin() + static_cast<long>(at), lines.end(),
                                      "Errors for " + unit.type + " " + unit.name + ":");
        ASSERT_NE(header, lines.end()) << unit.name;
        at = static_cast<std::size_t>(header - lines.begin());
        EXPECT_EQ(lines[at + 2], "LINE/COL ERROR");
        std::size_t row = at + 4;
        for (const ErrorRow &e : unit.errors) {
            std::string lineCol = std::to_string(e.line) + "/" + std::to_string(e.column);
            lineCol.resize(std::max<std::size_t>(lineCol.size(), 8), ' ');
            ASSERT_LT(row, lines.size());
            EXPECT_EQ(lines[row].substr(0, 9), lineCol + " ");
            // The row starts the text; a first line wider than the column goes on below.
            EXPECT_EQ(firstLine(e.text).rfind(lines[row].substr(9), 0), 0u) << lines[row];
            // A text of several lines continues on indented rows until the next error.
            do
                ++row;
            while (row < lines.size() && lines[row].rfind("         ", 0) == 0);
        }
    }
    const auto blocks = std::count_if(lines.begin(), lines.end(), [](const std::string &l) {
        return l.rfind("Errors for ", 0) == 0;
    });
    EXPECT_EQ(blocks, static_cast<long>(invalidOnly(s_units).size()));
}

TEST_F(DemoCheck, GccGivesOneLinePerErrorRow) {
    std::vector<std::string> expected;
    for (const DictionaryUnit &unit : invalidOnly(s_units)) {
        for (const ErrorRow &e : unit.errors)
            expected.push_back(unit.type + " " + unit.name + ":" + std::to_string(e.line) + ":" +
                               std::to_string(e.column) + ": error: " + firstLine(e.text));
    }
    const std::vector<std::string> lines = linesOf(check({"-u", "SCOTT", "-f", "gcc"}).out);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]);
}

TEST_F(DemoCheck, SarifHasAResultPerErrorRowAtItsPosition) {
    const QJsonObject log = parsedJson(check({"-u", "SCOTT", "-f", "sarif"}).out);
    const QJsonArray results = log["runs"][0]["results"].toArray();
    qsizetype i = 0;
    for (const DictionaryUnit &unit : invalidOnly(s_units)) {
        for (const ErrorRow &e : unit.errors) {
            ASSERT_LT(i, results.size());
            const QJsonObject r = results[i++].toObject();
            const QJsonObject at = r["locations"][0]["physicalLocation"].toObject();
            // SARIF counts from 1: a row at 0/0 (analysis terminated) stands at the unit's start.
            EXPECT_EQ(at["region"]["startLine"].toInt(), std::max(e.line, 1));
            EXPECT_EQ(at["region"]["startColumn"].toInt(), std::max(e.column, 1));
            EXPECT_EQ(r["message"]["text"].toString().toStdString(), e.text);
            EXPECT_EQ(r["locations"][0]["logicalLocations"][0]["fullyQualifiedName"]
                          .toString()
                          .toStdString(),
                      unit.type + " " + unit.name);
        }
    }
    EXPECT_EQ(i, results.size());
    EXPECT_EQ(log["runs"][0]["tool"]["driver"]["name"].toString(), "velmora-check");
}

TEST_F(DemoCheck, JUnitHasATestCasePerUnitAndFailsTheInvalidOnes) {
    const std::string xml = check({"-u", "SCOTT", "-f", "junit"}).out;
    std::size_t cases = 0;
    for (std::size_t at = xml.find("<testcase "); at != std::string::npos;
         at = xml.find("<testcase ", at + 1))
        ++cases;
    std::size_t failures = 0;
    for (std::size_t at = xml.find("<failure "); at != std::string::npos;
         at = xml.find("<failure ", at + 1))
        ++failures;
    EXPECT_EQ(cases, s_units.size());
    EXPECT_EQ(failures, invalidOnly(s_units).size());
    for (const DictionaryUnit &unit : invalidOnly(s_units))
        EXPECT_NE(xml.find("name=\"" + unit.type + " " + unit.name + "\""), std::string::npos);
}

TEST_F(DemoCheck, TypeAndNameFiltersNarrowTheUnits) {
    struct Case {
        std::vector<std::string> args;
        std::function<bool(const DictionaryUnit &)> wanted;
    };
    const std::vector<Case> cases = {
        {{"-t", "package body"}, [](const auto &u) { return u.type == "PACKAGE BODY"; }},
        {{"-t", "FUNCTION", "-t", "Procedure"},
         [](const auto &u) { return u.type == "FUNCTION" || u.type == "PROCEDURE"; }},
        {{"-n", "%_PKG"},
         [](const auto &u) { return u.name.size() > 4 && u.name.ends_with("_PKG"); }},
        {{"-n", "o%"}, [](const auto &) { return false; }}, // LIKE is case-sensitive
        {{"-n", "O'X%"}, [](const auto &) { return false; }},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = {"-u", "SCOTT", "-f", "json"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = check(args);
        const QJsonObject doc = parsedJson(o.out);
        const auto wanted = std::count_if(s_units.begin(), s_units.end(), c.wanted);
        const auto wantedInvalid =
            std::count_if(s_units.begin(), s_units.end(),
                          [&](const auto &u) { return u.invalid && c.wanted(u); });
        EXPECT_EQ(doc["checked"].toInt(), wanted) << c.args.back();
        EXPECT_EQ(doc["invalid"].toInt(), wantedInvalid) << c.args.back();
        EXPECT_EQ(o.status, wantedInvalid > 0 ? 1 : 0) << c.args.back() << o.err;
    }
}

} // namespace
} // namespace velmora::check::test
