REM A RETIRED_EMPS table as one session's DESC listing shows it (its LEAVEATE column is misspelt).
CREATE TABLE retired_emps (
    empno    NUMBER(6),
    ename    VARCHAR2(25) NOT NULL,
    job      VARCHAR2(10) NOT NULL,
    mgr      NUMBER(6),
    hiredate DATE NOT NULL,
    leaveate DATE,
    sal      NUMBER(8,2),
    comm     NUMBER(2,2),
    deptno   NUMBER(4)
);
