// The look as the windows draw it: TColor to QColor and back, system colours through the
// palette, and font attributes to QFont and back.

#include "settings/qtfont.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>

namespace {

TEST(QtFontTest, ExplicitColoursKeepTheirComponents) {
    const struct {
        TColor color;
        QColor qt;
    } cases[] = {
        {clBlack, QColor(0, 0, 0)},        {clLime, QColor(0, 255, 0)},
        {0x0000FF, QColor(255, 0, 0)},     {0xC08080, QColor(0x80, 0x80, 0xC0)},
        {0xFFFFFF, QColor(255, 255, 255)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(toQColor(c.color), c.qt) << std::hex << c.color;
        EXPECT_EQ(fromQColor(c.qt), c.color) << std::hex << c.color;
    }
}

TEST(QtFontTest, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::All, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::All, QPalette::WindowText, QColor(4, 5, 6));
    palette.setColor(QPalette::All, QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::All, QPalette::Highlight, QColor(10, 11, 12));
    EXPECT_EQ(toQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(clWindowText, palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(clBtnFace, palette), QColor(7, 8, 9));
    EXPECT_EQ(toQColor(static_cast<TColor>(0x8000000Du), palette), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(static_cast<TColor>(0x800000FFu), palette), QColor(Qt::black));
    EXPECT_EQ(toQColor(clWindow), QGuiApplication::palette().color(QPalette::Base));
}

TEST(QtFontTest, AttributesBecomeTheQtFont) {
    TFontAttributes font(96);
    font.Name = "ＭＳ ゴシック";
    font.SetHeight(-12);
    font.Pitch = TFontPitch::fpFixed;
    font.Style = {true, true, true, true};
    const QFont qt = toQFont(font);
    EXPECT_EQ(qt.family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(qt.pixelSize(), 12);
    EXPECT_TRUE(qt.fixedPitch());
    EXPECT_TRUE(qt.bold());
    EXPECT_TRUE(qt.italic());
    EXPECT_TRUE(qt.underline());
    EXPECT_TRUE(qt.strikeOut());

    font.Style = {};
    font.Pitch = TFontPitch::fpDefault;
    const QFont plain = toQFont(font);
    EXPECT_FALSE(plain.bold() || plain.italic() || plain.underline() || plain.strikeOut());
    EXPECT_FALSE(plain.fixedPitch());
}

TEST(QtFontTest, QtFontGivesBackTheAttributes) {
    const struct {
        const char *name;
        int height;
        TFontPitch pitch;
        TFontStyles style;
    } cases[] = {
        {"ＭＳ ゴシック", -12, TFontPitch::fpFixed, {}},
        {"DejaVu Sans", -16, TFontPitch::fpDefault, {true, false, false, true}},
        {"IPAPGothic", -20, TFontPitch::fpDefault, {false, true, true, false}},
    };
    for (const auto &c : cases) {
        TFontAttributes font;
        font.Name = c.name;
        font.SetHeight(c.height);
        font.Pitch = c.pitch;
        font.Style = c.style;
        font.Color = 0x123456;
        font.Charset = SHIFTJIS_CHARSET;
        EXPECT_EQ(fromQFont(toQFont(font), font.Color, font.Charset), font) << c.name;
    }
}

TEST(QtFontTest, PointSizedFontsTakeTheirHeightAtTheScreenResolution) {
    QFont qt(QStringLiteral("DejaVu Sans"));
    qt.setPointSize(12);
    const TFontAttributes font = fromQFont(qt);
    EXPECT_EQ(font.PixelsPerInch(), screenPixelsPerInch());
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Height(), -mulDiv(12, screenPixelsPerInch(), 72));
    EXPECT_EQ(font.Color, clWindowText);
    EXPECT_EQ(font.Charset, DEFAULT_CHARSET);
}

TEST(QtFontTest, AbsurdStoredHeightsStayDrawable) {
    TFontAttributes font(96);
    font.SetHeight(INT_MIN);
    EXPECT_EQ(toQFont(font).pixelSize(), 2000);
    font.SetHeight(0);
    EXPECT_GT(QFontInfo(toQFont(font)).pixelSize(), 0) << "zero keeps the default size";
}

} // namespace
