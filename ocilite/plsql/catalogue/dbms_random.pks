-- DBMS_RANDOM: pseudo-random numbers and strings.
PACKAGE dbms_random AUTHID DEFINER AS

  TYPE num_array IS TABLE OF NUMBER;

  PROCEDURE initialize(val IN BINARY_INTEGER); -- deprecated
  FUNCTION normal RETURN NUMBER;
  FUNCTION random RETURN BINARY_INTEGER; -- deprecated
  PROCEDURE seed(val IN BINARY_INTEGER);
  PROCEDURE seed(val IN VARCHAR2);
  -- opt: 'u'/'U' upper case, 'l'/'L' lower case, 'a'/'A' mixed case, 'x'/'X' upper case
  -- and digits, 'p'/'P' any printable character.
  FUNCTION string(opt IN CHAR, len IN NUMBER) RETURN VARCHAR2;
  PROCEDURE terminate; -- deprecated
  FUNCTION value RETURN NUMBER;
  FUNCTION value(low IN NUMBER, high IN NUMBER) RETURN NUMBER;

END dbms_random;
