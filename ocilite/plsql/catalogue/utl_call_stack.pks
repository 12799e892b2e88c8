-- UTL_CALL_STACK: the current call stack, error stack and error backtrace, one frame at
-- a time (12.1 and later).
PACKAGE utl_call_stack AUTHID DEFINER AS

  TYPE unit_qualified_name IS VARRAY(256) OF VARCHAR2(32767);

  bad_depth_indicator EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_depth_indicator, -64610);

  FUNCTION actual_edition(dynamic_depth IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION backtrace_depth RETURN PLS_INTEGER;
  FUNCTION backtrace_line(backtrace_depth IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION backtrace_unit(backtrace_depth IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION concatenate_subprogram(qualified_name IN unit_qualified_name) RETURN VARCHAR2;
  FUNCTION current_edition(dynamic_depth IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION dynamic_depth RETURN PLS_INTEGER;
  FUNCTION error_depth RETURN PLS_INTEGER;
  FUNCTION error_msg(error_depth IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION error_number(error_depth IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION lexical_depth(dynamic_depth IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION owner(dynamic_depth IN PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION subprogram(dynamic_depth IN PLS_INTEGER) RETURN unit_qualified_name;
  FUNCTION unit_line(dynamic_depth IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION unit_type(dynamic_depth IN PLS_INTEGER) RETURN VARCHAR2;

END utl_call_stack;
