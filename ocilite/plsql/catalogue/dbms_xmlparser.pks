-- DBMS_XMLPARSER: parsing XML text (a buffer, a CLOB or a URL) into a DBMS_XMLDOM
-- document (the main calls).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_xmlparser AUTHID CURRENT_USER AS

  TYPE parser IS RECORD (id RAW(16));

  FUNCTION newparser RETURN parser;
  PROCEDURE freeparser(p IN parser);
  PROCEDURE parse(p IN parser, url IN VARCHAR2);
  FUNCTION parse(url IN VARCHAR2) RETURN dbms_xmldom.domdocument;
  PROCEDURE parsebuffer(p IN parser, doc IN VARCHAR2);
  PROCEDURE parseclob(p IN parser, doc IN CLOB);
  PROCEDURE parsedtd(p IN parser, url IN VARCHAR2, root IN VARCHAR2);
  PROCEDURE parsedtdbuffer(p IN parser, dtd IN VARCHAR2, root IN VARCHAR2);
  PROCEDURE parsedtdclob(p IN parser, dtd IN CLOB, root IN VARCHAR2);
  FUNCTION getdocument(p IN parser) RETURN dbms_xmldom.domdocument;
  FUNCTION getdoctype(p IN parser) RETURN dbms_xmldom.domdocumenttype;
  PROCEDURE setdoctype(p IN parser, dtd IN dbms_xmldom.domdocumenttype);
  PROCEDURE setbasedir(p IN parser, dir IN VARCHAR2);
  PROCEDURE seterrorlog(p IN parser, filename IN VARCHAR2);
  PROCEDURE setpreservewhitespace(p IN parser, yes IN BOOLEAN);
  PROCEDURE setvalidationmode(p IN parser, yes IN BOOLEAN);
  FUNCTION getvalidationmode(p IN parser) RETURN BOOLEAN;
  PROCEDURE showwarnings(p IN parser, yes IN BOOLEAN);
  FUNCTION getreleaseversion RETURN VARCHAR2;

END dbms_xmlparser;
