#include "packaging/desktop_identity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QString>

namespace velmora::desktop {

QIcon applicationIcon() {
    // Every PNG size packaging/icons holds (rendered from velmora.svg by tools/render-icons.sh).
    const QDir icons(QStringLiteral(":/velmora/icons"));
    QIcon icon;
    for (const QString &file : icons.entryList({QStringLiteral("velmora-*.png")}, QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

void installDesktopIdentity(QGuiApplication &app) {
    app.setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

} // namespace velmora::desktop
