-- DBMS_METADATA: object definitions from the dictionary as DDL or XML (the browsing
-- interface GET_DDL/GET_XML and the main calls of the programmatic interface; FETCH_DDL,
-- which returns the SQL type KU$_DDLS, and the SXML comparison calls are not in the
-- catalogue).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_metadata AUTHID CURRENT_USER AS

  -- transform handle for session-wide transform parameters
  session_transform CONSTANT BINARY_INTEGER := -1;

  invalid_argval EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_argval, -31600);
  invalid_operation EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_operation, -31601);
  inconsistent_args EXCEPTION;
  PRAGMA EXCEPTION_INIT(inconsistent_args, -31602);
  object_not_found EXCEPTION;
  PRAGMA EXCEPTION_INIT(object_not_found, -31603);
  invalid_object_param EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_object_param, -31604);

  -- Browsing interface
  FUNCTION get_ddl(object_type IN VARCHAR2, name IN VARCHAR2 DEFAULT NULL,
                   schema IN VARCHAR2 DEFAULT NULL, version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                   model IN VARCHAR2 DEFAULT 'ORACLE', transform IN VARCHAR2 DEFAULT 'DDL')
    RETURN CLOB;
  FUNCTION get_xml(object_type IN VARCHAR2, name IN VARCHAR2 DEFAULT NULL,
                   schema IN VARCHAR2 DEFAULT NULL, version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                   model IN VARCHAR2 DEFAULT 'ORACLE', transform IN VARCHAR2 DEFAULT NULL)
    RETURN CLOB;
  FUNCTION get_sxml(object_type IN VARCHAR2, name IN VARCHAR2 DEFAULT NULL,
                    schema IN VARCHAR2 DEFAULT NULL, version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                    model IN VARCHAR2 DEFAULT 'ORACLE', transform IN VARCHAR2 DEFAULT 'SXML')
    RETURN CLOB;
  FUNCTION get_dependent_ddl(object_type IN VARCHAR2, base_object_name IN VARCHAR2,
                             base_object_schema IN VARCHAR2 DEFAULT NULL,
                             version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                             model IN VARCHAR2 DEFAULT 'ORACLE',
                             transform IN VARCHAR2 DEFAULT 'DDL',
                             object_count IN NUMBER DEFAULT 10000) RETURN CLOB;
  FUNCTION get_dependent_xml(object_type IN VARCHAR2, base_object_name IN VARCHAR2,
                             base_object_schema IN VARCHAR2 DEFAULT NULL,
                             version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                             model IN VARCHAR2 DEFAULT 'ORACLE',
                             transform IN VARCHAR2 DEFAULT NULL,
                             object_count IN NUMBER DEFAULT 10000) RETURN CLOB;
  FUNCTION get_granted_ddl(object_type IN VARCHAR2, grantee IN VARCHAR2 DEFAULT NULL,
                           version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                           model IN VARCHAR2 DEFAULT 'ORACLE',
                           transform IN VARCHAR2 DEFAULT 'DDL',
                           object_count IN NUMBER DEFAULT 10000) RETURN CLOB;
  FUNCTION get_granted_xml(object_type IN VARCHAR2, grantee IN VARCHAR2 DEFAULT NULL,
                           version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                           model IN VARCHAR2 DEFAULT 'ORACLE',
                           transform IN VARCHAR2 DEFAULT NULL,
                           object_count IN NUMBER DEFAULT 10000) RETURN CLOB;

  -- Programmatic interface
  FUNCTION open(object_type IN VARCHAR2, version IN VARCHAR2 DEFAULT 'COMPATIBLE',
                model IN VARCHAR2 DEFAULT 'ORACLE', network_link IN VARCHAR2 DEFAULT NULL)
    RETURN NUMBER;
  PROCEDURE set_filter(handle IN NUMBER, name IN VARCHAR2, value IN VARCHAR2,
                       object_type_path IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_filter(handle IN NUMBER, name IN VARCHAR2, value IN BOOLEAN DEFAULT TRUE,
                       object_type_path IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_filter(handle IN NUMBER, name IN VARCHAR2, value IN NUMBER,
                       object_type_path IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_count(handle IN NUMBER, value IN NUMBER,
                      object_type_path IN VARCHAR2 DEFAULT NULL);
  FUNCTION get_query(handle IN NUMBER) RETURN VARCHAR2;
  PROCEDURE set_parse_item(handle IN NUMBER, name IN VARCHAR2,
                           object_type IN VARCHAR2 DEFAULT NULL);
  FUNCTION add_transform(handle IN NUMBER, name IN VARCHAR2, encoding IN VARCHAR2 DEFAULT NULL,
                         object_type IN VARCHAR2 DEFAULT NULL) RETURN NUMBER;
  PROCEDURE set_transform_param(transform_handle IN NUMBER, name IN VARCHAR2,
                                value IN VARCHAR2, object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_transform_param(transform_handle IN NUMBER, name IN VARCHAR2,
                                value IN BOOLEAN DEFAULT TRUE,
                                object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_transform_param(transform_handle IN NUMBER, name IN VARCHAR2,
                                value IN NUMBER, object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_remap_param(transform_handle IN NUMBER, name IN VARCHAR2,
                            old_value IN VARCHAR2, new_value IN VARCHAR2,
                            object_type IN VARCHAR2 DEFAULT NULL);
  FUNCTION fetch_xml(handle IN NUMBER) RETURN xmltype;
  FUNCTION fetch_clob(handle IN NUMBER, cache_lob IN BOOLEAN DEFAULT TRUE,
                      lob_duration IN PLS_INTEGER DEFAULT 10) RETURN CLOB;
  PROCEDURE fetch_clob(handle IN NUMBER, doc IN OUT NOCOPY CLOB);
  PROCEDURE close(handle IN NUMBER);

END dbms_metadata;
