#pragma once
// A session component owned by a plain owner, over a freshly reset scripted client library.

#include "fakeoci.h"
#include "session/toci.h"

#include <gtest/gtest.h>

#include <memory>

namespace sessiontest {

class SessionTest : public testing::Test {
protected:
    void SetUp() override {
        fakeoci::reset();
        owner = std::make_unique<QObject>();
        oci = new TOCIctrl(owner.get());
    }
    void TearDown() override {
        fakeoci::setCallHook({});
        owner.reset();
    }

    // Active and logged on, with the calls made so far forgotten.
    void connectSession() {
        ASSERT_TRUE(oci->Connect()) << oci->ErrMsg.toStdString();
        lda = fakeoci::callsOf("olog").back().area;
        fakeoci::reset();
    }

    std::unique_ptr<QObject> owner;
    TOCIctrl *oci = nullptr;
    const void *lda = nullptr;
};

inline std::string str(const QByteArray &bytes) {
    return bytes.toStdString();
}

} // namespace sessiontest
