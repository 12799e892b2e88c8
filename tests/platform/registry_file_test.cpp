// The file-backed registry through its public interface: what the program reads back, what the
// file holds, and how it behaves with several processes and with a damaged file.

#include "platform/program_names.h"
#include "platform/registry.h"
#include "tests/common/test_home.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <vector>

using testsupport::SettingsHome;
using velmora::platform::currentUserRoot;
using velmora::platform::RegistryKey;
using velmora::platform::RegistryValueType;

namespace {

const std::string kKey = velmora::platform::kSettingsKeyPath;

std::unique_ptr<RegistryKey> open(const std::string &path = kKey) {
    return RegistryKey::openOrCreate(currentUserRoot(), path);
}

std::unique_ptr<RegistryKey> reopen(const std::string &path = kKey) {
    return RegistryKey::openExisting(currentUserRoot(), path);
}

std::vector<std::filesystem::path> asideFiles(const SettingsHome &home) {
    std::vector<std::filesystem::path> found;
    for (const auto &entry : std::filesystem::directory_iterator(home.folder()))
        if (entry.path().filename().string().rfind("registry.reg.corrupt-", 0) == 0)
            found.push_back(entry.path());
    return found;
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegistryFileTest : public ::testing::Test {
protected:
    SettingsHome home;
};

TEST_F(RegistryFileTest, DWordPatternsRoundTripAndAreStoredAsRegeditDWords) {
    const struct {
        std::int32_t value;
        const char *stored;
    } cases[] = {
        {0, "dword:00000000"},
        {1, "dword:00000001"},
        {-12, "dword:fffffff4"},
        {-1, "dword:ffffffff"},
        {static_cast<std::int32_t>(0x80000005u), "dword:80000005"},
        {INT32_MIN, "dword:80000000"},
        {INT32_MAX, "dword:7fffffff"},
        {0x00FF00, "dword:0000ff00"},
    };
    auto key = open();
    ASSERT_TRUE(key);
    for (const auto &c : cases) {
        const std::string name = std::string("V") + c.stored;
        ASSERT_TRUE(key->writeInteger(name, c.value)) << c.stored;
        EXPECT_NE(home.hiveText().find("\"" + name + "\"=" + c.stored + "\n"), std::string::npos)
            << c.stored;
    }
    auto again = reopen();
    ASSERT_TRUE(again);
    for (const auto &c : cases) {
        EXPECT_EQ(again->valueType(std::string("V") + c.stored), RegistryValueType::DWord);
        EXPECT_EQ(again->readInteger(std::string("V") + c.stored), c.value) << c.stored;
    }
}

TEST_F(RegistryFileTest, TextRoundTripsByteForByte) {
    const std::string texts[] = {
        "",
        "scott",
        "ＭＳ ゴシック",
        "C:\\path\\with \"quotes\"\\",
        "two\r\nlines",
        "trailing backslash\\",
        "a=hex:00\\",
        "\xff\xfe not UTF-8 \x81\x40",
    };
    auto key = open();
    ASSERT_TRUE(key);
    int n = 0;
    for (const auto &text : texts)
        ASSERT_TRUE(key->writeString("T" + std::to_string(n++), text)) << text;
    ASSERT_TRUE(key->writeString("名前", "値"));

    auto again = reopen();
    ASSERT_TRUE(again);
    n = 0;
    for (const auto &text : texts) {
        const std::string name = "T" + std::to_string(n++);
        EXPECT_EQ(again->valueType(name), RegistryValueType::String) << text;
        EXPECT_EQ(again->readString(name), text);
    }
    EXPECT_EQ(again->readString("名前"), "値");
    EXPECT_NE(home.hiveText().find("\"T3\"=\"C:\\\\path\\\\with \\\"quotes\\\"\\\\\"\n"),
              std::string::npos);
}

TEST_F(RegistryFileTest, FileHasTheRegeditLayout) {
    auto key = open();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("USER", "scott"));
    ASSERT_TRUE(key->writeInteger("Height", -12));
    EXPECT_EQ(home.hiveText(), "REGEDIT4\n\n"
                               "[HKEY_CURRENT_USER\\Software\\KORVEN\\Tarnwick\\List-1]\n"
                               "\"USER\"=\"scott\"\n"
                               "\"Height\"=dword:fffffff4\n"
                               "\n");
}

TEST_F(RegistryFileTest, ReadingAValueOfTheOtherTypeFails) {
    auto key = open();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("Text", "12"));
    ASSERT_TRUE(key->writeInteger("Number", 12));
    EXPECT_EQ(key->readInteger("Text"), std::nullopt);
    EXPECT_EQ(key->readString("Number"), std::nullopt);

