#include "v7.h"

namespace oracle_test {

int logon(Cda_Def &lda, ub1 *hda, const std::string &user, const std::string &password,
          const std::string &connect) {
    return v7::olog(&lda, hda, txt(user.c_str()), -1, txt(password.c_str()), -1,
                    txt(connect.c_str()), -1, 0);
}

std::string message(Cda_Def &lda, int rc) {
    char buffer[512] = {};
    v7::oerhms(&lda, static_cast<sb2>(rc), reinterpret_cast<OraText *>(buffer), sizeof buffer);
    return buffer;
}

void Logged::SetUp() {
    scriptedoci::reset();
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER")) << message(lda, lda.rc);
    ASSERT_EQ(0, v7::oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
}

void Logged::TearDown() {
    v7::oclose(&cur);
    v7::ologof(&lda);
    EXPECT_EQ(0, scriptedoci::liveHandles()) << "handles left after logoff";
}

int Logged::parse(const std::string &sql, Cda_Def *cursor) {
    return v7::oparse(cursor ? cursor : &cur, txt(sql.c_str()), -1, 0, 1);
}

std::vector<std::string> Logged::columnNames() {
    std::vector<std::string> names;
    for (int pos = 1;; ++pos) {
        sb4 dbsize = 0, cbufl = 64, dsize = 0;
        sb2 dbtype = 0, prec = 0, scale = 0, nullok = 0;
        sb1 name[64] = {};
        if (v7::odescr(&cur, pos, &dbsize, &dbtype, name, &cbufl, &dsize, &prec, &scale, &nullok) !=
            0)
            break;
        names.emplace_back(reinterpret_cast<char *>(name), static_cast<size_t>(cbufl));
    }
    return names;
}

scriptedoci::Column column(const std::string &name, int type, int size, int precision, int scale,
                           bool nullable) {
    return scriptedoci::Column{name, type, size, precision, scale, nullable};
}

} // namespace oracle_test
