REM The STAFF_MASTER table of a training course (only the columns its exercises name are sure).
CREATE TABLE staff_master (
    staff_code  NUMBER(8) NOT NULL,
    staff_name  VARCHAR2(50),
    design_code NUMBER,
    dept_code   NUMBER,
    hiredate    DATE,
    staff_dob   DATE,
    staff_address VARCHAR2(240),
    mgr_code    NUMBER(8),
    staff_sal   NUMBER(10,2)
);
