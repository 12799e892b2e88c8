-- DBMS_XMLDOM: the W3C DOM interface to XMLTYPE documents: creating, navigating and
-- changing nodes, and writing a document out (the main calls).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_xmldom AUTHID CURRENT_USER AS

  TYPE domnode IS RECORD (id RAW(13));
  TYPE domnamednodemap IS RECORD (id RAW(13));
  TYPE domnodelist IS RECORD (id RAW(13));
  TYPE domattr IS RECORD (id RAW(13));
  TYPE domcdatasection IS RECORD (id RAW(13));
  TYPE domcharacterdata IS RECORD (id RAW(13));
  TYPE domcomment IS RECORD (id RAW(13));
  TYPE domdocumentfragment IS RECORD (id RAW(13));
  TYPE domelement IS RECORD (id RAW(13));
  TYPE domentity IS RECORD (id RAW(13));
  TYPE domentityreference IS RECORD (id RAW(13));
  TYPE domnotation IS RECORD (id RAW(13));
  TYPE domprocessinginstruction IS RECORD (id RAW(13));
  TYPE domtext IS RECORD (id RAW(13));
  TYPE domimplementation IS RECORD (id RAW(13));
  TYPE domdocumenttype IS RECORD (id RAW(13));
  TYPE domdocument IS RECORD (id RAW(13));

  -- Node types
  element_node CONSTANT PLS_INTEGER := 1;
  attribute_node CONSTANT PLS_INTEGER := 2;
  text_node CONSTANT PLS_INTEGER := 3;
  cdata_section_node CONSTANT PLS_INTEGER := 4;
  entity_reference_node CONSTANT PLS_INTEGER := 5;
  entity_node CONSTANT PLS_INTEGER := 6;
  processing_instruction_node CONSTANT PLS_INTEGER := 7;
  comment_node CONSTANT PLS_INTEGER := 8;
  document_node CONSTANT PLS_INTEGER := 9;
  document_type_node CONSTANT PLS_INTEGER := 10;
  document_fragment_node CONSTANT PLS_INTEGER := 11;
  notation_node CONSTANT PLS_INTEGER := 12;

  -- Conversions between DOMNode and the specific node types, and NULL tests
  FUNCTION makenode(nnm IN domnamednodemap) RETURN domnode;
  FUNCTION makenode(nl IN domnodelist) RETURN domnode;
  FUNCTION makenode(a IN domattr) RETURN domnode;
  FUNCTION makenode(cds IN domcdatasection) RETURN domnode;
  FUNCTION makenode(cd IN domcharacterdata) RETURN domnode;
  FUNCTION makenode(com IN domcomment) RETURN domnode;
  FUNCTION makenode(df IN domdocumentfragment) RETURN domnode;
  FUNCTION makenode(elem IN domelement) RETURN domnode;
  FUNCTION makenode(ent IN domentity) RETURN domnode;
  FUNCTION makenode(eref IN domentityreference) RETURN domnode;
  FUNCTION makenode(n IN domnotation) RETURN domnode;
  FUNCTION makenode(pi IN domprocessinginstruction) RETURN domnode;
  FUNCTION makenode(t IN domtext) RETURN domnode;
  FUNCTION makenode(di IN domimplementation) RETURN domnode;
  FUNCTION makenode(dt IN domdocumenttype) RETURN domnode;
  FUNCTION makenode(doc IN domdocument) RETURN domnode;
  FUNCTION makeattr(n IN domnode) RETURN domattr;
  FUNCTION makecdatasection(n IN domnode) RETURN domcdatasection;
  FUNCTION makecharacterdata(n IN domnode) RETURN domcharacterdata;
  FUNCTION makecomment(n IN domnode) RETURN domcomment;
  FUNCTION makedocumentfragment(n IN domnode) RETURN domdocumentfragment;
  FUNCTION makeelement(n IN domnode) RETURN domelement;
  FUNCTION makeentity(n IN domnode) RETURN domentity;
  FUNCTION makeentityreference(n IN domnode) RETURN domentityreference;
  FUNCTION makenotation(n IN domnode) RETURN domnotation;
  FUNCTION makeprocessinginstruction(n IN domnode) RETURN domprocessinginstruction;
  FUNCTION maketext(n IN domnode) RETURN domtext;
  FUNCTION makedocumenttype(n IN domnode) RETURN domdocumenttype;
  FUNCTION makedocument(n IN domnode) RETURN domdocument;
  FUNCTION isnull(n IN domnode) RETURN BOOLEAN;
  FUNCTION isnull(nnm IN domnamednodemap) RETURN BOOLEAN;
  FUNCTION isnull(nl IN domnodelist) RETURN BOOLEAN;
  FUNCTION isnull(a IN domattr) RETURN BOOLEAN;
  FUNCTION isnull(cds IN domcdatasection) RETURN BOOLEAN;
  FUNCTION isnull(cd IN domcharacterdata) RETURN BOOLEAN;
  FUNCTION isnull(com IN domcomment) RETURN BOOLEAN;
  FUNCTION isnull(df IN domdocumentfragment) RETURN BOOLEAN;
  FUNCTION isnull(elem IN domelement) RETURN BOOLEAN;
  FUNCTION isnull(ent IN domentity) RETURN BOOLEAN;
  FUNCTION isnull(eref IN domentityreference) RETURN BOOLEAN;
  FUNCTION isnull(n IN domnotation) RETURN BOOLEAN;
  FUNCTION isnull(pi IN domprocessinginstruction) RETURN BOOLEAN;
  FUNCTION isnull(t IN domtext) RETURN BOOLEAN;
  FUNCTION isnull(di IN domimplementation) RETURN BOOLEAN;
  FUNCTION isnull(dt IN domdocumenttype) RETURN BOOLEAN;
  FUNCTION isnull(doc IN domdocument) RETURN BOOLEAN;

  -- Documents
  FUNCTION newdomdocument RETURN domdocument;
  FUNCTION newdomdocument(xmldoc IN xmltype) RETURN domdocument;
  FUNCTION newdomdocument(cl IN CLOB) RETURN domdocument;
  PROCEDURE freedocument(doc IN domdocument);
  FUNCTION getdocumentelement(doc IN domdocument) RETURN domelement;
  FUNCTION getxmltype(doc IN domdocument) RETURN xmltype;
  PROCEDURE setversion(doc IN domdocument, version IN VARCHAR2);
  FUNCTION getversion(doc IN domdocument) RETURN VARCHAR2;
  PROCEDURE setcharset(doc IN domdocument, charset IN VARCHAR2);
  FUNCTION getcharset(doc IN domdocument) RETURN VARCHAR2;
  FUNCTION createelement(doc IN domdocument, tagname IN VARCHAR2) RETURN domelement;
  FUNCTION createelement(doc IN domdocument, tagname IN VARCHAR2, ns IN VARCHAR2)
    RETURN domelement;
  FUNCTION createtextnode(doc IN domdocument, data IN VARCHAR2) RETURN domtext;
  FUNCTION createattribute(doc IN domdocument, name IN VARCHAR2) RETURN domattr;
  FUNCTION createattribute(doc IN domdocument, qname IN VARCHAR2, ns IN VARCHAR2)
    RETURN domattr;
  FUNCTION createcomment(doc IN domdocument, data IN VARCHAR2) RETURN domcomment;
  FUNCTION createcdatasection(doc IN domdocument, data IN VARCHAR2) RETURN domcdatasection;
  FUNCTION createdocumentfragment(doc IN domdocument) RETURN domdocumentfragment;
  FUNCTION createprocessinginstruction(doc IN domdocument, target IN VARCHAR2,
                                       data IN VARCHAR2) RETURN domprocessinginstruction;
  FUNCTION importnode(doc IN domdocument, importednode IN domnode, deep IN BOOLEAN)
    RETURN domnode;
  FUNCTION getelementsbytagname(doc IN domdocument, tagname IN VARCHAR2) RETURN domnodelist;
  PROCEDURE writetobuffer(doc IN domdocument, buffer IN OUT VARCHAR2,
                          charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE writetoclob(doc IN domdocument, cl IN OUT CLOB, charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE writetofile(doc IN domdocument, filename IN VARCHAR2,
                        charset IN VARCHAR2 DEFAULT NULL);

  -- Nodes
  FUNCTION appendchild(n IN domnode, newchild IN domnode) RETURN domnode;
  FUNCTION insertbefore(n IN domnode, newchild IN domnode, refchild IN domnode) RETURN domnode;
  FUNCTION replacechild(n IN domnode, newchild IN domnode, oldchild IN domnode) RETURN domnode;
  FUNCTION removechild(n IN domnode, oldchild IN domnode) RETURN domnode;
  FUNCTION clonenode(n IN domnode, deep IN BOOLEAN) RETURN domnode;
  FUNCTION getattributes(n IN domnode) RETURN domnamednodemap;
  FUNCTION getchildnodes(n IN domnode) RETURN domnodelist;
  FUNCTION getfirstchild(n IN domnode) RETURN domnode;
  FUNCTION getlastchild(n IN domnode) RETURN domnode;
  FUNCTION getnextsibling(n IN domnode) RETURN domnode;
  FUNCTION getprevioussibling(n IN domnode) RETURN domnode;
  FUNCTION getparentnode(n IN domnode) RETURN domnode;
  FUNCTION getownerdocument(n IN domnode) RETURN domdocument;
  FUNCTION getnodename(n IN domnode) RETURN VARCHAR2;
  FUNCTION getnodetype(n IN domnode) RETURN NUMBER;
  FUNCTION getnodevalue(n IN domnode) RETURN VARCHAR2;
  PROCEDURE setnodevalue(n IN domnode, nodevalue IN VARCHAR2);
  FUNCTION getnamespace(n IN domnode) RETURN VARCHAR2;
  FUNCTION getlocalname(n IN domnode) RETURN VARCHAR2;
  FUNCTION getprefix(n IN domnode) RETURN VARCHAR2;
  FUNCTION haschildnodes(n IN domnode) RETURN BOOLEAN;
  PROCEDURE freenode(n IN domnode);
  PROCEDURE writetobuffer(n IN domnode, buffer IN OUT VARCHAR2,
                          charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE writetoclob(n IN domnode, cl IN OUT CLOB, charset IN VARCHAR2 DEFAULT NULL);

  -- Node lists and maps
  FUNCTION getlength(nl IN domnodelist) RETURN NUMBER;
  FUNCTION getlength(nnm IN domnamednodemap) RETURN NUMBER;
  FUNCTION getlength(cd IN domcharacterdata) RETURN NUMBER;
  FUNCTION item(nl IN domnodelist, idx IN PLS_INTEGER) RETURN domnode;
  FUNCTION item(nnm IN domnamednodemap, idx IN PLS_INTEGER) RETURN domnode;
  FUNCTION getnameditem(nnm IN domnamednodemap, name IN VARCHAR2) RETURN domnode;
  PROCEDURE freenodelist(nl IN domnodelist);

  -- Elements, attributes, character data
  FUNCTION gettagname(elem IN domelement) RETURN VARCHAR2;
  FUNCTION getattribute(elem IN domelement, name IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION getattribute(elem IN domelement, name IN VARCHAR2, ns IN VARCHAR2)
    RETURN VARCHAR2;
  PROCEDURE setattribute(elem IN domelement, name IN VARCHAR2, newvalue IN VARCHAR2);
  PROCEDURE setattribute(elem IN domelement, name IN VARCHAR2, newvalue IN VARCHAR2,
                         ns IN VARCHAR2);
  PROCEDURE removeattribute(elem IN domelement, name IN VARCHAR2);
  FUNCTION getelementsbytagname(elem IN domelement, name IN VARCHAR2) RETURN domnodelist;
  FUNCTION getelementsbytagname(elem IN domelement, name IN VARCHAR2, ns IN VARCHAR2)
    RETURN domnodelist;
  FUNCTION getchildrenbytagname(elem IN domelement, name IN VARCHAR2) RETURN domnodelist;
  PROCEDURE freeelement(elem IN domelement);
  FUNCTION getname(a IN domattr) RETURN VARCHAR2;
  FUNCTION getvalue(a IN domattr) RETURN VARCHAR2;
  PROCEDURE setvalue(a IN domattr, value IN VARCHAR2);
  FUNCTION getdata(cd IN domcharacterdata) RETURN VARCHAR2;
  PROCEDURE setdata(cd IN domcharacterdata, data IN VARCHAR2);

END dbms_xmldom;
