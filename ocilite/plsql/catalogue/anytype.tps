-- ANYTYPE: the description of a type (built-in, object, collection or transient), read
-- from the dictionary with GETPERSISTENT or built with BEGINCREATE, ADDATTR, ENDCREATE.
-- An opaque type: it has methods and no attributes a program can reach.
TYPE anytype AS OBJECT (
  STATIC PROCEDURE begincreate(typecode IN PLS_INTEGER, atype OUT NOCOPY anytype),
  MEMBER PROCEDURE setinfo(self IN OUT NOCOPY anytype, prec IN PLS_INTEGER,
                           scale IN PLS_INTEGER, len IN PLS_INTEGER, csid IN PLS_INTEGER,
                           csfrm IN PLS_INTEGER, atype IN anytype DEFAULT NULL,
                           elem_tc IN PLS_INTEGER DEFAULT NULL,
                           elem_count IN PLS_INTEGER DEFAULT 0),
  MEMBER PROCEDURE addattr(self IN OUT NOCOPY anytype, aname IN VARCHAR2,
                           typecode IN PLS_INTEGER, prec IN PLS_INTEGER, scale IN PLS_INTEGER,
                           len IN PLS_INTEGER, csid IN PLS_INTEGER, csfrm IN PLS_INTEGER,
                           attr_type IN anytype DEFAULT NULL),
  MEMBER PROCEDURE endcreate(self IN OUT NOCOPY anytype),
  STATIC FUNCTION getpersistent(schema_name IN VARCHAR2, type_name IN VARCHAR2,
                                version IN VARCHAR2 DEFAULT NULL) RETURN anytype,
  MEMBER FUNCTION getinfo(self IN anytype, prec OUT PLS_INTEGER, scale OUT PLS_INTEGER,
                          len OUT PLS_INTEGER, csid OUT PLS_INTEGER, csfrm OUT PLS_INTEGER,
                          schema_name OUT VARCHAR2, type_name OUT VARCHAR2,
                          version OUT VARCHAR2, numelems OUT PLS_INTEGER) RETURN PLS_INTEGER,
  MEMBER FUNCTION getattreleminfo(self IN anytype, pos IN PLS_INTEGER, prec OUT PLS_INTEGER,
                                  scale OUT PLS_INTEGER, len OUT PLS_INTEGER,
                                  csid OUT PLS_INTEGER, csfrm OUT PLS_INTEGER,
                                  attr_elt_type OUT anytype, aname OUT VARCHAR2)
    RETURN PLS_INTEGER
);
