#include "platform/help_file.h"

#include "platform/help_pages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
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

// The HTML pages that stand in for the help file, in the user's language when there are some.
bool openHelpPage(const QString &fileName, int context) {
    const QString page = locateHelpPage(installedHelpFolders(), fileName, context,
                                        helpLanguages(QLocale().uiLanguages()));
    return !page.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

} // namespace

bool openHelpFile(const QString &fileName, int context) {
    const QString path = locateHelpFile(fileName);
    if (path.isEmpty())
        return openHelpPage(fileName, context);
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
