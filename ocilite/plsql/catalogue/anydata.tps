-- ANYDATA: a self-describing value of any type (an instance and its type), built in one
-- call (CONVERT*) or piecewise (BEGINCREATE, SET*, ENDCREATE) and read back with GET* or
-- ACCESS*. An opaque type: it has methods and no attributes a program can reach.
-- PARTIAL: methods added after 19c may be missing.
TYPE anydata AS OBJECT (
  STATIC PROCEDURE begincreate(dtype IN OUT NOCOPY anytype, adata OUT NOCOPY anydata),
  MEMBER PROCEDURE piecewise(self IN OUT NOCOPY anydata),
  MEMBER PROCEDURE setnumber(self IN OUT NOCOPY anydata, num IN NUMBER,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setdate(self IN OUT NOCOPY anydata, dat IN DATE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setchar(self IN OUT NOCOPY anydata, c IN CHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setvarchar(self IN OUT NOCOPY anydata, c IN VARCHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setvarchar2(self IN OUT NOCOPY anydata, c IN VARCHAR2,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setraw(self IN OUT NOCOPY anydata, r IN RAW,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setblob(self IN OUT NOCOPY anydata, b IN BLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setclob(self IN OUT NOCOPY anydata, c IN CLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbfile(self IN OUT NOCOPY anydata, b IN BFILE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setobject(self IN OUT NOCOPY anydata, obj IN "<ADT_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setref(self IN OUT NOCOPY anydata, rf IN REF "<ADT_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setcollection(self IN OUT NOCOPY anydata, col IN "<COLLECTION_1>",
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestamp(self IN OUT NOCOPY anydata, ts IN TIMESTAMP_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestamptz(self IN OUT NOCOPY anydata, ts IN TIMESTAMP_TZ_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE settimestampltz(self IN OUT NOCOPY anydata, ts IN TIMESTAMP_LTZ_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setintervalym(self IN OUT NOCOPY anydata, inv IN YMINTERVAL_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setintervalds(self IN OUT NOCOPY anydata, inv IN DSINTERVAL_UNCONSTRAINED,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnchar(self IN OUT NOCOPY anydata, nc IN NCHAR,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnvarchar2(self IN OUT NOCOPY anydata, nc IN NVARCHAR2,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setnclob(self IN OUT NOCOPY anydata, nc IN NCLOB,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbfloat(self IN OUT NOCOPY anydata, fl IN BINARY_FLOAT,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE setbdouble(self IN OUT NOCOPY anydata, dbl IN BINARY_DOUBLE,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE seturowid(self IN OUT NOCOPY anydata, rid IN UROWID,
                   last_elem IN BOOLEAN DEFAULT FALSE),
  MEMBER PROCEDURE endcreate(self IN OUT NOCOPY anydata),
  MEMBER FUNCTION gettypename(self IN anydata) RETURN VARCHAR2,
  MEMBER FUNCTION gettype(self IN anydata, typ OUT NOCOPY anytype) RETURN PLS_INTEGER,
  STATIC FUNCTION convertnumber(num IN NUMBER) RETURN anydata,
  STATIC FUNCTION convertdate(dat IN DATE) RETURN anydata,
  STATIC FUNCTION convertchar(c IN CHAR) RETURN anydata,
  STATIC FUNCTION convertvarchar(c IN VARCHAR) RETURN anydata,
  STATIC FUNCTION convertvarchar2(c IN VARCHAR2) RETURN anydata,
  STATIC FUNCTION convertraw(r IN RAW) RETURN anydata,
  STATIC FUNCTION convertblob(b IN BLOB) RETURN anydata,
  STATIC FUNCTION convertclob(c IN CLOB) RETURN anydata,
  STATIC FUNCTION convertbfile(b IN BFILE) RETURN anydata,
  STATIC FUNCTION convertobject(obj IN "<ADT_1>") RETURN anydata,
  STATIC FUNCTION convertref(rf IN REF "<ADT_1>") RETURN anydata,
  STATIC FUNCTION convertcollection(col IN "<COLLECTION_1>") RETURN anydata,
  STATIC FUNCTION converttimestamp(ts IN TIMESTAMP_UNCONSTRAINED) RETURN anydata,
  STATIC FUNCTION converttimestamptz(ts IN TIMESTAMP_TZ_UNCONSTRAINED) RETURN anydata,
  STATIC FUNCTION converttimestampltz(ts IN TIMESTAMP_LTZ_UNCONSTRAINED) RETURN anydata,
  STATIC FUNCTION convertintervalym(inv IN YMINTERVAL_UNCONSTRAINED) RETURN anydata,
  STATIC FUNCTION convertintervalds(inv IN DSINTERVAL_UNCONSTRAINED) RETURN anydata,
  STATIC FUNCTION convertnchar(nc IN NCHAR) RETURN anydata,
  STATIC FUNCTION convertnvarchar2(nc IN NVARCHAR2) RETURN anydata,
  STATIC FUNCTION convertnclob(nc IN NCLOB) RETURN anydata,
  STATIC FUNCTION convertbfloat(fl IN BINARY_FLOAT) RETURN anydata,
  STATIC FUNCTION convertbdouble(dbl IN BINARY_DOUBLE) RETURN anydata,
  STATIC FUNCTION converturowid(rid IN UROWID) RETURN anydata,
  MEMBER FUNCTION getnumber(self IN anydata, num OUT NOCOPY NUMBER)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getdate(self IN anydata, dat OUT NOCOPY DATE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getchar(self IN anydata, c OUT NOCOPY CHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getvarchar(self IN anydata, c OUT NOCOPY VARCHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getvarchar2(self IN anydata, c OUT NOCOPY VARCHAR2)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getraw(self IN anydata, r OUT NOCOPY RAW)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getblob(self IN anydata, b OUT NOCOPY BLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getclob(self IN anydata, c OUT NOCOPY CLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbfile(self IN anydata, b OUT NOCOPY BFILE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getobject(self IN anydata, obj OUT NOCOPY "<ADT_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getref(self IN anydata, rf OUT NOCOPY REF "<ADT_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getcollection(self IN anydata, col OUT NOCOPY "<COLLECTION_1>")
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestamp(self IN anydata, ts OUT NOCOPY TIMESTAMP_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestamptz(self IN anydata, ts OUT NOCOPY TIMESTAMP_TZ_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION gettimestampltz(self IN anydata, ts OUT NOCOPY TIMESTAMP_LTZ_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getintervalym(self IN anydata, inv OUT NOCOPY YMINTERVAL_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getintervalds(self IN anydata, inv OUT NOCOPY DSINTERVAL_UNCONSTRAINED)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnchar(self IN anydata, nc OUT NOCOPY NCHAR)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnvarchar2(self IN anydata, nc OUT NOCOPY NVARCHAR2)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getnclob(self IN anydata, nc OUT NOCOPY NCLOB)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbfloat(self IN anydata, fl OUT NOCOPY BINARY_FLOAT)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION getbdouble(self IN anydata, dbl OUT NOCOPY BINARY_DOUBLE)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION geturowid(self IN anydata, rid OUT NOCOPY UROWID)
    RETURN PLS_INTEGER,
  MEMBER FUNCTION accessnumber(self IN anydata) RETURN NUMBER,
  MEMBER FUNCTION accessdate(self IN anydata) RETURN DATE,
  MEMBER FUNCTION accesschar(self IN anydata) RETURN CHAR,
  MEMBER FUNCTION accessvarchar(self IN anydata) RETURN VARCHAR,
  MEMBER FUNCTION accessvarchar2(self IN anydata) RETURN VARCHAR2,
  MEMBER FUNCTION accessraw(self IN anydata) RETURN RAW,
  MEMBER FUNCTION accessblob(self IN anydata) RETURN BLOB,
  MEMBER FUNCTION accessclob(self IN anydata) RETURN CLOB,
  MEMBER FUNCTION accessbfile(self IN anydata) RETURN BFILE,
  MEMBER FUNCTION accesstimestamp(self IN anydata) RETURN TIMESTAMP_UNCONSTRAINED,
  MEMBER FUNCTION accesstimestamptz(self IN anydata) RETURN TIMESTAMP_TZ_UNCONSTRAINED,
  MEMBER FUNCTION accesstimestampltz(self IN anydata) RETURN TIMESTAMP_LTZ_UNCONSTRAINED,
  MEMBER FUNCTION accessintervalym(self IN anydata) RETURN YMINTERVAL_UNCONSTRAINED,
  MEMBER FUNCTION accessintervalds(self IN anydata) RETURN DSINTERVAL_UNCONSTRAINED,
  MEMBER FUNCTION accessnchar(self IN anydata) RETURN NCHAR,
  MEMBER FUNCTION accessnvarchar2(self IN anydata) RETURN NVARCHAR2,
  MEMBER FUNCTION accessnclob(self IN anydata) RETURN NCLOB,
  MEMBER FUNCTION accessbfloat(self IN anydata) RETURN BINARY_FLOAT,
  MEMBER FUNCTION accessbdouble(self IN anydata) RETURN BINARY_DOUBLE,
  MEMBER FUNCTION accessurowid(self IN anydata) RETURN UROWID
);
