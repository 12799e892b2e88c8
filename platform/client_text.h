#pragma once
// Texts inside the components are byte strings in the client's code page (UTF-8 here, the
// ANSI code page on Windows), as the client library sees them; windows show QStrings. These
// two functions are the one place where one becomes the other.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velmora::platform {

inline QString fromClientText(QByteArrayView bytes) {
    return QString::fromLocal8Bit(bytes);
}
inline QByteArray toClientText(const QString &text) {
    return text.toLocal8Bit();
}

} // namespace velmora::platform
