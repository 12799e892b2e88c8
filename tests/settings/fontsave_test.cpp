// TFontSave over the file-backed registry: the values it writes, what Load restores, and what
// a partly damaged or missing set leaves behind.

#include "platform/program_names.h"
#include "settings/fontsave.h"
#include "tests/common/test_home.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QMetaProperty>
#include <QPointer>

#include <memory>

using testsupport::SettingsHome;
using velmora::platform::currentUserRoot;
using velmora::platform::RegistryKey;

namespace {

const QByteArray kPath = velmora::platform::kSettingsKeyPath;

std::unique_ptr<RegistryKey> existing(const char *subkey) {
    return RegistryKey::openExisting(currentUserRoot(), (kPath + subkey).toStdString());
}

// The look a user might have chosen: every attribute away from the defaults.
TFontAttributes storedFont() {
    TFontAttributes font(96);
    font.Color = 0x0080FF;
    font.Name = "ＭＳ ゴシック";
    font.Pitch = TFontPitch::fpFixed;
    font.SetSize(12); // height -16
    font.Charset = SHIFTJIS_CHARSET;
    font.Style = {true, true, true, true};
    return font;
}

// What the loading store holds beforehand: every attribute different again.
TFontAttributes priorFont() {
    TFontAttributes font(96);
    font.Color = 0x111111;
    font.Name = "DejaVu Sans";
    font.Pitch = TFontPitch::fpVariable;
    font.SetSize(9); // height -12
    font.Charset = 0;
    font.Style = {false, true, false, true}; // Load must clear it before reading the flags
    return font;
}

constexpr TColor kStoredBackground = 0x203040;
constexpr TColor kPriorBackground = 0x050607;

class FontSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        loader.Font = priorFont();
        loader.Color = kPriorBackground;
    }
    void saveStored() {
        TFontSave saver(nullptr);
        saver.Font = storedFont();
        saver.Color = kStoredBackground;
        ASSERT_TRUE(saver.Save(currentUserRoot(), kPath));
    }

    SettingsHome home;
    TFontSave loader{nullptr};
};

TEST_F(FontSaveTest, FirstLoadCreatesOnlyTheEmptyFontKey) {
    EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
    auto font = existing("\\Font");
    ASSERT_TRUE(font) << "Load creates the \\Font subkey";
    EXPECT_EQ(font->valueType("Color"), velmora::platform::RegistryValueType::Missing);
    EXPECT_FALSE(existing("\\BackGroundColor"));
    EXPECT_EQ(loader.Font, priorFont());
    EXPECT_EQ(loader.Color, kPriorBackground);
    EXPECT_EQ(home.hiveText(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kPath.toStdString() + "\\Font]\n\n");
}

TEST_F(FontSaveTest, SaveWritesTheDescribedValuesInOrder) {
    saveStored();
    const std::string prefix = "[HKEY_CURRENT_USER\\" + kPath.toStdString();
    EXPECT_EQ(home.hiveText(), "REGEDIT4\n\n" + prefix +
                                   "\\Font]\n"
                                   "\"Color\"=dword:000080ff\n"
                                   "\"Height\"=dword:fffffff0\n"
                                   "\"Name\"=\"ＭＳ ゴシック\"\n"
                                   "\"Pitch\"=dword:00000002\n"
                                   "\"Size\"=dword:0000000c\n"
                                   "\"Charset\"=dword:00000080\n"
                                   "\"Style-IsBold\"=dword:00000001\n"
                                   "\"Style-IsItalic\"=dword:00000001\n"
                                   "\"Style-IsUnderline\"=dword:00000001\n"
                                   "\"Style-IsStrikeOut\"=dword:00000001\n"
                                   "\n" +
                                   prefix +
                                   "\\BackGroundColor]\n"
                                   "\"Color\"=dword:00203040\n"
                                   "\n");
}

TEST_F(FontSaveTest, SaveThenLoadRestoresEveryAttributeAndTheColour) {
    const struct {
        TColor background;
        TFontStyles style;
        TFontPitch pitch;
        TColor text;
    } cases[] = {
        {kStoredBackground, {true, true, true, true}, TFontPitch::fpFixed, 0x0080FF},
        {clWindow, {false, true, false, true}, TFontPitch::fpDefault, clWindowText},
        {clBlack, {true, false, true, false}, TFontPitch::fpVariable, clLime},
        {static_cast<TColor>(0xFFFFFFFFu), {}, TFontPitch::fpFixed, clBtnFace},
    };
    for (const auto &c : cases) {
        TFontSave saver(nullptr);
        saver.Font = storedFont();
        saver.Font.Style = c.style;
        saver.Font.Pitch = c.pitch;
        saver.Font.Color = c.text;
        saver.Color = c.background;
        ASSERT_TRUE(saver.Save(currentUserRoot(), kPath));

        TFontSave restored(nullptr);
        restored.Font = priorFont();
        EXPECT_TRUE(restored.Load(currentUserRoot(), kPath));
        EXPECT_EQ(restored.Font, saver.Font);
        EXPECT_EQ(restored.Color, c.background);
    }
}

TEST_F(FontSaveTest, SystemColourIsStoredAsItsPattern) {
    TFontSave saver(nullptr);
    saver.Color = clWindow;
    ASSERT_TRUE(saver.Save(currentUserRoot(), kPath));
    EXPECT_NE(home.hiveText().find("BackGroundColor]\n\"Color\"=dword:80000005\n"),
              std::string::npos);
    EXPECT_EQ(existing("\\BackGroundColor")->readInteger("Color"), clWindow);
    loader.Color = clBlack;
    ASSERT_TRUE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Color, clWindow);
}

