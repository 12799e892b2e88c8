#include "settings/qtfont.h"

#include "platform/client_text.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any readable font; keeps a damaged stored height from asking Qt for a glyph
// cache the size of a wall.
constexpr int kMaxPixelSize = 2000;

struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexes of the Windows system colours (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30).
constexpr SystemColorRole kSystemColors[] = {
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Window},          // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},     // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::WindowText},      // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 info background
    {QPalette::Active, QPalette::Button},          // 25 (unused by Windows)
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},     // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
};

} // namespace

QFont toQFont(const TFontAttributes &attributes) {
    QFont font;
    if (!attributes.Name.isEmpty())
        font.setFamily(velmora::platform::fromClientText(attributes.Name));
    // Windows reads a negative height as the character height and a positive one as the cell
    // height; Qt knows only the first, close enough for the second. Zero keeps the default.
    const long long magnitude = std::llabs(static_cast<long long>(attributes.Height()));
    const int pixels = static_cast<int>(std::min<long long>(magnitude, kMaxPixelSize));
    if (pixels > 0)
        font.setPixelSize(pixels);
    if (attributes.Pitch == TFontPitch::fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else if (attributes.Pitch == TFontPitch::fpVariable) {
        font.setFixedPitch(false);
    }
    font.setBold(attributes.Style.Bold);
    font.setItalic(attributes.Style.Italic);
    font.setUnderline(attributes.Style.Underline);
    font.setStrikeOut(attributes.Style.StrikeOut);
    return font;
}

TFontAttributes fromQFont(const QFont &font, TColor color, std::uint8_t charset) {
    TFontAttributes attributes;
    attributes.Color = color;
    attributes.Name = velmora::platform::toClientText(font.family());
    if (font.pixelSize() > 0)
        attributes.SetHeight(-font.pixelSize());
    else
        attributes.SetHeight(
            -static_cast<int>(std::lround(font.pointSizeF() * attributes.PixelsPerInch() / 72.0)));
    attributes.Pitch = font.fixedPitch() ? TFontPitch::fpFixed : TFontPitch::fpDefault;
    attributes.Charset = charset;
    attributes.Style = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    return attributes;
}

QColor toQColor(TColor color) {
    return toQColor(color, QGuiApplication::palette());
}

QColor toQColor(TColor color, const QPalette &palette) {
    const auto bits = static_cast<std::uint32_t>(color);
    if (isSystemColor(color)) {
        const std::uint32_t index = bits & 0xFFFFFFu;
        if (index >= std::size(kSystemColors))
            return QColor(Qt::black);
        const SystemColorRole &entry = kSystemColors[index];
        return palette.color(entry.group, entry.role);
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

TColor fromQColor(const QColor &color) {
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}
