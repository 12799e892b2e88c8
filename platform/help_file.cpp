#include "platform/help_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora::platform {

namespace {

QString locateHelpFile(const QString &fileName) {
    const QStringList folders{QCoreApplication::applicationDirPath(), QDir::currentPath()};
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace

bool openHelpFile(const QString &fileName, int context) {
    const QString path = locateHelpFile(fileName);
    if (path.isEmpty())
        return false;
#ifdef _WIN32
    // WinHelp files open at a context through the help engine; fall back to the shell.
    const QByteArray native = QDir::toNativeSeparators(path).toLocal8Bit();
    if (WinHelpA(nullptr, native.constData(), HELP_CONTEXT, static_cast<ULONG_PTR>(context)))
        return true;
#else
    Q_UNUSED(context) // no help engine here understands WinHelp contexts
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace velmora::platform
