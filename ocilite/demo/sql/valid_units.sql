REM Program units that compile cleanly.

CREATE OR REPLACE PACKAGE emp_mgmt AS
    -- 社員管理の共通処理（採用・退職・昇給）
    no_such_employee EXCEPTION;

    FUNCTION hire (p_ename  IN VARCHAR2,
                   p_job    IN VARCHAR2,
                   p_mgr    IN NUMBER,
                   p_sal    IN NUMBER,
                   p_deptno IN NUMBER) RETURN NUMBER;
    PROCEDURE fire (p_empno IN NUMBER);
    PROCEDURE raise_sal (p_empno IN NUMBER, p_pct IN NUMBER);
END emp_mgmt;
/
SHOW ERRORS

CREATE OR REPLACE PACKAGE BODY emp_mgmt AS

    FUNCTION hire (p_ename  IN VARCHAR2,
                   p_job    IN VARCHAR2,
                   p_mgr    IN NUMBER,
                   p_sal    IN NUMBER,
                   p_deptno IN NUMBER) RETURN NUMBER IS
        v_empno emp.empno%TYPE;
    BEGIN
        -- 社員番号は既存の最大値の次
        SELECT NVL(MAX(empno), 7000) + 1 INTO v_empno FROM emp;
        INSERT INTO emp (empno, ename, job, mgr, hiredate, sal, comm, deptno)
        VALUES (v_empno, p_ename, p_job, p_mgr, SYSDATE, p_sal, NULL, p_deptno);
        RETURN v_empno;
    END hire;

    PROCEDURE fire (p_empno IN NUMBER) IS
    BEGIN
        DELETE FROM emp WHERE empno = p_empno;
        IF SQL%ROWCOUNT = 0 THEN
            RAISE no_such_employee;
        END IF;
    END fire;

    PROCEDURE raise_sal (p_empno IN NUMBER, p_pct IN NUMBER) IS
    BEGIN
        UPDATE emp SET sal = sal * (1 + p_pct / 100) WHERE empno = p_empno;
        IF SQL%ROWCOUNT = 0 THEN
            RAISE no_such_employee;
        END IF;
    END raise_sal;

END emp_mgmt;
/
SHOW ERRORS

CREATE OR REPLACE FUNCTION get_dept_name (p_deptno IN NUMBER) RETURN VARCHAR2 IS
    v_dname dept.dname%TYPE;
BEGIN
    SELECT dname INTO v_dname FROM dept WHERE deptno = p_deptno;
    RETURN v_dname;
EXCEPTION
    WHEN NO_DATA_FOUND THEN
        RETURN NULL; -- 該当部門なし
END get_dept_name;
/

CREATE OR REPLACE FUNCTION annual_comp (p_sal IN NUMBER, p_comm IN NUMBER) RETURN NUMBER IS
BEGIN
    -- 年収 = 月給 × 12 + 歩合
    RETURN NVL(p_sal, 0) * 12 + NVL(p_comm, 0);
END annual_comp;
/

CREATE OR REPLACE PROCEDURE raise_salary (p_deptno IN NUMBER, p_pct IN NUMBER) IS
    /* 部門単位の一律昇給。
       p_pct は百分率（5 なら 5% 昇給）。 */
    CURSOR c_emp IS
        SELECT empno FROM emp WHERE deptno = p_deptno FOR UPDATE OF sal;
BEGIN
    FOR r IN c_emp LOOP
        emp_mgmt.raise_sal(r.empno, p_pct);
    END LOOP;
    COMMIT;
END raise_salary;
/

CREATE OR REPLACE PACKAGE payroll_pkg AS
    -- 給与明細の出力
    PROCEDURE print_slip (p_empno IN NUMBER);
    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER;
END payroll_pkg;
/
