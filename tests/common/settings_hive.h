#pragma once
// Window tests start from an empty settings hive in the temporary folder ctest points
// XDG_CONFIG_HOME at, and can read back everything that was written there.

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace testsupport {

inline QDir settingsFolder() {
    return QDir(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora");
}

inline void clearSettingsHive() {
    settingsFolder().removeRecursively();
}

// Everything the settings folder holds, as one text.
inline QByteArray settingsHiveText() {
    QByteArray all;
    const QDir folder = settingsFolder();
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all;
}

} // namespace testsupport
