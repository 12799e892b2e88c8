#pragma once
// A session logged on with one cursor bound to it, both owned by one owner as the main window
// holds them, over whichever client library the test process finds: the scripted one (where
// any user and password log on) or the embedded one (SCOTT/TIGER on the default database).
// Every way out of an operation must give the default mouse pointer back.

#include "cursor/tocicur.h"
#include "session/toci.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace testsupport {

class LoggedOnSession : public ::testing::Test {
protected:
    void SetUp() override { logOn(); }
    void TearDown() override { EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); }

    void logOn() {
        ASSERT_TRUE(ctrl->Active()) << ctrl->ErrMsg.constData();
        ctrl->UserID = "SCOTT";
        ctrl->Password = "TIGER";
        ctrl->ConnStr = "";
        ASSERT_TRUE(ctrl->Connect()) << ctrl->ErrMsg.constData();
        cur->SetParent(ctrl);
        ASSERT_EQ(cur->GetParent(), ctrl);
    }

    QObject owner;
    TOCIctrl *ctrl = new TOCIctrl(&owner);
    TOCIcur *cur = new TOCIcur(&owner);
};

} // namespace testsupport
