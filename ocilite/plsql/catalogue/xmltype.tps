-- XMLTYPE: an XML document or fragment, with its constructors (from text, LOBs, cursors,
-- objects and ANYDATA) and the methods that query, serialise, validate and transform it.
-- An opaque type: it has methods and no attributes a program can reach.
-- PARTIAL: methods added after 19c may be missing.
TYPE xmltype AS OBJECT (
  -- Constructors
  CONSTRUCTOR FUNCTION xmltype(xmldata IN CLOB, schema IN VARCHAR2 DEFAULT NULL,
                               validated IN NUMBER DEFAULT 0, wellformed IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN VARCHAR2, schema IN VARCHAR2 DEFAULT NULL,
                               validated IN NUMBER DEFAULT 0, wellformed IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN BLOB, csid IN NUMBER,
                               schema IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0,
                               wellformed IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN BFILE, csid IN NUMBER,
                               schema IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0,
                               wellformed IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN "<ADT_1>", schema IN VARCHAR2 DEFAULT NULL,
                               element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN anydata, schema IN VARCHAR2 DEFAULT NULL,
                               element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  CONSTRUCTOR FUNCTION xmltype(xmldata IN SYS_REFCURSOR, schema IN VARCHAR2 DEFAULT NULL,
                               element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN SELF AS RESULT,
  STATIC FUNCTION createxml(xmldata IN VARCHAR2) RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN CLOB) RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN VARCHAR2, schema IN VARCHAR2,
                            validated IN NUMBER DEFAULT 0, wellformed IN NUMBER DEFAULT 0)
    RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN CLOB, schema IN VARCHAR2, validated IN NUMBER DEFAULT 0,
                            wellformed IN NUMBER DEFAULT 0) RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN BLOB, csid IN NUMBER, schema IN VARCHAR2,
                            validated IN NUMBER DEFAULT 0, wellformed IN NUMBER DEFAULT 0)
    RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN BFILE, csid IN NUMBER, schema IN VARCHAR2,
                            validated IN NUMBER DEFAULT 0, wellformed IN NUMBER DEFAULT 0)
    RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN "<ADT_1>", schema IN VARCHAR2 DEFAULT NULL,
                            element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN anydata, schema IN VARCHAR2 DEFAULT NULL,
                            element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN xmltype,
  STATIC FUNCTION createxml(xmldata IN SYS_REFCURSOR, schema IN VARCHAR2 DEFAULT NULL,
                            element IN VARCHAR2 DEFAULT NULL, validated IN NUMBER DEFAULT 0)
    RETURN xmltype,
  -- Schema-based and non-schema-based copies
  MEMBER FUNCTION createnonschemabasedxml RETURN xmltype,
  MEMBER FUNCTION createschemabasedxml(schema IN VARCHAR2 DEFAULT NULL) RETURN xmltype,
  -- Querying
  MEMBER FUNCTION existsnode(xpath IN VARCHAR2) RETURN NUMBER,
  MEMBER FUNCTION existsnode(xpath IN VARCHAR2, nsmap IN VARCHAR2) RETURN NUMBER,
  MEMBER FUNCTION extract(xpath IN VARCHAR2) RETURN xmltype,
  MEMBER FUNCTION extract(xpath IN VARCHAR2, nsmap IN VARCHAR2) RETURN xmltype,
  MEMBER FUNCTION getnamespace RETURN VARCHAR2,
  MEMBER FUNCTION getrootelement RETURN VARCHAR2,
  MEMBER FUNCTION getschemaurl RETURN VARCHAR2,
  MEMBER FUNCTION isfragment RETURN NUMBER,
  MEMBER FUNCTION isschemabased RETURN NUMBER,
  -- Serialising
  MEMBER FUNCTION getblobval(csid IN NUMBER) RETURN BLOB,
  MEMBER FUNCTION getblobval(csid IN NUMBER, pflag IN NUMBER, indent IN NUMBER) RETURN BLOB,
  MEMBER FUNCTION getclobval RETURN CLOB,
  MEMBER FUNCTION getclobval(pflag IN NUMBER, indent IN NUMBER) RETURN CLOB,
  MEMBER FUNCTION getnumberval RETURN NUMBER,
  MEMBER FUNCTION getstringval RETURN VARCHAR2,
  MEMBER FUNCTION getstringval(pflag IN NUMBER, indent IN NUMBER) RETURN VARCHAR2,
  -- Validating, converting, transforming
  MEMBER FUNCTION isschemavalid(schurl IN VARCHAR2 DEFAULT NULL,
                                elem IN VARCHAR2 DEFAULT NULL) RETURN NUMBER,
  MEMBER FUNCTION isschemavalidated RETURN NUMBER,
  MEMBER PROCEDURE schemavalidate(self IN OUT NOCOPY xmltype),
  MEMBER PROCEDURE setschemavalidated(self IN OUT NOCOPY xmltype,
                                      flag IN BINARY_INTEGER DEFAULT 1),
  MEMBER PROCEDURE toobject(self IN xmltype, object OUT "<ADT_1>",
                            schema IN VARCHAR2 DEFAULT NULL, element IN VARCHAR2 DEFAULT NULL),
  MEMBER FUNCTION transform(xsl IN xmltype, parammap IN VARCHAR2 DEFAULT NULL) RETURN xmltype
);
