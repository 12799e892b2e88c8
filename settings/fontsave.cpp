// The layout under root\path, in the order written and read:
//   \Font            "Color" "Height" (DWORD), "Name" (text), "Pitch" "Size" "Charset"
//                    "Style-IsBold" "Style-IsItalic" "Style-IsUnderline" "Style-IsStrikeOut"
//   \BackGroundColor "Color"
// Integers are DWORDs holding the 32-bit pattern of the signed value; each flag 1 or 0.
// Reading applies each value as soon as it is read, so a failure leaves the earlier ones.

#include "settings/fontsave.h"

#include <QGuiApplication>

#include <memory>
#include <optional>

using velmora::platform::RegistryKey;
using velmora::platform::RegistryRoot;
using velmora::platform::RegistryValueType;

namespace {

constexpr const char *kFontKey = "\\Font";
constexpr const char *kBackgroundKey = "\\BackGroundColor";

struct StyleFlag {
    const char *name;
    bool TFontStyles::*flag;
};

constexpr StyleFlag kStyleFlags[] = {
    {"Style-IsBold", &TFontStyles::Bold},
    {"Style-IsItalic", &TFontStyles::Italic},
    {"Style-IsUnderline", &TFontStyles::Underline},
    {"Style-IsStrikeOut", &TFontStyles::StrikeOut},
};

std::unique_ptr<RegistryKey> openSubkey(RegistryRoot root, const QByteArray &path,
                                        const char *subkey) {
    return RegistryKey::openOrCreate(root, (path + subkey).toStdString());
}

TFontAttributes applicationFont() {
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fromQFont(QGuiApplication::font());
    return TFontAttributes();
}

} // namespace

TFontSave::TFontSave(QObject *owner) : QObject(owner), Font(applicationFont()) {}

TFontSave::~TFontSave() = default;

bool TFontSave::Save(RegistryRoot root, const QByteArray &path) {
    const std::unique_ptr<RegistryKey> fontKey = openSubkey(root, path, kFontKey);
    if (!fontKey || !saveFont(*fontKey))
        return false;
    const std::unique_ptr<RegistryKey> backgroundKey = openSubkey(root, path, kBackgroundKey);
    return backgroundKey && backgroundKey->writeInteger("Color", Color);
}

bool TFontSave::saveFont(RegistryKey &key) const {
    if (!key.writeInteger("Color", Font.Color) || !key.writeInteger("Height", Font.Height()) ||
        !key.writeString("Name", Font.Name.toStdString()) ||
        !key.writeInteger("Pitch", static_cast<int>(Font.Pitch)) ||
        !key.writeInteger("Size", Font.Size()) || !key.writeInteger("Charset", Font.Charset))
        return false;
    for (const StyleFlag &style : kStyleFlags) {
        if (!key.writeInteger(style.name, Font.Style.*style.flag ? 1 : 0))
            return false;
    }
    return true;
}

bool TFontSave::Load(RegistryRoot root, const QByteArray &path) {
    const std::unique_ptr<RegistryKey> fontKey = openSubkey(root, path, kFontKey);
    if (!fontKey || !loadFont(*fontKey))
        return false;
    const std::unique_ptr<RegistryKey> backgroundKey = openSubkey(root, path, kBackgroundKey);
    Color = clWindow; // what a missing or unreadable background leaves behind
    if (!backgroundKey)
        return false;
    const std::optional<std::int32_t> color = backgroundKey->readInteger("Color");
    if (!color)
        return false;
    Color = *color;
    return true;
}

// "Color", "Height", "Name", "Pitch", "Size", "Charset", then the style.
bool TFontSave::loadFont(const RegistryKey &key) {
    std::optional<std::int32_t> value = key.readInteger("Color");
    if (!value)
        return false;
    Font.Color = *value;
    if (!(value = key.readInteger("Height")))
        return false;
    Font.SetHeight(*value);

    // An absent or empty name keeps the face; a name stored as anything but text is damage.
    if (key.valueType("Name") != RegistryValueType::Missing) {
        const std::optional<std::string> name = key.readString("Name");
        if (!name)
            return false;
        if (!name->empty())
            Font.Name = QByteArray::fromStdString(*name);
    }

    // A pitch or character set outside its range cannot have been written by Save; it is
    // treated as unreadable rather than cut down to some other font.
    if (!(value = key.readInteger("Pitch")) || *value < 0 || *value > 2)
        return false;
    Font.Pitch = static_cast<TFontPitch>(*value);
    if (!(value = key.readInteger("Size")))
        return false;
    Font.SetSize(*value);
    if (!(value = key.readInteger("Charset")) || *value < 0 || *value > 255)
        return false;
    Font.Charset = static_cast<std::uint8_t>(*value);
    return loadStyle(key);
}

bool TFontSave::loadStyle(const RegistryKey &key) {
    Font.Style = TFontStyles();
    for (const StyleFlag &style : kStyleFlags) {
        const std::optional<std::int32_t> value = key.readInteger(style.name);
        if (!value)
            return false;
        if (*value != 0)
            Font.Style.*style.flag = true;
    }
    return true;
}
