// One grouped test per error kind: units with injected faults and the rows Oracle stores for
// them, in SEQUENCE order (the error, then its companion row). Where a case copies a listing
// Oracle printed for real code, the case's name says so; the others follow the same rules.
#include "compile_cases.h"

using namespace plsqltest;

namespace {

TEST(PlsqlErrorKinds, UseOfAMalformedItem) {
    runCases({
        {"a type that does not resolve, then each statement using the item (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n    today date := sysdate;\n    tomorrow todat%type;\nBEGIN\n"
         "    tomorrow:=today+1;\n    dbms_output.put_line('Hello world!');\n"
         "    dbmps_output.put_line('Today is: ' || to_char(today, 'dd-MON-rrrr'));\n"
         "    dbms_output.put_line('Tomorrow is: ' || tomorrow);\nEND;",
         {{3, 14, "PLS-00201: identifier 'TODAT' must be declared"},
          {3, 14, "PL/SQL: Item ignored"},
          {5, 5,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {5, 5, "PL/SQL: Statement ignored"},
          {7, 5, "PLS-00201: identifier 'DBMPS_OUTPUT.PUT_LINE' must be declared"},
          {7, 5, "PL/SQL: Statement ignored"},
          {8, 45,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {8, 5, "PL/SQL: Statement ignored"}}},
        {"%TYPE of a cursor; FETCH into the item is a SQL statement (Oracle listing)",
         "PROCEDURE",
         "procedure p1 (a number)\nis\n\tCURSOR c1 IS\n\t\tselect  empno, ename, job, sal\n"
         "\t\tfrom emp\n\t\twhere deptno = a;\n\n\tr c1%type;\nbegin\n\tOPEN c1;\n\n\tloop\n"
         "\t\tFETCH c1 INTO r;\n\n\t\texit when c1%notfound;\n\n"
         "\t\tdbms_output.put_line(r.empno || ' ' || r.ename);\n\n\tend loop;\n\n\tCLOSE c1;\n"
         "end;",
         {{8, 4,
           "PLS-00206: %TYPE must be applied to a variable, column, field or attribute, not to "
           "\"C1\""},
          {8, 4, "PL/SQL: Item ignored"},
          {13, 17,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {13, 3, "PL/SQL: SQL Statement ignored"},
          {17, 24,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {17, 3, "PL/SQL: Statement ignored"}}},
        {"a record type with a bad field: its other fields stay usable; the bad one is "
         "PLS-00320 at the field, in SQL at the record (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n  TYPE t_rec IS RECORD\n  (v_sal number(8),\n  v_recl "
         "emplouyees%rowtype);\n"
         "  v_myrec t_rec;\nBEGIN\n  v_myrec.v_sal := 1;\n"
         "  SELECT * INTO v_myrec.v_recl FROM emp WHERE empno = 1;\n"
         "  v_myrec.v_sal := v_myrec.v_recl.sal + v_myrec.v_recl.comm;\nEND;",
         {{4, 10, "PLS-00201: identifier 'EMPLOUYEES' must be declared"},
          {2, 3, "PL/SQL: Item ignored"},
          {8, 17,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {8, 32, "PL/SQL: ORA-00904: : invalid identifier"},
          {8, 3, "PL/SQL: SQL Statement ignored"},
          {9, 28,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {9, 3, "PL/SQL: Statement ignored"}}},
        {"%TYPE of a variable declared further down (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\nV_BONUS V_SAL%TYPE;\nV_SAL EMP.SAL%TYPE;\n\nBEGIN\nSELECT SAL INTO "
         "V_SAL\n"
         "FROM EMP \nWHERE EMPNO=100006;\n\nV_BONUS:=2*V_SAL;\n"
         "DBMS_OUTPUT.PUT_LINE('STAFF SALARY IS ' || V_SAL);\n"
         "DBMS_OUTPUT.PUT_LINE('STAFF BONUS IS ' || V_BONUS);\nEND;",
         {{2, 9,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {2, 9, "PL/SQL: Item ignored"},
          {10, 1,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {10, 1, "PL/SQL: Statement ignored"},
          {12, 43,
           "PLS-00320: the declaration of the type of this expression is incomplete or "
           "malformed"},
          {12, 1, "PL/SQL: Statement ignored"}}},
    });
}

TEST(PlsqlErrorKinds, NotDeclaredInThisScope) {
    runCases({
        {"a private function called before its body (Oracle listing)",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg IS\n    g_comm number := 0.1;\n\n"
         "    PROCEDURE print_slip(p_empno IN number)\n    IS\n    BEGIN\n"
         "        IF validate_comm(p_empno) THEN\n            g_comm := 1;\n        END IF;\n"
         "    END print_slip;\n\n    FUNCTION validate_comm(p_comm IN number)\n    RETURN boolean\n"
         "    IS\n    BEGIN\n        RETURN TRUE;\n    END validate_comm;\n"
         "    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS BEGIN RETURN 0; END;\n"
         "END;",
         {{7, 12, "PLS-00313: 'VALIDATE_COMM' not declared in this scope"},
          {7, 9, "PL/SQL: Statement ignored"}}},
        {"a nested procedure calling one declared after it; a forward declaration is enough",
         "PROCEDURE",
         "PROCEDURE p IS\n  PROCEDURE c;\n  PROCEDURE a IS BEGIN b; c; END;\n"
         "  PROCEDURE b IS BEGIN NULL; END;\n  PROCEDURE c IS BEGIN NULL; END;\nBEGIN\n  a;\nEND;",
         {{3, 24, "PLS-00313: 'B' not declared in this scope"},
          {3, 24, "PL/SQL: Statement ignored"}}},
        {"a name the package specification declares may be used before its body",
         "PACKAGE BODY",
         "PACKAGE BODY payroll_pkg AS\n  PROCEDURE print_slip (p_empno IN NUMBER) IS\n  BEGIN\n"
         "    IF total_payroll(p_empno) > 0 THEN NULL; END IF;\n  END;\n"
         "  FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS BEGIN RETURN 0; END;\n"
         "END;",
         {}},
    });
}

TEST(PlsqlErrorKinds, WrongNumberOrTypesOfArguments) {
    runCases({
        {"local, standalone, package and supplied subprograms",
         "PROCEDURE",
         "PROCEDURE p IS\n  v NUMBER;\n  PROCEDURE log_it (a VARCHAR2, b NUMBER := 0) IS BEGIN "
         "NULL; "
         "END;\nBEGIN\n  log_it('x', 1, 2);\n  log_it;\n  raise_sal(7839);\n"
         "  raise_sal(p_pct => 5);\n  v := tax_of(1, 2);\n  payroll_pkg.print_slip;\n"
         "  DBMS_OUTPUT.PUT_LINE('a', 'b');\n  log_it(b => 1, c => 2);\nEND;",
         {{5, 3, "PLS-00306: wrong number or types of arguments in call to 'LOG_IT'"},
          {5, 3, "PL/SQL: Statement ignored"},
          {6, 3, "PLS-00306: wrong number or types of arguments in call to 'LOG_IT'"},
          {6, 3, "PL/SQL: Statement ignored"},
          {8, 3, "PLS-00306: wrong number or types of arguments in call to 'RAISE_SAL'"},
          {8, 3, "PL/SQL: Statement ignored"},
          {9, 8, "PLS-00306: wrong number or types of arguments in call to 'TAX_OF'"},
          {9, 3, "PL/SQL: Statement ignored"},
          {10, 3, "PLS-00306: wrong number or types of arguments in call to 'PRINT_SLIP'"},
          {10, 3, "PL/SQL: Statement ignored"},
          {11, 3, "PLS-00306: wrong number or types of arguments in call to 'PUT_LINE'"},
          {11, 3, "PL/SQL: Statement ignored"},
          {12, 3, "PLS-00306: wrong number or types of arguments in call to 'LOG_IT'"},
          {12, 3, "PL/SQL: Statement ignored"}}},
        {"overloads, defaults, named and mixed notation all fit",
         "PROCEDURE",
         "PROCEDURE p IS\n  v NUMBER;\n  FUNCTION f RETURN NUMBER IS BEGIN RETURN 1; END;\n"
         "  FUNCTION g (a NUMBER) RETURN NUMBER IS BEGIN RETURN 1; END;\n"
         "  FUNCTION g (a NUMBER, b NUMBER) RETURN NUMBER IS BEGIN RETURN 2; END;\nBEGIN\n  v := "
         "g(1) + g(1, 2) + g(a => 1, b => 2) + g(1, b => 2) + f;\n"
         "  raise_sal(7839, p_pct => 5);\n  DBMS_OUTPUT.PUT_LINE(a => 'x');\n"
         "  DBMS_OUTPUT.NEW_LINE;\n  v := f(1);\nEND;",
         {}},
        {"a BOOLEAN where the parameter is of another built-in type, and the other way round: "
         "positional, named, an expression, a function's argument",
         "PROCEDURE",
         "PROCEDURE p IS\n  flag BOOLEAN := TRUE;\n  n NUMBER := 1;\n"
         "  PROCEDURE only_bool (b IN BOOLEAN, k NUMBER DEFAULT 0) IS BEGIN NULL; END;\n"
         "  FUNCTION f (x NUMBER) RETURN NUMBER IS BEGIN RETURN x; END;\nBEGIN\n"
         "  DBMS_OUTPUT.PUT_LINE(flag);\n  DBMS_OUTPUT.PUT_LINE(n > 1);\n  only_bool(1);\n"
         "  only_bool(b => n = 1, k => TRUE);\n  n := f(TRUE);\nEND;",
         {{7, 3, "PLS-00306: wrong number or types of arguments in call to 'PUT_LINE'"},
          {7, 3, "PL/SQL: Statement ignored"},
          {8, 3, "PLS-00306: wrong number or types of arguments in call to 'PUT_LINE'"},
          {8, 3, "PL/SQL: Statement ignored"},
          {9, 3, "PLS-00306: wrong number or types of arguments in call to 'ONLY_BOOL'"},
          {9, 3, "PL/SQL: Statement ignored"},
          {10, 3, "PLS-00306: wrong number or types of arguments in call to 'ONLY_BOOL'"},
          {10, 3, "PL/SQL: Statement ignored"},
          {11, 8, "PLS-00306: wrong number or types of arguments in call to 'F'"},
          {11, 3, "PL/SQL: Statement ignored"}}},
        {"types that convert, types not known, and overloads told apart by type alone all fit",
         "PROCEDURE",
         "PROCEDURE p (p_sal emp.sal%TYPE) IS\n  flag BOOLEAN := TRUE;\n  n NUMBER := 1;\n"
         "  d DATE;\n  PROCEDURE show (v BOOLEAN) IS BEGIN NULL; END;\n"
         "  PROCEDURE show (v VARCHAR2) IS BEGIN NULL; END;\n"
         "  PROCEDURE take (a VARCHAR2, b emp.sal%TYPE, c NUMBER) IS BEGIN NULL; END;\nBEGIN\n"
         "  show(flag);\n  show('x');\n  show(n = 1);\n  take(d, 'x', n);\n"
         "  take(NULL, p_sal, '1');\n  DBMS_OUTPUT.PUT_LINE(n || 'x');\n"
         "  DBMS_OUTPUT.PUT_LINE(p_sal);\nEND;",
         {}},
    });
}

TEST(PlsqlErrorKinds, FunctionCalledAsAStatement) {
    runCases({
        {"a function of STANDARD (Oracle listing), a local one and a schema one",
         "PROCEDURE",
         "PROCEDURE p IS\n  FUNCTION f RETURN NUMBER IS BEGIN RETURN 1; END;\nBEGIN\n"
         "  FOR i IN 1..5 LOOP\n    LPAD('*',i);\n  END LOOP;\n  f;\n  tax_of(1);\nEND;",
         {{5, 5, "PLS-00221: 'LPAD' is not a procedure or is undefined"},
          {5, 5, "PL/SQL: Statement ignored"},
          {7, 3, "PLS-00221: 'F' is not a procedure or is undefined"},
          {7, 3, "PL/SQL: Statement ignored"},
          {8, 3, "PLS-00221: 'TAX_OF' is not a procedure or is undefined"},
          {8, 3, "PL/SQL: Statement ignored"}}},
        {"procedures of DBMS_STANDARD and functions in expressions are fine",
         "PROCEDURE",
         "PROCEDURE p IS\n  v VARCHAR2(10);\nBEGIN\n  v := LPAD('*', 3);\n"
         "  RAISE_APPLICATION_ERROR(-20001, 'x');\n  raise_sal(1);\nEND;",
         {}},
    });
}

TEST(PlsqlErrorKinds, LoopIndexUseIsInvalid) {
    runCases({
        {"the record of a cursor FOR loop over a failed query; the bounds of a FOR naming its "
         "index",
         "PROCEDURE",
         "PROCEDURE p IS\nBEGIN\n  FOR r IN (SELECT ename FROM employees) LOOP\n"
         "    dbms_output.put_line(r.ename);\n    IF r.ename IS NULL THEN NULL; END IF;\n"
         "  END LOOP;\n  FOR i IN 1 .. i LOOP NULL; END LOOP;\nEND;",
         {{3, 31, "PL/SQL: ORA-00942: table or view does not exist"},
          {3, 13, "PL/SQL: SQL Statement ignored"},
          {4, 26, "PLS-00364: loop index variable 'R' use is invalid"},
          {4, 5, "PL/SQL: Statement ignored"},
          {5, 8, "PLS-00364: loop index variable 'R' use is invalid"},
          {5, 5, "PL/SQL: Statement ignored"},
          {7, 17, "PLS-00364: loop index variable 'I' use is invalid"},
          {7, 3, "PL/SQL: Statement ignored"}}},
        {"an explicit cursor whose query failed; nothing inside an ignored loop is analysed "
         "(Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n  v_total NUMBER;\n  cursor c_snaps is\n"
         "         select s.snap_id snap_id\n           from stats_snapshot s;\n"
         "  cursor c_data (v_bid in integer) is select ename time_s from emp;\nbegin\n"
         "  for r_snap in c_snaps loop\n     v_total := 0;\n"
         "     for r_data in c_data(r_snap.snap_id) loop\n"
         "         v_total := v_total + r_data.time_s + undefined_x;\n     end loop;\n"
         "  end loop;\nend;",
         {{5, 17, "PL/SQL: ORA-00942: table or view does not exist"},
          {4, 10, "PL/SQL: SQL Statement ignored"},
          {10, 27, "PLS-00364: loop index variable 'R_SNAP' use is invalid"},
          {10, 6, "PL/SQL: Statement ignored"}}},
    });
}

TEST(PlsqlErrorKinds, ExpressionIsOfWrongType) {
    runCases({
        {"collections of two types, NULL for NOT NULL, BOOLEAN and numbers",
         "PROCEDURE",
         "PROCEDURE p IS\n  TYPE triplet IS VARRAY(3) OF VARCHAR2(15);\n"
         "  TYPE trio    IS VARRAY(3) OF VARCHAR2(15);\n"
         "  group1 triplet := triplet('Jones', 'Wong', 'Marceau');\n  group2 triplet;\n"
         "  group3 trio;\n  n NUMBER NOT NULL := 1;\n  b BOOLEAN := 1;\nBEGIN\n"
         "  group2 := group1;\n  group3 := group1;\n  n := NULL;\n  IF n THEN NULL; END IF;\n"
         "  WHILE n + 1 LOOP NULL; END LOOP;\n  n := n > 1;\nEND;",
         {{8, 16, "PLS-00382: expression is of wrong type"},
          {8, 5, "PL/SQL: Item ignored"},
          {11, 13, "PLS-00382: expression is of wrong type"},
          {11, 3, "PL/SQL: Statement ignored"},
          {12, 8, "PLS-00382: expression is of wrong type"},
          {12, 3, "PL/SQL: Statement ignored"},
          {13, 6, "PLS-00382: expression is of wrong type"},
          {13, 3, "PL/SQL: Statement ignored"},
          {14, 9, "PLS-00382: expression is of wrong type"},
          {14, 3, "PL/SQL: Statement ignored"},
          {15, 8, "PLS-00382: expression is of wrong type"},
          {15, 3, "PL/SQL: Statement ignored"}}},
        {"what cannot be decided is left alone",
         "PROCEDURE",
         "PROCEDURE p (x VARCHAR2) IS\n  n NUMBER := '1';\n  d DATE := SYSDATE;\n"
         "  b BOOLEAN := x IS NULL;\nBEGIN\n  n := x;\n  IF b AND n > 0 THEN b := NOT b; END IF;\n"
         "  IF payroll_pkg.total_payroll(1) > 0 THEN NULL; END IF;\nEND;",
         {}},
    });
}

TEST(PlsqlErrorKinds, FetchIntoAndSelectInto) {
    runCases({
        {"a BOOLEAN fetched from an explicit cursor",
         "PROCEDURE",
         "PROCEDURE p IS\n  CURSOR c IS SELECT ename FROM emp;\n  flag BOOLEAN;\nBEGIN\n"
         "  OPEN c;\n  FETCH c INTO flag;\n  CLOSE c;\nEND;",
         {{6, 16,
           "PLS-00386: type mismatch found at 'FLAG' between FETCH cursor and INTO variables"},
          {6, 3, "PL/SQL: SQL Statement ignored"}}},
        {"an undeclared INTO target (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n\nbegin\nselect ename into s_name from emp where empno=5443;\n"
         "dbms_output.put_line(s_name);\nend;",
         {{4, 19, "PLS-00201: identifier 'S_NAME' must be declared"},
          {4, 26, "PL/SQL: ORA-00904: : invalid identifier"},
          {4, 1, "PL/SQL: SQL Statement ignored"},
          {5, 22, "PLS-00201: identifier 'S_NAME' must be declared"},
          {5, 1, "PL/SQL: Statement ignored"}}},
        {"fewer named columns than the record's fields: too many values at FROM (Oracle "
         "listing); * and a full column list fit",
         "PROCEDURE",
         "PROCEDURE p1 (a NUMBER) IS\n\tr emp%rowtype;\nBEGIN\n"
         "\tselect ename, empno, job, sal into r\n\tfrom emp\n\twhere empno = a;\n"
         "\tselect * into r from emp where empno = a;\n"
         "\tselect e.* into r from emp e where empno = a;\n"
         "\tselect empno, ename, job, mgr, hiredate, sal, comm, deptno into r from emp;\nEND;",
         {{5, 2, "PL/SQL: ORA-00913: too many values"}, {4, 2, "PL/SQL: SQL Statement ignored"}}},
        {"more columns than a table's %ROWTYPE has fields: not enough values at FROM",
         "PROCEDURE",
         "PROCEDURE p IS\n  r dept%ROWTYPE;\nBEGIN\n"
         "  SELECT deptno, dname, loc, deptno\n    INTO r\n    FROM dept;\nEND;",
         {{6, 5, "PL/SQL: ORA-00947: not enough values"}, {4, 3, "PL/SQL: SQL Statement ignored"}}},
        {"scalar targets counted against the values: fewer targets, then more",
         "PROCEDURE",
         "PROCEDURE p IS\n  v_no emp.empno%TYPE;\n  v_name VARCHAR2(10);\n  n NUMBER;\nBEGIN\n"
         "  SELECT empno, ename INTO v_no FROM emp;\n"
         "  SELECT ename INTO v_name, n FROM emp;\n"
         "  SELECT empno, ename, sal INTO v_no, v_name, n FROM emp;\nEND;",
         {{6, 33, "PL/SQL: ORA-00947: not enough values"},
          {6, 3, "PL/SQL: SQL Statement ignored"},
          {7, 31, "PL/SQL: ORA-00913: too many values"},
          {7, 3, "PL/SQL: SQL Statement ignored"}}},
        {"a cursor's record, collections and a collection of records take what they are given",
         "PROCEDURE",
         "PROCEDURE p IS\n  CURSOR c IS SELECT empno, ename FROM emp;\n  rc c%ROWTYPE;\n"
         "  TYPE t_names IS TABLE OF VARCHAR2(10);\n  names t_names; nos t_names;\n"
         "  TYPE t_pair IS RECORD (a NUMBER, b VARCHAR2(10));\n"
         "  TYPE t_pairs IS TABLE OF t_pair;\n  pairs t_pairs;\nBEGIN\n"
         "  SELECT empno, ename INTO rc FROM emp;\n"
         "  SELECT ename, job BULK COLLECT INTO names, nos FROM emp;\n"
         "  SELECT empno, ename BULK COLLECT INTO pairs FROM emp;\nEND;",
         {}},
    });
}

TEST(PlsqlErrorKinds, DeclarationsWithoutAValue) {
    runCases({
        {"NOT NULL without a value: the error alone, at the type (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n\t  var_id constant number := 1;\n\t  name varchar(25) not null;\t\n"
         "BEGIN\n\t  name := 'hell0';\nEND;",
         {{3, 9,
           "PLS-00218: a variable declared NOT NULL must have an initialization assignment"}}},
        {"a constant without a value: Item ignored at CONSTANT, and it stays a constant "
         "(Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n\t  var_id constant number;\t\nBEGIN\n\t  var_id := 1;\n"
         "\t  dbms_output.put_line(var_id);\nEND;",
         {{2, 4,
           "PLS-00322: declaration of a constant 'VAR_ID' must contain an initialization "
           "assignment"},
          {2, 11, "PL/SQL: Item ignored"},
          {4, 4, "PLS-00363: expression 'VAR_ID' cannot be used as an assignment target"},
          {4, 4, "PL/SQL: Statement ignored"}}},
        {"NOT NULL and CONSTANT with values are fine",
         "PROCEDURE",
         "PROCEDURE p IS\n  a NUMBER NOT NULL := 1;\n  b CONSTANT NUMBER NOT NULL := 2;\n"
         "  c CONSTANT VARCHAR2(10) DEFAULT 'x';\nBEGIN\n  a := b;\nEND;",
         {}},
    });
}

TEST(PlsqlErrorKinds, CursorAliasesAndAttributes) {
    runCases({
        {"duplicate column names of a cursor used by a FOR loop",
         "PROCEDURE",
         "PROCEDURE p IS\n  CURSOR cur_emp IS SELECT a.ename, a.empno, b.ename FROM emp a, emp b\n"
         "    WHERE a.empno = b.mgr;\nBEGIN\n  For v_emp IN cur_emp\n  LOOP\n    NULL;\n"
         "  END LOOP;\n  FOR r IN (SELECT deptno, dname AS deptno FROM dept) LOOP NULL; END LOOP;\n"
         "  FOR r IN (SELECT e.deptno, d.deptno dept_no FROM emp e, dept d) LOOP NULL; END LOOP;\n"
         "END;",
         {{5, 3,
           "PLS-00402: alias required in SELECT list of cursor to avoid duplicate column "
           "names"},
          {5, 3, "PL/SQL: Statement ignored"},
          {9, 3,
           "PLS-00402: alias required in SELECT list of cursor to avoid duplicate column "
           "names"},
          {9, 3, "PL/SQL: Statement ignored"}}},
        {"attributes that are no cursor attributes (Oracle listings)",
         "PROCEDURE",
         "PROCEDURE p IS\n  cursor c1 is select * from emp;\n  num1 number;\n  num2 number;\n"
         "  res number;\n  TYPE k IS TABLE OF NUMBER;\n  w k%TYPE;\nbegin\n"
         "  res := num1%num2;\n  open c1;\n\t\texit when c1%notfound or c1%rowcound > 3;\n"
         "  res := SQL%ROWCOUNT + c1%ROWCOUNT;\nend;",
         {{7, 5,
           "PLS-00206: %TYPE must be applied to a variable, column, field or attribute, not to "
           "\"K\""},
          {7, 5, "PL/SQL: Item ignored"},
          {9, 15, "PLS-00208: identifier 'NUM2' is not a legal cursor attribute"},
          {9, 3, "PL/SQL: Statement ignored"},
          {11, 31, "PLS-00208: identifier 'ROWCOUND' is not a legal cursor attribute"},
          {11, 3, "PL/SQL: Statement ignored"}}},
    });
}

TEST(PlsqlErrorKinds, SequencesInSql) {
    runCases({
        {"a sequence the schema does not have (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE AdmitPatient(\n    p_PatientID IN NUMBER\n) AS\nBEGIN\n"
         "    INSERT INTO dept(deptno, dname)\n    VALUES (ADMISSION_SEQ.NEXTVAL, p_PatientID);\n"
         "    COMMIT;\nEND;",
         {{6, 13, "PL/SQL: ORA-02289: sequence does not exist"},
          {5, 5, "PL/SQL: SQL Statement ignored"}}},
        {"CURRVAL in a query; another schema's sequence is left to the database",
         "PROCEDURE",
         "PROCEDURE p IS\n  n NUMBER;\nBEGIN\n  SELECT emp_seq.CURRVAL INTO n FROM dual;\n"
         "  SELECT sys.some_seq.NEXTVAL INTO n FROM dual;\nEND;",
         {{4, 10, "PL/SQL: ORA-02289: sequence does not exist"},
          {4, 3, "PL/SQL: SQL Statement ignored"}}},
    });
}

TEST(PlsqlErrorKinds, MissingTablesInAFromList) {
    runCases({
        {"the last missing table of a FROM list is reported (Oracle listing)",
         "PROCEDURE",
         "PROCEDURE p IS\n  n NUMBER;\nBEGIN\n  SELECT COUNT(*) INTO n\n"
         "    FROM stats_event b\n       , stats_event e\n    WHERE b.id = e.id;\nEND;",
         {{6, 10, "PL/SQL: ORA-00942: table or view does not exist"},
          {4, 3, "PL/SQL: SQL Statement ignored"}}},
    });
}

} // namespace
