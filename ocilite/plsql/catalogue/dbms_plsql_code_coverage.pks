-- DBMS_PLSQL_CODE_COVERAGE: basic-block coverage of PL/SQL units into the DBMSPCC_*
-- tables (12.2 and later).
PACKAGE dbms_plsql_code_coverage AUTHID CURRENT_USER AS

  FUNCTION start_coverage(run_comment IN VARCHAR2) RETURN NUMBER;
  PROCEDURE stop_coverage;
  PROCEDURE create_coverage_tables(force_it IN BOOLEAN DEFAULT FALSE);

END dbms_plsql_code_coverage;
