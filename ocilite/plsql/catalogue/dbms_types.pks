-- DBMS_TYPES: type codes of the built-in and user-defined types, as ANYTYPE, ANYDATA and
-- ANYDATASET report them, and the status values of their piecewise access.
-- PARTIAL: type codes added after 19c may be missing.
PACKAGE dbms_types AUTHID DEFINER AS

  typecode_date CONSTANT PLS_INTEGER := 12;
  typecode_number CONSTANT PLS_INTEGER := 2;
  typecode_raw CONSTANT PLS_INTEGER := 95;
  typecode_char CONSTANT PLS_INTEGER := 96;
  typecode_varchar2 CONSTANT PLS_INTEGER := 9;
  typecode_varchar CONSTANT PLS_INTEGER := 1;
  typecode_mlslabel CONSTANT PLS_INTEGER := 105;
  typecode_blob CONSTANT PLS_INTEGER := 113;
  typecode_bfile CONSTANT PLS_INTEGER := 114;
  typecode_clob CONSTANT PLS_INTEGER := 112;
  typecode_cfile CONSTANT PLS_INTEGER := 115;
  typecode_timestamp CONSTANT PLS_INTEGER := 187;
  typecode_timestamp_tz CONSTANT PLS_INTEGER := 188;
  typecode_timestamp_ltz CONSTANT PLS_INTEGER := 232;
  typecode_interval_ym CONSTANT PLS_INTEGER := 189;
  typecode_interval_ds CONSTANT PLS_INTEGER := 190;
  typecode_ref CONSTANT PLS_INTEGER := 110;
  typecode_object CONSTANT PLS_INTEGER := 108;
  typecode_varray CONSTANT PLS_INTEGER := 247;
  typecode_table CONSTANT PLS_INTEGER := 248;
  typecode_namedcollection CONSTANT PLS_INTEGER := 122;
  typecode_opaque CONSTANT PLS_INTEGER := 58;
  typecode_nchar CONSTANT PLS_INTEGER := 286;
  typecode_nvarchar2 CONSTANT PLS_INTEGER := 287;
  typecode_nclob CONSTANT PLS_INTEGER := 288;
  typecode_bfloat CONSTANT PLS_INTEGER := 100;
  typecode_bdouble CONSTANT PLS_INTEGER := 101;
  typecode_urowid CONSTANT PLS_INTEGER := 104;

  success CONSTANT PLS_INTEGER := 0;
  no_data CONSTANT PLS_INTEGER := 100;

  invalid_parameters EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_parameters, -22369);
  incorrect_usage EXCEPTION;
  PRAGMA EXCEPTION_INIT(incorrect_usage, -22370);
  type_mismatch EXCEPTION;
  PRAGMA EXCEPTION_INIT(type_mismatch, -22626);

END dbms_types;
