// SARIF 2.1.0: the log checked against the published schema's required and allowed members
// (sarif-schema-2.1.0.json, OASIS), plus what code scanning needs: a rule for every ruleId at
// its ruleIndex, a location with a uri and a start line of at least 1.

#include "listing_builders.h"
#include "schema_check.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace velmora::report::test {
namespace {

const std::set<std::string> kMessageMembers = {"markdown", "properties", "text"};

// Taken from sarif-schema-2.1.0.json for the objects the writer emits.
const Schema kSarifSchema = {
    {"sarifLog",
     {{"version", "runs"},
      {},
      {"$schema", "inlineExternalProperties", "properties", "runs", "version"},
      {{"runs", "run"}}}},
    {"run",
     {{"tool"},
      {},
      {"addresses",
       "artifacts",
       "automationDetails",
       "baselineGuid",
       "columnKind",
       "conversion",
       "defaultEncoding",
       "defaultSourceLanguage",
       "externalPropertyFileReferences",
       "graphs",
       "invocations",
       "language",
       "logicalLocations",
       "newlineSequences",
       "originalUriBaseIds",
       "policies",
       "properties",
       "redactionTokens",
       "results",
       "runAggregates",
       "specialLocations",
       "taxonomies",
       "threadFlowLocations",
       "tool",
       "translations",
       "versionControlProvenance",
       "webRequests",
       "webResponses"},
      {{"tool", "tool"}, {"results", "result"}}}},
    {"tool",
     {{"driver"}, {}, {"driver", "extensions", "properties"}, {{"driver", "toolComponent"}}}},
    {"toolComponent",
     {{"name"},
      {},
      {"associatedComponent",
       "contents",
       "dottedQuadFileVersion",
       "downloadUri",
       "fullDescription",
       "fullName",
       "globalMessageStrings",
       "guid",
       "informationUri",
       "isComprehensive",
       "language",
       "localizedDataSemanticVersion",
       "locations",
       "minimumRequiredLocalizedDataSemanticVersion",
       "name",
       "notifications",
       "organization",
       "product",
       "productSuite",
       "properties",
       "releaseDateUtc",
       "rules",
       "semanticVersion",
       "shortDescription",
       "supportedTaxonomies",
       "taxa",
       "translationMetadata",
       "version"},
      {{"rules", "reportingDescriptor"}}}},
    {"reportingDescriptor",
     {{"id"},
      {},
      {"defaultConfiguration", "deprecatedGuids", "deprecatedIds", "deprecatedNames",
       "fullDescription", "guid", "help", "helpUri", "id", "messageStrings", "name", "properties",
       "relationships", "shortDescription"},
      {{"shortDescription", "multiformatMessageString"},
       {"fullDescription", "multiformatMessageString"},
       {"help", "multiformatMessageString"},
       {"defaultConfiguration", "reportingConfiguration"}}}},
    {"multiformatMessageString", {{"text"}, {}, kMessageMembers, {}}},
    {"reportingConfiguration",
     {{}, {}, {"enabled", "level", "parameters", "properties", "rank"}, {}}},
    {"result",
     {{"message"},
      {},
      {"analysisTarget",
       "attachments",
       "baselineState",
       "codeFlows",
       "correlationGuid",
       "fingerprints",
       "fixes",
       "graphTraversals",
       "graphs",
       "guid",
       "hostedViewerUri",
       "kind",
       "level",
       "locations",
       "message",
       "occurrenceCount",
       "partialFingerprints",
       "properties",
       "provenance",
       "rank",
       "relatedLocations",
       "rule",
       "ruleId",
       "ruleIndex",
       "stacks",
       "suppressions",
       "taxa",
       "webRequest",
       "webResponse",
       "workItemUris"},
      {{"message", "message"}, {"locations", "location"}}}},
    {"message",
     {{}, {{"text"}, {"id"}}, {"arguments", "id", "markdown", "properties", "text"}, {}}},
    {"location",
     {{},
      {},
      {"annotations", "id", "logicalLocations", "message", "physicalLocation", "properties",
       "relationships"},
      {{"physicalLocation", "physicalLocation"}, {"logicalLocations", "logicalLocation"}}}},
    {"physicalLocation",
     {{},
      {{"address"}, {"artifactLocation"}},
      {"address", "artifactLocation", "contextRegion", "properties", "region"},
      {{"artifactLocation", "artifactLocation"}, {"region", "region"}}}},
    {"artifactLocation", {{}, {}, {"description", "index", "properties", "uri", "uriBaseId"}, {}}},
    {"region",
     {{},
      {{"startLine"}, {"charOffset"}, {"byteOffset"}},
      {"byteLength", "byteOffset", "charLength", "charOffset", "endColumn", "endLine", "message",
       "properties", "snippet", "sourceLanguage", "startColumn", "startLine"},
      {}}},
    {"logicalLocation",
     {{},
      {},
      {"decoratedName", "fullyQualifiedName", "index", "kind", "name", "parentIndex", "properties"},
      {}}},
};

QJsonObject sarifOf(const Listing &listing) {
    const std::string text = written(listing, Format::Sarif);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return doc.object();
}

Listing sampleListing() {
    Unit body = invalidUnit("PACKAGE BODY", "PAY#ROLL PKG",
                            {error(7, 21, "PLS-00302: component 'PUT_LIN' must be declared"),
                             error(9, 9, "PL/SQL: Statement ignored"),
                             warning(0, 0, "PLW-06002: Unreachable code"),
                             error(12, 5, "PLS-00302: component 'DEPT_NAME' must be declared")});
    return listingOf({body, validUnit("PROCEDURE", "OK_PROC"), invalidUnit("FUNCTION", "F", {}),
                      fileUnit(invalidUnit("PROCEDURE", "P", {error(1, 3, "PLS-00201: x")}),
                               "db/my procs.sql", 4, 18),
                      fileUnit(invalidUnit("PROCEDURE", "Q", {error(2, 1, "PLS-00201: y")}),
                               "/abs/q.sql", 1, 0)});
}

TEST(Sarif, MeetsThePublishedSchemasRequiredAndAllowedMembers) {
    const QJsonObject log = sarifOf(sampleListing());
    std::vector<std::string> breaches;
    checkObject(kSarifSchema, "sarifLog", log, "$", breaches);
    EXPECT_TRUE(breaches.empty()) << ::testing::PrintToString(breaches);
    EXPECT_EQ(log["version"].toString(), "2.1.0");
    EXPECT_TRUE(log["$schema"].toString().endsWith("sarif-schema-2.1.0.json"));
    ASSERT_EQ(log["runs"].toArray().size(), 1);
}

TEST(Sarif, EveryResultNamesItsRuleAndACodeScanningLocation) {
    const QJsonObject run = sarifOf(sampleListing())["runs"][0].toObject();
    const QJsonObject driver = run["tool"]["driver"].toObject();
    EXPECT_EQ(driver["name"].toString(), "velmora-check");
    EXPECT_EQ(driver["version"].toString(), "9.8.7");
    const QJsonArray rules = driver["rules"].toArray();
    const QJsonArray results = run["results"].toArray();
    ASSERT_EQ(results.size(), 7); // 4 + the unit without errors + 2 script units
    std::set<QString> ids;
    for (const auto &rule : rules)
        EXPECT_TRUE(ids.insert(rule.toObject()["id"].toString()).second) << "rule listed twice";
    for (const auto &value : results) {
        const QJsonObject result = value.toObject();
        const int index = result["ruleIndex"].toInt(-1);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, rules.size());
        EXPECT_EQ(rules[index]["id"].toString(), result["ruleId"].toString());
        EXPECT_TRUE(result["level"].toString() == "error" ||
                    result["level"].toString() == "warning");
        EXPECT_FALSE(result["message"]["text"].toString().isEmpty());
        const QJsonObject physical = result["locations"][0]["physicalLocation"].toObject();
        EXPECT_FALSE(physical["artifactLocation"]["uri"].toString().isEmpty());
        EXPECT_GE(physical["region"]["startLine"].toInt(), 1);
        EXPECT_GE(physical["region"]["startColumn"].toInt(), 1);
    }
}

