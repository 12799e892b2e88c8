-- ODCIVARCHAR2LIST: a general-purpose VARRAY of strings that Oracle supplies (often used
-- as sys.odcivarchar2list('a', 'b') in TABLE() expressions).
TYPE odcivarchar2list AS VARRAY(32767) OF VARCHAR2(4000);
