REM Program units that do not compile: each is broken the way real code breaks (a name
REM never declared, a missing ';', a table that does not exist, a misspelt member), and its
REM errors are the rows the compiler gives for it, as Oracle gives them. ORDERS_PKG's
REM specification uses a table that does not exist, so its body cannot be compiled.

CREATE OR REPLACE PROCEDURE show_emp_bonus (p_empno IN emp.empno%TYPE) IS
	-- ボーナス額を表示する（税引前）
	v_sal	emp.sal%TYPE;
	v_bonus	NUMBER;
BEGIN
	SELECT sal INTO v_sal FROM emp WHERE empno = p_empno;
		v_bonus := v_sal * bonus_rate;
	DBMS_OUTPUT.PUT_LINE('Bonus: ' || TO_CHAR(v_bonus));
END show_emp_bonus;
/
SHOW ERRORS

CREATE OR REPLACE PROCEDURE hire_employee (
    p_ename  IN VARCHAR2,
    p_job    IN VARCHAR2,
    p_deptno IN NUMBER
) IS
    v_max_empno NUMBER;
    v_empno     NUMBER;
BEGIN
    -- 新入社員の登録
    SELECT NVL(MAX(empno), 7000) INTO v_max_empno FROM emp;
    v_empno := v_max_empno + 1
    INSERT INTO emp (empno, ename, job, hiredate, deptno)
    VALUES (v_empno, p_ename, p_job, SYSDATE, p_deptno);
END hire_employee;
/
SHOW ERRORS

CREATE OR REPLACE FUNCTION dept_headcount (p_deptno IN NUMBER) RETURN NUMBER IS
    v_count NUMBER;
BEGIN
    SELECT COUNT(*)
      INTO v_count
      FROM employees
     WHERE department_id = p_deptno;
    RETURN v_count;
END dept_headcount;
/
SHOW ERRORS

CREATE OR REPLACE FUNCTION net_pay (p_empno IN NUMBER) RETURN NUMBER IS
    v_sal  NUMBER;
    v_comm NUMBER;
BEGIN
    SELECT sal, NVL(comm, 0) INTO v_sal, v_comm FROM emp WHERE empno = p_empno;
    -- 手取り = 給与 + 歩合 - 所得税 - 社会保険料
    RETURN v_sal + v_comm - income_tax(v_sal) - social_ins;
END net_pay;
/
SHOW ERRORS

CREATE OR REPLACE PACKAGE BODY payroll_pkg AS

    PROCEDURE print_slip (p_empno IN NUMBER) IS
        r emp%ROWTYPE;
    BEGIN
        SELECT * INTO r FROM emp WHERE empno = p_empno;
        DBMS_OUTPUT.PUT_LIN('社員: ' || r.ename);
        DBMS_OUTPUT.PUT_LINE('給与: ' || TO_CHAR(r.sal, '999,990'));
        DBMS_OUTPUT.PUT_LINE('部門: ' || r.dept_name);
    END print_slip;

    FUNCTION total_payroll (p_deptno IN NUMBER) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT SUM(sal + NVL(comm, 0)) INTO v_total FROM emp WHERE deptno = p_deptno;
        RETURN NVL(v_total, 0);
    END total_payroll;

END payroll_pkg;
/
SHOW ERRORS

CREATE OR REPLACE PACKAGE orders_pkg AS
    -- 受注処理パッケージ
    SUBTYPE order_id_t IS orders.order_id%TYPE;

    FUNCTION status_of (p_order_id IN order_id_t) RETURN VARCHAR2;
    PROCEDURE ship (p_order_id IN order_id_t);
END orders_pkg;
/
SHOW ERRORS

CREATE OR REPLACE PACKAGE BODY orders_pkg AS

    FUNCTION status_of (p_order_id IN order_id_t) RETURN VARCHAR2 IS
        v_status VARCHAR2(10);
    BEGIN
        SELECT status INTO v_status FROM orders WHERE order_id = p_order_id;
        RETURN v_status;
    END status_of;

    PROCEDURE ship (p_order_id IN order_id_t) IS
    BEGIN
        -- 出荷済みにする
        UPDATE orders SET status = 'SHIPPED', shipped_on = SYSDATE
         WHERE order_id = p_order_id;
    END ship;

END orders_pkg;
/
SHOW ERRORS
