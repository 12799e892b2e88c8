-- DBMS_XMLSTORE: inserting, updating and deleting table rows from XML in the canonical
-- ROWSET/ROW form.
-- PARTIAL: rarely used settings may be missing.
PACKAGE dbms_xmlstore AUTHID CURRENT_USER AS

  SUBTYPE ctxtype IS NUMBER;

  FUNCTION newcontext(targettable IN VARCHAR2) RETURN ctxtype;
  PROCEDURE closecontext(ctxhdl IN ctxtype);
  FUNCTION insertxml(ctxhdl IN ctxtype, xdoc IN VARCHAR2) RETURN NUMBER;
  FUNCTION insertxml(ctxhdl IN ctxtype, xdoc IN CLOB) RETURN NUMBER;
  FUNCTION insertxml(ctxhdl IN ctxtype, xdoc IN xmltype) RETURN NUMBER;
  FUNCTION updatexml(ctxhdl IN ctxtype, xdoc IN VARCHAR2) RETURN NUMBER;
  FUNCTION updatexml(ctxhdl IN ctxtype, xdoc IN CLOB) RETURN NUMBER;
  FUNCTION updatexml(ctxhdl IN ctxtype, xdoc IN xmltype) RETURN NUMBER;
  FUNCTION deletexml(ctxhdl IN ctxtype, xdoc IN VARCHAR2) RETURN NUMBER;
  FUNCTION deletexml(ctxhdl IN ctxtype, xdoc IN CLOB) RETURN NUMBER;
  FUNCTION deletexml(ctxhdl IN ctxtype, xdoc IN xmltype) RETURN NUMBER;
  PROCEDURE setkeycolumn(ctxhdl IN ctxtype, colname IN VARCHAR2);
  PROCEDURE clearkeycolumnlist(ctxhdl IN ctxtype);
  PROCEDURE setupdatecolumn(ctxhdl IN ctxtype, colname IN VARCHAR2);
  PROCEDURE clearupdatecolumnlist(ctxhdl IN ctxtype);
  PROCEDURE setrowtag(ctxhdl IN ctxtype, tag IN VARCHAR2);

END dbms_xmlstore;
