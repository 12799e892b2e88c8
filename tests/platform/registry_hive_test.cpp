// The REGEDIT4 text form on its own: everything the hive can hold survives formatting and
// parsing, and the merge rules of a registry import apply to repeated keys and values.

#include "platform/registry_hive.h"

#include <gtest/gtest.h>

namespace hive = velmora::platform::hive;

namespace {

hive::Hive sampleHive() {
    hive::Hive h;
    hive::Key &key = h.create("HKEY_CURRENT_USER\\Software\\KORVEN\\Tarnwick\\List-1");
    key.set("USER") = {"USER", hive::kString, "scott", 0};
    key.set("") = {"", hive::kString, "default \\ \"x\"", 0};
    key.set("Lines") = {"Lines", hive::kString, std::string("a\r\nb\0c", 6), 0};
    key.set("Expand") = {"Expand", hive::kExpandString, "%TEMP%", 0};
    key.set("Blob") = {"Blob", 3, std::string("\x00\xff\x10", 3), 0};
    key.set("Multi") = {"Multi", 7, std::string("a\0b\0\0", 5), 0};
    key.set("Height") = {"Height", hive::kDWord, {}, 0xfffffff4u};
    h.create("HKEY_CURRENT_USER\\Software\\KORVEN\\Tarnwick\\List-1\\Font");
    return h;
}

void expectSame(const hive::Hive &a, const hive::Hive &b) {
    ASSERT_EQ(a.keys().size(), b.keys().size());
    for (std::size_t k = 0; k < a.keys().size(); ++k) {
        const hive::Key &x = a.keys()[k];
        const hive::Key &y = b.keys()[k];
        EXPECT_EQ(x.path, y.path);
        ASSERT_EQ(x.values.size(), y.values.size()) << x.path;
        for (std::size_t v = 0; v < x.values.size(); ++v) {
            EXPECT_EQ(x.values[v].name, y.values[v].name);
            EXPECT_EQ(x.values[v].type, y.values[v].type) << x.values[v].name;
            EXPECT_EQ(x.values[v].bytes, y.values[v].bytes) << x.values[v].name;
            EXPECT_EQ(x.values[v].number, y.values[v].number) << x.values[v].name;
        }
    }
}

TEST(RegistryHiveTest, EveryKindOfValueSurvivesFormatAndParse) {
    const hive::Hive original = sampleHive();
    const std::string text = hive::format(original);
    std::string error;
    const auto parsed = hive::parse(text, &error);
    ASSERT_TRUE(parsed) << error << "\n" << text;
    expectSame(original, *parsed);
    EXPECT_EQ(hive::format(*parsed), text);
}

TEST(RegistryHiveTest, RepeatedKeysMergeAndTheLastValueWins) {
    const auto parsed = hive::parse("REGEDIT4\n"
                                    "[HKEY_CURRENT_USER\\A]\n\"x\"=dword:00000001\n"
                                    "[HKEY_CURRENT_USER\\B]\n"
                                    "[hkey_current_user\\a]\n\"X\"=\"two\"\n\"y\"=dword:2\n");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->keys().size(), 2u);
    const hive::Key *a = parsed->find("HKEY_CURRENT_USER\\A");
    ASSERT_TRUE(a);
    ASSERT_EQ(a->values.size(), 2u);
    EXPECT_EQ(hive::typeOf(a->find("x")), velmora::platform::RegistryValueType::String);
    EXPECT_EQ(a->find("x")->bytes, "two");
    EXPECT_EQ(a->find("Y")->number, 2u);
}

TEST(RegistryHiveTest, ParseErrorsNameTheLine) {
    std::string error;
    EXPECT_FALSE(hive::parse("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=what\n", &error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

TEST(RegistryHiveTest, KeyPathsBelowTheCurrentUserOnly) {
    using velmora::platform::currentUserRoot;
    EXPECT_EQ(hive::keyPath(currentUserRoot(), "Software\\A"), "HKEY_CURRENT_USER\\Software\\A");
    EXPECT_EQ(hive::keyPath(currentUserRoot(), ""), "HKEY_CURRENT_USER");
    EXPECT_EQ(hive::keyPath(nullptr, "Software\\A"), "");
    EXPECT_EQ(hive::keyPath(currentUserRoot(), "Software\\\\A"), "");
}

} // namespace