TEST_F(FontSaveTest, StoredSizeDecidesTheHeightAtTheCurrentResolution) {
    saveStored();
    auto font = existing("\\Font");
    ASSERT_TRUE(font->writeInteger("Height", -16));
    ASSERT_TRUE(font->writeInteger("Size", 9));
    for (const auto &[ppi, height] : {std::pair{96, -12}, std::pair{120, -15}}) {
        loader.Font.SetPixelsPerInch(ppi);
        ASSERT_TRUE(loader.Load(currentUserRoot(), kPath));
        EXPECT_EQ(loader.Font.Size(), 9);
        EXPECT_EQ(loader.Font.Height(), height) << ppi;
    }
}

TEST_F(FontSaveTest, AnyNonZeroStyleFlagCountsAsSet) {
    saveStored();
    auto font = existing("\\Font");
    ASSERT_TRUE(font->writeInteger("Style-IsBold", 0));
    ASSERT_TRUE(font->writeInteger("Style-IsItalic", 2));
    ASSERT_TRUE(font->writeInteger("Style-IsUnderline", -1));
    ASSERT_TRUE(font->writeInteger("Style-IsStrikeOut", 0));
    loader.Font.Style = {true, false, false, true};
    ASSERT_TRUE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Font.Style, (TFontStyles{false, true, true, false}));
}

// A value deleted by hand: Load stops there. What was read before stays applied, what comes
// after keeps the loading store's own value, and the background is not touched.
TEST_F(FontSaveTest, MissingFontValueStopsTheLoadWhereItIs) {
    const TFontAttributes s = storedFont();
    const TFontAttributes p = priorFont();
    auto expect = [](TColor color, int height, const QByteArray &name, TFontPitch pitch,
                     std::uint8_t charset, TFontStyles style) {
        TFontAttributes font(96);
        font.Color = color;
        font.SetHeight(height);
        font.Name = name;
        font.Pitch = pitch;
        font.Charset = charset;
        font.Style = style;
        return font;
    };
    const struct {
        const char *deleted;
        TFontAttributes after;
    } cases[] = {
        {"Color", p},
        {"Height", expect(s.Color, p.Height(), p.Name, p.Pitch, p.Charset, p.Style)},
        {"Pitch", expect(s.Color, s.Height(), s.Name, p.Pitch, p.Charset, p.Style)},
        {"Size", expect(s.Color, s.Height(), s.Name, s.Pitch, p.Charset, p.Style)},
        {"Charset", expect(s.Color, s.Height(), s.Name, s.Pitch, p.Charset, p.Style)},
        {"Style-IsBold", expect(s.Color, s.Height(), s.Name, s.Pitch, s.Charset, {})},
        {"Style-IsItalic",
         expect(s.Color, s.Height(), s.Name, s.Pitch, s.Charset, {true, false, false, false})},
        {"Style-IsUnderline",
         expect(s.Color, s.Height(), s.Name, s.Pitch, s.Charset, {true, true, false, false})},
        {"Style-IsStrikeOut",
         expect(s.Color, s.Height(), s.Name, s.Pitch, s.Charset, {true, true, true, false})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.deleted);
        saveStored();
        ASSERT_TRUE(existing("\\Font")->deleteValue(c.deleted));
        loader.Font = priorFont();
        loader.Color = kPriorBackground;
        EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
        EXPECT_EQ(loader.Font, c.after);
        EXPECT_EQ(loader.Color, kPriorBackground);
    }
}

