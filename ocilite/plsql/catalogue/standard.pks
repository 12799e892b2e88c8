-- STANDARD: the predefined types, subtypes, exceptions and built-in functions that every
-- PL/SQL unit sees without a prefix. Conventions (root types, names Oracle's manuals do
-- not fix, constructs handled by syntax) are explained in README.md.
PACKAGE standard AUTHID CURRENT_USER AS

  ---------------------------------------------------------------------------------------
  -- Root types. The compiler implements each of these itself; each is written as a
  -- subtype of itself so that resolution finds the name here (also as STANDARD.<name>).
  ---------------------------------------------------------------------------------------
  SUBTYPE number IS NUMBER;
  -- BINARY_INTEGER is documented as INTEGER RANGE -2147483647 .. 2147483647.
  SUBTYPE binary_integer IS BINARY_INTEGER;
  SUBTYPE binary_float IS BINARY_FLOAT;
  SUBTYPE binary_double IS BINARY_DOUBLE;
  SUBTYPE boolean IS BOOLEAN; -- (FALSE, TRUE); TRUE, FALSE and NULL are literals
  SUBTYPE varchar2 IS VARCHAR2;
  SUBTYPE nchar IS NCHAR; -- documented as CHAR CHARACTER SET NCHAR_CS
  SUBTYPE nvarchar2 IS NVARCHAR2; -- documented as VARCHAR2 CHARACTER SET NCHAR_CS
  SUBTYPE mlslabel IS MLSLABEL;
  SUBTYPE urowid IS UROWID;
  SUBTYPE date IS DATE;
  SUBTYPE timestamp IS TIMESTAMP;
  SUBTYPE "TIMESTAMP WITH TIME ZONE" IS TIMESTAMP WITH TIME ZONE;
  SUBTYPE "TIMESTAMP WITH LOCAL TIME ZONE" IS TIMESTAMP WITH LOCAL TIME ZONE;
  SUBTYPE "INTERVAL YEAR TO MONTH" IS INTERVAL YEAR TO MONTH;
  SUBTYPE "INTERVAL DAY TO SECOND" IS INTERVAL DAY TO SECOND;
  SUBTYPE blob IS BLOB;
  SUBTYPE clob IS CLOB;
  SUBTYPE nclob IS NCLOB; -- documented as CLOB CHARACTER SET NCHAR_CS
  SUBTYPE bfile IS BFILE;
  SUBTYPE json IS JSON; -- Oracle Database 21c and later
  SUBTYPE vector IS VECTOR; -- Oracle Database 23ai and later

  ---------------------------------------------------------------------------------------
  -- Generic parameter types. Oracle's own specifications write a parameter that takes
  -- any object type, any collection type or any opaque type with these quoted names
  -- (ANYDATA.CONVERTOBJECT(obj IN "<ADT_1>"), DBMS_SQL.BIND_VARIABLE ...). A parameter of
  -- one of them accepts an argument of any type of that kind; REF "<ADT_1>" accepts any
  -- REF. They are roots like the types above and not a type a unit can declare.
  ---------------------------------------------------------------------------------------
  SUBTYPE "<ADT_1>" IS "<ADT_1>";
  SUBTYPE "<COLLECTION_1>" IS "<COLLECTION_1>";
  SUBTYPE "<OPAQUE_1>" IS "<OPAQUE_1>";

  ---------------------------------------------------------------------------------------
  -- Constants (Oracle Database 12.2 and later)
  ---------------------------------------------------------------------------------------
  ora_max_name_len CONSTANT PLS_INTEGER := 128;

  ---------------------------------------------------------------------------------------
  -- Number family
  ---------------------------------------------------------------------------------------
  SUBTYPE float IS NUMBER; -- NUMBER(126); FLOAT(p) is written with a binary precision
  SUBTYPE real IS FLOAT; -- FLOAT(63)
  SUBTYPE "DOUBLE PRECISION" IS FLOAT;
  SUBTYPE integer IS NUMBER(38, 0);
  SUBTYPE int IS INTEGER;
  SUBTYPE smallint IS NUMBER(38, 0);
  SUBTYPE decimal IS NUMBER(38, 0);
  SUBTYPE numeric IS DECIMAL;
  SUBTYPE dec IS DECIMAL;
  SUBTYPE pls_integer IS BINARY_INTEGER;
  SUBTYPE natural IS BINARY_INTEGER RANGE 0 .. 2147483647;
  SUBTYPE naturaln IS NATURAL NOT NULL;
  SUBTYPE positive IS BINARY_INTEGER RANGE 1 .. 2147483647;
  SUBTYPE positiven IS POSITIVE NOT NULL;
  SUBTYPE signtype IS BINARY_INTEGER RANGE -1 .. 1;
  SUBTYPE simple_integer IS BINARY_INTEGER NOT NULL;
  SUBTYPE simple_float IS BINARY_FLOAT NOT NULL;
  SUBTYPE simple_double IS BINARY_DOUBLE NOT NULL;

  ---------------------------------------------------------------------------------------
  -- Character family
  ---------------------------------------------------------------------------------------
  SUBTYPE dbms_id IS VARCHAR2(128); -- VARCHAR2(ORA_MAX_NAME_LEN)
  SUBTYPE dbms_quoted_id IS VARCHAR2(130); -- VARCHAR2(ORA_MAX_NAME_LEN + 2)
  SUBTYPE dbms_id_30 IS VARCHAR2(30);
  SUBTYPE dbms_quoted_id_30 IS VARCHAR2(32);
  SUBTYPE varchar IS VARCHAR2;
  SUBTYPE string IS VARCHAR2;
  SUBTYPE long IS VARCHAR2(32760);
  SUBTYPE raw IS VARCHAR2;
  SUBTYPE "LONG RAW" IS RAW(32760);
  SUBTYPE rowid IS VARCHAR2(256);
  SUBTYPE char IS VARCHAR2; -- blank-padded semantics are the compiler's business
  SUBTYPE character IS CHAR;
  SUBTYPE "CHARACTER VARYING" IS VARCHAR;
  SUBTYPE "CHAR VARYING" IS VARCHAR;
  SUBTYPE "NATIONAL CHARACTER" IS NCHAR;
  SUBTYPE "NATIONAL CHAR" IS NCHAR;

  ---------------------------------------------------------------------------------------
  -- LOB family
  ---------------------------------------------------------------------------------------
  SUBTYPE "BINARY LARGE OBJECT" IS BLOB;
  SUBTYPE "CHARACTER LARGE OBJECT" IS CLOB;
  SUBTYPE "CHAR LARGE OBJECT" IS CLOB;
  SUBTYPE "NATIONAL CHARACTER LARGE OBJECT" IS NCLOB;
  SUBTYPE "NCHAR LARGE OBJECT" IS NCLOB;

  ---------------------------------------------------------------------------------------
  -- Datetime and interval family. The unconstrained subtypes are what parameters and
  -- results of the datetime functions use.
  ---------------------------------------------------------------------------------------
  SUBTYPE timestamp_unconstrained IS TIMESTAMP(9);
  SUBTYPE timestamp_tz_unconstrained IS TIMESTAMP(9) WITH TIME ZONE;
  SUBTYPE timestamp_ltz_unconstrained IS TIMESTAMP(9) WITH LOCAL TIME ZONE;
  SUBTYPE yminterval_unconstrained IS INTERVAL YEAR(9) TO MONTH;
  SUBTYPE dsinterval_unconstrained IS INTERVAL DAY(9) TO SECOND(9);

  ---------------------------------------------------------------------------------------
  -- Cursor variables
  ---------------------------------------------------------------------------------------
  TYPE sys_refcursor IS REF CURSOR;

  -- XMLTYPE, ANYDATA, ANYTYPE, ANYDATASET, URITYPE and the JSON_*_T types are
  -- schema-level object types owned by SYS, not members of STANDARD: see the .tps files.

  ---------------------------------------------------------------------------------------
  -- Predefined exceptions
  ---------------------------------------------------------------------------------------
  access_into_null EXCEPTION;
  PRAGMA EXCEPTION_INIT(access_into_null, -6530); -- ORA-06530
  case_not_found EXCEPTION;
  PRAGMA EXCEPTION_INIT(case_not_found, -6592); -- ORA-06592
  collection_is_null EXCEPTION;
  PRAGMA EXCEPTION_INIT(collection_is_null, -6531); -- ORA-06531
  cursor_already_open EXCEPTION;
  PRAGMA EXCEPTION_INIT(cursor_already_open, -6511); -- ORA-06511
  dup_val_on_index EXCEPTION;
  PRAGMA EXCEPTION_INIT(dup_val_on_index, -1); -- ORA-00001
  invalid_cursor EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_cursor, -1001); -- ORA-01001
  invalid_number EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_number, -1722); -- ORA-01722
  login_denied EXCEPTION;
  PRAGMA EXCEPTION_INIT(login_denied, -1017); -- ORA-01017
  no_data_found EXCEPTION;
  PRAGMA EXCEPTION_INIT(no_data_found, 100); -- ORA-01403, SQLCODE +100
  no_data_needed EXCEPTION;
  PRAGMA EXCEPTION_INIT(no_data_needed, -6548); -- ORA-06548
  not_logged_on EXCEPTION;
  PRAGMA EXCEPTION_INIT(not_logged_on, -1012); -- ORA-01012
  program_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(program_error, -6501); -- ORA-06501
  rowtype_mismatch EXCEPTION;
  PRAGMA EXCEPTION_INIT(rowtype_mismatch, -6504); -- ORA-06504
  self_is_null EXCEPTION;
  PRAGMA EXCEPTION_INIT(self_is_null, -30625); -- ORA-30625
  storage_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(storage_error, -6500); -- ORA-06500
  subscript_beyond_count EXCEPTION;
  PRAGMA EXCEPTION_INIT(subscript_beyond_count, -6533); -- ORA-06533
  subscript_outside_limit EXCEPTION;
  PRAGMA EXCEPTION_INIT(subscript_outside_limit, -6532); -- ORA-06532
  sys_invalid_rowid EXCEPTION;
  PRAGMA EXCEPTION_INIT(sys_invalid_rowid, -1410); -- ORA-01410
  timeout_on_resource EXCEPTION;
  PRAGMA EXCEPTION_INIT(timeout_on_resource, -51); -- ORA-00051
  too_many_rows EXCEPTION;
  PRAGMA EXCEPTION_INIT(too_many_rows, -1422); -- ORA-01422
  value_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(value_error, -6502); -- ORA-06502
  zero_divide EXCEPTION;
  PRAGMA EXCEPTION_INIT(zero_divide, -1476); -- ORA-01476
  -- Declared in STANDARD but not in the manuals' table of predefined exceptions.
  transaction_backed_out EXCEPTION;
  PRAGMA EXCEPTION_INIT(transaction_backed_out, -61); -- ORA-00061
  userenv_commitscn_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(userenv_commitscn_error, -1725); -- ORA-01725

  ---------------------------------------------------------------------------------------
  -- Error reporting (PL/SQL only)
  ---------------------------------------------------------------------------------------
  FUNCTION sqlcode RETURN PLS_INTEGER;
  FUNCTION sqlerrm RETURN VARCHAR2;
  FUNCTION sqlerrm(code PLS_INTEGER) RETURN VARCHAR2;
  -- RAISE_APPLICATION_ERROR is in DBMS_STANDARD.

  ---------------------------------------------------------------------------------------
  -- Handled by syntax, not by a declaration here. Each is valid in PL/SQL expressions
  -- and the parser recognises its special form:
  --   SYNTAX: CAST(expr AS type_name), CAST(MULTISET(subquery) AS type_name) (MULTISET
  --           only inside SQL)
  --   SYNTAX: TREAT(expr AS [REF] [schema.]type_name)
  --   SYNTAX: EXTRACT({YEAR|MONTH|DAY|HOUR|MINUTE|SECOND|TIMEZONE_HOUR|TIMEZONE_MINUTE|
  --           TIMEZONE_REGION|TIMEZONE_ABBR} FROM expr)
  --   SYNTAX: TRIM([{LEADING|TRAILING|BOTH}] [trim_character] FROM trim_source); plain
  --           TRIM(trim_source) is declared below
  --   SYNTAX: TRANSLATE(char USING {CHAR_CS|NCHAR_CS}); the three-argument TRANSLATE is
  --           declared below
  --   SYNTAX: CHR(n USING NCHAR_CS); plain CHR(n) is declared below
  --   SYNTAX: TO_NUMBER, TO_DATE, TO_TIMESTAMP, TO_TIMESTAMP_TZ, TO_DSINTERVAL,
  --           TO_YMINTERVAL, TO_BINARY_FLOAT, TO_BINARY_DOUBLE and CAST accept
  --           "DEFAULT return_value ON CONVERSION ERROR" (12.2 and later)
  --   SYNTAX: VALIDATE_CONVERSION(expr AS type_name [, fmt [, nlsparam]]) (12.2)
  --   SYNTAX: COALESCE(expr, expr [, expr]...), GREATEST(expr [, expr]...),
  --           LEAST(expr [, expr]...): any number of arguments of one type family;
  --           the result takes the family of the first argument
  --   SYNTAX: NULLIF(expr1, expr2): any type except LOBs; the result has expr1's type
  --   SYNTAX: CARDINALITY(nested_table), SET(nested_table): any nested table type
  --   SYNTAX: NVL on objects, collections and REFs (the scalar overloads are below)
  --   SYNTAX: JSON_VALUE, JSON_QUERY, JSON_OBJECT, JSON_ARRAY, JSON_SCALAR,
  --           JSON_SERIALIZE, JSON_TRANSFORM and the conditions JSON_EXISTS,
  --           IS [NOT] JSON (in PL/SQL expressions from 12.2 or 18c on, depending on the
  --           function; RETURNING and ON ERROR clauses)
  --   SYNTAX: CURRENT_DATE, CURRENT_TIMESTAMP[(p)], LOCALTIMESTAMP[(p)] take an
  --           optional precision (declared below without it)
  --   SYNTAX: SQL%FOUND, SQL%NOTFOUND, SQL%ROWCOUNT, SQL%ISOPEN, SQL%BULK_ROWCOUNT(i),
  --           SQL%BULK_EXCEPTIONS, cursor%attributes, $$PLSQL_UNIT, $$PLSQL_LINE and
  --           other inquiry directives
  --
  -- SQL only: these are SQL functions that PL/SQL expressions outside a SQL statement
  -- cannot use (Oracle reports PLS-00204 "function or pseudo-column '...' may be used
  -- inside a SQL statement only" for DECODE, DUMP, VSIZE and the aggregates):
  --   SQL ONLY: aggregate functions (AVG, COUNT, MAX, MIN, SUM, LISTAGG, JSON_ARRAYAGG,
  --             JSON_OBJECTAGG, XMLAGG ...), analytic functions (LAG, LEAD,
  --             ROW_NUMBER, RANK, RATIO_TO_REPORT ...), BIN_TO_NUM, data mining
  --             functions (CLUSTER_ID, FEATURE_VALUE, PREDICTION ...), DECODE, DUMP,
  --             VSIZE, ORA_HASH, STANDARD_HASH, model functions (ITERATION_NUMBER,
  --             PREVIOUS, CV, PRESENTV, PRESENTNNV), object reference functions (REF,
  --             DEREF, VALUE, MAKE_REF, REFTOHEX), XML functions (XMLELEMENT,
  --             XMLFOREST, EXTRACTVALUE, XMLQUERY ...; XMLTYPE methods are fine),
  --             COLLATE, COLLATION, NLS_COLLATION_ID, NLS_COLLATION_NAME, CUBE_TABLE,
  --             DATAOBJ_TO_PARTITION, LNNVL, NVL2, SYS_CONNECT_BY_PATH, SYS_TYPEID,
  --             WIDTH_BUCKET, GROUPING, GROUPING_ID, GROUP_ID, TO_LOB
  -- The full list of names valid inside SQL statements is sql_functions.txt.

  ---------------------------------------------------------------------------------------
  -- NULL handling
  ---------------------------------------------------------------------------------------
  FUNCTION nvl(b1 BOOLEAN, b2 BOOLEAN) RETURN BOOLEAN;
  FUNCTION nvl(s1 VARCHAR2, s2 VARCHAR2) RETURN VARCHAR2;
  FUNCTION nvl(n1 NUMBER, n2 NUMBER) RETURN NUMBER;
  FUNCTION nvl(i1 PLS_INTEGER, i2 PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION nvl(f1 BINARY_FLOAT, f2 BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION nvl(d1 BINARY_DOUBLE, d2 BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION nvl(d1 DATE, d2 DATE) RETURN DATE;
  FUNCTION nvl(t1 TIMESTAMP_UNCONSTRAINED, t2 TIMESTAMP_UNCONSTRAINED)
    RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION nvl(t1 TIMESTAMP_TZ_UNCONSTRAINED, t2 TIMESTAMP_TZ_UNCONSTRAINED)
    RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION nvl(t1 TIMESTAMP_LTZ_UNCONSTRAINED, t2 TIMESTAMP_LTZ_UNCONSTRAINED)
    RETURN TIMESTAMP_LTZ_UNCONSTRAINED;
  FUNCTION nvl(i1 YMINTERVAL_UNCONSTRAINED, i2 YMINTERVAL_UNCONSTRAINED)
    RETURN YMINTERVAL_UNCONSTRAINED;
  FUNCTION nvl(i1 DSINTERVAL_UNCONSTRAINED, i2 DSINTERVAL_UNCONSTRAINED)
    RETURN DSINTERVAL_UNCONSTRAINED;
  FUNCTION nvl(c1 CLOB, c2 CLOB) RETURN CLOB;
  FUNCTION nvl(b1 BLOB, b2 BLOB) RETURN BLOB;
  FUNCTION nvl(b1 BFILE, b2 BFILE) RETURN BFILE;
  FUNCTION nvl(r1 UROWID, r2 UROWID) RETURN UROWID;
  FUNCTION nvl(l1 MLSLABEL, l2 MLSLABEL) RETURN MLSLABEL;
  FUNCTION nanvl(n1 NUMBER, n2 NUMBER) RETURN NUMBER;
  FUNCTION nanvl(f1 BINARY_FLOAT, f2 BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION nanvl(d1 BINARY_DOUBLE, d2 BINARY_DOUBLE) RETURN BINARY_DOUBLE;

  ---------------------------------------------------------------------------------------
  -- Character functions returning character values
  ---------------------------------------------------------------------------------------
  FUNCTION chr(n PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION nchr(n PLS_INTEGER) RETURN NVARCHAR2;
  FUNCTION concat(left VARCHAR2, right VARCHAR2) RETURN VARCHAR2;
  FUNCTION concat(left CLOB, right CLOB) RETURN CLOB;
  FUNCTION concat(left RAW, right RAW) RETURN RAW;
  FUNCTION initcap(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION initcap(ch CLOB) RETURN CLOB;
  FUNCTION lower(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION lower(ch CLOB) RETURN CLOB;
  FUNCTION upper(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION upper(ch CLOB) RETURN CLOB;
  FUNCTION nls_initcap(ch VARCHAR2, parms VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION nls_lower(ch VARCHAR2, parms VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION nls_lower(ch CLOB, parms VARCHAR2 DEFAULT NULL) RETURN CLOB;
  FUNCTION nls_upper(ch VARCHAR2, parms VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION nls_upper(ch CLOB, parms VARCHAR2 DEFAULT NULL) RETURN CLOB;
  FUNCTION nlssort(c VARCHAR2, parms VARCHAR2 DEFAULT NULL) RETURN RAW;
  FUNCTION lpad(str1 VARCHAR2, len PLS_INTEGER, pad VARCHAR2 DEFAULT ' ') RETURN VARCHAR2;
  FUNCTION lpad(str1 CLOB, len NUMBER, pad CLOB DEFAULT ' ') RETURN CLOB;
  FUNCTION rpad(str1 VARCHAR2, len PLS_INTEGER, pad VARCHAR2 DEFAULT ' ') RETURN VARCHAR2;
  FUNCTION rpad(str1 CLOB, len NUMBER, pad CLOB DEFAULT ' ') RETURN CLOB;
  FUNCTION ltrim(str1 VARCHAR2, tset VARCHAR2 DEFAULT ' ') RETURN VARCHAR2;
  FUNCTION ltrim(str1 CLOB, tset CLOB DEFAULT ' ') RETURN CLOB;
  FUNCTION rtrim(str1 VARCHAR2, tset VARCHAR2 DEFAULT ' ') RETURN VARCHAR2;
  FUNCTION rtrim(str1 CLOB, tset CLOB DEFAULT ' ') RETURN CLOB;
  FUNCTION trim(v VARCHAR2) RETURN VARCHAR2; -- the FROM forms are syntax, see above
  FUNCTION trim(v CLOB) RETURN CLOB;
  FUNCTION replace(srcstr VARCHAR2, oldsub VARCHAR2, newsub VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION replace(srcstr CLOB, oldsub CLOB, newsub CLOB DEFAULT NULL) RETURN CLOB;
  FUNCTION translate(str1 VARCHAR2, src VARCHAR2, dest VARCHAR2) RETURN VARCHAR2;
  FUNCTION translate(str1 CLOB, src CLOB, dest CLOB) RETURN CLOB;
  FUNCTION soundex(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION soundex(ch CLOB) RETURN CLOB;
  FUNCTION substr(str1 VARCHAR2, pos PLS_INTEGER, len PLS_INTEGER DEFAULT 2147483647)
    RETURN VARCHAR2;
  FUNCTION substr(str1 CLOB, pos NUMBER, len NUMBER DEFAULT 18446744073709551615)
    RETURN CLOB;
  FUNCTION substrb(str1 VARCHAR2, pos PLS_INTEGER, len PLS_INTEGER DEFAULT 2147483647)
    RETURN VARCHAR2;
  FUNCTION substrc(str1 VARCHAR2, pos PLS_INTEGER, len PLS_INTEGER DEFAULT 2147483647)
    RETURN VARCHAR2;
  FUNCTION substrc(str1 CLOB, pos NUMBER, len NUMBER DEFAULT 18446744073709551615)
    RETURN CLOB;
  FUNCTION substr2(str1 VARCHAR2, pos PLS_INTEGER, len PLS_INTEGER DEFAULT 2147483647)
    RETURN VARCHAR2;
  FUNCTION substr2(str1 CLOB, pos NUMBER, len NUMBER DEFAULT 18446744073709551615)
    RETURN CLOB;
  FUNCTION substr4(str1 VARCHAR2, pos PLS_INTEGER, len PLS_INTEGER DEFAULT 2147483647)
    RETURN VARCHAR2;
  FUNCTION substr4(str1 CLOB, pos NUMBER, len NUMBER DEFAULT 18446744073709551615)
    RETURN CLOB;
  FUNCTION regexp_substr(srcstr VARCHAR2, pattern VARCHAR2, position PLS_INTEGER DEFAULT 1,
                         occurrence PLS_INTEGER DEFAULT 1, modifier VARCHAR2 DEFAULT NULL,
                         subexpression PLS_INTEGER DEFAULT 0) RETURN VARCHAR2;
  FUNCTION regexp_substr(srcstr CLOB, pattern VARCHAR2, position INTEGER DEFAULT 1,
                         occurrence INTEGER DEFAULT 1, modifier VARCHAR2 DEFAULT NULL,
                         subexpression PLS_INTEGER DEFAULT 0) RETURN CLOB;
  FUNCTION regexp_replace(srcstr VARCHAR2, pattern VARCHAR2,
                          replacestr VARCHAR2 DEFAULT NULL,
                          position PLS_INTEGER DEFAULT 1, occurrence PLS_INTEGER DEFAULT 0,
                          modifier VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION regexp_replace(srcstr CLOB, pattern VARCHAR2, replacestr CLOB DEFAULT NULL,
                          position INTEGER DEFAULT 1, occurrence INTEGER DEFAULT 0,
                          modifier VARCHAR2 DEFAULT NULL) RETURN CLOB;
  FUNCTION asciistr(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION unistr(ch VARCHAR2) RETURN NVARCHAR2;
  FUNCTION compose(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION decompose(ch VARCHAR2, canmode VARCHAR2 DEFAULT 'CANONICAL') RETURN VARCHAR2;
  FUNCTION to_multi_byte(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_single_byte(ch VARCHAR2) RETURN VARCHAR2;
  FUNCTION nls_charset_name(csetid PLS_INTEGER) RETURN VARCHAR2;

  ---------------------------------------------------------------------------------------
  -- Character functions returning numbers
  ---------------------------------------------------------------------------------------
  FUNCTION ascii(ch VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION instr(str1 VARCHAR2, str2 VARCHAR2, pos PLS_INTEGER DEFAULT 1,
                 nth POSITIVE DEFAULT 1) RETURN PLS_INTEGER;
  FUNCTION instr(str1 CLOB, str2 CLOB, pos INTEGER DEFAULT 1, nth POSITIVE DEFAULT 1)
    RETURN INTEGER;
  FUNCTION instrb(str1 VARCHAR2, str2 VARCHAR2, pos PLS_INTEGER DEFAULT 1,
                  nth POSITIVE DEFAULT 1) RETURN PLS_INTEGER;
  FUNCTION instrc(str1 VARCHAR2, str2 VARCHAR2, pos PLS_INTEGER DEFAULT 1,
                  nth POSITIVE DEFAULT 1) RETURN PLS_INTEGER;
  FUNCTION instr2(str1 VARCHAR2, str2 VARCHAR2, pos PLS_INTEGER DEFAULT 1,
                  nth POSITIVE DEFAULT 1) RETURN PLS_INTEGER;
  FUNCTION instr4(str1 VARCHAR2, str2 VARCHAR2, pos PLS_INTEGER DEFAULT 1,
                  nth POSITIVE DEFAULT 1) RETURN PLS_INTEGER;
  FUNCTION length(ch VARCHAR2) RETURN NATURAL;
  FUNCTION length(ch CLOB) RETURN INTEGER;
  FUNCTION length(bl BLOB) RETURN INTEGER; -- BLOB length in bytes
  FUNCTION lengthb(ch VARCHAR2) RETURN NATURAL;
  FUNCTION lengthc(ch VARCHAR2) RETURN NATURAL;
  FUNCTION lengthc(ch CLOB) RETURN INTEGER;
  FUNCTION length2(ch VARCHAR2) RETURN NATURAL;
  FUNCTION length2(ch CLOB) RETURN INTEGER;
  FUNCTION length4(ch VARCHAR2) RETURN NATURAL;
  FUNCTION length4(ch CLOB) RETURN INTEGER;
  FUNCTION regexp_instr(srcstr VARCHAR2, pattern VARCHAR2, position PLS_INTEGER DEFAULT 1,
                        occurrence PLS_INTEGER DEFAULT 1, returnparam PLS_INTEGER DEFAULT 0,
                        modifier VARCHAR2 DEFAULT NULL,
                        subexpression PLS_INTEGER DEFAULT 0) RETURN PLS_INTEGER;
  FUNCTION regexp_instr(srcstr CLOB, pattern VARCHAR2, position INTEGER DEFAULT 1,
                        occurrence INTEGER DEFAULT 1, returnparam PLS_INTEGER DEFAULT 0,
                        modifier VARCHAR2 DEFAULT NULL,
                        subexpression PLS_INTEGER DEFAULT 0) RETURN INTEGER;
  FUNCTION regexp_count(srcstr VARCHAR2, pattern VARCHAR2, position PLS_INTEGER DEFAULT 1,
                        modifier VARCHAR2 DEFAULT NULL) RETURN PLS_INTEGER;
  FUNCTION regexp_count(srcstr CLOB, pattern VARCHAR2, position INTEGER DEFAULT 1,
                        modifier VARCHAR2 DEFAULT NULL) RETURN INTEGER;
  FUNCTION nls_charset_id(csetname VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION nls_charset_decl_len(bytecnt NUMBER, csetid NUMBER) RETURN PLS_INTEGER;

  ---------------------------------------------------------------------------------------
  -- Character conditions usable as BOOLEAN expressions in PL/SQL
  ---------------------------------------------------------------------------------------
  FUNCTION regexp_like(srcstr VARCHAR2, pattern VARCHAR2, modifier VARCHAR2 DEFAULT NULL)
    RETURN BOOLEAN;
  FUNCTION regexp_like(srcstr CLOB, pattern VARCHAR2, modifier VARCHAR2 DEFAULT NULL)
    RETURN BOOLEAN;

  ---------------------------------------------------------------------------------------
  -- Numeric functions
  ---------------------------------------------------------------------------------------
  FUNCTION abs(n NUMBER) RETURN NUMBER;
  FUNCTION abs(i PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION abs(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION abs(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION acos(n NUMBER) RETURN NUMBER;
  FUNCTION acos(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION asin(n NUMBER) RETURN NUMBER;
  FUNCTION asin(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION atan(n NUMBER) RETURN NUMBER;
  FUNCTION atan(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION atan2(x NUMBER, y NUMBER) RETURN NUMBER;
  FUNCTION atan2(x BINARY_DOUBLE, y BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION bitand(left PLS_INTEGER, right PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION bitand(left INTEGER, right INTEGER) RETURN INTEGER;
  FUNCTION ceil(n NUMBER) RETURN NUMBER;
  FUNCTION ceil(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION ceil(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION cos(n NUMBER) RETURN NUMBER;
  FUNCTION cos(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION cosh(n NUMBER) RETURN NUMBER;
  FUNCTION cosh(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION exp(n NUMBER) RETURN NUMBER;
  FUNCTION exp(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION floor(n NUMBER) RETURN NUMBER;
  FUNCTION floor(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION floor(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION ln(n NUMBER) RETURN NUMBER;
  FUNCTION ln(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION log(left NUMBER, right NUMBER) RETURN NUMBER;
  FUNCTION log(left BINARY_DOUBLE, right BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION mod(n1 NUMBER, n2 NUMBER) RETURN NUMBER;
  FUNCTION mod(i1 PLS_INTEGER, i2 PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION mod(f1 BINARY_FLOAT, f2 BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION mod(d1 BINARY_DOUBLE, d2 BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION power(n NUMBER, e NUMBER) RETURN NUMBER;
  FUNCTION power(d BINARY_DOUBLE, e BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION remainder(n1 NUMBER, n2 NUMBER) RETURN NUMBER;
  FUNCTION remainder(f1 BINARY_FLOAT, f2 BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION remainder(d1 BINARY_DOUBLE, d2 BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION round(left NUMBER, right PLS_INTEGER DEFAULT 0) RETURN NUMBER;
  FUNCTION round(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION round(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION sign(n NUMBER) RETURN SIGNTYPE;
  FUNCTION sign(f BINARY_FLOAT) RETURN SIGNTYPE;
  FUNCTION sign(d BINARY_DOUBLE) RETURN SIGNTYPE;
  FUNCTION sin(n NUMBER) RETURN NUMBER;
  FUNCTION sin(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION sinh(n NUMBER) RETURN NUMBER;
  FUNCTION sinh(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION sqrt(n NUMBER) RETURN NUMBER;
  FUNCTION sqrt(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION sqrt(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION tan(n NUMBER) RETURN NUMBER;
  FUNCTION tan(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION tanh(n NUMBER) RETURN NUMBER;
  FUNCTION tanh(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;
  FUNCTION trunc(n NUMBER, places PLS_INTEGER DEFAULT 0) RETURN NUMBER;
  FUNCTION trunc(f BINARY_FLOAT) RETURN BINARY_FLOAT;
  FUNCTION trunc(d BINARY_DOUBLE) RETURN BINARY_DOUBLE;

  ---------------------------------------------------------------------------------------
  -- Datetime functions
  ---------------------------------------------------------------------------------------
  FUNCTION sysdate RETURN DATE;
  FUNCTION systimestamp RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION current_date RETURN DATE;
  FUNCTION current_timestamp RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION localtimestamp RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION dbtimezone RETURN VARCHAR2;
  FUNCTION sessiontimezone RETURN VARCHAR2;
  FUNCTION add_months(left DATE, right NUMBER) RETURN DATE;
  FUNCTION last_day(right DATE) RETURN DATE;
  FUNCTION months_between(left DATE, right DATE) RETURN NUMBER;
  FUNCTION new_time(right DATE, middle VARCHAR2, left VARCHAR2) RETURN DATE;
  FUNCTION next_day(left DATE, right VARCHAR2) RETURN DATE;
  FUNCTION round(left DATE, right VARCHAR2 DEFAULT 'DDD') RETURN DATE;
  FUNCTION round(left TIMESTAMP_TZ_UNCONSTRAINED, right VARCHAR2 DEFAULT 'DDD') RETURN DATE;
  FUNCTION trunc(left DATE, right VARCHAR2 DEFAULT 'DDD') RETURN DATE;
  FUNCTION trunc(left TIMESTAMP_TZ_UNCONSTRAINED, right VARCHAR2 DEFAULT 'DDD') RETURN DATE;
  FUNCTION from_tz(ts TIMESTAMP_UNCONSTRAINED, tz VARCHAR2)
    RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION sys_extract_utc(ts TIMESTAMP_TZ_UNCONSTRAINED) RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION tz_offset(region VARCHAR2) RETURN VARCHAR2;
  FUNCTION numtodsinterval(numerator NUMBER, units VARCHAR2) RETURN DSINTERVAL_UNCONSTRAINED;
  FUNCTION numtoyminterval(numerator NUMBER, units VARCHAR2) RETURN YMINTERVAL_UNCONSTRAINED;
  FUNCTION to_dsinterval(str VARCHAR2) RETURN DSINTERVAL_UNCONSTRAINED;
  FUNCTION to_dsinterval(str VARCHAR2, format VARCHAR2) RETURN DSINTERVAL_UNCONSTRAINED;
  FUNCTION to_yminterval(str VARCHAR2) RETURN YMINTERVAL_UNCONSTRAINED;
  FUNCTION to_yminterval(str VARCHAR2, format VARCHAR2) RETURN YMINTERVAL_UNCONSTRAINED;
  FUNCTION to_timestamp(ch VARCHAR2) RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION to_timestamp(ch VARCHAR2, format VARCHAR2) RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION to_timestamp(ch VARCHAR2, format VARCHAR2, parms VARCHAR2)
    RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION to_timestamp(ts TIMESTAMP_UNCONSTRAINED) RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION to_timestamp_tz(ch VARCHAR2) RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION to_timestamp_tz(ch VARCHAR2, format VARCHAR2) RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION to_timestamp_tz(ch VARCHAR2, format VARCHAR2, parms VARCHAR2)
    RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION to_timestamp_tz(ts TIMESTAMP_TZ_UNCONSTRAINED) RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION ora_dst_affected(ts TIMESTAMP_TZ_UNCONSTRAINED) RETURN NUMBER;
  FUNCTION ora_dst_convert(ts TIMESTAMP_TZ_UNCONSTRAINED, error_on_overlap NUMBER DEFAULT 0,
                           error_on_nonexisting NUMBER DEFAULT 0)
    RETURN TIMESTAMP_TZ_UNCONSTRAINED;
  FUNCTION ora_dst_error(ts TIMESTAMP_TZ_UNCONSTRAINED) RETURN NUMBER;
  FUNCTION scn_to_timestamp(scn NUMBER) RETURN TIMESTAMP_UNCONSTRAINED;
  FUNCTION timestamp_to_scn(ts TIMESTAMP_UNCONSTRAINED) RETURN NUMBER;

  ---------------------------------------------------------------------------------------
  -- Conversion functions
  ---------------------------------------------------------------------------------------
  FUNCTION to_char(right VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left VARCHAR2, format VARCHAR2) RETURN VARCHAR2; -- text with a format
  FUNCTION to_char(left CLOB) RETURN VARCHAR2;
  FUNCTION to_char(left NUMBER) RETURN VARCHAR2;
  FUNCTION to_char(left NUMBER, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left NUMBER, format VARCHAR2, parms VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left PLS_INTEGER) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_FLOAT) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_FLOAT, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_FLOAT, format VARCHAR2, parms VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_DOUBLE) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_DOUBLE, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left BINARY_DOUBLE, format VARCHAR2, parms VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left DATE) RETURN VARCHAR2;
  FUNCTION to_char(left DATE, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left DATE, format VARCHAR2, parms VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_UNCONSTRAINED) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_UNCONSTRAINED, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_UNCONSTRAINED, format VARCHAR2, parms VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_TZ_UNCONSTRAINED) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_TZ_UNCONSTRAINED, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_TZ_UNCONSTRAINED, format VARCHAR2, parms VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_LTZ_UNCONSTRAINED) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_LTZ_UNCONSTRAINED, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left TIMESTAMP_LTZ_UNCONSTRAINED, format VARCHAR2, parms VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION to_char(left YMINTERVAL_UNCONSTRAINED) RETURN VARCHAR2;
  FUNCTION to_char(left YMINTERVAL_UNCONSTRAINED, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left YMINTERVAL_UNCONSTRAINED, format VARCHAR2, parms VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION to_char(left DSINTERVAL_UNCONSTRAINED) RETURN VARCHAR2;
  FUNCTION to_char(left DSINTERVAL_UNCONSTRAINED, format VARCHAR2) RETURN VARCHAR2;
  FUNCTION to_char(left DSINTERVAL_UNCONSTRAINED, format VARCHAR2, parms VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION to_char(left RAW) RETURN VARCHAR2;
  FUNCTION to_char(left UROWID) RETURN VARCHAR2;
  FUNCTION to_char(left MLSLABEL) RETURN VARCHAR2;
  FUNCTION to_nchar(left VARCHAR2) RETURN NVARCHAR2;
  FUNCTION to_nchar(left CLOB) RETURN NVARCHAR2;
  FUNCTION to_nchar(left NUMBER) RETURN NVARCHAR2;
  FUNCTION to_nchar(left NUMBER, format NVARCHAR2) RETURN NVARCHAR2;
  FUNCTION to_nchar(left NUMBER, format NVARCHAR2, parms NVARCHAR2) RETURN NVARCHAR2;
  FUNCTION to_nchar(left DATE) RETURN NVARCHAR2;
  FUNCTION to_nchar(left DATE, format NVARCHAR2) RETURN NVARCHAR2;
  FUNCTION to_nchar(left DATE, format NVARCHAR2, parms NVARCHAR2) RETURN NVARCHAR2;
  FUNCTION to_nchar(left TIMESTAMP_TZ_UNCONSTRAINED, format NVARCHAR2 DEFAULT NULL,
                    parms NVARCHAR2 DEFAULT NULL) RETURN NVARCHAR2;
  FUNCTION to_nchar(left DSINTERVAL_UNCONSTRAINED, format NVARCHAR2 DEFAULT NULL,
                    parms NVARCHAR2 DEFAULT NULL) RETURN NVARCHAR2;
  FUNCTION to_nchar(left YMINTERVAL_UNCONSTRAINED, format NVARCHAR2 DEFAULT NULL,
                    parms NVARCHAR2 DEFAULT NULL) RETURN NVARCHAR2;
  FUNCTION to_number(left VARCHAR2) RETURN NUMBER;
  FUNCTION to_number(left VARCHAR2, format VARCHAR2) RETURN NUMBER;
  FUNCTION to_number(left VARCHAR2, format VARCHAR2, parms VARCHAR2) RETURN NUMBER;
  FUNCTION to_number(left NUMBER) RETURN NUMBER;
  FUNCTION to_number(left BINARY_FLOAT) RETURN NUMBER;
  FUNCTION to_number(left BINARY_DOUBLE) RETURN NUMBER;
  FUNCTION to_date(left VARCHAR2) RETURN DATE;
  FUNCTION to_date(left VARCHAR2, format VARCHAR2) RETURN DATE;
  FUNCTION to_date(left VARCHAR2, format VARCHAR2, parms VARCHAR2) RETURN DATE;
  FUNCTION to_date(left NUMBER, format VARCHAR2 DEFAULT NULL) RETURN DATE; -- 'J' or 'SSSSS'
  FUNCTION to_date(left DATE) RETURN DATE;
  FUNCTION to_binary_float(left VARCHAR2, format VARCHAR2 DEFAULT NULL,
                           parms VARCHAR2 DEFAULT NULL) RETURN BINARY_FLOAT;
  FUNCTION to_binary_float(left NUMBER) RETURN BINARY_FLOAT;
  FUNCTION to_binary_float(left BINARY_DOUBLE) RETURN BINARY_FLOAT;
  FUNCTION to_binary_double(left VARCHAR2, format VARCHAR2 DEFAULT NULL,
                            parms VARCHAR2 DEFAULT NULL) RETURN BINARY_DOUBLE;
  FUNCTION to_binary_double(left NUMBER) RETURN BINARY_DOUBLE;
  FUNCTION to_binary_double(left BINARY_FLOAT) RETURN BINARY_DOUBLE;
  FUNCTION to_clob(left VARCHAR2) RETURN CLOB;
  FUNCTION to_clob(left CLOB) RETURN CLOB;
  FUNCTION to_clob(left BFILE, csid NUMBER DEFAULT NULL, mime_type VARCHAR2 DEFAULT NULL)
    RETURN CLOB; -- 12.2
  FUNCTION to_clob(left BLOB, csid NUMBER DEFAULT NULL, mime_type VARCHAR2 DEFAULT NULL)
    RETURN CLOB; -- 12.2
  FUNCTION to_nclob(left VARCHAR2) RETURN NCLOB;
  FUNCTION to_nclob(left CLOB) RETURN NCLOB;
  FUNCTION to_blob(left RAW) RETURN BLOB;
  FUNCTION to_blob(left BFILE, mime_type VARCHAR2 DEFAULT NULL) RETURN BLOB; -- 12.2
  FUNCTION to_blob(left BLOB) RETURN BLOB;
  FUNCTION hextoraw(c VARCHAR2) RETURN RAW;
  FUNCTION rawtohex(r RAW) RETURN VARCHAR2;
  FUNCTION rawtonhex(r RAW) RETURN NVARCHAR2;
  FUNCTION chartorowid(str VARCHAR2) RETURN ROWID;
  FUNCTION rowidtochar(left ROWID) RETURN VARCHAR2;
  FUNCTION rowidtonchar(left ROWID) RETURN NVARCHAR2;
  FUNCTION convert(src VARCHAR2, destcset VARCHAR2) RETURN VARCHAR2;
  FUNCTION convert(src VARCHAR2, destcset VARCHAR2, srccset VARCHAR2) RETURN VARCHAR2;
  FUNCTION convert(src CLOB, destcset VARCHAR2, srccset VARCHAR2 DEFAULT NULL) RETURN CLOB;

  ---------------------------------------------------------------------------------------
  -- Large objects
  ---------------------------------------------------------------------------------------
  FUNCTION empty_blob RETURN BLOB;
  FUNCTION empty_clob RETURN CLOB;
  FUNCTION bfilename(directory VARCHAR2, filename VARCHAR2) RETURN BFILE;

  ---------------------------------------------------------------------------------------
  -- Environment and identifiers
  ---------------------------------------------------------------------------------------
  FUNCTION user RETURN VARCHAR2;
  FUNCTION uid RETURN PLS_INTEGER;
  FUNCTION userenv(envstr VARCHAR2) RETURN VARCHAR2;
  FUNCTION sys_context(namespace VARCHAR2, attribute VARCHAR2) RETURN VARCHAR2;
  FUNCTION sys_context(namespace VARCHAR2, attribute VARCHAR2, newoptional PLS_INTEGER)
    RETURN VARCHAR2;
  FUNCTION sys_guid RETURN RAW;
  FUNCTION ora_invoking_user RETURN VARCHAR2; -- 12.1
  FUNCTION ora_invoking_userid RETURN NUMBER; -- 12.1

  ---------------------------------------------------------------------------------------
  -- Boolean helpers present in STANDARD but not described in the manuals
  ---------------------------------------------------------------------------------------
  FUNCTION xor(left BOOLEAN, right BOOLEAN) RETURN BOOLEAN;

END standard;
