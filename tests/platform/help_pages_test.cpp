// The HTML pages that stand in for a WinHelp file: which page a context opens, in which
// language, from which of the help folders.

#include "platform/help_pages.h"
#include "tests/common/test_home.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

class HelpPages : public ::testing::Test {
protected:
    // A page of the help file TARNWICK.HLP under one of the two folders.
    QString addPage(int folder, const QString &language, int context) {
        const QString path = m_root.filePath(
            QStringLiteral("f%1/tarnwick/%2/%3.html").arg(folder).arg(language).arg(context));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFileInfo(path).absoluteFilePath();
    }
    QStringList folders() const { return {m_root.filePath("f1"), m_root.filePath("f2")}; }
    QString find(int context, const QStringList &languages) const {
        return locateHelpPage(folders(), "TARNWICK.HLP", context, languages);
    }

    testsupport::TestFolder m_root;
};

TEST(HelpLanguages, TheUsersLanguageFirstWhenTheHelpIsWrittenInIt) {
    const std::vector<std::pair<QStringList, QStringList>> cases = {
        {{"ja-JP", "ja"}, {"ja", "en"}},
        {{"ja_JP"}, {"ja", "en"}},
        {{"en-GB"}, {"en", "ja"}},
        {{"fr-FR", "ja"}, {"ja", "en"}},
        {{"de-DE"}, {"en", "ja"}},
        {{"C"}, {"en", "ja"}},
        {{}, {"en", "ja"}},
    };
    for (const auto &[ui, expected] : cases)
        EXPECT_EQ(helpLanguages(ui), expected) << ui.join(',').toStdString();
}

TEST_F(HelpPages, TheContextsPageInTheFirstLanguageThatHasIt) {
    const QString ja30 = addPage(1, "ja", 30);
    const QString en30 = addPage(1, "en", 30);
    const QString en20 = addPage(2, "en", 20);
    EXPECT_EQ(find(30, {"ja", "en"}), ja30);
    EXPECT_EQ(find(30, {"en", "ja"}), en30);
    EXPECT_EQ(find(20, {"ja", "en"}), en20); // no Japanese page 20: the English one
    EXPECT_EQ(find(40, {"ja", "en"}), "");   // no page for the context at all
}

TEST_F(HelpPages, TheFirstFolderWinsAndTheBookIsTheFilesNameInLowerCase) {
    const QString first = addPage(1, "en", 30);
    addPage(2, "en", 30);
    EXPECT_EQ(find(30, {"en"}), first);
    EXPECT_EQ(locateHelpPage(folders(), "Tarnwick.hlp", 30, {"en"}), first);
    EXPECT_EQ(locateHelpPage(folders(), "OTHER.HLP", 30, {"en"}), "");
}

TEST_F(HelpPages, NothingInstalledFindsNothing) {
    EXPECT_EQ(find(30, {"ja", "en"}), "");
    EXPECT_EQ(locateHelpPage({}, "TARNWICK.HLP", 30, {"ja", "en"}), "");
}

} // namespace
} // namespace velmora::platform
