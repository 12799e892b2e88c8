-- DBMS_DESCRIBE: the arguments of a stored procedure or function, as arrays.
PACKAGE dbms_describe AUTHID CURRENT_USER AS

  TYPE varchar2_table IS TABLE OF VARCHAR2(30) INDEX BY BINARY_INTEGER;
  TYPE number_table IS TABLE OF NUMBER INDEX BY BINARY_INTEGER;

  PROCEDURE describe_procedure(object_name IN VARCHAR2, reserved1 IN VARCHAR2,
                               reserved2 IN VARCHAR2, overload OUT number_table,
                               position OUT number_table, level OUT number_table,
                               argument_name OUT varchar2_table, datatype OUT number_table,
                               default_value OUT number_table, in_out OUT number_table,
                               length OUT number_table, precision OUT number_table,
                               scale OUT number_table, radix OUT number_table,
                               spare OUT number_table,
                               include_string_constraints IN BOOLEAN DEFAULT FALSE);

END dbms_describe;
