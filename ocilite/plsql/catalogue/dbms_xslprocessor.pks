-- DBMS_XSLPROCESSOR: XSLT transformation of DBMS_XMLDOM documents, XPath selection of
-- nodes and values, and CLOB/file helpers (the main calls).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_xslprocessor AUTHID CURRENT_USER AS

  TYPE processor IS RECORD (id RAW(16));
  TYPE stylesheet IS RECORD (id RAW(16));

  FUNCTION newprocessor RETURN processor;
  PROCEDURE freeprocessor(p IN processor);
  FUNCTION newstylesheet(xmldoc IN dbms_xmldom.domdocument, ref IN VARCHAR2)
    RETURN stylesheet;
  FUNCTION newstylesheet(inp IN VARCHAR2, ref IN VARCHAR2) RETURN stylesheet;
  PROCEDURE freestylesheet(ss IN stylesheet);
  FUNCTION processxsl(p IN processor, ss IN stylesheet, xmldoc IN dbms_xmldom.domdocument)
    RETURN dbms_xmldom.domdocumentfragment;
  FUNCTION processxsl(p IN processor, ss IN stylesheet, url IN VARCHAR2)
    RETURN dbms_xmldom.domdocumentfragment;
  PROCEDURE processxsl(p IN processor, ss IN stylesheet, xmldoc IN dbms_xmldom.domdocument,
                       cl IN OUT CLOB);
  PROCEDURE setparam(ss IN stylesheet, name IN VARCHAR2, value IN VARCHAR2);
  PROCEDURE removeparam(ss IN stylesheet, name IN VARCHAR2);
  PROCEDURE resetparams(ss IN stylesheet);
  PROCEDURE seterrorlog(p IN processor, filename IN VARCHAR2);
  PROCEDURE showwarnings(p IN processor, yes IN BOOLEAN);
  FUNCTION selectnodes(n IN dbms_xmldom.domnode, pattern IN VARCHAR2,
                       namespace IN VARCHAR2 DEFAULT NULL) RETURN dbms_xmldom.domnodelist;
  FUNCTION selectsinglenode(n IN dbms_xmldom.domnode, pattern IN VARCHAR2,
                            namespace IN VARCHAR2 DEFAULT NULL) RETURN dbms_xmldom.domnode;
  PROCEDURE valueof(n IN dbms_xmldom.domnode, pattern IN VARCHAR2, val OUT VARCHAR2,
                    namespace IN VARCHAR2 DEFAULT NULL);
  FUNCTION valueof(n IN dbms_xmldom.domnode, pattern IN VARCHAR2,
                   namespace IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  PROCEDURE clob2file(cl IN CLOB, flocation IN VARCHAR2, fname IN VARCHAR2,
                      csid IN NUMBER DEFAULT 0);
  FUNCTION read2clob(flocation IN VARCHAR2, fname IN VARCHAR2, csid IN NUMBER DEFAULT 0)
    RETURN CLOB;

END dbms_xslprocessor;
