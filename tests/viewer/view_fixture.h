#pragma once
// What the view's tests share: an empty settings hive per test, reading the stored look back,
// and answering the modal dialogs and message boxes a test provokes from a timer that runs
// inside their modal loops.

#include "platform/program_names.h"
#include "platform/registry.h"
#include "tests/common/logged_on_session.h"
#include "tests/common/modal_answerer.h"
#include "tests/common/test_home.h"
#include "viewer/fmview.h"
#include "viewer/sourcegrid.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace viewtest {

inline const char *lookKeyPath() {
    return velmora::platform::kSettingsKeyPath;
}

// A subkey of the look's key ("Font", "BackGroundColor"); null when it does not exist.
inline std::unique_ptr<velmora::platform::RegistryKey> lookKey(const char *subkey) {
    return velmora::platform::RegistryKey::openExisting(velmora::platform::currentUserRoot(),
                                                        std::string(lookKeyPath()) + "\\" + subkey);
}

inline std::optional<std::int32_t> storedInteger(const char *subkey, const char *name) {
    auto key = lookKey(subkey);
    return key ? key->readInteger(name) : std::nullopt;
}

inline std::optional<std::string> storedString(const char *subkey, const char *name) {
    auto key = lookKey(subkey);
    return key ? key->readString(name) : std::nullopt;
}

using testsupport::clearSettingsHive;
using testsupport::ModalAnswerer;
using testsupport::settingsHiveText;

// The source view over a logged-on session and its cursor, from an empty settings hive.
class ViewOverSession : public testsupport::LoggedOnSession {
protected:
    void SetUp() override {
        clearSettingsHive();
        logOn();
        view = std::make_unique<TfmView>(cur, ctrl);
        grid = view->sgSource;
    }
    void TearDown() override {
        view.reset();
        clearSettingsHive();
        LoggedOnSession::TearDown();
    }

    void load(const char *name, const char *type) {
        view->ObjName = name;
        view->ObjType = type;
        view->LoadSource();
    }

    std::unique_ptr<TfmView> view;
    SourceGrid *grid = nullptr;
    ModalAnswerer answerer;
};

} // namespace viewtest
