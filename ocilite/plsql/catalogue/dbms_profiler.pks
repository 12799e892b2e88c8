-- DBMS_PROFILER: line-level profiling of PL/SQL into the PLSQL_PROFILER_* tables. Each
-- call exists as a function returning a status and as a procedure that raises instead.
PACKAGE dbms_profiler AUTHID CURRENT_USER AS

  success CONSTANT BINARY_INTEGER := 0;
  error_param CONSTANT BINARY_INTEGER := 1;
  error_io CONSTANT BINARY_INTEGER := 2;
  error_version CONSTANT BINARY_INTEGER := -1;
  major_version CONSTANT BINARY_INTEGER := 2;
  minor_version CONSTANT BINARY_INTEGER := 0;

  version_mismatch EXCEPTION;
  profiler_error EXCEPTION;

  FUNCTION start_profiler(run_comment IN VARCHAR2 DEFAULT SYSDATE,
                          run_comment1 IN VARCHAR2 DEFAULT '', run_number OUT BINARY_INTEGER)
    RETURN BINARY_INTEGER;
  PROCEDURE start_profiler(run_comment IN VARCHAR2 DEFAULT SYSDATE,
                           run_comment1 IN VARCHAR2 DEFAULT '',
                           run_number OUT BINARY_INTEGER);
  FUNCTION start_profiler(run_comment IN VARCHAR2 DEFAULT SYSDATE,
                          run_comment1 IN VARCHAR2 DEFAULT '') RETURN BINARY_INTEGER;
  PROCEDURE start_profiler(run_comment IN VARCHAR2 DEFAULT SYSDATE,
                           run_comment1 IN VARCHAR2 DEFAULT '');
  FUNCTION stop_profiler RETURN BINARY_INTEGER;
  PROCEDURE stop_profiler;
  FUNCTION pause_profiler RETURN BINARY_INTEGER;
  PROCEDURE pause_profiler;
  FUNCTION resume_profiler RETURN BINARY_INTEGER;
  PROCEDURE resume_profiler;
  FUNCTION flush_data RETURN BINARY_INTEGER;
  PROCEDURE flush_data;
  PROCEDURE get_version(major OUT BINARY_INTEGER, minor OUT BINARY_INTEGER);
  FUNCTION internal_version_check RETURN BINARY_INTEGER;
  PROCEDURE rollup_unit(run_number IN NUMBER, unit IN NUMBER);
  PROCEDURE rollup_run(run_number IN NUMBER);

END dbms_profiler;
