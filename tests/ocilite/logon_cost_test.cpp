// A logon's cost never tells whether the user exists: an unknown user's password is checked
// against a hash made as every stored one is, so both refusals do the same work. Measured in
// the memory the check touches (the hash takes 64 MB a time), not in time.
#include "oci_client.h"

#include <sys/resource.h>

#include <functional>

namespace ocilite::test {
namespace {

long pagesTouched(const std::function<void()> &body) {
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    body();
    getrusage(RUSAGE_SELF, &after);
    return after.ru_minflt - before.ru_minflt;
}

TEST(LogonCost, AnUnknownUserCostsWhatAWrongPasswordCosts) {
    TempHome home;
    const std::string db = createTestDatabase(home.path());
    auto refused = [&](const char *user, const char *password) {
        return pagesTouched([&] {
            for (int i = 0; i < 3; ++i) {
                Oci oci;
                EXPECT_EQ(1017, oci.logon(user, password, db));
            }
        });
    };
    refused("SCOTT", "LION"); // the first logon of a process opens and caches more
    const long wrongPassword = refused("SCOTT", "LION");
    const long unknownUser = refused("NOBODY", "LION");
    EXPECT_GT(wrongPassword, 3 * 8000); // some 16,000 pages of hash memory each
    EXPECT_GT(unknownUser, wrongPassword / 2)
        << "unknown: " << unknownUser << " pages, wrong password: " << wrongPassword;
}

} // namespace
} // namespace ocilite::test
