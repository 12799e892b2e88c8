// The Windows Japanese faces resolve to installed faces of the same pitch that hold Japanese
// glyphs, so the grid keeps its columns and Japanese captions render.

#include "platform/japanese_fonts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

namespace {

class JapaneseFontsTest : public ::testing::Test {
protected:
    static bool installed(const QString &family) {
        return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    }
};

TEST_F(JapaneseFontsTest, WindowsFacesResolveToInstalledFacesOfTheSamePitch) {
    const struct {
        QString face;
        QString expected;
        bool fixedPitch;
    } cases[] = {
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), true},
        {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"), true},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), false},
        {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"), false},
    };
    if (!installed(QStringLiteral("IPAGothic")) || !installed(QStringLiteral("IPAPGothic")))
        GTEST_SKIP() << "fonts-ipafont-gothic is not installed";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.face.toStdString());
        EXPECT_EQ(QFont::substitute(c.face).compare(c.expected, Qt::CaseInsensitive), 0);
        QFont font(c.face);
        font.setPixelSize(12);
        EXPECT_EQ(QFontInfo(font).family(), c.expected);
        // The Gothic faces have two widths (half for Latin, full for kana and kanji), so the
        // font system does not call them fixed pitch; equal Latin widths are what counts.
        const QFontMetrics metrics(font);
        const bool equalWidths = metrics.horizontalAdvance(QStringLiteral("iiii")) ==
                                 metrics.horizontalAdvance(QStringLiteral("WWWW"));
        EXPECT_EQ(equalWidths, c.fixedPitch);
        EXPECT_TRUE(metrics.inFontUcs4(U'ゴ'));
        EXPECT_TRUE(metrics.inFontUcs4(U'表'));
    }
}

TEST_F(JapaneseFontsTest, OtherFacesAreLeftAlone) {
    EXPECT_TRUE(QFont::substitutes(QStringLiteral("DejaVu Sans")).isEmpty());
    EXPECT_TRUE(QFont::substitutes(QStringLiteral("IPAGothic")).isEmpty());
}

} // namespace
