#include "settings/fontattributes.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <limits>

int screenPixelsPerInch() {
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            return qRound(screen->logicalDotsPerInchY());
    }
    return 96;
}

int mulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t divisor = std::llabs(c);
    std::int64_t result = (std::llabs(product) + divisor / 2) / divisor;
    if (negative)
        result = -result;
    // A stored size or height far out of range must not wrap around to a plausible one.
    constexpr std::int64_t low = std::numeric_limits<int>::min() + 1;
    constexpr std::int64_t high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(result, low, high));
}

TFontAttributes::TFontAttributes() : TFontAttributes(screenPixelsPerInch()) {}

TFontAttributes::TFontAttributes(int pixelsPerInch) {
    SetPixelsPerInch(pixelsPerInch);
}

int TFontAttributes::Size() const {
    return -mulDiv(m_height, 72, m_pixelsPerInch);
}

void TFontAttributes::SetSize(int points) {
    m_height = -mulDiv(points, m_pixelsPerInch, 72);
}

void TFontAttributes::SetPixelsPerInch(int pixelsPerInch) {
    m_pixelsPerInch = pixelsPerInch > 0 ? pixelsPerInch : 96;
}
