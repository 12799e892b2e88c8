// JUnit XML: the structure and required attributes of the Apache Ant JUnit schema (JUnit.xsd,
// the one Jenkins and GitLab document), counts, failures with the error rows, and escaping.

#include "listing_builders.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::report::test {
namespace {

struct Element {
    QString name;
    std::map<QString, QString> attributes;
    QString text;
    std::vector<std::unique_ptr<Element>> children;

    std::vector<const Element *> all(const QString &childName) const {
        std::vector<const Element *> found;
        for (const auto &child : children) {
            if (child->name == childName)
                found.push_back(child.get());
        }
        return found;
    }
};

std::unique_ptr<Element> parse(const std::string &xml) {
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    std::vector<Element *> open;
    std::unique_ptr<Element> root;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            auto element = std::make_unique<Element>();
            element->name = reader.name().toString();
            for (const auto &a : reader.attributes())
                element->attributes[a.name().toString()] = a.value().toString();
            Element *raw = element.get();
            if (open.empty())
                root = std::move(element);
            else
                open.back()->children.push_back(std::move(element));
            open.push_back(raw);
        } else if (reader.isEndElement()) {
            open.pop_back();
        } else if (reader.isCharacters() && !open.empty()) {
            open.back()->text += reader.text();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << "\n" << xml;
    return root;
}

// From JUnit.xsd: the attributes each element must carry.
const std::map<QString, std::vector<QString>> kRequired = {
    {"testsuite",
     {"name", "timestamp", "hostname", "tests", "failures", "errors", "time", "package", "id"}},
    {"testcase", {"name", "classname", "time"}},
    {"failure", {"type"}},
};

void checkRequired(const Element &e, std::vector<std::string> &missing) {
    const auto rule = kRequired.find(e.name);
    if (rule != kRequired.end()) {
        for (const QString &attribute : rule->second) {
            if (!e.attributes.count(attribute))
                missing.push_back((e.name + "@" + attribute).toStdString());
        }
    }
    for (const auto &child : e.children)
        checkRequired(*child, missing);
}

Listing sample() {
    return listingOf(
        {invalidUnit("PACKAGE BODY", "PAYROLL_PKG",
                     {error(9, 9, "PL/SQL: Statement ignored"),
                      error(9, 42, "PLS-00302: component 'DEPT_NAME' must be declared")}),
         validUnit("PROCEDURE", "RAISE_SALARY"), invalidUnit("FUNCTION", "F", {}),
         fileUnit(invalidUnit("PROCEDURE", "P", {error(2, 3, "PLS-00201: identifier 'A<B&C'")}),
                  "src/p.sql", 5, 0)});
}

TEST(JUnit, FollowsTheAntJUnitSchema) {
    const auto root = parse(written(sample(), Format::Junit));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->name, "testsuites");
    EXPECT_TRUE(root->attributes.empty()); // the schema declares none on testsuites
    ASSERT_EQ(root->children.size(), 1u);
    const Element &suite = *root->children.front();
    std::vector<std::string> missing;
    checkRequired(*root, missing);
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
    // The sequence: properties, the test cases, system-out, system-err.
    ASSERT_GE(suite.children.size(), 3u);
    EXPECT_EQ(suite.children.front()->name, "properties");
    EXPECT_EQ(suite.children[suite.children.size() - 2]->name, "system-out");
    EXPECT_EQ(suite.children.back()->name, "system-err");
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$")
                    .match(suite.attributes.at("timestamp"))
                    .hasMatch());
    for (const char *number : {"tests", "failures", "errors", "id"})
        EXPECT_TRUE(QRegularExpression("^\\d+$").match(suite.attributes.at(number)).hasMatch());
    EXPECT_TRUE(
        QRegularExpression("^\\d+(\\.\\d+)?$").match(suite.attributes.at("time")).hasMatch());
}

TEST(JUnit, OneTestCasePerUnitAndAFailurePerInvalidOne) {
    const auto root = parse(written(sample(), Format::Junit));
    const Element &suite = *root->children.front();
    const auto cases = suite.all("testcase");
    ASSERT_EQ(cases.size(), 4u);
    EXPECT_EQ(suite.attributes.at("tests"), "4");
    EXPECT_EQ(suite.attributes.at("failures"), "3");
    EXPECT_EQ(suite.attributes.at("name"), "SCOTT");
    EXPECT_EQ(suite.attributes.at("hostname"), "buildhost");
    EXPECT_EQ(cases[0]->attributes.at("name"), "PACKAGE BODY PAYROLL_PKG");
    EXPECT_EQ(cases[0]->attributes.at("classname"), "SCOTT");
    EXPECT_TRUE(cases[1]->children.empty());
    const Element &failure = *cases[0]->children.front();
    EXPECT_EQ(failure.name, "failure");
    EXPECT_EQ(failure.attributes.at("type"), "PL/SQL");
    EXPECT_EQ(failure.attributes.at("message"), "PL/SQL: Statement ignored");
    EXPECT_TRUE(failure.text.contains("9/9      PL/SQL: Statement ignored\n"));
    EXPECT_TRUE(
        failure.text.contains("9/42     PLS-00302: component 'DEPT_NAME' must be declared\n"));
    EXPECT_EQ(cases[2]->children.front()->attributes.at("type"), "INVALID");
    const Element &scriptFailure = *cases[3]->children.front();
    EXPECT_EQ(cases[3]->attributes.at("classname"), "src/p.sql");
    EXPECT_EQ(scriptFailure.attributes.at("type"), "PLS-00201");
    EXPECT_EQ(scriptFailure.attributes.at("message"), "PLS-00201: identifier 'A<B&C'");
    EXPECT_EQ(scriptFailure.text, "src/p.sql:6:3: error: PLS-00201: identifier 'A<B&C'\n");
}

TEST(JUnit, ControlCharactersAndBadBytesNeverBreakTheDocument) {
    const Listing listing = listingOf(
        {invalidUnit("PROCEDURE", "P\"Q", {error(1, 1, "bad \x01\x82 \"quoted\" ]]> end")})});
    const auto root = parse(written(listing, Format::Junit));
    ASSERT_TRUE(root);
    const Element &testcase = *root->children.front()->all("testcase").front();
    EXPECT_EQ(testcase.attributes.at("name"), "PROCEDURE P\"Q");
    EXPECT_EQ(testcase.children.front()->attributes.at("message"),
              QString::fromUtf8("bad \xEF\xBF\xBD\xEF\xBF\xBD \"quoted\" ]]> end"));
}

TEST(JUnit, AnEmptyRunIsAnEmptySuite) {
    const auto root = parse(written(listingOf({}), Format::Junit));
    const Element &suite = *root->children.front();
    EXPECT_EQ(suite.attributes.at("tests"), "0");
    EXPECT_EQ(suite.attributes.at("failures"), "0");
    EXPECT_TRUE(suite.all("testcase").empty());
}

} // namespace
} // namespace velmora::report::test
