// The user's folders as the XDG base directory rules name them, and the one fallback when HOME
// is unset: the account's home folder from the user database, never the working folder.

#include "base/xdg_folders.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace {

// Sets (or, with nullopt, unsets) an environment variable for as long as it lives.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const std::optional<std::string> &value) : m_name(name) {
        if (const char *old = std::getenv(name))
            m_previous = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (m_previous)
            setenv(m_name, m_previous->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    std::optional<std::string> m_previous;
};

TEST(XdgFolders, FollowTheBaseDirectoryRulesWithTheAccountsHomeAsTheOneFallback) {
    const passwd *account = getpwuid(getuid());
    ASSERT_TRUE(account && account->pw_dir && *account->pw_dir);
    const std::string accountHome = account->pw_dir;
    const std::optional<std::string> unset;
    const struct {
        std::optional<std::string> home, config, data;
        std::string expectedConfig, expectedData;
    } cases[] = {
        {"/h", "/c", "/d", "/c", "/d"},
        {"/h", unset, unset, "/h/.config", "/h/.local/share"},
        {"/h", "", "", "/h/.config", "/h/.local/share"},
        {"/h", "relative/c", "d", "/h/.config", "/h/.local/share"},
        {unset, unset, unset, accountHome + "/.config", accountHome + "/.local/share"},
        {"", "/c", unset, "/c", accountHome + "/.local/share"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.home.value_or("(unset)") + " " + c.config.value_or("(unset)") + " " +
                     c.data.value_or("(unset)"));
        ScopedVariable home("HOME", c.home);
        ScopedVariable config("XDG_CONFIG_HOME", c.config);
        ScopedVariable data("XDG_DATA_HOME", c.data);
        EXPECT_EQ(velmora::base::configHome(), c.expectedConfig);
        EXPECT_EQ(velmora::base::dataHome(), c.expectedData);
    }
}

} // namespace
