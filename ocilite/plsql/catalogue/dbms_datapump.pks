-- DBMS_DATAPUMP: Data Pump export and import jobs from PL/SQL: open a job, add files,
-- filter and remap metadata and data, set parameters, start, wait for and detach from
-- it (the main calls; GET_STATUS, which returns the SQL type KU$_STATUS, is not here).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_datapump AUTHID CURRENT_USER AS

  -- filetype of ADD_FILE
  ku$_file_type_dump_file CONSTANT NUMBER := 1;
  ku$_file_type_bad_file CONSTANT NUMBER := 2;
  ku$_file_type_log_file CONSTANT NUMBER := 3;
  ku$_file_type_sql_file CONSTANT NUMBER := 4;
  -- mask of GET_STATUS
  ku$_status_wip CONSTANT BINARY_INTEGER := 1;
  ku$_status_job_desc CONSTANT BINARY_INTEGER := 2;
  ku$_status_job_status CONSTANT BINARY_INTEGER := 4;
  ku$_status_job_error CONSTANT BINARY_INTEGER := 8;

  FUNCTION open(operation IN VARCHAR2, job_mode IN VARCHAR2,
                remote_link IN VARCHAR2 DEFAULT NULL, job_name IN VARCHAR2 DEFAULT NULL,
                version IN VARCHAR2 DEFAULT 'COMPATIBLE') RETURN NUMBER;
  FUNCTION attach(job_name IN VARCHAR2 DEFAULT NULL, job_owner IN VARCHAR2 DEFAULT NULL)
    RETURN NUMBER;
  PROCEDURE add_file(handle IN NUMBER, filename IN VARCHAR2,
                     directory IN VARCHAR2 DEFAULT NULL, filesize IN VARCHAR2 DEFAULT NULL,
                     filetype IN NUMBER DEFAULT ku$_file_type_dump_file,
                     reusefile IN NUMBER DEFAULT NULL);
  PROCEDURE metadata_filter(handle IN NUMBER, name IN VARCHAR2, value IN VARCHAR2,
                            object_path IN VARCHAR2 DEFAULT NULL,
                            object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE metadata_filter(handle IN NUMBER, name IN VARCHAR2, value IN CLOB,
                            object_path IN VARCHAR2 DEFAULT NULL,
                            object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE metadata_remap(handle IN NUMBER, name IN VARCHAR2, old_value IN VARCHAR2,
                           value IN VARCHAR2, object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE metadata_transform(handle IN NUMBER, name IN VARCHAR2, value IN VARCHAR2,
                               object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE metadata_transform(handle IN NUMBER, name IN VARCHAR2, value IN NUMBER,
                               object_type IN VARCHAR2 DEFAULT NULL);
  PROCEDURE data_filter(handle IN NUMBER, name IN VARCHAR2, value IN NUMBER,
                        table_name IN VARCHAR2 DEFAULT NULL,
                        schema_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE data_filter(handle IN NUMBER, name IN VARCHAR2, value IN VARCHAR2,
                        table_name IN VARCHAR2 DEFAULT NULL,
                        schema_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE data_filter(handle IN NUMBER, name IN VARCHAR2, value IN CLOB,
                        table_name IN VARCHAR2 DEFAULT NULL,
                        schema_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_parallel(handle IN NUMBER, degree IN NUMBER);
  PROCEDURE set_parameter(handle IN NUMBER, name IN VARCHAR2, value IN VARCHAR2);
  PROCEDURE set_parameter(handle IN NUMBER, name IN VARCHAR2, value IN NUMBER);
  PROCEDURE start_job(handle IN NUMBER, skip_current IN NUMBER DEFAULT 0,
                      abort_step IN NUMBER DEFAULT 0, cluster_ok IN NUMBER DEFAULT 1,
                      service_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE stop_job(handle IN NUMBER, immediate IN NUMBER DEFAULT 0,
                     keep_master IN NUMBER DEFAULT NULL, delay IN NUMBER DEFAULT 60);
  PROCEDURE wait_for_job(handle IN NUMBER, job_state OUT VARCHAR2);
  PROCEDURE log_entry(handle IN NUMBER, message IN VARCHAR2, log_file_only IN NUMBER DEFAULT 0);
  PROCEDURE detach(handle IN NUMBER);

END dbms_datapump;
