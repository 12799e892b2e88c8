-- DBMS_XMLGEN: XML (canonical ROWSET/ROW form) from the result of a query, with
-- contexts for paging, tags, bind values and NULL handling, and entity conversion.
-- PARTIAL: rarely used settings may be missing.
PACKAGE dbms_xmlgen AUTHID CURRENT_USER AS

  SUBTYPE ctxhandle IS NUMBER;
  SUBTYPE ctxtype IS NUMBER;
  SUBTYPE conversiontype IS NUMBER;

  -- dtdOrSchema of GETXML and GETXMLTYPE (only NONE is supported)
  none CONSTANT NUMBER := 0;
  -- flag of CONVERT
  entity_encode CONSTANT conversiontype := 0;
  entity_decode CONSTANT conversiontype := 1;
  -- flag of SETNULLHANDLING
  drop_nulls CONSTANT NUMBER := 0;
  null_attr CONSTANT NUMBER := 1;
  empty_tag CONSTANT NUMBER := 2;

  PROCEDURE clearbindings(ctx IN ctxhandle);
  PROCEDURE closecontext(ctx IN ctxhandle);
  FUNCTION convert(xmldata IN VARCHAR2, flag IN NUMBER DEFAULT entity_encode) RETURN VARCHAR2;
  FUNCTION convert(xmldata IN CLOB, flag IN NUMBER DEFAULT entity_encode) RETURN CLOB;
  FUNCTION getnumrowsprocessed(ctx IN ctxhandle) RETURN NUMBER;
  FUNCTION getxml(ctx IN ctxhandle, tmpclob IN OUT NOCOPY CLOB,
                  dtdorschema IN NUMBER DEFAULT none) RETURN BOOLEAN;
  FUNCTION getxml(sqlquery IN VARCHAR2, dtdorschema IN NUMBER DEFAULT none) RETURN CLOB;
  FUNCTION getxml(ctx IN ctxhandle, dtdorschema IN NUMBER DEFAULT none) RETURN CLOB;
  FUNCTION getxmltype(ctx IN ctxhandle, dtdorschema IN NUMBER DEFAULT none) RETURN xmltype;
  FUNCTION getxmltype(sqlquery IN VARCHAR2, dtdorschema IN NUMBER DEFAULT none)
    RETURN xmltype;
  FUNCTION newcontext(querystring IN VARCHAR2) RETURN ctxhandle;
  FUNCTION newcontext(querystring IN SYS_REFCURSOR) RETURN ctxhandle;
  FUNCTION newcontextfromhierarchy(querystring IN VARCHAR2) RETURN ctxhandle;
  PROCEDURE restartquery(ctx IN ctxhandle);
  PROCEDURE setbindvalue(ctx IN ctxhandle, bindvariablename IN VARCHAR2,
                         bindvalue IN VARCHAR2);
  PROCEDURE setconvertspecialchars(ctx IN ctxhandle, conv IN BOOLEAN);
  PROCEDURE setmaxrows(ctx IN ctxhandle, maxrows IN NUMBER);
  PROCEDURE setnullhandling(ctx IN ctxhandle, flag IN NUMBER);
  PROCEDURE setrowsettag(ctx IN ctxhandle, rowsettagname IN VARCHAR2);
  PROCEDURE setrowtag(ctx IN ctxhandle, rowtagname IN VARCHAR2);
  PROCEDURE setskiprows(ctx IN ctxhandle, skiprows IN NUMBER);
  PROCEDURE useitemtagsforcoll(ctx IN ctxhandle);
  PROCEDURE usenullattributeindicator(ctx IN ctxhandle, attrind IN BOOLEAN DEFAULT TRUE);

END dbms_xmlgen;