    // A value rewritten with the other type takes that type.
    ASSERT_TRUE(key->writeInteger("Text", 7));
    auto again = reopen();
    EXPECT_EQ(again->valueType("Text"), RegistryValueType::DWord);
    EXPECT_EQ(again->readString("Text"), std::nullopt);
    EXPECT_EQ(again->readInteger("Text"), 7);
}

TEST_F(RegistryFileTest, MissingKeysAndValues) {
    EXPECT_FALSE(reopen()) << "nothing stored yet";
    EXPECT_FALSE(std::filesystem::exists(home.folder())) << "a lookup creates no folder";

    auto key = open();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->valueType("USER"), RegistryValueType::Missing);
    EXPECT_EQ(key->readString("USER"), std::nullopt);
    EXPECT_EQ(key->readInteger("USER"), std::nullopt);
    EXPECT_FALSE(key->deleteValue("USER"));
    EXPECT_FALSE(reopen(kKey + "\\Font"));

    ASSERT_TRUE(key->writeString("USER", "scott"));
    EXPECT_TRUE(key->deleteValue("USER"));
    EXPECT_EQ(key->readString("USER"), std::nullopt);
    EXPECT_EQ(reopen()->valueType("USER"), RegistryValueType::Missing);
}

TEST_F(RegistryFileTest, CreatedKeyIsAnEmptySectionAndItsParentsExist) {
    ASSERT_TRUE(open(kKey + "\\Font"));
    EXPECT_NE(home.hiveText().find("[HKEY_CURRENT_USER\\" + kKey + "\\Font]\n"), std::string::npos);
    EXPECT_TRUE(reopen(kKey + "\\Font"));
    EXPECT_TRUE(reopen(kKey));
    EXPECT_TRUE(reopen("Software"));
    EXPECT_FALSE(reopen(kKey + "\\BackGroundColor"));
    EXPECT_FALSE(reopen("Software\\KORV")) << "a name prefix is not a parent key";
}

TEST_F(RegistryFileTest, KeyAndValueNamesIgnoreCase) {
    ASSERT_TRUE(open()->writeInteger("Height", -12));
    auto key = reopen("software\\korven\\TARNWICK\\list-1");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readInteger("HEIGHT"), -12);
    ASSERT_TRUE(key->writeInteger("height", -16));
    EXPECT_EQ(reopen()->readInteger("Height"), -16);
    // One section and one value, keeping the spelling first used.
    const std::string text = home.hiveText();
    EXPECT_EQ(text.find("[HKEY_CURRENT_USER\\software"), std::string::npos);
    EXPECT_NE(text.find("\"Height\"=dword:fffffff0"), std::string::npos);
    EXPECT_EQ(text.find("\"height\""), std::string::npos);
}

TEST_F(RegistryFileTest, MalformedPathsAndForeignRootsAreRefused) {
    EXPECT_FALSE(open("\\Software\\KORVEN"));
    EXPECT_FALSE(open("Software\\\\KORVEN"));
    EXPECT_FALSE(open("Software\\line\nbreak"));
    EXPECT_FALSE(open(std::string(256, 'k')));
    const auto localMachine = reinterpret_cast<velmora::platform::RegistryRoot>(
        static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));
    EXPECT_FALSE(RegistryKey::openOrCreate(localMachine, kKey));
    EXPECT_TRUE(open(kKey + "\\")) << "a trailing backslash is harmless";
    EXPECT_FALSE(open()->writeString("bad\nname", "x"));
}

TEST_F(RegistryFileTest, WritesThroughTwoOpenKeysLoseNothing) {
    auto first = open();
    auto second = open();
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->writeString("USER", "scott"));
    ASSERT_TRUE(second->writeString("CONN", "demo")); // second's view predates first's write
    auto again = reopen();
    EXPECT_EQ(again->readString("USER"), "scott");
    EXPECT_EQ(again->readString("CONN"), "demo");
}

