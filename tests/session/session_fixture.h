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

// Runs every operation of the session that could reach an entry point, with a cursor area
// of its own; for a session whose library is not bound, none may make a call.
inline void tryEveryCallingPath(TOCIctrl &oci) {
    cda_def area{};
    area.rc = 942;
    area.fc = 4;
    describe d{};
    char buffer[16] = {};
    QByteArrayList types{QByteArray()};
    oci.err_report(&area);
    oci.err_report(nullptr);
    oci.OpenCur(&area);
    oci.Parse(&area, "select 1 from dual");
    oci.Descr(&area, 0, &d);
    oci.Defin(&area, 0, buffer, &d);
    oci.Exec(&area);
    oci.SelFetch(&area);
    oci.Bind(&area, {"1"}, 1);
    oci.CloseCur(&area);
    oci.Commit();
    oci.Rollback();
    oci.SetAutoCommit(true);
    oci.ChkColType("EMP", {"EMPNO"}, types, &area);
    oci.CleanUP();
    oci.DisConnect();
}

inline std::string str(const QByteArray &bytes) {
    return bytes.toStdString();
}

} // namespace sessiontest
