-- HTTPURITYPE: a URI of an HTTP resource; its GET* methods fetch the resource through
-- UTL_HTTP (httpuritype('http://...').getclob()).
-- PARTIAL: methods beyond those of URITYPE may be missing.
TYPE httpuritype UNDER uritype (
  CONSTRUCTOR FUNCTION httpuritype(url IN VARCHAR2) RETURN SELF AS RESULT,
  STATIC FUNCTION createuri(url IN VARCHAR2) RETURN httpuritype
);
