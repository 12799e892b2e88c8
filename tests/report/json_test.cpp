// The json format: counts, only invalid units, error numbers, texts kept whole, script
// positions beside the unit's own, and valid JSON whatever bytes the database holds.

#include "listing_builders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace velmora::report::test {
namespace {

QJsonObject jsonOf(const Listing &listing) {
    const std::string text = written(listing, Format::Json);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return doc.object();
}

TEST(Json, ListsTheInvalidUnitsWithTheirErrorsAndCountsAllChecked) {
    const std::string pls103 = "PLS-00103: Encountered the symbol \"INSERT\"\n\n   . ( * @ %\n";
    const QJsonObject doc = jsonOf(listingOf(
        {validUnit("PACKAGE", "A"),
         invalidUnit("PROCEDURE", "HIRE", {error(12, 5, pls103), warning(3, 1, "PL/SQL: x")}),
         invalidUnit("FUNCTION", "F", {})}));
    EXPECT_EQ(doc["tool"]["name"].toString(), "velmora-check");
    EXPECT_EQ(doc["tool"]["version"].toString(), "9.8.7");
    EXPECT_EQ(doc["suite"].toString(), "SCOTT");
    EXPECT_EQ(doc["checked"].toInt(), 3);
    EXPECT_EQ(doc["invalid"].toInt(), 2);
    const QJsonArray units = doc["units"].toArray();
    ASSERT_EQ(units.size(), 2);
    EXPECT_EQ(units[0]["type"].toString(), "PROCEDURE");
    EXPECT_EQ(units[0]["name"].toString(), "HIRE");
    EXPECT_EQ(units[0]["status"].toString(), "INVALID");
    EXPECT_FALSE(units[0].toObject().contains("file"));
    const QJsonArray errors = units[0]["errors"].toArray();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0]["line"].toInt(), 12);
    EXPECT_EQ(errors[0]["column"].toInt(), 5);
    EXPECT_EQ(errors[0]["severity"].toString(), "error");
    EXPECT_EQ(errors[0]["code"].toString(), "PLS-00103");
    EXPECT_EQ(errors[0]["text"].toString().toStdString(), pls103);
    EXPECT_EQ(errors[1]["severity"].toString(), "warning");
    EXPECT_TRUE(errors[1]["code"].isNull());
    EXPECT_TRUE(units[1]["errors"].toArray().isEmpty());
}

TEST(Json, AScriptUnitGivesTheFilesPositionAndItsOwn) {
    const QJsonObject doc = jsonOf(listingOf({fileUnit(
        invalidUnit("PACKAGE", "P", {error(1, 9, "PLS-00201: a"), error(3, 4, "PLS-00201: b")}),
        "src/p.sql", 10, 18)}));
    const QJsonObject unit = doc["units"][0].toObject();
    EXPECT_EQ(unit["file"].toString(), "src/p.sql");
    const QJsonArray errors = unit["errors"].toArray();
    const std::vector<std::array<int, 4>> expected = {{10, 27, 1, 9}, {12, 4, 3, 4}};
    for (qsizetype i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(errors[i]["line"].toInt(), expected[i][0]);
        EXPECT_EQ(errors[i]["column"].toInt(), expected[i][1]);
        EXPECT_EQ(errors[i]["unitLine"].toInt(), expected[i][2]);
        EXPECT_EQ(errors[i]["unitColumn"].toInt(), expected[i][3]);
    }
}

TEST(Json, BadBytesQuotesAndControlCharactersStillMakeValidJson) {
    const std::string nasty = "a\"b\\c\x01\td\x82\xA0 \xE8\xA1\x8C";
    const QJsonObject doc =
        jsonOf(listingOf({invalidUnit("PROCEDURE", "Q\"X", {error(1, 1, nasty)})}));
    EXPECT_EQ(doc["units"][0]["name"].toString(), "Q\"X");
    EXPECT_EQ(doc["units"][0]["errors"][0]["text"].toString(),
              QString::fromUtf8("a\"b\\c\x01\td\xEF\xBF\xBD\xEF\xBF\xBD \xE8\xA1\x8C"));
}

TEST(Json, ARunWithoutUnits) {
    const QJsonObject doc = jsonOf(listingOf({}));
    EXPECT_EQ(doc["checked"].toInt(), 0);
    EXPECT_EQ(doc["invalid"].toInt(), 0);
    EXPECT_TRUE(doc["units"].isArray());
}

} // namespace
} // namespace velmora::report::test