TEST_F(FontSaveTest, MissingOrEmptyNameKeepsTheFace) {
    for (bool deleteIt : {true, false}) {
        saveStored();
        auto font = existing("\\Font");
        ASSERT_TRUE(deleteIt ? font->deleteValue("Name") : font->writeString("Name", ""));
        loader.Font = priorFont();
        EXPECT_TRUE(loader.Load(currentUserRoot(), kPath));
        TFontAttributes expected = storedFont();
        expected.Name = priorFont().Name;
        EXPECT_EQ(loader.Font, expected);
        EXPECT_EQ(loader.Color, kStoredBackground);
    }
}

TEST_F(FontSaveTest, NameStoredAsExpandableTextIsRead) {
    saveStored();
    std::string text = home.hiveText();
    const std::string plain = "\"Name\"=\"ＭＳ ゴシック\"";
    ASSERT_NE(text.find(plain), std::string::npos);
    // "IPA" as REG_EXPAND_SZ, the way a registry export writes it.
    text.replace(text.find(plain), plain.size(), "\"Name\"=hex(2):49,50,41,00");
    home.writeHive(text);
    EXPECT_TRUE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Font.Name, "IPA");
}

TEST_F(FontSaveTest, MissingBackgroundLeavesTheWindowColour) {
    saveStored();
    ASSERT_TRUE(existing("\\BackGroundColor")->deleteValue("Color"));
    EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Color, clWindow);
    EXPECT_EQ(loader.Font, storedFont()) << "the font was read completely";
}

TEST_F(FontSaveTest, WronglyTypedValuesFail) {
    const struct {
        const char *subkey;
        const char *name;
        TColor colorAfter;
    } cases[] = {
        {"\\Font", "Color", kPriorBackground},
        {"\\Font", "Height", kPriorBackground},
        {"\\Font", "Style-IsItalic", kPriorBackground},
        {"\\BackGroundColor", "Color", clWindow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        saveStored();
        ASSERT_TRUE(existing(c.subkey)->writeString(c.name, "12"));
        loader.Color = kPriorBackground;
        EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
        EXPECT_EQ(loader.Color, c.colorAfter);
    }
}

TEST_F(FontSaveTest, NameOfANonTextTypeFailsAndIsNotApplied) {
    saveStored();
    ASSERT_TRUE(existing("\\Font")->writeInteger("Name", 5));
    EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Font.Color, storedFont().Color);
    EXPECT_EQ(loader.Font.Height(), storedFont().Height());
    EXPECT_EQ(loader.Font.Name, priorFont().Name);
    EXPECT_EQ(loader.Font.Pitch, priorFont().Pitch);
}

TEST_F(FontSaveTest, OutOfRangePitchOrCharsetIsNotApplied) {
    for (const auto &[name, value] : {std::pair{"Pitch", 3}, std::pair{"Pitch", -1},
                                      std::pair{"Charset", 256}, std::pair{"Charset", -1}}) {
        SCOPED_TRACE(name);
        saveStored();
        ASSERT_TRUE(existing("\\Font")->writeInteger(name, value));
        loader.Font = priorFont();
        EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
        EXPECT_EQ(loader.Font.Pitch,
                  std::string(name) == "Pitch" ? priorFont().Pitch : storedFont().Pitch);
        EXPECT_EQ(loader.Font.Charset, priorFont().Charset);
    }
}

TEST_F(FontSaveTest, UnusableRegistryFailsWithoutHarm) {
    const auto blocker = home.root() / "file";
    std::ofstream(blocker) << "x";
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    TFontSave saver(nullptr);
    EXPECT_FALSE(saver.Save(currentUserRoot(), kPath));
    EXPECT_FALSE(loader.Load(currentUserRoot(), kPath));
    EXPECT_EQ(loader.Font, priorFont());
    EXPECT_EQ(loader.Color, kPriorBackground);
}

TEST_F(FontSaveTest, IsAComponentWithPublishedFontAndColor) {
    auto owner = std::make_unique<QObject>();
    QPointer<TFontSave> store = new TFontSave(owner.get());
    EXPECT_STREQ(store->metaObject()->className(), "TFontSave");
    EXPECT_EQ(store->Color, clBlack);
    EXPECT_TRUE(store->setProperty("Color", QVariant::fromValue<TColor>(clWindow)));
    EXPECT_EQ(store->Color, clWindow);
    const QMetaObject *meta = store->metaObject();
    const QMetaProperty font = meta->property(meta->indexOfProperty("Font"));
    ASSERT_TRUE(font.isValid());
    EXPECT_FALSE(font.isWritable());
    store->Font.Name = "IPAGothic";
    const QVariant published = font.read(store.data());
    EXPECT_EQ(published.value<TFontAttributes>().Name, "IPAGothic");
    owner.reset();
    EXPECT_TRUE(store.isNull()) << "destroyed with its owner";
}

} // namespace
