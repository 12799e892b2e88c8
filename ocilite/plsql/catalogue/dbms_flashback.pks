-- DBMS_FLASHBACK: session-level flashback query (as of a time or SCN), the current SCN,
-- and backing out committed transactions.
PACKAGE dbms_flashback AUTHID CURRENT_USER AS

  -- options of TRANSACTION_BACKOUT
  nocascade CONSTANT PLS_INTEGER := 1;
  nocascade_force CONSTANT PLS_INTEGER := 2;
  nonconflict_only CONSTANT PLS_INTEGER := 3;
  cascade CONSTANT PLS_INTEGER := 4;

  PROCEDURE disable;
  PROCEDURE enable_at_system_change_number(query_scn IN NUMBER);
  PROCEDURE enable_at_time(query_time IN TIMESTAMP_UNCONSTRAINED);
  FUNCTION get_system_change_number RETURN NUMBER;
  -- timehint defaults to the earliest time the database can look back to.
  PROCEDURE transaction_backout(numtxns IN NUMBER, xids IN xid_array,
                                options IN NUMBER DEFAULT nocascade,
                                timehint IN TIMESTAMP_UNCONSTRAINED DEFAULT NULL);
  PROCEDURE transaction_backout(numtxns IN NUMBER, xids IN xid_array, options IN NUMBER,
                                scnhint IN NUMBER);
  PROCEDURE transaction_backout(numtxns IN NUMBER, names IN txname_array,
                                options IN NUMBER DEFAULT nocascade,
                                timehint IN TIMESTAMP_UNCONSTRAINED DEFAULT NULL);
  PROCEDURE transaction_backout(numtxns IN NUMBER, names IN txname_array, options IN NUMBER,
                                scnhint IN NUMBER);

END dbms_flashback;
