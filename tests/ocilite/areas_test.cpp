// Every entry point on areas in every wrong state: null, never opened, filled with garbage,
// closed, closed twice, belonging to a logon that logged off. Each call answers with Oracle's
// error for an invalid cursor (ORA-01001) or a missing logon (ORA-01012), records it in the
// area when there is one, and the live logon and cursor keep working.
#include "oci_client.h"

#include <cstring>
#include <functional>

namespace ocilite::test {
namespace {

using Call = std::function<sword(Cda_Def *)>;

// The calls on a cursor area, each with arguments that would be right on a live cursor.
std::vector<std::pair<const char *, Call>> cursorCalls(Cda_Def *lda) {
    static char buffer[64];
    static int value = 1;
    static ub2 alen = 4;
    return {
        {"oparse", [](Cda_Def *c) { return oparse(c, (OraText *)"select 1 from dual", -1, 0, 1); }},
        {"odescr",
         [](Cda_Def *c) {
             sb4 size = 0, cbufl = 10;
             sb1 name[10];
             return odescr(c, 1, &size, nullptr, name, &cbufl, nullptr, nullptr, nullptr, nullptr);
         }},
        {"odefin",
         [](Cda_Def *c) {
             return odefin(c, 1, (ub1 *)buffer, sizeof buffer, OCIV7_EXT_STR, -1, nullptr, nullptr,
                           -1, -1, nullptr, nullptr);
         }},
        {"obndrv",
         [](Cda_Def *c) {
             return obndrv(c, (OraText *)":1", -1, (ub1 *)&value, sizeof value, OCIV7_EXT_INT, -1,
                           nullptr, nullptr, -1, -1);
         }},
        {"obndrn",
         [](Cda_Def *c) {
             return obndrn(c, 1, (ub1 *)&value, sizeof value, OCIV7_EXT_INT, -1, nullptr, nullptr,
                           -1, -1);
         }},
        {"obndra",
         [](Cda_Def *c) {
             return obndra(c, (OraText *)":1", -1, (ub1 *)&value, sizeof value, OCIV7_EXT_INT, -1,
                           nullptr, &alen, nullptr, 0, nullptr, nullptr, -1, -1);
         }},
        {"oexec", [](Cda_Def *c) { return oexec(c); }},
        {"ofetch", [](Cda_Def *c) { return ofetch(c); }},
        {"ocan", [](Cda_Def *c) { return ocan(c); }},
        {"ogetpi",
         [](Cda_Def *c) {
             ub1 piece = 0;
             void *ctx = nullptr;
             ub4 iter = 0, index = 0;
             return ogetpi(c, &piece, &ctx, &iter, &index);
         }},
        {"oclose", [](Cda_Def *c) { return oclose(c); }},
        {"oopen on a dead logon",
         [lda](Cda_Def *c) { return oopen(c, lda, nullptr, -1, -1, nullptr, -1); }},
    };
}

std::vector<std::pair<const char *, Call>> logonCalls() {
    return {
        {"ologof", [](Cda_Def *l) { return ologof(l); }},
        {"ocon", [](Cda_Def *l) { return ocon(l); }},
        {"ocof", [](Cda_Def *l) { return ocof(l); }},
        {"ocom", [](Cda_Def *l) { return ocom(l); }},
        {"orol", [](Cda_Def *l) { return orol(l); }},
        // odessp describes through the logon area (Oracle's first argument is the LDA).
        {"odessp",
         [](Cda_Def *l) {
             ub2 ovrld[4], pos[4], level[4], arnlen[4], dtype[4];
             ub1 defsup[4], mode[4], radix[4];
             ub4 dtsiz[4], spare[4], arrsiz = 4;
             sb2 prec[4], scale[4];
             OraText *argnam[4];
             return odessp(l, (OraText *)"P", 1, nullptr, 0, nullptr, 0, ovrld, pos, level, argnam,
                           arnlen, dtype, defsup, mode, dtsiz, prec, scale, radix, spare, &arrsiz);
         }},
        {"oopen",
         [](Cda_Def *l) {
             Cda_Def cursor{};
             return oopen(&cursor, l, nullptr, -1, -1, nullptr, -1);
         }},
    };
}

// An area in one of the wrong states; null for the null area.
struct WrongArea {
    const char *what;
    std::function<Cda_Def *(Oci &oci, Cda_Def &area)> make;
};

std::vector<WrongArea> wrongCursors() {
    return {
        {"null", [](Oci &, Cda_Def &) -> Cda_Def * { return nullptr; }},
        {"never opened", [](Oci &, Cda_Def &a) { return &a; }},
        {"garbage",
         [](Oci &, Cda_Def &a) {
             std::memset(&a, 0xA5, sizeof a);
             return &a;
         }},
        {"pointing at the live cursor's state",
         [](Oci &oci, Cda_Def &a) {
             a = oci.cur; // a copy of a live area is not that area
             a.rcsp = reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(oci.cur.rcsp) + 8);
             return &a;
         }},
        {"closed",
         [](Oci &oci, Cda_Def &a) {
             oopen(&a, &oci.lda, nullptr, -1, -1, nullptr, -1);
             oclose(&a);
             return &a;
         }},
        {"closed twice",
         [](Oci &oci, Cda_Def &a) {
             oopen(&a, &oci.lda, nullptr, -1, -1, nullptr, -1);
             oclose(&a);
             oclose(&a);
             return &a;
         }},
    };
}

TEST_F(OciTest, CursorCallsOnAreasThatHoldNoCursor) {
    for (const WrongArea &state : wrongCursors()) {
        for (const auto &[name, call] : cursorCalls(nullptr)) {
            Cda_Def area{};
            Cda_Def *cursor = state.make(oci, area);
            const sword rc = call(cursor);
            // A cursor area to open is checked first: no area at all is an invalid cursor.
            const bool opens = cursor && std::strcmp(name, "oopen on a dead logon") == 0;
            EXPECT_EQ(opens ? 1012 : 1001, rc) << state.what << ": " << name;
            if (cursor) {
                EXPECT_EQ(rc, cursor->rc) << state.what << ": " << name;
            }
        }
        EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839"));
    }
}

TEST_F(OciTest, CursorsOfALogonThatLoggedOffAreClosed) {
    Oci other;
    ASSERT_EQ(0, other.logon("SCOTT", "TIGER", dbPath));
    Cda_Def second{};
    ASSERT_EQ(0, oopen(&second, &other.lda, nullptr, -1, -1, nullptr, -1));
    ASSERT_EQ(0, oparse(&other.cur, (OraText *)"select ename from emp", -1, 0, 1));
    ASSERT_EQ(0, oexec(&other.cur));
    ASSERT_EQ(0, ologof(&other.lda));
    other.loggedOn = false;
    for (Cda_Def *cursor : {&other.cur, &second})
        for (const auto &[name, call] : cursorCalls(&other.lda)) {
            const bool opens = std::strcmp(name, "oopen on a dead logon") == 0;
            EXPECT_EQ(opens ? 1012 : 1001, call(cursor)) << name;
        }
    for (const auto &[name, call] : logonCalls())
        EXPECT_EQ(1012, call(&other.lda)) << "after logoff: " << name;
    EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839"));
}

TEST_F(OciTest, LogonCallsOnAreasThatHoldNoLogon) {
    const std::pair<const char *, std::function<Cda_Def *(Cda_Def &)>> states[] = {
        {"null", [](Cda_Def &) -> Cda_Def * { return nullptr; }},
        {"never logged on", [](Cda_Def &a) { return &a; }},
        {"garbage",
         [](Cda_Def &a) {
             std::memset(&a, 0x5A, sizeof a);
             return &a;
         }},
        {"refused logon",
         [](Cda_Def &a) {
             ub1 hda[OCIV7_HDA_SIZE]{};
             olog(&a, hda, (OraText *)"SCOTT", -1, (OraText *)"WRONG", -1, (OraText *)"", -1, 0);
             return &a;
         }},
        {"a cursor area", [this](Cda_Def &) { return &oci.cur; }},
    };
    for (const auto &[what, make] : states) {
        for (const auto &[name, call] : logonCalls()) {
            Cda_Def area{};
            Cda_Def *lda = make(area);
            EXPECT_EQ(1012, call(lda)) << what << ": " << name;
        }
        char text[128];
        Cda_Def area{};
        Cda_Def *lda = make(area);
        EXPECT_LT(0, oerhms(lda, 1012, (OraText *)text, sizeof text)) << what;
        EXPECT_EQ(0, oerhms(lda, 1012, nullptr, sizeof text)) << what;
        EXPECT_EQ(0, oerhms(lda, 1012, (OraText *)text, 0)) << what;
        EXPECT_EQ(0, oerhms(lda, 1012, (OraText *)text, -5)) << what;
    }
    EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839"));
}

// A logon's area is no cursor area: opening a cursor in it (its own logon's or another's) is
// refused as an invalid cursor, and both logons keep working.
TEST_F(OciTest, AnAreaHoldingALogonIsNoPlaceForACursor) {
    Oci other;
    ASSERT_EQ(0, other.logon("SCOTT", "TIGER", dbPath));
    const std::pair<Cda_Def *, const char *> areas[] = {{&oci.lda, "its own logon's area"},
                                                        {&other.lda, "another logon's area"}};
    for (const auto &[area, what] : areas) {
        EXPECT_EQ(1001, oopen(area, &oci.lda, nullptr, -1, -1, nullptr, -1)) << what;
        EXPECT_EQ(1001, area->rc) << what;
        EXPECT_EQ(0, ocom(&oci.lda)) << what;
        EXPECT_EQ(0, ocom(&other.lda)) << what;
        EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839")) << what;
        EXPECT_EQ(Rows{{"KING"}}, other.rows("select ename from emp where empno = 7839")) << what;
    }
}

// Calls in an order Oracle refuses, on a live cursor: Oracle's error for each, and the cursor
// serves the next statement.
TEST_F(OciTest, CallsOutOfOrderOnALiveCursor) {
    int value = 7839;
    char buffer[32];
    struct Step {
        const char *what;
        std::function<sword()> call;
        int rc;
    };
    auto parse = [&](const char *sql, sword deferred = 0) {
        return [this, sql, deferred] { return oparse(&oci.cur, (OraText *)sql, -1, deferred, 1); };
    };
    const Step steps[] = {
        {"parse a query", parse("select ename from emp where empno = :e"), 0},
        {"execute with :e unbound", [&] { return oexec(&oci.cur); }, 1008},
        {"fetch before execute", [&] { return ofetch(&oci.cur); }, 1002},
        {"bind a name not in the statement",
         [&] {
             return obndrv(&oci.cur, (OraText *)":nothere", -1, (ub1 *)&value, sizeof value,
                           OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1);
         },
         1036},
        {"bind number 0",
         [&] {
             return obndrn(&oci.cur, 0, (ub1 *)&value, sizeof value, OCIV7_EXT_INT, -1, nullptr,
                           nullptr, -1, -1);
         },
         1036},
        {"bind an empty name",
         [&] {
             return obndrv(&oci.cur, (OraText *)"", -1, (ub1 *)&value, sizeof value, OCIV7_EXT_INT,
                           -1, nullptr, nullptr, -1, -1);
         },
         1036},
        {"describe column 0",
         [&] {
             return odescr(&oci.cur, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
         },
         1007},
        {"define column -1",
         [&] {
             return odefin(&oci.cur, -1, (ub1 *)buffer, sizeof buffer, OCIV7_EXT_STR, -1, nullptr,
                           nullptr, -1, -1, nullptr, nullptr);
         },
         1007},
        {"define an unknown external type",
         [&] {
             return odefin(&oci.cur, 1, (ub1 *)buffer, sizeof buffer, 250, -1, nullptr, nullptr, -1,
                           -1, nullptr, nullptr);
         },
         932},
        {"bind :e",
         [&] {
             return obndrv(&oci.cur, (OraText *)":E", -1, (ub1 *)&value, sizeof value,
                           OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1);
         },
         0},
        {"execute", [&] { return oexec(&oci.cur); }, 0},
        {"fetch the row, no column defined", [&] { return ofetch(&oci.cur); }, 0},
        {"fetch past the end", [&] { return ofetch(&oci.cur); }, 1403},
        {"fetch past the end again", [&] { return ofetch(&oci.cur); }, 1403},
        {"cancel", [&] { return ocan(&oci.cur); }, 0},
        {"fetch after cancel", [&] { return ofetch(&oci.cur); }, 1002},
        {"deferred parse of a missing table", parse("select * from nowhere", 1), 0},
        {"describe reports the parse error",
         [&] {
             return odescr(&oci.cur, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
         },
         942},
        {"execute after the reported error", [&] { return oexec(&oci.cur); }, 1003},
        {"parse a DML", parse("update emp set sal = sal where 1 = 0"), 0},
        {"fetch from a DML", [&] { return ofetch(&oci.cur); }, 1002},
        {"describe a DML",
         [&] {
             return odescr(&oci.cur, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
         },
         1007},
        {"parse a null statement", [&] { return oparse(&oci.cur, nullptr, -1, 0, 1); }, 900},
        {"execute after a failed parse", [&] { return oexec(&oci.cur); }, 1003},
    };
    for (const Step &s : steps) {
        const sword rc = s.call();
        EXPECT_EQ(s.rc, rc ? oci.cur.rc : 0) << s.what << ": " << oci.message(oci.cur.rc);
    }
    EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839"));
}

} // namespace
} // namespace ocilite::test
