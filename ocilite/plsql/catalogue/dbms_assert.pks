-- DBMS_ASSERT: checks and quoting of values that a program splices into dynamic SQL
-- (simple and qualified names, schema and object names, literals).
PACKAGE dbms_assert AUTHID CURRENT_USER AS

  invalid_schema_name EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_schema_name, -44001);
  invalid_object_name EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_object_name, -44002);
  invalid_sql_name EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_sql_name, -44003);
  invalid_qualified_sql_name EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_qualified_sql_name, -44004);

  FUNCTION enquote_literal(str VARCHAR2) RETURN VARCHAR2;
  FUNCTION enquote_name(str VARCHAR2, capitalize BOOLEAN DEFAULT TRUE) RETURN VARCHAR2;
  FUNCTION noop(str VARCHAR2) RETURN VARCHAR2;
  FUNCTION noop(str CLOB) RETURN CLOB;
  FUNCTION qualified_sql_name(str VARCHAR2) RETURN VARCHAR2;
  FUNCTION schema_name(str VARCHAR2) RETURN VARCHAR2;
  FUNCTION simple_sql_name(str VARCHAR2) RETURN VARCHAR2;
  FUNCTION sql_object_name(str VARCHAR2) RETURN VARCHAR2;

END dbms_assert;
