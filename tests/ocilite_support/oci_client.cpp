#include "oci_client.h"

#include "ocilite/engine/database.h"

namespace ocilite::test {

std::string createTestDatabase(const std::string &dir) {
    const std::string path = dir + "/test.db";
    std::string error;
    auto db = Database::open(path, true, error);
    EXPECT_TRUE(db) << error;
    if (!db)
        return path;
    EXPECT_TRUE(db->addUser("scott", "tiger", error)) << error;
    const char *const statements[] = {
        "CREATE TABLE DEPT (DEPTNO NUMBER(2) NOT NULL PRIMARY KEY, DNAME VARCHAR2(14), "
        "LOC VARCHAR2(13))",
        "CREATE TABLE EMP (EMPNO NUMBER(4) NOT NULL, ENAME VARCHAR2(10), JOB VARCHAR2(9), "
        "HIREDATE DATE, SAL NUMBER(7,2), COMM NUMBER(7,2), DEPTNO NUMBER(2))",
        "INSERT INTO DEPT VALUES (10, 'ACCOUNTING', 'NEW YORK')",
        "INSERT INTO DEPT VALUES (20, 'RESEARCH', 'DALLAS')",
        "INSERT INTO DEPT VALUES (40, 'OPERATIONS', 'BOSTON')",
        "INSERT INTO EMP VALUES (7369, 'SMITH', 'CLERK', TO_DATE('17-12-1980', 'DD-MM-YYYY'), "
        "800, NULL, 20)",
        "INSERT INTO EMP VALUES (7499, 'ALLEN', 'SALESMAN', TO_DATE('1981-02-20', "
        "'YYYY-MM-DD'), 1600, 300, 30)",
        "INSERT INTO EMP VALUES (7839, 'KING', 'PRESIDENT', TO_DATE('17-NOV-81'), 5000, NULL, "
        "10)",
        "CREATE OR REPLACE PACKAGE pk_orders AS\n  PROCEDURE ship(p_id NUMBER);\nEND pk_orders;",
        "CREATE OR REPLACE PACKAGE BODY pk_orders AS\n  PROCEDURE ship(p_id NUMBER) IS\n  "
        "BEGIN\n    UPDATE orders SET x = 1;\n  END ship;\nEND pk_orders;",
        "CREATE OR REPLACE PROCEDURE calc_bonus IS\nBEGIN\n  NULL;\nEND;",
        "CREATE FUNCTION get_name RETURN VARCHAR2 IS\nBEGIN\n  RETURN 'x';\nEND get_name;",
    };
    for (const char *sql : statements)
        EXPECT_TRUE(db->execute("SCOTT", sql, error)) << sql << "\n" << error;
    const std::vector<CompileError> errors = {
        {4, 5, "PL/SQL: SQL Statement ignored"},
        {4, 12, "PL/SQL: ORA-00942: table or view does not exist"},
        {5, 3,
         "PLS-00103: Encountered the symbol \"END\" when expecting one of the "
         "following:\n\n   ;"},
    };
    EXPECT_TRUE(db->setCompileErrors("SCOTT", "PACKAGE BODY", "PK_ORDERS", errors, error)) << error;
    return path;
}

Oci::Oci() = default;

Oci::~Oci() {
    if (loggedOn)
        logoff();
}

int Oci::logon(const std::string &user, const std::string &password, const std::string &connect) {
    const int rc = olog(&lda, hda, (OraText *)user.c_str(), -1, (OraText *)password.c_str(), -1,
                        (OraText *)connect.c_str(), -1, 0);
    loggedOn = rc == 0;
    if (loggedOn)
        openCursor();
    return rc;
}

bool Oci::logon(const std::string &user, const std::string &password, const std::string &connect,
                std::string &error) {
    const int rc = logon(user, password, connect);
    if (rc != 0)
        error = message(rc);
    return rc == 0;
}

Rows Oci::rows(const std::string &sql) {
    const Result r = query(sql);
    EXPECT_EQ(0, r.rc) << sql << "\n" << message(r.rc);
    return r.rows;
}

void Oci::openCursor() {
    EXPECT_EQ(0, oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
}

void Oci::logoff() {
    oclose(&cur);
    EXPECT_EQ(0, ologof(&lda));
    loggedOn = false;
}

std::string Oci::message(int rc) {
    char buf[512] = {};
    oerhms(&lda, static_cast<sb2>(rc), (OraText *)buf, sizeof buf);
    return buf;
}

Result Oci::query(const std::string &sql) {
    Result r;
    if (oparse(&cur, (OraText *)sql.c_str(), -1, 0, 1) != 0) {
        r.rc = cur.rc;
        return r;
    }
    std::vector<std::vector<char>> buffers;
    for (int pos = 1;; ++pos) {
        describe d{};
        d.cbufl = OCIV7_NAME_CAPACITY;
        if (odescr(&cur, pos, &d.dbsize, &d.dbtype, d.cbuf, &d.cbufl, &d.dsize, &d.prec, &d.scale,
                   &d.nullok) != 0) {
            if (cur.rc != OCIV7_RC_NOT_IN_SELECT_LIST)
                r.rc = cur.rc;
            break;
        }
        d.cbuf[d.cbufl] = 0;
        r.columns.push_back({reinterpret_cast<char *>(d.cbuf), d.dbtype, d.dbsize, d.dsize, d.prec,
                             d.scale, d.nullok});
        // Room for any value's text form, as the cursor allots it.
        const int size = d.dbtype == OCIV7_TYPE_DATE ? 23 : std::max(d.dbsize + 1, 64);
        buffers.emplace_back(static_cast<size_t>(size), '\0');
    }
    if (r.rc)
        return r;
    for (size_t i = 0; i < buffers.size(); ++i)
        if (odefin(&cur, static_cast<int>(i + 1), (ub1 *)buffers[i].data(),
                   static_cast<int>(buffers[i].size()), OCIV7_EXT_STR, -1, nullptr, nullptr, -1, -1,
                   nullptr, nullptr) != 0) {
            r.rc = cur.rc;
            return r;
        }
    if (oexec(&cur) != 0) {
        r.rc = cur.rc;
        return r;
    }
    for (;;) {
        if (ofetch(&cur) != 0 && cur.rc != OCIV7_RC_NULL_FETCHED) {
            if (cur.rc != OCIV7_RC_NO_DATA_FOUND)
                r.rc = cur.rc;
            break;
        }
        std::vector<std::string> row;
        for (const auto &b : buffers)
            row.emplace_back(b.data());
        r.rows.push_back(row);
    }
    r.rpc = cur.rpc;
    return r;
}

int Oci::run(const std::string &sql, const std::vector<std::string> &values) {
    if (oparse(&cur, (OraText *)sql.c_str(), -1, 0, 1) != 0)
        return cur.rc;
    for (size_t i = 0; i < values.size(); ++i)
        if (obndrn(&cur, static_cast<int>(i + 1), (ub1 *)values[i].c_str(),
                   static_cast<int>(values[i].size() + 1), OCIV7_EXT_STR, -1, nullptr, nullptr, 0,
                   -1) != 0)
            return cur.rc;
    if (oexec(&cur) != 0)
        return cur.rc;
    return 0;
}

} // namespace ocilite::test
