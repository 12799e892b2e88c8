-- DBMS_UTILITY: assorted services: error and call stacks, name parsing and resolution,
-- comma lists, timing, hashing, compilation and analysis of schemas, instance facts.
-- PARTIAL: members kept only for old releases may be missing.
PACKAGE dbms_utility AUTHID CURRENT_USER AS

  TYPE dblink_array IS TABLE OF VARCHAR2(128) INDEX BY BINARY_INTEGER;
  TYPE index_table_type IS TABLE OF BINARY_INTEGER INDEX BY BINARY_INTEGER;
  TYPE instance_record IS RECORD (
    inst_number NUMBER,
    inst_name VARCHAR2(60));
  TYPE instance_table IS TABLE OF instance_record INDEX BY BINARY_INTEGER;
  TYPE lname_array IS TABLE OF VARCHAR2(4000) INDEX BY BINARY_INTEGER;
  TYPE name_array IS TABLE OF VARCHAR2(128) INDEX BY BINARY_INTEGER;
  TYPE number_array IS TABLE OF NUMBER INDEX BY BINARY_INTEGER;
  TYPE uncl_array IS TABLE OF VARCHAR2(227) INDEX BY BINARY_INTEGER;

  -- Option of INVALIDATE
  inv_error_on_restrictions CONSTANT PLS_INTEGER := 1;

  inv_not_exist_or_no_priv EXCEPTION;
  PRAGMA EXCEPTION_INIT(inv_not_exist_or_no_priv, -24237);
  inv_malformed_settings EXCEPTION;
  PRAGMA EXCEPTION_INIT(inv_malformed_settings, -24238);
  inv_restricted_object EXCEPTION;
  PRAGMA EXCEPTION_INIT(inv_restricted_object, -24239);

  PROCEDURE active_instances(instance_table OUT instance_table,
                             instance_count OUT NUMBER);
  PROCEDURE analyze_database(method IN VARCHAR2, estimate_rows IN NUMBER DEFAULT NULL,
                             estimate_percent IN NUMBER DEFAULT NULL,
                             method_opt IN VARCHAR2 DEFAULT NULL);
  PROCEDURE analyze_part_object(schema IN VARCHAR2 DEFAULT NULL,
                                object_name IN VARCHAR2 DEFAULT NULL,
                                object_type IN CHAR DEFAULT 'T',
                                command_type IN CHAR DEFAULT 'E',
                                command_opt IN VARCHAR2 DEFAULT NULL,
                                sample_clause IN VARCHAR2 DEFAULT 'sample 5 percent ');
  PROCEDURE analyze_schema(schema IN VARCHAR2, method IN VARCHAR2,
                           estimate_rows IN NUMBER DEFAULT NULL,
                           estimate_percent IN NUMBER DEFAULT NULL,
                           method_opt IN VARCHAR2 DEFAULT NULL);
  PROCEDURE canonicalize(name IN VARCHAR2, canon_name OUT VARCHAR2,
                         canon_len IN BINARY_INTEGER);
  PROCEDURE comma_to_table(list IN VARCHAR2, tablen OUT BINARY_INTEGER, tab OUT uncl_array);
  PROCEDURE comma_to_table(list IN VARCHAR2, tablen OUT BINARY_INTEGER,
                           tab OUT lname_array);
  PROCEDURE compile_schema(schema IN VARCHAR2, compile_all IN BOOLEAN DEFAULT TRUE,
                           reuse_settings IN BOOLEAN DEFAULT FALSE);
  PROCEDURE create_alter_type_error_table(schema_name IN VARCHAR2, table_name IN VARCHAR2);
  FUNCTION current_instance RETURN NUMBER;
  FUNCTION data_block_address_block(dba IN NUMBER) RETURN NUMBER;
  FUNCTION data_block_address_file(dba IN NUMBER) RETURN NUMBER;
  PROCEDURE db_version(version OUT VARCHAR2, compatibility OUT VARCHAR2);
  PROCEDURE exec_ddl_statement(parse_string IN VARCHAR2);
  PROCEDURE expand_sql_text(input_sql_text IN CLOB, output_sql_text OUT CLOB);
  FUNCTION format_call_stack RETURN VARCHAR2;
  FUNCTION format_error_backtrace RETURN VARCHAR2;
  FUNCTION format_error_stack RETURN VARCHAR2;
  FUNCTION get_cpu_time RETURN NUMBER;
  -- TYPE is a reserved word; the manual's parameter name is written quoted.
  PROCEDURE get_dependency("TYPE" IN VARCHAR2, schema IN VARCHAR2, name IN VARCHAR2);
  FUNCTION get_endianness RETURN NUMBER;
  FUNCTION get_hash_value(name IN VARCHAR2, base IN NUMBER, hash_size IN NUMBER)
    RETURN NUMBER;
  FUNCTION get_parameter_value(parnam IN VARCHAR2, intval IN OUT BINARY_INTEGER,
                               strval IN OUT VARCHAR2, listno IN BINARY_INTEGER DEFAULT 1)
    RETURN BINARY_INTEGER;
  FUNCTION get_sql_hash(name IN VARCHAR2, hash OUT RAW, pre10ihash OUT NUMBER)
    RETURN NUMBER;
  FUNCTION get_time RETURN NUMBER;
  PROCEDURE get_tz_transitions(regionid IN NUMBER, transitions OUT RAW);
  PROCEDURE invalidate(p_object_id IN NUMBER, p_plsql_object_settings IN VARCHAR2 DEFAULT NULL,
                       p_option_flags IN PLS_INTEGER DEFAULT 0);
  FUNCTION is_bit_set(r IN RAW, n IN NUMBER) RETURN NUMBER;
  FUNCTION is_cluster_database RETURN BOOLEAN;
  FUNCTION make_data_block_address(file IN NUMBER, block IN NUMBER) RETURN NUMBER;
  PROCEDURE name_resolve(name IN VARCHAR2, context IN NUMBER, schema OUT VARCHAR2,
                         part1 OUT VARCHAR2, part2 OUT VARCHAR2, dblink OUT VARCHAR2,
                         part1_type OUT NUMBER, object_number OUT NUMBER);
  PROCEDURE name_tokenize(name IN VARCHAR2, a OUT VARCHAR2, b OUT VARCHAR2, c OUT VARCHAR2,
                          dblink OUT VARCHAR2, nextpos OUT BINARY_INTEGER);
  FUNCTION old_current_schema RETURN VARCHAR2;
  FUNCTION old_current_user RETURN VARCHAR2;
  FUNCTION port_string RETURN VARCHAR2;
  FUNCTION sqlid_to_sqlhash(sql_id IN VARCHAR2) RETURN NUMBER;
  PROCEDURE table_to_comma(tab IN uncl_array, tablen OUT BINARY_INTEGER, list OUT VARCHAR2);
  PROCEDURE table_to_comma(tab IN lname_array, tablen OUT BINARY_INTEGER,
                           list OUT VARCHAR2);
  PROCEDURE validate(object_id IN NUMBER);
  PROCEDURE validate(owner IN VARCHAR2, objname IN VARCHAR2, namespace IN NUMBER,
                     edition_name IN VARCHAR2 DEFAULT NULL);
  FUNCTION wait_on_pending_dml(tables IN VARCHAR2, timeout IN BINARY_INTEGER,
                               scn IN OUT NUMBER) RETURN BOOLEAN;

END dbms_utility;
