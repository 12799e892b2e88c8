#pragma once
// The logged-on session and its cursor over the scripted client library, whose record of calls
// starts after the logon; plus helpers to read the cursor's state.

#include "fakeoci.h"
#include "tests/common/logged_on_session.h"

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

class FakeSession : public testsupport::LoggedOnSession {
protected:
    void SetUp() override {
        fakeoci::reset();
        LoggedOnSession::SetUp();
        fakeoci::reset();
    }

    // Whether the cursor holds an open Oracle cursor: a clean-up then closes it. Ends the
    // statement, so it is the last thing a test looks at.
    bool isOpen() {
        const int before = fakeoci::callCount("oclose");
        EXPECT_TRUE(cur->CleanUP());
        return fakeoci::callCount("oclose") > before;
    }
};

} // namespace cursortest
