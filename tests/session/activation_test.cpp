// Activation against each scripted library variant; every test here runs in its own process
// with LD_LIBRARY_PATH pointing at one variant folder (see CMakeLists.txt).

#include "session_fixture.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace sessiontest {
namespace {

std::string activationError(TOCIctrl &oci) {
    try {
        oci.SetActive(true);
    } catch (const EOCIError &e) {
        return e.message().toStdString();
    }
    return "(no error)";
}

// Moves a library file of the variant folder (the one LD_LIBRARY_PATH names, this test's
// own) out of the loader's way for as long as it lives.
class LibraryFileAway {
public:
    explicit LibraryFileAway(const std::string &name) {
        const char *folder = std::getenv("LD_LIBRARY_PATH");
        m_path = std::string(folder ? folder : ".") + "/" + name;
        m_moved = std::rename(m_path.c_str(), (m_path + ".away").c_str()) == 0;
        EXPECT_TRUE(m_moved) << m_path;
    }
    ~LibraryFileAway() {
        if (m_moved)
            std::rename((m_path + ".away").c_str(), m_path.c_str());
    }
    LibraryFileAway(const LibraryFileAway &) = delete;
    LibraryFileAway &operator=(const LibraryFileAway &) = delete;

private:
    std::string m_path;
    bool m_moved = false;
};

// Calls of the library, by file, made by a logon and logoff.
std::vector<std::string> servingLibraries() {
    std::vector<std::string> libs;
    for (const auto &c : fakeoci::calls())
        libs.push_back(c.library);
    return libs;
}

TEST_F(SessionTest, ActivationWithoutAnyLibraryFile) {
    EXPECT_EQ(activationError(*oci), "OCIW32.DLL or OCI.DLLのロードに失敗しました。");
    EXPECT_FALSE(oci->LibActive());
    EXPECT_FALSE(oci->Active());
    EXPECT_FALSE(oci->Connect());
    EXPECT_EQ(str(oci->ErrMsg), "DLLが使用不可能です。");
    // Any dialog that showed up would be answered here; none may.
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            dialogShown = true;
            w->close();
        }
    });
    EXPECT_FALSE(oci->Login());
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(str(oci->ErrMsg), "DLLが使用不可能です。");
    EXPECT_FALSE(oci->Connected());
}

TEST_F(SessionTest, ActivationWithOnlyTheSecondFile) {
    ASSERT_TRUE(oci->Active());
    EXPECT_EQ(fakeoci::loadedLibraries(), std::vector<std::string>{"libOCIW32.so"});
    ASSERT_TRUE(oci->Connect());
    ASSERT_TRUE(oci->DisConnect());
    EXPECT_EQ(servingLibraries(), (std::vector<std::string>{"libOCIW32.so", "libOCIW32.so"}));
}

TEST_F(SessionTest, ActivationWithBothFilesUsesTheFirst) {
    ASSERT_TRUE(oci->Active());
    // The second file is never even opened.
    EXPECT_EQ(fakeoci::loadedLibraries(), std::vector<std::string>{"libOCI.so"});
    ASSERT_TRUE(oci->Connect());
    EXPECT_EQ(servingLibraries(), std::vector<std::string>{"libOCI.so"});
}

// MISSING_ENTRY names the first export in binding order that the variant lacks.
TEST_F(SessionTest, ActivationRefusesALibraryWithoutAnEntryPoint) {
    const char *missing = std::getenv("MISSING_ENTRY");
    ASSERT_NE(missing, nullptr) << "run through ctest";
    const std::string expected = std::string("エントリ") + missing + "のロードに失敗しました。";
    EXPECT_EQ(activationError(*oci), expected);
    EXPECT_FALSE(oci->LibActive());
    // The file stays loaded on this path until the next attempt.
    EXPECT_EQ(fakeoci::loadedLibraries(), std::vector<std::string>{"libOCI.so"});
    EXPECT_TRUE(fakeoci::unloadedLibraries().empty());
    EXPECT_FALSE(oci->Connect());
    EXPECT_EQ(str(oci->ErrMsg), "DLLが使用不可能です。");
    // A refused library is loaded but not bound: nothing calls into it.
    tryEveryCallingPath(*oci);
    // A later attempt loads the file again and fails the same way.
    EXPECT_EQ(activationError(*oci), expected);
    tryEveryCallingPath(*oci);
    {
        // The file is gone before the next attempt, which releases the refused library and
        // then finds none: nothing may call into what was released.
        LibraryFileAway away("libOCI.so");
        EXPECT_EQ(activationError(*oci), "OCIW32.DLL or OCI.DLLのロードに失敗しました。");
        EXPECT_EQ(fakeoci::unloadedLibraries(), fakeoci::loadedLibraries()); // all released
        tryEveryCallingPath(*oci);
    }
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

} // namespace
} // namespace sessiontest
