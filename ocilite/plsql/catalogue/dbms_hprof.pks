-- DBMS_HPROF: the hierarchical profiler of PL/SQL: start and stop collecting raw
-- profiler output, and analyse it into the DBMSHP_* tables or an HTML report.
-- PARTIAL: the calls of 19c; later releases add more.
PACKAGE dbms_hprof AUTHID CURRENT_USER AS

  PROCEDURE start_profiling(location IN VARCHAR2 DEFAULT NULL,
                            filename IN VARCHAR2 DEFAULT NULL,
                            max_depth IN PLS_INTEGER DEFAULT NULL,
                            sqlmonitor IN BOOLEAN DEFAULT TRUE,
                            run_comment IN VARCHAR2 DEFAULT NULL);
  -- 18c and later: returns the trace identifier.
  FUNCTION stop_profiling RETURN NUMBER;
  PROCEDURE stop_profiling;
  FUNCTION analyze(location IN VARCHAR2, filename IN VARCHAR2,
                   summary_mode IN BOOLEAN DEFAULT FALSE, trace IN VARCHAR2 DEFAULT NULL,
                   skip IN PLS_INTEGER DEFAULT 0, collect IN PLS_INTEGER DEFAULT NULL,
                   run_comment IN VARCHAR2 DEFAULT NULL) RETURN NUMBER;
  PROCEDURE analyze(trace_id IN NUMBER, report_clob OUT CLOB, trace IN VARCHAR2 DEFAULT NULL,
                    skip IN PLS_INTEGER DEFAULT 0, collect IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE create_tables(force_it IN BOOLEAN DEFAULT FALSE);

END dbms_hprof;
