// Shared by the compiler's table-driven tests: a demo schema (EMP, DEPT, two packages, a
// standalone procedure and function, an object type), a case = a unit with an injected fault and
// the rows Oracle stores for it in SEQUENCE order, and the runner comparing them.
#pragma once

#include "memory_schema.h"

#include "ocilite/plsql/compiler.h"

#include <gtest/gtest.h>

#include <ostream>

namespace plsqltest {

struct Row {
    int line;
    int position;
    std::string text;
    bool operator==(const Row &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const Row &r) {
    return os << r.line << "/" << r.position << " " << r.text;
}

inline MemorySchema demoSchema() {
    MemorySchema s;
    s.table("EMP", {"EMPNO", "ENAME", "JOB", "MGR", "HIREDATE", "SAL", "COMM", "DEPTNO"});
    s.table("DEPT", {"DEPTNO", "DNAME", "LOC"});
    s.unit("PAYROLL_PKG", "PACKAGE",
           "PACKAGE payroll_pkg AS\n    PROCEDURE print_slip (p_empno IN NUMBER);\n"
           "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER;\nEND payroll_pkg;");
    s.unit("BROKEN_PKG", "PACKAGE", "PACKAGE broken_pkg AS\n  x nothing;\nEND;", true);
    s.unit("RAISE_SAL", "PROCEDURE",
           "PROCEDURE raise_sal (p_empno NUMBER, p_pct NUMBER DEFAULT 10) IS\nBEGIN\n  NULL;\n"
           "END;");
    s.unit("SHAPE_T", "TYPE",
           "TYPE shape_t AS OBJECT (\n  name VARCHAR2(30),\n  MEMBER FUNCTION area RETURN NUMBER,\n"
           "  NOT INSTANTIABLE MEMBER FUNCTION perimeter RETURN NUMBER,\n"
           "  MEMBER PROCEDURE describe,\n  MEMBER PROCEDURE describe (p_prefix VARCHAR2),\n"
           "  STATIC FUNCTION make (p_name VARCHAR2) RETURN shape_t,\n"
           "  MEMBER FUNCTION native RETURN NUMBER AS LANGUAGE JAVA NAME 'Shape.native() return "
           "int',\n  MAP MEMBER FUNCTION sort_key RETURN VARCHAR2\n) NOT FINAL NOT INSTANTIABLE;");
    s.unit("TAX_OF", "FUNCTION",
           "FUNCTION tax_of (p_amount NUMBER) RETURN NUMBER IS\nBEGIN\n  RETURN 0;\nEND;");
    return s;
}

inline std::vector<Row> compile(const MemorySchema &schema, const std::string &type,
                                const std::string &source) {
    std::vector<Row> rows;
    for (const ocilite::plsql::Diagnostic &d :
         ocilite::plsql::compileUnit("SCOTT", type, source, schema).errors)
        rows.push_back({d.line, d.position, d.text});
    return rows;
}

struct Case {
    const char *name;
    const char *type;
    const char *source;
    std::vector<Row> rows;
};

inline void runCases(const std::vector<Case> &cases) {
    const MemorySchema schema = demoSchema();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(compile(schema, c.type, c.source), c.rows);
    }
}

} // namespace plsqltest
