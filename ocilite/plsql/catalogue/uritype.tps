-- URITYPE: the supertype of the URI types (HTTPURITYPE, DBURITYPE, XDBURITYPE): fetch
-- what a URI points to as a CLOB, BLOB or XMLTYPE. Not instantiable.
-- PARTIAL: methods added after 19c may be missing.
TYPE uritype AS OBJECT (
  MEMBER FUNCTION getblob RETURN BLOB,
  MEMBER FUNCTION getblob(csid IN NUMBER) RETURN BLOB,
  MEMBER FUNCTION getclob RETURN CLOB,
  MEMBER FUNCTION getcontenttype RETURN VARCHAR2,
  MEMBER FUNCTION getexternalurl RETURN VARCHAR2,
  MEMBER FUNCTION geturl RETURN VARCHAR2,
  MEMBER FUNCTION getxml RETURN xmltype
) NOT FINAL NOT INSTANTIABLE;
