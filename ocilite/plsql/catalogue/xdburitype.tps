-- XDBURITYPE: a URI of a resource in the Oracle XML DB repository.
-- PARTIAL: methods beyond those of URITYPE may be missing.
TYPE xdburitype UNDER uritype (
  CONSTRUCTOR FUNCTION xdburitype(url IN VARCHAR2, spec IN VARCHAR2 DEFAULT NULL)
    RETURN SELF AS RESULT,
  STATIC FUNCTION createuri(url IN VARCHAR2) RETURN xdburitype,
  MEMBER FUNCTION getresource RETURN xmltype
);
