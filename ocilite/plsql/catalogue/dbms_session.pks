-- DBMS_SESSION: the session's settings from PL/SQL: application contexts, client
-- identifier, roles, NLS, tracing, package state and memory.
-- PARTIAL: members kept only for old releases may be missing.
PACKAGE dbms_session AUTHID CURRENT_USER AS

  TYPE appctxrectyp IS RECORD (
    namespace VARCHAR2(128),
    attribute VARCHAR2(128),
    value VARCHAR2(4000));
  TYPE appctxtabtyp IS TABLE OF appctxrectyp INDEX BY BINARY_INTEGER;
  TYPE big_integer_array IS TABLE OF NUMBER INDEX BY BINARY_INTEGER;
  TYPE integer_array IS TABLE OF BINARY_INTEGER INDEX BY BINARY_INTEGER;
  TYPE lname_array IS TABLE OF VARCHAR2(4000) INDEX BY BINARY_INTEGER;

  -- action_flags of MODIFY_PACKAGE_STATE
  free_all_resources CONSTANT PLS_INTEGER := 1;
  reinitialize CONSTANT PLS_INTEGER := 2;

  PROCEDURE clear_all_context(namespace VARCHAR2);
  -- The manual names the second parameter client_identifier; the package declares it as
  -- client_id, as SET_CONTEXT does, and callers use that name.
  PROCEDURE clear_context(namespace VARCHAR2, client_id VARCHAR2 DEFAULT NULL,
                          attribute VARCHAR2 DEFAULT NULL);
  PROCEDURE clear_identifier;
  PROCEDURE close_database_link(dblink VARCHAR2);
  FUNCTION current_is_role_enabled(rolename VARCHAR2) RETURN BOOLEAN;
  PROCEDURE free_unused_user_memory;
  PROCEDURE get_package_memory_utilization(owner_names OUT NOCOPY lname_array,
                                           unit_names OUT NOCOPY lname_array,
                                           unit_types OUT NOCOPY integer_array,
                                           used_amounts OUT NOCOPY big_integer_array,
                                           free_amounts OUT NOCOPY big_integer_array);
  FUNCTION is_role_enabled(rolename VARCHAR2) RETURN BOOLEAN;
  FUNCTION is_session_alive(uniqueid VARCHAR2) RETURN BOOLEAN;
  PROCEDURE list_context(list OUT appctxtabtyp, lsize OUT NUMBER);
  PROCEDURE modify_package_state(action_flags IN PLS_INTEGER);
  PROCEDURE reset_package;
  FUNCTION session_is_role_enabled(rolename VARCHAR2) RETURN BOOLEAN;
  PROCEDURE session_trace_disable;
  PROCEDURE session_trace_enable(waits IN BOOLEAN DEFAULT TRUE, binds IN BOOLEAN DEFAULT FALSE,
                                 plan_stat IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_close_cached_open_cursors(close_cursors IN BOOLEAN);
  PROCEDURE set_context(namespace VARCHAR2, attribute VARCHAR2, value VARCHAR2,
                        username VARCHAR2 DEFAULT NULL, client_id VARCHAR2 DEFAULT NULL);
  PROCEDURE set_edition_deferred(edition IN VARCHAR2);
  PROCEDURE set_identifier(client_id VARCHAR2);
  PROCEDURE set_nls(param VARCHAR2, value VARCHAR2);
  PROCEDURE set_role(role_cmd VARCHAR2);
  PROCEDURE set_sql_trace(sql_trace BOOLEAN);
  PROCEDURE sleep(seconds IN NUMBER); -- 18c and later
  PROCEDURE switch_current_consumer_group(new_consumer_group IN VARCHAR2,
                                          old_consumer_group OUT VARCHAR2,
                                          initial_group_on_error IN BOOLEAN);
  FUNCTION unique_session_id RETURN VARCHAR2;

END dbms_session;
