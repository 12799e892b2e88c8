#pragma once
// TFontSave: remembers one font and one background colour under a registry key path, in the
// subkeys "\Font" and "\BackGroundColor". It knows nothing of its users: they copy their look
// into Font and Color before Save and take it out after a successful Load.

#include "platform/registry.h"
#include "settings/fontattributes.h"
#include "settings/qtfont.h"

#include <QByteArray>
#include <QObject>

class TFontSave : public QObject {
    Q_OBJECT
    // Read-only: the object stays; callers change its attributes (copy another font into it).
    Q_PROPERTY(TFontAttributes Font READ font CONSTANT)
    Q_PROPERTY(TColor Color MEMBER Color)

public:
    // Font starts with the application's default font; Color is black.
    explicit TFontSave(QObject *owner);
    ~TFontSave() override;
    Q_DISABLE_COPY_MOVE(TFontSave)

    // Both write or read under root\path (path without a leading backslash). True when every
    // value was written, or every value that must be present was read; a failure stops at the
    // value that failed and leaves what was done before it (see fontsave.cpp).
    bool Save(velmora::platform::RegistryRoot root, const QByteArray &path);
    bool Load(velmora::platform::RegistryRoot root, const QByteArray &path);

    TFontAttributes Font;
    TColor Color = clBlack;

    const TFontAttributes &font() const { return Font; }

private:
    bool saveFont(velmora::platform::RegistryKey &key) const;
    bool loadFont(const velmora::platform::RegistryKey &key);
    bool loadStyle(const velmora::platform::RegistryKey &key);
};