TEST_F(RegistryFileTest, RewritingTheSameValueLeavesTheFileAlone) {
    auto key = open();
    ASSERT_TRUE(key->writeInteger("Height", -12));
    ASSERT_TRUE(key->writeString("Name", "IPAGothic"));
    struct stat before {};
    ASSERT_EQ(stat(home.hiveFile().c_str(), &before), 0);
    EXPECT_TRUE(key->writeInteger("Height", -12));
    EXPECT_TRUE(key->writeString("Name", "IPAGothic"));
    struct stat after {};
    ASSERT_EQ(stat(home.hiveFile().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino) << "not replaced";
    // The same bits under the other type are a change.
    ASSERT_TRUE(key->writeString("Height", "-12"));
    EXPECT_EQ(reopen()->valueType("Height"), RegistryValueType::String);
}

TEST_F(RegistryFileTest, FileIsPrivateToTheUserAndNoTemporaryFileRemains) {
    ASSERT_TRUE(open()->writeString("USER", "scott"));
    struct stat info {};
    ASSERT_EQ(stat(home.hiveFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(stat(home.folder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A file made readable by others by hand becomes private again with the next write.
    std::filesystem::permissions(home.hiveFile(), std::filesystem::perms(0644));
    ASSERT_TRUE(open()->writeString("CONN", "demo"));
    ASSERT_EQ(stat(home.hiveFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    for (const auto &entry : std::filesystem::directory_iterator(home.folder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "registry.reg" || name == "registry.reg.lock") << name;
    }
}

TEST_F(RegistryFileTest, HandWrittenRegeditFileIsReadAndKeptIntact) {
    home.writeHive("\xEF\xBB\xBFREGEDIT4\r\n"
                   "\r\n"
                   "; written by hand\r\n"
                   "[HKEY_CURRENT_USER\\Software\\KORVEN\\Tarnwick\\List-1]\r\n"
                   "@=\"default\"\r\n"
                   "\"Path\"=hex(2):25,48,4f,4d,45,25,\\\r\n"
                   "  00\r\n"
                   "\"Blob\"=hex:01,02,ff\r\n"
                   "\"USER\" = \"scott\"\r\n"
                   "\"Small\"=dword:c\r\n"
                   "\r\n");
    auto key = reopen();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString(""), "default");
    EXPECT_EQ(key->valueType("Path"), RegistryValueType::ExpandString);
    EXPECT_EQ(key->readString("Path"), "%HOME%");
    EXPECT_EQ(key->valueType("Blob"), RegistryValueType::Other);
    EXPECT_EQ(key->readString("Blob"), std::nullopt);
    EXPECT_EQ(key->readInteger("Small"), 12);
    EXPECT_EQ(key->readString("USER"), "scott");

    ASSERT_TRUE(key->writeString("CONN", "demo"));
    auto again = reopen();
    EXPECT_EQ(again->readString("Path"), "%HOME%");
    EXPECT_EQ(again->valueType("Blob"), RegistryValueType::Other);
    EXPECT_NE(home.hiveText().find("\"Blob\"=hex:01,02,ff\n"), std::string::npos);
    EXPECT_TRUE(asideFiles(home).empty());
}

// Every kind of damage: the program reads nothing from it, keeps the damaged file aside byte
// for byte, and starts a fresh, readable file.
TEST_F(RegistryFileTest, DamagedFileIsKeptAsideAndNeverOverwritten) {
    const std::string good = "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kKey +
                             "]\n\"USER\"=\"scott\"\n\"Height\"=dword:fffffff4\n\n";
    const struct {
        const char *what;
        std::string text;
    } cases[] = {
        {"cut inside a dword", good.substr(0, good.find("fffffff4") + 3)},
        {"cut inside a text", good.substr(0, good.find("scott") + 2)},
        {"cut inside a key line", good.substr(0, 30)},
        {"empty", ""},
        {"garbage", "this is not a registry file\n"},
        {"binary", std::string("REGEDIT4\n\0\x01\x02\xff\n", 14)},
        {"value before any key", "REGEDIT4\n\"USER\"=\"x\"\n"},
        {"unknown escape", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"P\"=\"C:\\x\"\n"},
        {"bad dword", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"P\"=dword:123456789\n"},
        {"bad hex", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"P\"=hex:1,zz\n"},
        {"dangling continuation", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"P\"=hex:01,\\\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(home.folder());
        home.writeHive(c.text);

        EXPECT_FALSE(reopen()) << "nothing is read from a damaged file";
        auto aside = asideFiles(home);
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(readFile(aside[0]), c.text);

        auto key = open();
        ASSERT_TRUE(key);
        EXPECT_EQ(key->readString("USER"), std::nullopt);
        ASSERT_TRUE(key->writeString("USER", "adams"));
        EXPECT_EQ(reopen()->readString("USER"), "adams");
        EXPECT_EQ(asideFiles(home).size(), 1u);
    }
}

TEST_F(RegistryFileTest, SecondDamagedFileDoesNotReplaceTheFirstKeptAside) {
    home.writeHive("garbage one\n");
    EXPECT_FALSE(reopen());
    home.writeHive("garbage two\n");
    EXPECT_TRUE(open());
    auto aside = asideFiles(home);
    ASSERT_EQ(aside.size(), 2u);
    std::vector<std::string> texts{readFile(aside[0]), readFile(aside[1])};
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"garbage one\n", "garbage two\n"}));
}

TEST_F(RegistryFileTest, UnusableSettingsFolderFailsCleanly) {
    // The configuration home is a plain file: nothing can be created below it.
    const auto blocker = home.root() / "not-a-folder";
    std::ofstream(blocker) << "x";
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    EXPECT_FALSE(open());
    EXPECT_FALSE(reopen());
}

TEST_F(RegistryFileTest, RelativeConfigHomeIsIgnoredForTheHomeFolder) {
    const char *oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home.root().c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    const bool written = open() && open()->writeString("USER", "scott");
    setenv("HOME", savedHome.c_str(), 1);
    EXPECT_TRUE(written);
    EXPECT_TRUE(std::filesystem::exists(home.root() / ".config/velmora/registry.reg"));
    EXPECT_FALSE(std::filesystem::exists("relative"));
}

TEST_F(RegistryFileTest, KeyOpenedBeforeItsFileWasLostStillWrites) {
    auto key = open();
    ASSERT_TRUE(key->writeString("USER", "scott"));
    std::filesystem::remove(home.hiveFile());
    ASSERT_TRUE(key->writeString("CONN", "demo"));
    auto again = reopen();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->readString("CONN"), "demo");
    EXPECT_EQ(again->readString("USER"), std::nullopt);
}

// Several processes write to the same key at the same time, each through a key object opened
// before the others' writes; no write may be lost.
TEST_F(RegistryFileTest, ConcurrentWritersFromSeveralProcessesLoseNothing) {
    constexpr int kProcesses = 3;
    constexpr int kWrites = 40;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            auto key = open();
            for (int i = 0; i < kWrites; ++i) {
                const std::string name = "P" + std::to_string(p) + "-" + std::to_string(i);
                failures += key && key->writeInteger(name, p * 1000 + i) ? 0 : 1;
                failures += key && key->writeString("Last", name) ? 0 : 1;
            }
            _exit(failures > 100 ? 100 : failures);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "failed writes in a child";
    }
    auto key = reopen();
    ASSERT_TRUE(key);
    for (int p = 0; p < kProcesses; ++p)
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(key->readInteger("P" + std::to_string(p) + "-" + std::to_string(i)),
                      p * 1000 + i);
    EXPECT_TRUE(key->readString("Last").has_value());
    EXPECT_TRUE(asideFiles(home).empty());
}

TEST_F(RegistryFileTest, WritesCutShortLeaveNothingBehindForLong) {
    ASSERT_TRUE(open());
    // What two writes killed between their temporary file and its rename left behind.
    for (const char *name : {"registry.reg.tmp-a1B2c3", "registry.reg.tmp-XyZ789"})
        std::ofstream(home.folder() / name) << "[HKEY_CURRENT_USER\\Software]\n";
    auto key = open();
    ASSERT_TRUE(key);
    for (const auto &entry : std::filesystem::directory_iterator(home.folder()))
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".tmp-"))
            << entry.path();
    EXPECT_TRUE(key->writeString("Name", "value"));
    EXPECT_EQ("value", reopen()->readString("Name").value_or(""));
}

} // namespace
