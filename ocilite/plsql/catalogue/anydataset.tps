-- ANYDATASET: a set of values of one type (the type and its instances), built and read
-- piecewise. An opaque type: it has methods and no attributes a program can reach.
-- PARTIAL: methods added after 19c may be missing.
TYPE anydataset AS OBJECT (
  STATIC PROCEDURE begincreate(typecode IN PLS_INTEGER, rtype IN OUT NOCOPY anytype,
                               aset OUT NOCOPY anydataset),
  MEMBER PROCEDURE addinstance(self IN OUT NOCOPY anydataset),
  MEMBER PROCEDURE piecewise(self IN OUT NOCOPY anydataset),
  MEMBER PROCEDURE setnumber(self IN OUT NOCOPY anydataset, num IN NUMBER,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setdate(self IN OUT NOCOPY anydataset, dat IN DATE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setchar(self IN OUT NOCOPY anydataset, c IN CHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setvarchar(self IN OUT NOCOPY anydataset, c IN VARCHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setvarchar2(self IN OUT NOCOPY anydataset, c IN VARCHAR2,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setraw(self IN OUT NOCOPY anydataset, r IN RAW,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setblob(self IN OUT NOCOPY anydataset, b IN BLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setclob(self IN OUT NOCOPY anydataset, c IN CLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbfile(self IN OUT NOCOPY anydataset, b IN BFILE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setobject(self IN OUT NOCOPY anydataset, obj IN "<ADT_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setref(self IN OUT NOCOPY anydataset, rf IN REF "<ADT_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setcollection(self IN OUT NOCOPY anydataset, col IN "<COLLECTION_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestamp(self IN OUT NOCOPY anydataset, ts IN TIMESTAMP_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestamptz(self IN OUT NOCOPY anydataset, ts IN TIMESTAMP_TZ_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestampltz(self IN OUT NOCOPY anydataset, ts IN TIMESTAMP_LTZ_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setintervalym(self IN OUT NOCOPY anydataset, inv IN YMINTERVAL_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setintervalds(self IN OUT NOCOPY anydataset, inv IN DSINTERVAL_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnchar(self IN OUT NOCOPY anydataset, nc IN NCHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnvarchar2(self IN OUT NOCOPY anydataset, nc IN NVARCHAR2,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnclob(self IN OUT NOCOPY anydataset, nc IN NCLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbfloat(self IN OUT NOCOPY anydataset, fl IN BINARY_FLOAT,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbdouble(self IN OUT NOCOPY anydataset, dbl IN BINARY_DOUBLE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE seturowid(self IN OUT NOCOPY anydataset, rid IN UROWID,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE endcreate(self IN OUT NOCOPY anydataset),
  MEMBER FUNCTION gettypename(self IN anydataset) RETURN VARCHAR2,
  MEMBER FUNCTION gettype(self IN anydataset, typ OUT NOCOPY anytype) RETURN PLS_INTEGER,
  MEMBER FUNCTION getinstance(self IN OUT NOCOPY anydataset) RETURN PLS_INTEGER,
  MEMBER FUNCTION getnumber(self IN anydataset, num OUT NOCOPY NUMBER)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getdate(self IN anydataset, dat OUT NOCOPY DATE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getchar(self IN anydataset, c OUT NOCOPY CHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getvarchar(self IN anydataset, c OUT NOCOPY VARCHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getvarchar2(self IN anydataset, c OUT NOCOPY VARCHAR2)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getraw(self IN anydataset, r OUT NOCOPY RAW)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getblob(self IN anydataset, b OUT NOCOPY BLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getclob(self IN anydataset, c OUT NOCOPY CLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbfile(self IN anydataset, b OUT NOCOPY BFILE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getobject(self IN anydataset, obj OUT NOCOPY "<ADT_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getref(self IN anydataset, rf OUT NOCOPY REF "<ADT_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getcollection(self IN anydataset, col OUT NOCOPY "<COLLECTION_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestamp(self IN anydataset, ts OUT NOCOPY TIMESTAMP_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestamptz(self IN anydataset, ts OUT NOCOPY TIMESTAMP_TZ_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestampltz(self IN anydataset, ts OUT NOCOPY TIMESTAMP_LTZ_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getintervalym(self IN anydataset, inv OUT NOCOPY YMINTERVAL_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getintervalds(self IN anydataset, inv OUT NOCOPY DSINTERVAL_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnchar(self IN anydataset, nc OUT NOCOPY NCHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnvarchar2(self IN anydataset, nc OUT NOCOPY NVARCHAR2)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnclob(self IN anydataset, nc OUT NOCOPY NCLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbfloat(self IN anydataset, fl OUT NOCOPY BINARY_FLOAT)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbdouble(self IN anydataset, dbl OUT NOCOPY BINARY_DOUBLE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION geturowid(self IN anydataset, rid OUT NOCOPY UROWID)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getcount(self IN anydataset) RETURN PLS_INTEGER
);
