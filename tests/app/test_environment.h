#pragma once
// Each test starts from an empty settings hive in the test home (tests/common/test_home.h) and
// reads back what the window remembered there.

#include "platform/program_names.h"
#include "platform/registry.h"
#include "tests/common/test_home.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>
#include <optional>
#include <string>

using testsupport::clearSettingsHive;
using testsupport::settingsHiveText;

inline const char *settingsKeyPath() {
    return velmora::platform::kSettingsKeyPath;
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
