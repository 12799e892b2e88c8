-- DBMS_SQL: dynamic SQL through numbered cursors: open, parse, bind, define, execute,
-- fetch, read values, describe columns, and conversion to and from REF CURSORs.
-- PARTIAL: BIND_VARIABLE_PKG and VARIABLE_VALUE_PKG are not here.
PACKAGE dbms_sql AUTHID CURRENT_USER AS

  -- Language flags of PARSE
  v6 CONSTANT INTEGER := 0;
  native CONSTANT INTEGER := 1;
  v7 CONSTANT INTEGER := 2;
  foreign_syntax CONSTANT INTEGER := 4294967295;

  -- Column type codes that DESCRIBE_COLUMNS reports in col_type
  varchar2_type CONSTANT PLS_INTEGER := 1;
  number_type CONSTANT PLS_INTEGER := 2;
  long_type CONSTANT PLS_INTEGER := 8;
  rowid_type CONSTANT PLS_INTEGER := 11;
  date_type CONSTANT PLS_INTEGER := 12;
  raw_type CONSTANT PLS_INTEGER := 23;
  long_raw_type CONSTANT PLS_INTEGER := 24;
  char_type CONSTANT PLS_INTEGER := 96;
  binary_float_type CONSTANT PLS_INTEGER := 100;
  binary_bouble_type CONSTANT PLS_INTEGER := 101; -- sic: the package spells it this way
  mlslabel_type CONSTANT PLS_INTEGER := 106;
  user_defined_type CONSTANT PLS_INTEGER := 109;
  ref_type CONSTANT PLS_INTEGER := 111;
  clob_type CONSTANT PLS_INTEGER := 112;
  blob_type CONSTANT PLS_INTEGER := 113;
  bfile_type CONSTANT PLS_INTEGER := 114;
  timestamp_type CONSTANT PLS_INTEGER := 180;
  timestamp_with_tz_type CONSTANT PLS_INTEGER := 181;
  interval_year_to_month_type CONSTANT PLS_INTEGER := 182;
  interval_day_to_second_type CONSTANT PLS_INTEGER := 183;
  urowid_type CONSTANT PLS_INTEGER := 208;
  timestamp_with_local_tz_type CONSTANT PLS_INTEGER := 231;

  -- Raised by COLUMN_VALUE and VARIABLE_VALUE when the OUT argument's type differs from
  -- the value's type.
  inconsistent_type EXCEPTION;
  PRAGMA EXCEPTION_INIT(inconsistent_type, -6562);

  TYPE desc_rec IS RECORD (
    col_type BINARY_INTEGER := 0,
    col_max_len BINARY_INTEGER := 0,
    col_name VARCHAR2(32) := '',
    col_name_len BINARY_INTEGER := 0,
    col_schema_name VARCHAR2(32) := '',
    col_schema_name_len BINARY_INTEGER := 0,
    col_precision BINARY_INTEGER := 0,
    col_scale BINARY_INTEGER := 0,
    col_charsetid BINARY_INTEGER := 0,
    col_charsetform BINARY_INTEGER := 0,
    col_null_ok BOOLEAN := TRUE);
  TYPE desc_tab IS TABLE OF desc_rec INDEX BY BINARY_INTEGER;

  TYPE desc_rec2 IS RECORD (
    col_type BINARY_INTEGER := 0,
    col_max_len BINARY_INTEGER := 0,
    col_name VARCHAR2(32767) := '',
    col_name_len BINARY_INTEGER := 0,
    col_schema_name VARCHAR2(32) := '',
    col_schema_name_len BINARY_INTEGER := 0,
    col_precision BINARY_INTEGER := 0,
    col_scale BINARY_INTEGER := 0,
    col_charsetid BINARY_INTEGER := 0,
    col_charsetform BINARY_INTEGER := 0,
    col_null_ok BOOLEAN := TRUE);
  TYPE desc_tab2 IS TABLE OF desc_rec2 INDEX BY BINARY_INTEGER;

  TYPE desc_rec3 IS RECORD (
    col_type BINARY_INTEGER := 0,
    col_max_len BINARY_INTEGER := 0,
    col_name VARCHAR2(32767) := '',
    col_name_len BINARY_INTEGER := 0,
    col_schema_name VARCHAR2(32) := '',
    col_schema_name_len BINARY_INTEGER := 0,
    col_precision BINARY_INTEGER := 0,
    col_scale BINARY_INTEGER := 0,
    col_charsetid BINARY_INTEGER := 0,
    col_charsetform BINARY_INTEGER := 0,
    col_null_ok BOOLEAN := TRUE,
    col_type_name VARCHAR2(32767) := '',
    col_type_name_len BINARY_INTEGER := 0);
  TYPE desc_tab3 IS TABLE OF desc_rec3 INDEX BY BINARY_INTEGER;

  -- 12.2 and later: schema and type names of up to 128 bytes.
  TYPE desc_rec4 IS RECORD (
    col_type BINARY_INTEGER := 0,
    col_max_len BINARY_INTEGER := 0,
    col_name VARCHAR2(32767) := '',
    col_name_len BINARY_INTEGER := 0,
    col_schema_name VARCHAR2(32767) := '',
    col_schema_name_len BINARY_INTEGER := 0,
    col_precision BINARY_INTEGER := 0,
    col_scale BINARY_INTEGER := 0,
    col_charsetid BINARY_INTEGER := 0,
    col_charsetform BINARY_INTEGER := 0,
    col_null_ok BOOLEAN := TRUE,
    col_type_name VARCHAR2(32767) := '',
    col_type_name_len BINARY_INTEGER := 0);
  TYPE desc_tab4 IS TABLE OF desc_rec4 INDEX BY BINARY_INTEGER;

  -- Collections for array binds and defines, and for statements longer than 32K
  TYPE bfile_table IS TABLE OF BFILE INDEX BY BINARY_INTEGER;
  TYPE binary_double_table IS TABLE OF BINARY_DOUBLE INDEX BY BINARY_INTEGER;
  TYPE binary_float_table IS TABLE OF BINARY_FLOAT INDEX BY BINARY_INTEGER;
  TYPE blob_table IS TABLE OF BLOB INDEX BY BINARY_INTEGER;
  TYPE clob_table IS TABLE OF CLOB INDEX BY BINARY_INTEGER;
  TYPE date_table IS TABLE OF DATE INDEX BY BINARY_INTEGER;
  TYPE interval_day_to_second_table IS TABLE OF DSINTERVAL_UNCONSTRAINED
    INDEX BY BINARY_INTEGER;
  TYPE interval_year_to_month_table IS TABLE OF YMINTERVAL_UNCONSTRAINED
    INDEX BY BINARY_INTEGER;
  TYPE number_table IS TABLE OF NUMBER INDEX BY BINARY_INTEGER;
  -- TIME_TABLE and TIME_WITH_TIME_ZONE_TABLE hold Oracle's internal TIME types, which
  -- PL/SQL code cannot declare; they are approximated by TIMESTAMP here.
  TYPE time_table IS TABLE OF TIMESTAMP_UNCONSTRAINED INDEX BY BINARY_INTEGER;
  TYPE time_with_time_zone_table IS TABLE OF TIMESTAMP_TZ_UNCONSTRAINED
    INDEX BY BINARY_INTEGER;
  TYPE timestamp_table IS TABLE OF TIMESTAMP_UNCONSTRAINED INDEX BY BINARY_INTEGER;
  TYPE timestamp_with_ltz_table IS TABLE OF TIMESTAMP_LTZ_UNCONSTRAINED
    INDEX BY BINARY_INTEGER;
  TYPE timestamp_with_time_zone_table IS TABLE OF TIMESTAMP_TZ_UNCONSTRAINED
    INDEX BY BINARY_INTEGER;
  TYPE urowid_table IS TABLE OF UROWID INDEX BY BINARY_INTEGER;
  TYPE varchar2_table IS TABLE OF VARCHAR2(2000) INDEX BY BINARY_INTEGER;
  TYPE varchar2a IS TABLE OF VARCHAR2(32767) INDEX BY BINARY_INTEGER;
  TYPE varchar2s IS TABLE OF VARCHAR2(256) INDEX BY BINARY_INTEGER;

  -- BIND_VARIABLE, DEFINE_COLUMN, COLUMN_VALUE and VARIABLE_VALUE also take any object
  -- type, REF, nested table or VARRAY: the overloads with the generic types of STANDARD.
  -- BIND_VARIABLE_PKG and VARIABLE_VALUE_PKG (package-level record and collection types,
  -- 12.1 and later) are not in the catalogue.

  ---------------------------------------------------------------------------------------
  -- Cursors
  ---------------------------------------------------------------------------------------
  FUNCTION open_cursor(treat_as_client_for_results IN BOOLEAN DEFAULT FALSE) RETURN INTEGER;
  FUNCTION open_cursor(security_level IN INTEGER,
                       treat_as_client_for_results IN BOOLEAN DEFAULT FALSE) RETURN INTEGER;
  FUNCTION is_open(c IN INTEGER) RETURN BOOLEAN;
  PROCEDURE close_cursor(c IN OUT INTEGER);

  PROCEDURE parse(c IN INTEGER, statement IN VARCHAR2, language_flag IN INTEGER,
                  edition IN VARCHAR2 DEFAULT NULL,
                  apply_crossedition_trigger IN VARCHAR2 DEFAULT NULL,
                  fire_apply_trigger IN BOOLEAN DEFAULT TRUE);
  PROCEDURE parse(c IN INTEGER, statement IN VARCHAR2, language_flag IN INTEGER,
                  edition IN VARCHAR2, apply_crossedition_trigger IN VARCHAR2,
                  fire_apply_trigger IN BOOLEAN, schema IN VARCHAR2,
                  container IN VARCHAR2); -- 12.2 and later
  PROCEDURE parse(c IN INTEGER, statement IN CLOB, language_flag IN INTEGER,
                  edition IN VARCHAR2 DEFAULT NULL,
                  apply_crossedition_trigger IN VARCHAR2 DEFAULT NULL,
                  fire_apply_trigger IN BOOLEAN DEFAULT TRUE);
  PROCEDURE parse(c IN INTEGER, statement IN CLOB, language_flag IN INTEGER,
                  edition IN VARCHAR2, apply_crossedition_trigger IN VARCHAR2,
                  fire_apply_trigger IN BOOLEAN, schema IN VARCHAR2,
                  container IN VARCHAR2); -- 12.2 and later
  PROCEDURE parse(c IN INTEGER, statement IN varchar2s, 
                  lb IN INTEGER, ub IN INTEGER, lfflg IN BOOLEAN, language_flag IN INTEGER,
                  edition IN VARCHAR2 DEFAULT NULL,
                  apply_crossedition_trigger IN VARCHAR2 DEFAULT NULL,
                  fire_apply_trigger IN BOOLEAN DEFAULT TRUE);
  PROCEDURE parse(c IN INTEGER, statement IN varchar2s, 
                  lb IN INTEGER, ub IN INTEGER, lfflg IN BOOLEAN, language_flag IN INTEGER,
                  edition IN VARCHAR2, apply_crossedition_trigger IN VARCHAR2,
                  fire_apply_trigger IN BOOLEAN, schema IN VARCHAR2,
                  container IN VARCHAR2); -- 12.2 and later
  PROCEDURE parse(c IN INTEGER, statement IN varchar2a, 
                  lb IN INTEGER, ub IN INTEGER, lfflg IN BOOLEAN, language_flag IN INTEGER,
                  edition IN VARCHAR2 DEFAULT NULL,
                  apply_crossedition_trigger IN VARCHAR2 DEFAULT NULL,
                  fire_apply_trigger IN BOOLEAN DEFAULT TRUE);
  PROCEDURE parse(c IN INTEGER, statement IN varchar2a, 
                  lb IN INTEGER, ub IN INTEGER, lfflg IN BOOLEAN, language_flag IN INTEGER,
                  edition IN VARCHAR2, apply_crossedition_trigger IN VARCHAR2,
                  fire_apply_trigger IN BOOLEAN, schema IN VARCHAR2,
                  container IN VARCHAR2); -- 12.2 and later

  ---------------------------------------------------------------------------------------
  -- Binding
  ---------------------------------------------------------------------------------------
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN NUMBER);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN VARCHAR2);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN VARCHAR2,
                          out_value_size IN INTEGER);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN DATE);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN BLOB);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN CLOB);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN BFILE);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN UROWID);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN BINARY_FLOAT);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN BINARY_DOUBLE);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN TIMESTAMP_UNCONSTRAINED);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN YMINTERVAL_UNCONSTRAINED);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN DSINTERVAL_UNCONSTRAINED);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN BOOLEAN);
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN "<ADT_1>");
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN REF "<ADT_1>");
  PROCEDURE bind_variable(c IN INTEGER, name IN VARCHAR2, value IN "<COLLECTION_1>");
  PROCEDURE bind_variable_char(c IN INTEGER, name IN VARCHAR2, value IN CHAR);
  PROCEDURE bind_variable_char(c IN INTEGER, name IN VARCHAR2, value IN CHAR,
                               out_value_size IN INTEGER);
  PROCEDURE bind_variable_raw(c IN INTEGER, name IN VARCHAR2, value IN RAW);
  PROCEDURE bind_variable_raw(c IN INTEGER, name IN VARCHAR2, value IN RAW,
                              out_value_size IN INTEGER);
  PROCEDURE bind_variable_rowid(c IN INTEGER, name IN VARCHAR2, value IN ROWID);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bf_tab IN bfile_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bf_tab IN bfile_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bdbl_tab IN binary_double_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bdbl_tab IN binary_double_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bflt_tab IN binary_float_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bflt_tab IN binary_float_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bl_tab IN blob_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, bl_tab IN blob_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, cl_tab IN clob_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, cl_tab IN clob_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, d_tab IN date_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, d_tab IN date_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ids_tab IN interval_day_to_second_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ids_tab IN interval_day_to_second_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, iym_tab IN interval_year_to_month_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, iym_tab IN interval_year_to_month_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, n_tab IN number_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, n_tab IN number_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tm_tab IN time_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tm_tab IN time_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ttz_tab IN time_with_time_zone_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ttz_tab IN time_with_time_zone_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tms_tab IN timestamp_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tms_tab IN timestamp_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tstz_tab IN timestamp_with_ltz_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tstz_tab IN timestamp_with_ltz_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tstz_tab IN timestamp_with_time_zone_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, tstz_tab IN timestamp_with_time_zone_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ur_tab IN urowid_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, ur_tab IN urowid_table,
                       index1 IN INTEGER, index2 IN INTEGER);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, c_tab IN varchar2_table);
  PROCEDURE bind_array(c IN INTEGER, name IN VARCHAR2, c_tab IN varchar2_table,
                       index1 IN INTEGER, index2 IN INTEGER);

  ---------------------------------------------------------------------------------------
  -- Defining the columns of a query
  ---------------------------------------------------------------------------------------
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN NUMBER);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN VARCHAR2,
                          column_size IN INTEGER);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN DATE);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN BLOB);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN CLOB);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN BFILE);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN UROWID);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN BINARY_FLOAT);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN BINARY_DOUBLE);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN TIMESTAMP_UNCONSTRAINED);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN YMINTERVAL_UNCONSTRAINED);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN DSINTERVAL_UNCONSTRAINED);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN BOOLEAN);
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN "<ADT_1>");
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN REF "<ADT_1>");
  PROCEDURE define_column(c IN INTEGER, position IN INTEGER, column IN "<COLLECTION_1>");
  PROCEDURE define_column_char(c IN INTEGER, position IN INTEGER, column IN CHAR,
                               column_size IN INTEGER);
  PROCEDURE define_column_long(c IN INTEGER, position IN INTEGER);
  PROCEDURE define_column_raw(c IN INTEGER, position IN INTEGER, column IN RAW,
                              column_size IN INTEGER);
  PROCEDURE define_column_rowid(c IN INTEGER, position IN INTEGER, column IN ROWID);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         bf_tab IN bfile_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         bdbl_tab IN binary_double_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         bflt_tab IN binary_float_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         bl_tab IN blob_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         cl_tab IN clob_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         d_tab IN date_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         ids_tab IN interval_day_to_second_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         iym_tab IN interval_year_to_month_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         n_tab IN number_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         tm_tab IN time_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         ttz_tab IN time_with_time_zone_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         tms_tab IN timestamp_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         tstz_tab IN timestamp_with_ltz_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         tstz_tab IN timestamp_with_time_zone_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         ur_tab IN urowid_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);
  PROCEDURE define_array(c IN INTEGER, position IN INTEGER,
                         c_tab IN varchar2_table,
                         cnt IN INTEGER, lower_bnd IN INTEGER);

  ---------------------------------------------------------------------------------------
  -- Executing and fetching
  ---------------------------------------------------------------------------------------
  FUNCTION execute(c IN INTEGER) RETURN INTEGER;
  FUNCTION execute_and_fetch(c IN INTEGER, exact IN BOOLEAN DEFAULT FALSE) RETURN INTEGER;
  FUNCTION fetch_rows(c IN INTEGER) RETURN INTEGER;
  FUNCTION last_error_position RETURN INTEGER;
  FUNCTION last_row_count RETURN INTEGER;
  FUNCTION last_row_id RETURN ROWID;
  FUNCTION last_sql_function_code RETURN INTEGER;

  ---------------------------------------------------------------------------------------
  -- Reading values
  ---------------------------------------------------------------------------------------
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT NUMBER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT NUMBER,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT VARCHAR2);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT VARCHAR2,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT DATE);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT DATE,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BLOB);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BLOB,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT CLOB);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT CLOB,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BFILE);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BFILE,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT UROWID);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT UROWID,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BINARY_FLOAT);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BINARY_FLOAT,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BINARY_DOUBLE);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BINARY_DOUBLE,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_UNCONSTRAINED);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_UNCONSTRAINED,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_TZ_UNCONSTRAINED,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT TIMESTAMP_LTZ_UNCONSTRAINED,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT YMINTERVAL_UNCONSTRAINED);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT YMINTERVAL_UNCONSTRAINED,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT DSINTERVAL_UNCONSTRAINED);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT DSINTERVAL_UNCONSTRAINED,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BOOLEAN);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT BOOLEAN,
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT "<ADT_1>");
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT "<ADT_1>",
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT REF "<ADT_1>");
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT REF "<ADT_1>",
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT "<COLLECTION_1>");
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER, value OUT "<COLLECTION_1>",
                         column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         bf_tab IN OUT NOCOPY bfile_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         bdbl_tab IN OUT NOCOPY binary_double_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         bflt_tab IN OUT NOCOPY binary_float_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         bl_tab IN OUT NOCOPY blob_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         cl_tab IN OUT NOCOPY clob_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         d_tab IN OUT NOCOPY date_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         ids_tab IN OUT NOCOPY interval_day_to_second_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         iym_tab IN OUT NOCOPY interval_year_to_month_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         n_tab IN OUT NOCOPY number_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         tm_tab IN OUT NOCOPY time_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         ttz_tab IN OUT NOCOPY time_with_time_zone_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         tms_tab IN OUT NOCOPY timestamp_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         tstz_tab IN OUT NOCOPY timestamp_with_ltz_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         tstz_tab IN OUT NOCOPY timestamp_with_time_zone_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         ur_tab IN OUT NOCOPY urowid_table);
  PROCEDURE column_value(c IN INTEGER, position IN INTEGER,
                         c_tab IN OUT NOCOPY varchar2_table);
  PROCEDURE column_value_char(c IN INTEGER, position IN INTEGER, value OUT CHAR);
  PROCEDURE column_value_char(c IN INTEGER, position IN INTEGER, value OUT CHAR,
                              column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value_long(c IN INTEGER, position IN INTEGER, length IN INTEGER,
                              offset IN INTEGER, value OUT VARCHAR2,
                              value_length OUT INTEGER);
  PROCEDURE column_value_raw(c IN INTEGER, position IN INTEGER, value OUT RAW);
  PROCEDURE column_value_raw(c IN INTEGER, position IN INTEGER, value OUT RAW,
                             column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE column_value_rowid(c IN INTEGER, position IN INTEGER, value OUT ROWID);
  PROCEDURE column_value_rowid(c IN INTEGER, position IN INTEGER, value OUT ROWID,
                               column_error OUT NUMBER, actual_length OUT INTEGER);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT NUMBER);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT VARCHAR2);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT DATE);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT BLOB);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT CLOB);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT BFILE);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT UROWID);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT BINARY_FLOAT);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT BINARY_DOUBLE);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT TIMESTAMP_UNCONSTRAINED);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT YMINTERVAL_UNCONSTRAINED);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT DSINTERVAL_UNCONSTRAINED);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT BOOLEAN);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT "<ADT_1>");
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT REF "<ADT_1>");
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value OUT "<COLLECTION_1>");
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN bfile_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN binary_double_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN binary_float_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN blob_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN clob_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN date_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN interval_day_to_second_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN interval_year_to_month_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN number_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN time_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN time_with_time_zone_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN timestamp_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN timestamp_with_ltz_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN timestamp_with_time_zone_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN urowid_table);
  PROCEDURE variable_value(c IN INTEGER, name IN VARCHAR2, value IN varchar2_table);
  PROCEDURE variable_value_char(c IN INTEGER, name IN VARCHAR2, value OUT CHAR);
  PROCEDURE variable_value_raw(c IN INTEGER, name IN VARCHAR2, value OUT RAW);
  PROCEDURE variable_value_rowid(c IN INTEGER, name IN VARCHAR2, value OUT ROWID);

  ---------------------------------------------------------------------------------------
  -- Describing, REF CURSOR conversion, implicit results
  ---------------------------------------------------------------------------------------
  PROCEDURE describe_columns(c IN INTEGER, col_cnt OUT INTEGER, desc_t OUT desc_tab);
  PROCEDURE describe_columns2(c IN INTEGER, col_cnt OUT INTEGER, desc_t OUT desc_tab2);
  PROCEDURE describe_columns3(c IN INTEGER, col_cnt OUT INTEGER, desc_t OUT desc_tab3);
  PROCEDURE describe_columns3(c IN INTEGER, col_cnt OUT INTEGER, desc_t OUT desc_tab4);
  FUNCTION to_cursor_number(rc IN OUT SYS_REFCURSOR) RETURN INTEGER;
  FUNCTION to_refcursor(cursor_number IN OUT INTEGER) RETURN SYS_REFCURSOR;
  PROCEDURE return_result(rc IN OUT SYS_REFCURSOR, to_client IN BOOLEAN DEFAULT TRUE);
  PROCEDURE return_result(rc IN OUT INTEGER, to_client IN BOOLEAN DEFAULT TRUE);
  PROCEDURE get_next_result(c IN INTEGER, rc OUT SYS_REFCURSOR);
  PROCEDURE get_next_result(c IN INTEGER, rc OUT INTEGER);

END dbms_sql;
