// Name resolution and the semantic errors, one grouped table per error kind: each case is
// a unit with one injected fault and the rows Oracle stores for it, in Oracle's order
// (the error, then its companion row).
#include "compile_cases.h"

#include "ocilite/plsql/compiler.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ocilite::plsql;
using namespace plsqltest;

namespace {

TEST(PlsqlSemantic, IdentifierMustBeDeclared) {
    runCases({
        {"in an expression (tabs count one column)",
         "PROCEDURE",
         "PROCEDURE show_emp_bonus (p_empno IN emp.empno%TYPE) IS\n\tv_sal\temp.sal%TYPE;\n"
         "\tv_bonus\tNUMBER;\nBEGIN\n\tSELECT sal INTO v_sal FROM emp WHERE empno = p_empno;\n"
         "\t\tv_bonus := v_sal * bonus_rate;\nEND show_emp_bonus;",
         {{6, 22, "PLS-00201: identifier 'BONUS_RATE' must be declared"},
          {6, 3, "PL/SQL: Statement ignored"}}},
        {"two in one statement",
         "FUNCTION",
         "FUNCTION net_pay (p_empno IN NUMBER) RETURN NUMBER IS\n    v_sal  NUMBER;\nBEGIN\n"
         "    RETURN v_sal - income_tax(v_sal) - social_ins;\nEND net_pay;",
         {{4, 20, "PLS-00201: identifier 'INCOME_TAX' must be declared"},
          {4, 40, "PLS-00201: identifier 'SOCIAL_INS' must be declared"},
          {4, 5, "PL/SQL: Statement ignored"}}},
        {"a qualified type names two components",
         "PACKAGE",
         "PACKAGE orders_pkg AS\n    SUBTYPE order_id_t IS orders.order_id%TYPE;\nEND orders_pkg;",
         {{2, 27, "PLS-00201: identifier 'ORDERS.ORDER_ID' must be declared"},
          {2, 5, "PL/SQL: Item ignored"}}},
        {"a parameter's type ends the analysis",
         "PROCEDURE",
         "PROCEDURE p (a IN no_such_type) IS\nBEGIN\n  NULL;\nEND;",
         {{1, 19, "PLS-00201: identifier 'NO_SUCH_TYPE' must be declared"},
          {0, 0, "PL/SQL: Compilation unit analysis terminated"}}},
        {"names Oracle supplies or another schema holds are left alone",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  dbms_lock.sleep(1); sys.dbms_session.reset_package;\n"
         "  DBMS_OUTPUT.PUT_LINE(SQLERRM || TO_CHAR(SYSDATE) || USER);\n"
         "  IF inserting THEN raise_application_error(-20001, 'x'); END IF;\nEND;",
         {}},
        {"the datetime and interval types are built in",
         "PROCEDURE",
         "PROCEDURE p IS\n  a INTERVAL DAY TO SECOND; b INTERVAL YEAR(2) TO MONTH;\n"
         "  c INTERVAL DAY(3) TO SECOND(6); d TIMESTAMP(3) WITH LOCAL TIME ZONE;\n"
         "  n NUMBER;\nBEGIN\n  a := LOCALTIMESTAMP - SYSTIMESTAMP;\n"
         "  n := EXTRACT(DAY FROM a) * 86400 + EXTRACT(SECOND FROM a);\n"
         "  b := NUMTOYMINTERVAL(3, 'MONTH');\nEND;",
         {}},
    });
}

TEST(PlsqlSemantic, ComponentMustBeDeclared) {
    runCases({
        {"supplied package member and record field",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n    PROCEDURE print_slip (p_empno IN NUMBER) IS\n"
         "        r emp%ROWTYPE;\n    BEGIN\n        DBMS_OUTPUT.PUT_LIN('x' || r.ename);\n"
         "        DBMS_OUTPUT.PUT_LINE('部門: ' || r.dept_name);\n    END print_slip;\n"
         "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS\n    BEGIN\n"
         "        RETURN 0;\n    END total_payroll;\nEND payroll_pkg;",
         {{5, 21, "PLS-00302: component 'PUT_LIN' must be declared"},
          {5, 9, "PL/SQL: Statement ignored"},
          {6, 42, "PLS-00302: component 'DEPT_NAME' must be declared"},
          {6, 9, "PL/SQL: Statement ignored"}}},
        {"a member missing from a unit the catalogue holds only in part is left alone",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  dbms_scheduler.create_file_watcher('w', 'd', 'f');\n"
         "  htp.framesetopen;\nEND;",
         {}},
        {"a member of the schema's package",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  payroll_pkg.print_slips(1);\nEND;",
         {{3, 15, "PLS-00302: component 'PRINT_SLIPS' must be declared"},
          {3, 3, "PL/SQL: Statement ignored"}}},
        {"a column in %TYPE",
         "PROCEDURE",
         "PROCEDURE p IS\n  v emp.salary%TYPE;\nBEGIN\n  NULL;\nEND;",
         {{2, 9, "PLS-00302: component 'SALARY' must be declared"},
          {2, 5, "PL/SQL: Item ignored"}}},
    });
}

TEST(PlsqlSemantic, SqlChecks) {
    runCases({
        {"missing table",
         "FUNCTION",
         "FUNCTION dept_headcount (p_deptno IN NUMBER) RETURN NUMBER IS\n    v_count NUMBER;\n"
         "BEGIN\n    SELECT COUNT(*)\n      INTO v_count\n      FROM employees\n"
         "     WHERE department_id = p_deptno;\n    RETURN v_count;\nEND dept_headcount;",
         {{6, 12, "PL/SQL: ORA-00942: table or view does not exist"},
          {4, 5, "PL/SQL: SQL Statement ignored"}}},
        {"invalid identifiers in a query and an UPDATE; variables, functions and aliases are "
         "found",
         "PROCEDURE",
         "PROCEDURE p (p_deptno NUMBER) IS\n  v NUMBER; w NUMBER;\nBEGIN\n"
         "  SELECT COUNT(*), MAX(e.sal) INTO v, w FROM emp e, dept d\n"
         "   WHERE e.deptno = d.deptno AND d.dname = 'X' AND e.deptno = p_deptno AND ROWNUM < 2;\n"
         "  SELECT salary INTO v FROM emp WHERE empno = 1;\n"
         "  SELECT e.salary INTO v FROM emp e;\n"
         "  UPDATE emp SET bonus = 1 WHERE deptno = p_deptno;\n"
         "  SELECT 1 INTO v FROM emp WHERE EXISTS (SELECT anything FROM elsewhere_unknown);\nEND;",
         {{6, 10, "PL/SQL: ORA-00904: \"SALARY\": invalid identifier"},
          {6, 3, "PL/SQL: SQL Statement ignored"},
          {7, 10, "PL/SQL: ORA-00904: \"E\".\"SALARY\": invalid identifier"},
          {7, 3, "PL/SQL: SQL Statement ignored"},
          {8, 18, "PL/SQL: ORA-00904: \"BONUS\": invalid identifier"},
          {8, 3, "PL/SQL: SQL Statement ignored"},
          {9, 63, "PL/SQL: ORA-00942: table or view does not exist"},
          {9, 3, "PL/SQL: SQL Statement ignored"}}},
        {"missing table in UPDATE; CTEs and the dictionary are found",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  FOR r IN (WITH x AS (SELECT 1 a FROM dual) SELECT * FROM x, "
         "user_objects) LOOP\n"
         "    NULL;\n  END LOOP;\n  UPDATE orders SET status = 'S';\nEND;",
         {{6, 10, "PL/SQL: ORA-00942: table or view does not exist"},
          {6, 3, "PL/SQL: SQL Statement ignored"}}},
    });
}

TEST(PlsqlSemantic, PackageBodyAgainstItsSpecification) {
    runCases({
        {"no specification",
         "PACKAGE BODY",
         "PACKAGE BODY nospec AS\n  PROCEDURE p IS BEGIN NULL; END;\nEND;",
         {{1, 14, "PLS-00201: identifier 'NOSPEC' must be declared"},
          {1, 14, "PLS-00304: cannot compile body of 'NOSPEC' without its specification"},
          {0, 0, "PL/SQL: Compilation unit analysis terminated"}}},
        {"invalid specification",
         "PACKAGE BODY",
         "PACKAGE BODY broken_pkg AS\nEND;",
         {{1, 14, "PLS-00905: object SCOTT.BROKEN_PKG is invalid"},
          {1, 14, "PLS-00304: cannot compile body of 'BROKEN_PKG' without its specification"},
          {0, 0, "PL/SQL: Compilation unit analysis terminated"}}},
        {"subprogram missing from the body, at its place in the package specification",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n    PROCEDURE print_slip (p_empno IN NUMBER) IS\n"
         "    BEGIN\n        NULL;\n    END;\nEND payroll_pkg;",
         {{3, 14,
           "PLS-00323: subprogram or cursor 'TOTAL_PAYROLL' is declared in a package "
           "specification and must be defined in the package body"}}},
        {"forward declaration without a body",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n    PROCEDURE helper;\n"
         "    PROCEDURE print_slip (p_empno IN NUMBER) IS BEGIN helper; END;\n"
         "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS BEGIN RETURN 1; "
         "END;\nEND;",
         {{2, 15,
           "PLS-00328: A subprogram body must be defined for the forward declaration of HELPER."}}},
        {"headings must match word for word: another type, mode or return type, or an END "
         "naming another subprogram, leaves the declaration without its body",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n    FUNCTION find (p_name VARCHAR2) RETURN NUMBER;\n"
         "    PROCEDURE print_slip (p_empno IN OUT NUMBER) IS BEGIN NULL; END;\n"
         "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS BEGIN RETURN 1; "
         "END total;\n    FUNCTION find (p_name emp.ename%TYPE) RETURN NUMBER IS BEGIN RETURN "
         "1; END;\nEND;",
         {{2, 14,
           "PLS-00328: A subprogram body must be defined for the forward declaration of FIND."},
          {2, 15,
           "PLS-00323: subprogram or cursor 'PRINT_SLIP' is declared in a package "
           "specification and must be defined in the package body"},
          {3, 14,
           "PLS-00323: subprogram or cursor 'TOTAL_PAYROLL' is declared in a package "
           "specification and must be defined in the package body"}}},
        {"case, spacing, an implied IN and the way a default is written do not matter",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n    function helper (a in number := 1) return "
         "Emp.Sal%Type;\n    procedure PRINT_SLIP(p_empno number) is begin null; end print_slip;\n"
         "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS BEGIN RETURN helper; "
         "END;\n    FUNCTION helper (a IN NUMBER DEFAULT 1) RETURN emp.sal%TYPE IS BEGIN "
         "RETURN a; END;\nEND;",
         {}},
        {"an invalid unit used",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  broken_pkg.x;\nEND;",
         {{3, 3, "PLS-00905: object SCOTT.BROKEN_PKG is invalid"},
          {3, 3, "PL/SQL: Statement ignored"}}},
    });
}

TEST(PlsqlSemantic, ObjectTypeBodyAgainstItsSpecification) {
    const std::string area = "  MEMBER FUNCTION area RETURN NUMBER IS BEGIN RETURN 0; END;\n";
    const std::string describe = "  MEMBER PROCEDURE describe IS BEGIN NULL; END;\n";
    const std::string make =
        "  STATIC FUNCTION make (p_name VARCHAR2) RETURN shape_t IS BEGIN RETURN NULL; END;\n";
    const std::string sortKey =
        "  MAP MEMBER FUNCTION sort_key RETURN VARCHAR2 IS BEGIN RETURN name; END;\n";
    const std::string all = "TYPE BODY shape_t AS\n" + area + describe + make + sortKey;
    const std::string noMake = "TYPE BODY shape_t AS\n" + area + describe + sortKey;
    const std::string extra = "TYPE BODY shape_t AS\n" + area + describe +
                              "  MEMBER PROCEDURE draw IS BEGIN NULL; END;\n" + make + sortKey;
    const std::string noDescribe = "TYPE BODY shape_t AS\n" + area + make + sortKey;
    const std::string unknownType = "TYPE BODY circle_t AS\n" + area + "END;";
    runCases({
        {"every method with a body; NOT INSTANTIABLE and call specifications need none, one body "
         "serves a name's overloads",
         "TYPE BODY",
         (all + "END;").c_str(),
         {}},
        {"a method without its body, at its place in the type specification",
         "TYPE BODY",
         (noMake + "END;").c_str(),
         {{7, 19,
           "PLS-00538: subprogram or cursor 'MAKE' is declared in an object type specification "
           "and must be defined in the object type body"}}},
        {"a method the type specification does not declare, at the method in the body",
         "TYPE BODY",
         (extra + "END;").c_str(),
         {{4, 20,
           "PLS-00539: subprogram 'DRAW' is declared in an object type body and must be defined "
           "in the object type specification"}}},
        {"an overloaded method without any body is reported once",
         "TYPE BODY",
         (noDescribe + "END;").c_str(),
         {{5, 20,
           "PLS-00538: subprogram or cursor 'DESCRIBE' is declared in an object type "
           "specification and must be defined in the object type body"}}},
        {"the body of a type the schema does not have is left alone",
         "TYPE BODY",
         unknownType.c_str(),
         {}},
    });
}

TEST(PlsqlSemantic, AssignmentTargetsAndDeclarations) {
    runCases({
        {"IN parameter, constant and loop index",
         "PROCEDURE",
         "PROCEDURE p (a IN NUMBER, b IN OUT NUMBER) IS\n  c CONSTANT NUMBER := 1;\nBEGIN\n"
         "  a := 2;\n  b := 2;\n  c := 3;\n  FOR i IN 1 .. 2 LOOP\n    i := 5;\n  END LOOP;\nEND;",
         {{4, 3, "PLS-00363: expression 'A' cannot be used as an assignment target"},
          {4, 3, "PL/SQL: Statement ignored"},
          {6, 3, "PLS-00363: expression 'C' cannot be used as an assignment target"},
          {6, 3, "PL/SQL: Statement ignored"},
          {8, 5, "PLS-00363: expression 'I' cannot be used as an assignment target"},
          {8, 5, "PL/SQL: Statement ignored"}}},
        {"a name declared twice, reported where it is used",
         "PROCEDURE",
         "PROCEDURE p IS\n  v NUMBER;\n  v DATE;\n  w NUMBER;\nBEGIN\n  w := 1;\n  v := 1;\nEND;",
         {{7, 3, "PLS-00371: at most one declaration for 'V' is permitted"},
          {7, 3, "PL/SQL: Statement ignored"}}},
        {"string lengths (no Item ignored row, as Oracle lists them)",
         "PROCEDURE",
         "PROCEDURE p IS\n  v VARCHAR2;\n  w VARCHAR2(40000);\n  c CHAR;\n  r RAW(16);\nBEGIN\n"
         "  NULL;\nEND;",
         {{2, 5, "PLS-00215: String length constraints must be in range (1 .. 32767)"},
          {3, 14, "PLS-00215: String length constraints must be in range (1 .. 32767)"}}},
        {"SELECT without INTO",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  SELECT 1 FROM dual;\n  FOR r IN (SELECT 1 x FROM dual) LOOP "
         "NULL; END LOOP;\nEND;",
         {{3, 3, "PLS-00428: an INTO clause is expected in this SELECT statement"}}},
    });
}

TEST(PlsqlSemantic, TriggerBindsAndInsertValues) {
    runCases({
        {"bad bind variables, each once; lines count from the block",
         "TRIGGER",
         "TRIGGER t BEFORE INSERT ON emp\nREFERENCING OLD AS prior_row FOR EACH ROW\nBEGIN\n"
         "  :new.salary := 1;\n  :new.salary := 2;\n  :old.sal := 3;\n  :new.sal := "
         ":prior_row.sal;\nEND;",
         {{2, 3, "PLS-00049: bad bind variable 'NEW.SALARY'"},
          {4, 3, "PLS-00049: bad bind variable 'OLD.SAL'"}}},
        {"value counts of INSERT",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  INSERT INTO dept VALUES (1, 'X');\n"
         "  INSERT INTO dept (deptno) VALUES (1, 2);\n  INSERT INTO dept VALUES (1, 'X', "
         "'Y');\nEND;",
         {{3, 15, "PL/SQL: ORA-00947: not enough values"},
          {3, 3, "PL/SQL: SQL Statement ignored"},
          {4, 15, "PL/SQL: ORA-00913: too many values"},
          {4, 3, "PL/SQL: SQL Statement ignored"}}},
        {"a column the table lacks in INSERT's column list (Oracle listing), before the count",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  INSERT INTO emp(empno, ename, leavedate, sal) VALUES (1, "
         "'x', SYSDATE);\n  INSERT INTO emp e (e.empno, ename) VALUES (1, 'x');\nEND;",
         {{3, 33, "PL/SQL: ORA-00904: \"LEAVEDATE\": invalid identifier"},
          {3, 3, "PL/SQL: SQL Statement ignored"}}},
    });
}

TEST(PlsqlSemantic, Dependencies) {
    const MemorySchema schema = demoSchema();
    const CompileResult r =
        compileUnit("SCOTT", "PROCEDURE",
                    "PROCEDURE p IS\n  v emp.sal%TYPE;\nBEGIN\n  payroll_pkg.print_slip(1);\n"
                    "  DBMS_OUTPUT.PUT_LINE('x');\n  SELECT COUNT(*) INTO v FROM dept;\nEND;",
                    schema);
    EXPECT_TRUE(r.errors.empty());
    const std::vector<Dependency> expected = {{"SYS", "STANDARD", "PACKAGE"},
                                              {"SCOTT", "EMP", "TABLE"},
                                              {"SCOTT", "PAYROLL_PKG", "PACKAGE"},
                                              {"PUBLIC", "DBMS_OUTPUT", "SYNONYM"},
                                              {"SCOTT", "DEPT", "TABLE"}};
    EXPECT_EQ(r.dependencies, expected);
}

} // namespace

namespace {

// Every prefix of a valid unit, and the unit with each byte replaced, compiles without
// crashing; a cut unit always gets at least one row (it cannot be complete).
TEST(PlsqlRobustness, CutAndDamagedUnits) {
    const std::string unit =
        "PACKAGE BODY payroll_pkg AS\n  CURSOR c(p NUMBER) IS SELECT ename FROM emp WHERE sal > "
        "p;\n"
        "  PROCEDURE print_slip (p_empno IN NUMBER) IS\n    r emp%ROWTYPE; s VARCHAR2(20) := "
        "q'[x]';\n"
        "  BEGIN\n    $IF DBMS_DB_VERSION.VERSION > 11 $THEN NULL; $END\n"
        "    FOR i IN REVERSE 1 .. 3 LOOP CONTINUE WHEN i = 2; END LOOP;\n"
        "    SELECT * INTO r FROM emp WHERE empno = p_empno FOR UPDATE NOWAIT;\n"
        "    CASE WHEN r.sal > 0 THEN s := TO_CHAR(r.sal, '999'); ELSE RAISE NO_DATA_FOUND; END "
        "CASE;\n"
        "    EXECUTE IMMEDIATE 'begin null; end;' USING OUT s;\n"
        "  EXCEPTION WHEN OTHERS THEN RAISE;\n  END print_slip;\n"
        "  FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS\n  BEGIN\n"
        "    RETURN (SELECT 1 FROM dual);\n  END;\nEND payroll_pkg;";
    const MemorySchema schema = demoSchema();
    for (size_t cut = 0; cut < unit.size(); ++cut) {
        const std::string prefix = unit.substr(0, cut);
        const CompileResult r = compileUnit("SCOTT", "PACKAGE BODY", prefix, schema);
        if (prefix.find("END payroll_pkg") == std::string::npos) {
            EXPECT_FALSE(r.errors.empty()) << cut;
        }
    }
    for (size_t at = 0; at < unit.size(); ++at)
        for (const char c : {'(', ';', '\'', 'x', '\0', '\xff'}) {
            std::string damaged = unit;
            damaged[at] = c;
            compileUnit("SCOTT", "PACKAGE BODY", damaged, schema);
        }
}

} // namespace

// Private and public synonyms stand for what they name (checked as that object, and both are
// dependencies); one whose target is not known here (a database link, a dropped object) is
// left alone.
TEST(PlsqlSemantic, SynonymsResolveToWhatTheyName) {
    MemorySchema schema = demoSchema();
    schema.synonym("STAFF", "SCOTT", "EMP")
        .synonym("PAY", "SCOTT", "PAYROLL_PKG", true)
        .synonym("REMOTE_T", "", "")
        .synonym("GONE", "SCOTT", "NOTHING");
    const CompileResult r =
        compileUnit("SCOTT", "PROCEDURE",
                    "PROCEDURE p IS\n  v staff.sal%TYPE;\nBEGIN\n  pay.print_slip(1);\n"
                    "  SELECT salary INTO v FROM staff;\n  SELECT x INTO v FROM remote_t;\n"
                    "  SELECT y INTO v FROM gone;\n  pay.no_such;\nEND;",
                    schema);
    std::vector<Row> rows;
    for (const Diagnostic &d : r.errors)
        rows.push_back({d.line, d.position, d.text});
    const std::vector<Row> expected = {{5, 10, "PL/SQL: ORA-00904: \"SALARY\": invalid identifier"},
                                       {5, 3, "PL/SQL: SQL Statement ignored"},
                                       {8, 7, "PLS-00302: component 'NO_SUCH' must be declared"},
                                       {8, 3, "PL/SQL: Statement ignored"}};
    EXPECT_EQ(rows, expected);
    for (const Dependency &d : std::vector<Dependency>{{"SCOTT", "STAFF", "SYNONYM"},
                                                       {"SCOTT", "EMP", "TABLE"},
                                                       {"PUBLIC", "PAY", "SYNONYM"},
                                                       {"SCOTT", "PAYROLL_PKG", "PACKAGE"}})
        EXPECT_NE(std::find(r.dependencies.begin(), r.dependencies.end(), d), r.dependencies.end())
            << d.owner << "." << d.name;
}
