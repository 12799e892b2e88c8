// Size and height as two views of one quantity, with Windows' rounding, at several resolutions.

#include "settings/fontattributes.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(FontAttributesTest, SizeFromHeightRoundsHalfAwayFromZero) {
    const struct {
        int height, ppi, size;
    } cases[] = {
        {-12, 96, 9},  {-16, 96, 12}, {-13, 96, 10}, {-11, 96, 8},  {-14, 96, 11},
        {-15, 120, 9}, {-18, 144, 9}, {12, 96, -9},  {0, 96, 0},    {-1, 96, 1},
        {-2, 96, 2},   {-10, 72, 10}, {-20, 300, 5}, {-21, 300, 5}, {-22, 300, 5},
    };
    for (const auto &c : cases) {
        TFontAttributes font(c.ppi);
        font.SetHeight(c.height);
        EXPECT_EQ(font.Size(), c.size) << c.height << " px at " << c.ppi;
    }
}

TEST(FontAttributesTest, SettingTheSizeSetsTheHeight) {
    const struct {
        int size, ppi, height;
    } cases[] = {
        {9, 96, -12},  {12, 96, -16}, {9, 120, -15}, {10, 120, -17},
        {9, 144, -18}, {8, 96, -11},  {0, 96, 0},    {-9, 96, 12},
    };
    for (const auto &c : cases) {
        TFontAttributes font(c.ppi);
        font.SetSize(c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size << " pt at " << c.ppi;
    }
}

TEST(FontAttributesTest, ChangingTheResolutionKeepsTheHeight) {
    TFontAttributes font(96);
    font.SetHeight(-12);
    font.SetPixelsPerInch(144);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 6);
    font.SetPixelsPerInch(0);
    EXPECT_EQ(font.PixelsPerInch(), 96) << "no division by zero later";
}

TEST(FontAttributesTest, ExtremeValuesDoNotWrapAround) {
    TFontAttributes font(96);
    font.SetSize(INT_MAX);
    EXPECT_EQ(font.Height(), -INT_MAX);
    font.SetSize(INT_MIN);
    EXPECT_EQ(font.Height(), INT_MAX);
    font.SetHeight(INT_MIN);
    EXPECT_GT(font.Size(), 0);
    EXPECT_EQ(mulDiv(5, 7, 0), -1);
}

TEST(FontAttributesTest, CopiesCarryEveryAttribute) {
    TFontAttributes a(120);
    a.Color = 0x123456;
    a.Name = "ＭＳ ゴシック";
    a.Pitch = TFontPitch::fpFixed;
    a.Charset = SHIFTJIS_CHARSET;
    a.Style = {true, false, true, false};
    a.SetSize(11);
    TFontAttributes b(96);
    EXPECT_NE(a, b);
    b = a;
    EXPECT_EQ(a, b);
    EXPECT_EQ(b.Size(), 11);
    EXPECT_EQ(b.PixelsPerInch(), 120);
}

} // namespace
