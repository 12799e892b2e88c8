// Reads an ocilite database the way the program does: through the version-7 entry points
// (olog, oopen, oparse, odescr, odefin, oexec, ofetch), every value as text.
#pragma once

#include "oci/ociv7.h"

#include <string>
#include <vector>

namespace ocilite::test {

using Rows = std::vector<std::vector<std::string>>;

class OciSession {
public:
    OciSession() = default;
    ~OciSession();
    OciSession(const OciSession &) = delete;
    OciSession &operator=(const OciSession &) = delete;

    // Logs on; false with the "ORA-..." text in error.
    bool logon(const std::string &user, const std::string &password, const std::string &connect,
               std::string &error);
    // Runs a query and returns its rows (a NULL reads as ""); false with the error text.
    bool query(const std::string &sql, Rows &rows, std::string &error);
    // The same, recording a test failure when the query fails.
    Rows rows(const std::string &sql);

private:
    std::string errorText(sb2 rc);

    Cda_Def m_lda{};
    ub1 m_hda[OCIV7_HDA_SIZE]{};
    bool m_loggedOn = false;
};

} // namespace ocilite::test
