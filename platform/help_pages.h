#pragma once
// F1 help where no help engine reads WinHelp files: the help file X.HLP is a folder of HTML
// pages, one per context, in each language the help is written in:
//   <help folder>/x/<language>/<context>.html       (x: the file name without extension, lower
//   case)
// The help folders are share/velmora/help beside the program's own folder: <prefix>/bin next to
// <prefix>/share, and the private <prefix>/lib/velmora next to <prefix>/share.

#include <QString>
#include <QStringList>

namespace velmora::platform {

// The languages to try, best first: the user's own when the help is written in it
// (Japanese or English), then the other one.
QStringList helpLanguages(const QStringList &uiLanguages);

// The first page for the context found in the folders, trying the languages in order;
// empty when there is none.
QString locateHelpPage(const QStringList &helpFolders, const QString &helpFileName, int context,
                       const QStringList &languages);

// The help folders of this program (see above).
QStringList installedHelpFolders();

} // namespace velmora::platform