TEST(Sarif, RulesLevelsAndLocationsFollowTheErrors) {
    const QJsonObject run = sarifOf(sampleListing())["runs"][0].toObject();
    const QJsonArray results = run["results"].toArray();
    struct Expected {
        const char *ruleId;
        const char *level;
        const char *uri;
        int line;
        int column;
    };
    const std::vector<Expected> expected = {
        {"PLS-00302", "error", "PACKAGE%20BODY/PAY%23ROLL%20PKG", 7, 21},
        {"PL/SQL: Statement ignored", "error", "PACKAGE%20BODY/PAY%23ROLL%20PKG", 9, 9},
        {"PLW-06002", "warning", "PACKAGE%20BODY/PAY%23ROLL%20PKG", 1, 1},
        {"PLS-00302", "error", "PACKAGE%20BODY/PAY%23ROLL%20PKG", 12, 5},
        {"UNIT-INVALID", "error", "FUNCTION/F", 1, 1},
        {"PLS-00201", "error", "db/my%20procs.sql", 4, 21},
        {"PLS-00201", "error", "file:///abs/q.sql", 2, 1},
    };
    for (qsizetype i = 0; i < results.size(); ++i) {
        const QJsonObject r = results[i].toObject();
        const QJsonObject physical = r["locations"][0]["physicalLocation"].toObject();
        EXPECT_EQ(r["ruleId"].toString(), expected[i].ruleId) << i;
        EXPECT_EQ(r["level"].toString(), expected[i].level) << i;
        EXPECT_EQ(physical["artifactLocation"]["uri"].toString(), expected[i].uri) << i;
        EXPECT_EQ(physical["region"]["startLine"].toInt(), expected[i].line) << i;
        EXPECT_EQ(physical["region"]["startColumn"].toInt(), expected[i].column) << i;
    }
    const QJsonArray rules = run["tool"]["driver"]["rules"].toArray();
    EXPECT_EQ(rules[0]["helpUri"].toString(), "https://docs.oracle.com/error-help/db/pls-00302/");
    EXPECT_FALSE(rules[1].toObject().contains("helpUri"));
    EXPECT_EQ(rules[2]["defaultConfiguration"]["level"].toString(), "warning");
}

TEST(Sarif, ARunWithoutInvalidUnitsHasNoResultsButIsStillALog) {
    const QJsonObject log = sarifOf(listingOf({validUnit("PACKAGE", "P")}));
    std::vector<std::string> breaches;
    checkObject(kSarifSchema, "sarifLog", log, "$", breaches);
    EXPECT_TRUE(breaches.empty()) << ::testing::PrintToString(breaches);
    EXPECT_TRUE(log["runs"][0]["results"].toArray().isEmpty());
    EXPECT_TRUE(log["runs"][0]["tool"]["driver"]["rules"].toArray().isEmpty());
}

} // namespace
} // namespace velmora::report::test
