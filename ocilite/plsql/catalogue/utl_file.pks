-- UTL_FILE: reading and writing operating system text and binary files in the
-- directories that directory objects name.
PACKAGE utl_file AUTHID CURRENT_USER AS

  -- A handle of an open file. Its fields are private to the package.
  TYPE file_type IS RECORD (
    id BINARY_INTEGER,
    datatype BINARY_INTEGER,
    byte_mode BOOLEAN);

  invalid_path EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_path, -29280);
  invalid_mode EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_mode, -29281);
  invalid_filehandle EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_filehandle, -29282);
  invalid_operation EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_operation, -29283);
  read_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(read_error, -29284);
  write_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(write_error, -29285);
  internal_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(internal_error, -29286);
  invalid_maxlinesize EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_maxlinesize, -29287);
  invalid_filename EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_filename, -29288);
  access_denied EXCEPTION;
  PRAGMA EXCEPTION_INIT(access_denied, -29289);
  invalid_offset EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_offset, -29290);
  delete_failed EXCEPTION;
  PRAGMA EXCEPTION_INIT(delete_failed, -29291);
  rename_failed EXCEPTION;
  PRAGMA EXCEPTION_INIT(rename_failed, -29292);
  charsetmismatch EXCEPTION;
  PRAGMA EXCEPTION_INIT(charsetmismatch, -29298);
  file_open EXCEPTION;
  PRAGMA EXCEPTION_INIT(file_open, -29299);

  PROCEDURE fclose(file IN OUT file_type);
  PROCEDURE fclose_all;
  PROCEDURE fcopy(src_location IN VARCHAR2, src_filename IN VARCHAR2,
                  dest_location IN VARCHAR2, dest_filename IN VARCHAR2,
                  start_line IN BINARY_INTEGER DEFAULT 1,
                  end_line IN BINARY_INTEGER DEFAULT NULL);
  PROCEDURE fflush(file IN file_type);
  PROCEDURE fgetattr(location IN VARCHAR2, filename IN VARCHAR2, fexists OUT BOOLEAN,
                     file_length OUT NUMBER, block_size OUT BINARY_INTEGER);
  FUNCTION fgetpos(file IN file_type) RETURN PLS_INTEGER;
  FUNCTION fopen(location IN VARCHAR2, filename IN VARCHAR2, open_mode IN VARCHAR2,
                 max_linesize IN BINARY_INTEGER DEFAULT 1024) RETURN file_type;
  FUNCTION fopen_nchar(location IN VARCHAR2, filename IN VARCHAR2, open_mode IN VARCHAR2,
                       max_linesize IN BINARY_INTEGER DEFAULT 1024) RETURN file_type;
  PROCEDURE fremove(location IN VARCHAR2, filename IN VARCHAR2);
  PROCEDURE frename(src_location IN VARCHAR2, src_filename IN VARCHAR2,
                    dest_location IN VARCHAR2, dest_filename IN VARCHAR2,
                    overwrite IN BOOLEAN DEFAULT FALSE);
  PROCEDURE fseek(file IN OUT file_type, absolute_offset IN PLS_INTEGER DEFAULT NULL,
                  relative_offset IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE get_line(file IN file_type, buffer OUT VARCHAR2, len IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE get_line_nchar(file IN file_type, buffer OUT NVARCHAR2,
                           len IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE get_raw(file IN file_type, buffer OUT NOCOPY RAW, len IN PLS_INTEGER DEFAULT NULL);
  FUNCTION is_open(file IN file_type) RETURN BOOLEAN;
  PROCEDURE new_line(file IN file_type, lines IN NATURAL DEFAULT 1);
  PROCEDURE put(file IN file_type, buffer IN VARCHAR2);
  PROCEDURE put_line(file IN file_type, buffer IN VARCHAR2, autoflush IN BOOLEAN DEFAULT FALSE);
  PROCEDURE put_line_nchar(file IN file_type, buffer IN NVARCHAR2);
  PROCEDURE put_nchar(file IN file_type, buffer IN NVARCHAR2);
  PROCEDURE putf(file IN file_type, format IN VARCHAR2, arg1 IN VARCHAR2 DEFAULT NULL,
                 arg2 IN VARCHAR2 DEFAULT NULL, arg3 IN VARCHAR2 DEFAULT NULL,
                 arg4 IN VARCHAR2 DEFAULT NULL, arg5 IN VARCHAR2 DEFAULT NULL);
  PROCEDURE putf_nchar(file IN file_type, format IN NVARCHAR2,
                       arg1 IN NVARCHAR2 DEFAULT NULL, arg2 IN NVARCHAR2 DEFAULT NULL,
                       arg3 IN NVARCHAR2 DEFAULT NULL, arg4 IN NVARCHAR2 DEFAULT NULL,
                       arg5 IN NVARCHAR2 DEFAULT NULL);
  PROCEDURE put_raw(file IN file_type, buffer IN RAW, autoflush IN BOOLEAN DEFAULT FALSE);

END utl_file;
