REM The DEPART and EMPLE tables of a Spanish-language course (departments, employees).
CREATE TABLE depart (
    dept_no NUMBER(2) NOT NULL,
    dnombre VARCHAR2(14),
    loc     VARCHAR2(14)
);

CREATE TABLE emple (
    emp_no    NUMBER(4) NOT NULL,
    apellido  VARCHAR2(10),
    oficio    VARCHAR2(10),
    dir       NUMBER(4),
    fecha_alt DATE,
    salario   NUMBER(7),
    comision  NUMBER(7),
    dept_no   NUMBER(2)
);
