-- JSON_SCALAR_T: a JSON scalar (string, number, boolean, null, date or timestamp) in
-- PL/SQL (12.2 and later).
-- PARTIAL: methods added after 19c may be missing.
TYPE json_scalar_t UNDER json_element_t (
  CONSTRUCTOR FUNCTION json_scalar_t(e IN json_element_t) RETURN SELF AS RESULT,
  STATIC FUNCTION parse(jsn IN VARCHAR2) RETURN json_scalar_t,
  STATIC FUNCTION parse(jsn IN CLOB) RETURN json_scalar_t,
  STATIC FUNCTION parse(jsn IN BLOB) RETURN json_scalar_t,
  MEMBER FUNCTION clone RETURN json_scalar_t
) FINAL;
