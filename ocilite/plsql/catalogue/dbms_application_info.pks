-- DBMS_APPLICATION_INFO: module, action and client information shown in V$SESSION, and
-- progress rows of long operations in V$SESSION_LONGOPS.
PACKAGE dbms_application_info AUTHID DEFINER AS

  set_session_longops_nohint CONSTANT BINARY_INTEGER := -1;

  PROCEDURE read_client_info(client_info OUT VARCHAR2);
  PROCEDURE read_module(module_name OUT VARCHAR2, action_name OUT VARCHAR2);
  PROCEDURE set_action(action_name IN VARCHAR2);
  PROCEDURE set_client_info(client_info IN VARCHAR2);
  PROCEDURE set_module(module_name IN VARCHAR2, action_name IN VARCHAR2);
  PROCEDURE set_session_longops(rindex IN OUT BINARY_INTEGER, slno IN OUT BINARY_INTEGER,
                                op_name IN VARCHAR2 DEFAULT NULL,
                                target IN BINARY_INTEGER DEFAULT 0,
                                context IN BINARY_INTEGER DEFAULT 0,
                                sofar IN NUMBER DEFAULT 0, totalwork IN NUMBER DEFAULT 0,
                                target_desc IN VARCHAR2 DEFAULT 'unknown target',
                                units IN VARCHAR2 DEFAULT NULL);

END dbms_application_info;
