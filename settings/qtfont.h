#pragma once
// Conversions between the font attributes and colours the store keeps and Qt's QFont and
// QColor, for the windows that draw with them. System colours become the matching roles of the
// application palette.

#include "settings/fontattributes.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// Face, pixel height, pitch and style. The text colour and the character set have no place in
// a QFont; the caller takes the colour through toQColor.
QFont toQFont(const TFontAttributes &attributes);
// The attributes of a Qt font at the screen's resolution; the colour and the character set,
// which a QFont does not carry, are given.
TFontAttributes fromQFont(const QFont &font, TColor color = clWindowText,
                          std::uint8_t charset = DEFAULT_CHARSET);

// An explicit colour as it stands; a system colour through the palette (the application's
// unless one is given). An unknown system colour index gives black, as Windows does.
QColor toQColor(TColor color);
QColor toQColor(TColor color, const QPalette &palette);
TColor fromQColor(const QColor &color);
