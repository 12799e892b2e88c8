#pragma once
// TColor and TFontAttributes: the font object the font and colour store saves and restores, and
// that the source view draws its grid with. A plain value type; its height and its size in
// points are two views of one quantity, linked through the screen's pixels per inch.

#include <QByteArray>
#include <QMetaType>

#include <cstdint>

// 0x00BBGGRR for an explicit colour (red in the low byte); a value with the top bit set names a
// system colour by its index in the low byte (0x80000005 is the window background).
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clWindow = static_cast<TColor>(0x80000005u);
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);

inline constexpr bool isSystemColor(TColor color) {
    return color < 0;
}

enum class TFontPitch : std::uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const TFontStyles &) const = default;
};

// Windows character set numbers the program names.
inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t SHIFTJIS_CHARSET = 128;

// The screen's logical pixels per inch (vertical), 96 when there is no screen.
int screenPixelsPerInch();

// Windows' MulDiv: a * b / c computed wide and rounded half away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);

class TFontAttributes {
public:
    // At the screen's resolution, or at the one given (tests and off-screen use).
    TFontAttributes();
    explicit TFontAttributes(int pixelsPerInch);

    TColor Color = clWindowText;
    QByteArray Name; // face name in the client's code page
    TFontPitch Pitch = TFontPitch::fpDefault;
    std::uint8_t Charset = DEFAULT_CHARSET; // kept even where the toolkit has no such notion
    TFontStyles Style;

    // Pixels; negative for a character height (-12), positive for a cell height.
    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }
    // Points: -Height * 72 / PixelsPerInch, rounded; setting it sets Height the other way.
    int Size() const;
    void SetSize(int points);

    int PixelsPerInch() const { return m_pixelsPerInch; }
    // Keeps Height; a non-positive value counts as 96.
    void SetPixelsPerInch(int pixelsPerInch);

    bool operator==(const TFontAttributes &) const = default;

private:
    int m_height = -12;
    int m_pixelsPerInch = 96;
};

Q_DECLARE_METATYPE(TFontAttributes)
