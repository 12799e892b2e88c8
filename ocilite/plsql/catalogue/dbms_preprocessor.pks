-- DBMS_PREPROCESSOR: the source of a unit as it looks after conditional compilation.
PACKAGE dbms_preprocessor AUTHID CURRENT_USER AS

  TYPE source_lines_t IS TABLE OF VARCHAR2(32767) INDEX BY BINARY_INTEGER;

  FUNCTION get_post_processed_source(object_type IN VARCHAR2, schema_name IN VARCHAR2,
                                     object_name IN VARCHAR2) RETURN source_lines_t;
  FUNCTION get_post_processed_source(source IN VARCHAR2) RETURN source_lines_t;
  FUNCTION get_post_processed_source(source IN source_lines_t) RETURN source_lines_t;
  PROCEDURE print_post_processed_source(object_type IN VARCHAR2, schema_name IN VARCHAR2,
                                        object_name IN VARCHAR2);
  PROCEDURE print_post_processed_source(source IN VARCHAR2);
  PROCEDURE print_post_processed_source(source IN source_lines_t);

END dbms_preprocessor;
