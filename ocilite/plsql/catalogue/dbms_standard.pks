-- DBMS_STANDARD: members that, like STANDARD's, resolve without a package prefix:
-- RAISE_APPLICATION_ERROR, the trigger predicates, the transaction procedures behind
-- COMMIT/ROLLBACK/SAVEPOINT and the event attribute functions of system triggers.
PACKAGE dbms_standard AUTHID CURRENT_USER AS

  -- The list type of the event attribute functions that return several names.
  TYPE ora_name_list_t IS TABLE OF VARCHAR2(261);

  -- Raises a user-defined error; num is in -20999 .. -20000. With keeperrorstack TRUE
  -- the error is added to the error stack instead of replacing it.
  PROCEDURE raise_application_error(num BINARY_INTEGER, msg VARCHAR2,
                                    keeperrorstack BOOLEAN DEFAULT FALSE);

  -- Conditional predicates of DML triggers.
  FUNCTION inserting RETURN BOOLEAN;
  FUNCTION deleting RETURN BOOLEAN;
  FUNCTION updating RETURN BOOLEAN;
  FUNCTION updating(colnam VARCHAR2) RETURN BOOLEAN;

  -- Transaction control (the statements COMMIT, ROLLBACK, SAVEPOINT and SET TRANSACTION
  -- are syntax; these are the procedures behind them).
  PROCEDURE commit;
  PROCEDURE commit_cm(vc VARCHAR2);
  PROCEDURE rollback_nr;
  PROCEDURE rollback_sv(save_point VARCHAR2);
  PROCEDURE savepoint(save_point VARCHAR2);
  PROCEDURE set_transaction_use(vc VARCHAR2);

  -- Event attribute functions of system triggers, under DBMS_STANDARD's own names.
  FUNCTION sysevent RETURN VARCHAR2;
  FUNCTION dictionary_obj_type RETURN VARCHAR2;
  FUNCTION dictionary_obj_owner RETURN VARCHAR2;
  FUNCTION dictionary_obj_name RETURN VARCHAR2;
  FUNCTION database_name RETURN VARCHAR2;
  FUNCTION instance_num RETURN BINARY_INTEGER;
  FUNCTION login_user RETURN VARCHAR2;
  FUNCTION is_servererror(errno BINARY_INTEGER) RETURN BOOLEAN;
  FUNCTION server_error(position BINARY_INTEGER) RETURN BINARY_INTEGER;
  FUNCTION server_error_depth RETURN BINARY_INTEGER;
  FUNCTION server_error_msg(position BINARY_INTEGER) RETURN VARCHAR2;
  FUNCTION server_error_num_params(position BINARY_INTEGER) RETURN BINARY_INTEGER;
  FUNCTION server_error_param(position BINARY_INTEGER, param BINARY_INTEGER)
    RETURN VARCHAR2;
  FUNCTION des_encrypted_password(user VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION is_alter_column(column_name VARCHAR2) RETURN BOOLEAN;
  FUNCTION is_drop_column(column_name VARCHAR2) RETURN BOOLEAN;
  FUNCTION is_creating_nested_table RETURN BOOLEAN;
  FUNCTION grantee(user_list OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION revokee(user_list OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION privilege_list(priv_list OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION with_grant_option RETURN BOOLEAN;
  FUNCTION dictionary_obj_owner_list(owner_list OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION dictionary_obj_name_list(object_list OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION client_ip_address RETURN VARCHAR2;
  FUNCTION sql_txt(sql_text OUT ora_name_list_t) RETURN BINARY_INTEGER;
  FUNCTION partition_pos RETURN BINARY_INTEGER;

  -- The documented ORA_ names of the event attribute functions. In the database they are
  -- public synonyms of standalone SYS functions; like DBMS_STANDARD's members they are
  -- called without a prefix, so the catalogue keeps them here.
  FUNCTION ora_client_ip_address RETURN VARCHAR2;
  FUNCTION ora_database_name RETURN VARCHAR2;
  FUNCTION ora_des_encrypted_password RETURN VARCHAR2;
  FUNCTION ora_dict_obj_name RETURN VARCHAR2;
  FUNCTION ora_dict_obj_name_list(name_list OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_dict_obj_owner RETURN VARCHAR2;
  FUNCTION ora_dict_obj_owner_list(owner_list OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_dict_obj_type RETURN VARCHAR2;
  FUNCTION ora_grantee(user_list OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_instance_num RETURN NUMBER;
  FUNCTION ora_is_alter_column(column_name IN VARCHAR2) RETURN BOOLEAN;
  FUNCTION ora_is_creating_nested_table RETURN BOOLEAN;
  FUNCTION ora_is_drop_column(column_name IN VARCHAR2) RETURN BOOLEAN;
  FUNCTION ora_is_servererror(error_number IN NUMBER) RETURN BOOLEAN;
  FUNCTION ora_login_user RETURN VARCHAR2;
  FUNCTION ora_partition_pos RETURN PLS_INTEGER;
  FUNCTION ora_privilege_list(privilege_list OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_revokee(user_list OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_server_error(position IN PLS_INTEGER) RETURN NUMBER;
  FUNCTION ora_server_error_depth RETURN PLS_INTEGER;
  FUNCTION ora_server_error_msg(position IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION ora_server_error_num_params(position IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION ora_server_error_param(position IN PLS_INTEGER, param IN PLS_INTEGER)
    RETURN VARCHAR2;
  FUNCTION ora_space_error_info(error_number OUT NUMBER, error_type OUT VARCHAR2,
                                object_owner OUT VARCHAR2, table_space_name OUT VARCHAR2,
                                object_name OUT VARCHAR2, sub_object_name OUT VARCHAR2)
    RETURN BOOLEAN;
  FUNCTION ora_sql_txt(sql_text OUT ora_name_list_t) RETURN PLS_INTEGER;
  FUNCTION ora_sysevent RETURN VARCHAR2;
  FUNCTION ora_with_grant_option RETURN BOOLEAN;

END dbms_standard;
