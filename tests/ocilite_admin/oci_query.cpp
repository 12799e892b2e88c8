#include "oci_query.h"

#include <gtest/gtest.h>

namespace ocilite::test {
namespace {

OraText *text(const std::string &s) {
    return reinterpret_cast<OraText *>(const_cast<char *>(s.c_str()));
}

constexpr sword kBufferSize = 4096;

struct Column {
    std::vector<char> buffer = std::vector<char>(kBufferSize);
    sb2 indicator = 0;
};

} // namespace

OciSession::~OciSession() {
    if (m_loggedOn)
        ologof(&m_lda);
}

std::string OciSession::errorText(sb2 rc) {
    char buffer[512] = {};
    oerhms(&m_lda, rc, reinterpret_cast<OraText *>(buffer), sizeof buffer);
    return buffer;
}

bool OciSession::logon(const std::string &user, const std::string &password,
                       const std::string &connect, std::string &error) {
    if (olog(&m_lda, m_hda, text(user), -1, text(password), -1, text(connect), -1, 0) != 0) {
        error = errorText(static_cast<sb2>(m_lda.rc));
        return false;
    }
    m_loggedOn = true;
    return true;
}

bool OciSession::query(const std::string &sql, Rows &rows, std::string &error) {
    rows.clear();
    Cda_Def cda{};
    if (oopen(&cda, &m_lda, nullptr, -1, -1, nullptr, -1) != 0) {
        error = errorText(static_cast<sb2>(cda.rc));
        return false;
    }
    std::vector<Column> columns;
    bool ok = oparse(&cda, text(sql), -1, 0, 2) == 0;
    for (sword pos = 1; ok; ++pos) {
        sb4 dbsize = 0;
        sb2 dbtype = 0;
        sb1 name[64];
        sb4 namel = sizeof name;
        if (odescr(&cda, pos, &dbsize, &dbtype, name, &namel, nullptr, nullptr, nullptr, nullptr) !=
            0) {
            ok = cda.rc == OCIV7_RC_NOT_IN_SELECT_LIST;
            break;
        }
        columns.emplace_back();
    }
    for (size_t i = 0; ok && i < columns.size(); ++i)
        ok = odefin(&cda, static_cast<sword>(i + 1),
                    reinterpret_cast<ub1 *>(columns[i].buffer.data()), kBufferSize, OCIV7_EXT_STR,
                    -1, &columns[i].indicator, nullptr, -1, -1, nullptr, nullptr) == 0;
    ok = ok && oexec(&cda) == 0;
    while (ok && ofetch(&cda) == 0) {
        std::vector<std::string> row;
        for (const Column &c : columns)
            row.push_back(c.indicator < 0 ? std::string() : std::string(c.buffer.data()));
        rows.push_back(std::move(row));
    }
    if (!ok || cda.rc != OCIV7_RC_NO_DATA_FOUND) {
        error = errorText(static_cast<sb2>(cda.rc));
        ok = false;
    }
    oclose(&cda);
    return ok;
}

Rows OciSession::rows(const std::string &sql) {
    Rows result;
    std::string error;
    EXPECT_TRUE(query(sql, result, error)) << sql << "\n" << error;
    return result;
}

} // namespace ocilite::test
