-- DBMS_OUTPUT: the session's line buffer that SQL*Plus and other tools print after each
-- call (PUT, PUT_LINE, NEW_LINE write; GET_LINE, GET_LINES read).
PACKAGE dbms_output AUTHID DEFINER AS

  TYPE chararr IS TABLE OF VARCHAR2(32767) INDEX BY BINARY_INTEGER;
  -- GET_LINES also takes the schema-level VARRAY DBMSOUTPUT_LINESARRAY
  -- (dbmsoutput_linesarray.tps).

  -- buffer_size NULL means unlimited.
  PROCEDURE enable(buffer_size IN INTEGER DEFAULT 20000);
  PROCEDURE disable;

  -- The manual names the parameter of PUT and PUT_LINE "item"; the package declares it
  -- as A, which is the name named notation must use.
  PROCEDURE put(a IN VARCHAR2);
  PROCEDURE put_line(a IN VARCHAR2);
  PROCEDURE new_line;

  PROCEDURE get_line(line OUT VARCHAR2, status OUT INTEGER);
  PROCEDURE get_lines(lines OUT chararr, numlines IN OUT INTEGER);
  PROCEDURE get_lines(lines OUT dbmsoutput_linesarray, numlines IN OUT INTEGER);

END dbms_output;
