#include "platform/help_pages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmora::platform {

namespace {

const QStringList kWrittenIn = {QStringLiteral("ja"), QStringLiteral("en")};

} // namespace

QStringList helpLanguages(const QStringList &uiLanguages) {
    QStringList order;
    for (const QString &ui : uiLanguages) {
        const QString language = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (kWrittenIn.contains(language) && !order.contains(language))
            order << language;
    }
    // English first among the rest: it is the help's language for everybody else.
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ja")}) {
        if (!order.contains(language))
            order << language;
    }
    return order;
}

QString locateHelpPage(const QStringList &helpFolders, const QString &helpFileName, int context,
                       const QStringList &languages) {
    const QString book = QFileInfo(helpFileName).completeBaseName().toLower();
    const QString page = QString::number(context) + QStringLiteral(".html");
    for (const QString &language : languages) {
        for (const QString &folder : helpFolders) {
            const QFileInfo candidate(QDir(folder).filePath(book + '/' + language + '/' + page));
            if (candidate.isFile())
                return candidate.absoluteFilePath();
        }
    }
    return {};
}

QStringList installedHelpFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(program.filePath(QStringLiteral("../share/velmora/help"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../../share/velmora/help")))};
}

} // namespace velmora::platform
