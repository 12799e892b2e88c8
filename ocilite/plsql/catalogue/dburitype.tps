-- DBURITYPE: a URI of database data in the /oradb/schema/table/ROW[...] form.
-- PARTIAL: methods beyond those of URITYPE may be missing.
TYPE dburitype UNDER uritype (
  CONSTRUCTOR FUNCTION dburitype(url IN VARCHAR2, spec IN VARCHAR2 DEFAULT NULL)
    RETURN SELF AS RESULT,
  STATIC FUNCTION createuri(url IN VARCHAR2) RETURN dburitype
);
