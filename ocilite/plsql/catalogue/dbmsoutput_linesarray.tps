-- DBMSOUTPUT_LINESARRAY: the schema-level collection DBMS_OUTPUT.GET_LINES fills, usable
-- from SQL and from clients that cannot bind a PL/SQL index-by table.
TYPE dbmsoutput_linesarray AS VARRAY(2147483647) OF VARCHAR2(32767);
