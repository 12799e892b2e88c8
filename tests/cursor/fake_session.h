#pragma once
// A logged-on session over the scripted client library with one cursor bound to it, both
// owned by one owner as a window would hold them; plus helpers to read the cursor's state.

#include "cursor/tocicur.h"
#include "fakeoci.h"
#include "session/toci.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cursortest {

inline fakeoci::Column col(const std::string &name, int dbtype = OCIV7_TYPE_VARCHAR2,
                           int dbsize = 30, int prec = 0, int scale = 0) {
    fakeoci::Column c;
    c.name = name;
    c.dbtype = dbtype;
    c.dbsize = dbsize;
    c.prec = prec;
    c.scale = scale;
    return c;
}

inline QByteArrayList list(std::initializer_list<const char *> items) {
    QByteArrayList out;
    for (const char *item : items)
        out.append(QByteArray(item));
    return out;
}

// The scripted text err_report composes for a code (fc 0: a line feed, then the message).
inline QByteArray oracleText(int code) {
    return "\n" + QByteArray::fromStdString(fakeoci::errorText(code));
}

class FakeSession : public ::testing::Test {
protected:
    void SetUp() override {
        fakeoci::reset();
        ASSERT_TRUE(ctrl->Active()) << ctrl->ErrMsg.constData();
        ASSERT_TRUE(ctrl->Connect()) << ctrl->ErrMsg.constData();
        cur->SetParent(ctrl);
        ASSERT_EQ(cur->GetParent(), ctrl);
        fakeoci::reset();
    }

    void TearDown() override {
        // Every way out of an operation gives the default pointer back.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    // Whether the cursor holds an open Oracle cursor: a clean-up then closes it. Ends the
    // statement, so it is the last thing a test looks at.
    bool isOpen() {
        const int before = fakeoci::callCount("oclose");
        EXPECT_TRUE(cur->CleanUP());
        return fakeoci::callCount("oclose") > before;
    }

    QObject owner;
    TOCIctrl *ctrl = new TOCIctrl(&owner);
    TOCIcur *cur = new TOCIcur(&owner);
};

} // namespace cursortest
