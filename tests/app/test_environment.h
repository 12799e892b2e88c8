#pragma once
// Each test starts from an empty settings hive in the temporary folder ctest points
// XDG_CONFIG_HOME at.

#include "platform/registry.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <functional>

#include <optional>
#include <string>

inline void clearSettingsHive() {
    QDir(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora").removeRecursively();
}

inline const char *settingsKeyPath() {
    return "Software\\KORVEN\\Tarnwick\\List-1";
}

inline std::optional<std::string> storedString(const char *name) {
    auto key = velmora::platform::RegistryKey::openExisting(velmora::platform::currentUserRoot(),
                                                            settingsKeyPath());
    return key ? key->readString(name) : std::nullopt;
}

inline void storeString(const char *name, const std::string &value) {
    auto key = velmora::platform::RegistryKey::openOrCreate(velmora::platform::currentUserRoot(),
                                                            settingsKeyPath());
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString(name, value));
}

// Everything the settings folder holds, as one text.
inline QByteArray settingsHiveText() {
    QByteArray all;
    const QDir folder(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora");
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all;
}

// Lets queued work run until the condition holds or five seconds have passed.
inline bool waitUntil(const std::function<bool()> &condition) {
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
