/*
 * The version-7 Oracle Call Interface as Velmora uses it: the cursor/logon data area
 * (cda_def), the host data area size, the column description record, the codes of types,
 * statements, calls and returns, and the twenty entry points written once as a list from
 * which their prototypes and pointer types are made.
 * Plain C so that any client library, ours included, can be built against it.
 */
#ifndef VELMORA_OCI_OCIV7_H
#define VELMORA_OCI_OCIV7_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Oracle's base types (oratypes.h). */
typedef unsigned char ub1;
typedef signed char sb1;
typedef unsigned short ub2;
typedef signed short sb2;
typedef unsigned int ub4;
typedef signed int sb4;
typedef int sword;
typedef unsigned char OraText;

/* Sizes of the data areas for builds that define neither SS_64BIT_SERVER nor __64BIT__. */
enum { OCIV7_CDA_SIZE = 64, OCIV7_HDA_SIZE = 256 };

/* The fields every cursor or logon area begins with, in Oracle's published order. */
#define OCIV7_CDA_HEAD_FIELDS                                                                      \
    sb2 v2_rc; /* version-2 return code */                                                         \
    ub2 ft;    /* SQL function type of the parsed statement */                                     \
    ub4 rpc;   /* rows processed count */                                                          \
    ub2 peo;   /* parse error offset */                                                            \
    ub1 fc;    /* OCI function code of the last failing call */                                    \
    ub1 rcs1;                                                                                      \
    ub2 rc;  /* version-7 return code (Oracle error number) */                                     \
    ub1 wrn; /* warning flags */                                                                   \
    ub1 rcs2;                                                                                      \
    sword rcs3;                                                                                    \
    struct {                                                                                       \
        struct {                                                                                   \
            ub4 rcs4;                                                                              \
            ub2 rcs5;                                                                              \
            ub1 rcs6;                                                                              \
        } rd;                                                                                      \
        ub4 rcs7;                                                                                  \
        ub2 rcs8;                                                                                  \
    } rid;                                                                                         \
    sword ose; /* operating-system dependent error */                                              \
    ub1 chk;                                                                                       \
    void *rcsp; /* pointer to the library's reserved area */

struct cda_head {
    OCIV7_CDA_HEAD_FIELDS
};

/* Cursor data area; the logon data area has the same shape. */
typedef struct cda_def {
    OCIV7_CDA_HEAD_FIELDS
    ub1 rcs9[OCIV7_CDA_SIZE - sizeof(struct cda_head)];
} Cda_Def;
typedef struct cda_def Lda_Def;

#ifdef __cplusplus
static_assert(sizeof(struct cda_def) == OCIV7_CDA_SIZE, "cda_def must be 64 bytes");
#else
_Static_assert(sizeof(struct cda_def) == OCIV7_CDA_SIZE, "cda_def must be 64 bytes");
#endif

/* Column description record that the session's Descr fills and Defin reads. */
enum { OCIV7_NAME_CAPACITY = 33 };
struct describe {
    sb4 dbsize;                        /* size in the database */
    sb2 dbtype;                        /* Oracle internal type code */
    sb1 cbuf[OCIV7_NAME_CAPACITY + 1]; /* column name, terminated by Descr */
    sb4 cbufl;                         /* in: capacity of cbuf; out: name length */
    sb4 dsize;                         /* display size */
    sb2 prec;
    sb2 scale;
    sb2 nullok;
};

/* Return codes that steer the callers' loops. */
enum {
    OCIV7_RC_NOT_IN_SELECT_LIST = 1007, /* describe past the last column */
    OCIV7_RC_NO_DATA_FOUND = 1403,      /* fetch past the last row */
    OCIV7_RC_NULL_FETCHED = 1405,       /* NULL fetched without an indicator */
    OCIV7_RC_TRUNCATED = 1406           /* value cut to the buffer */
};

/* Internal (describe) type codes. */
enum {
    OCIV7_TYPE_VARCHAR2 = 1,
    OCIV7_TYPE_NUMBER = 2,
    OCIV7_TYPE_LONG = 8,
    OCIV7_TYPE_ROWID = 11,
    OCIV7_TYPE_DATE = 12,
    OCIV7_TYPE_RAW = 23,
    OCIV7_TYPE_LONG_RAW = 24,
    OCIV7_TYPE_CHAR = 96,
    OCIV7_TYPE_CLOB = 112,
    OCIV7_TYPE_BLOB = 113
};

/* External type codes for odefin and the binds. */
enum {
    OCIV7_EXT_CHR = 1,  /* character string, not terminated */
    OCIV7_EXT_INT = 3,  /* signed integer of 1, 2, 4 or 8 bytes */
    OCIV7_EXT_FLT = 4,  /* float or double */
    OCIV7_EXT_STR = 5,  /* zero-terminated string */
    OCIV7_EXT_DAT = 12, /* Oracle's 7-byte date */
    OCIV7_EXT_AFC = 96, /* blank-padded fixed-length string */
    OCIV7_EXT_AVC = 97  /* blank-padded and zero-terminated string */
};

/* SQL function types left in ft by oparse. */
enum {
    OCIV7_FT_CREATE_TABLE = 1,
    OCIV7_FT_INSERT = 3,
    OCIV7_FT_SELECT = 4,
    OCIV7_FT_UPDATE = 5,
    OCIV7_FT_DROP_TABLE = 8,
    OCIV7_FT_DELETE = 9,
    OCIV7_FT_CREATE_PROCEDURE = 24,
    OCIV7_FT_COMMIT = 54,
    OCIV7_FT_ROLLBACK = 55,
    OCIV7_FT_DROP_PROCEDURE = 68,
    OCIV7_FT_CREATE_FUNCTION = 91,
    OCIV7_FT_DROP_FUNCTION = 93,
    OCIV7_FT_CREATE_PACKAGE = 94,
    OCIV7_FT_DROP_PACKAGE = 96,
    OCIV7_FT_CREATE_PACKAGE_BODY = 97,
    OCIV7_FT_DROP_PACKAGE_BODY = 99
};

/* OCI function codes left in fc by a failing cursor call; logon-level calls have none. */
enum {
    OCIV7_FC_NONE = 0,
    OCIV7_FC_EXEC = 4,
    OCIV7_FC_DEFIN = 8,
    OCIV7_FC_FETCH = 12,
    OCIV7_FC_OPEN = 14,
    OCIV7_FC_CLOSE = 16,
    OCIV7_FC_BNDRV = 28,
    OCIV7_FC_BNDRN = 30,
    OCIV7_FC_CAN = 52,
    OCIV7_FC_PARSE = 54,
    OCIV7_FC_DESCR = 60,
    OCIV7_FC_BNDRA = 62,
    OCIV7_FC_GETPI = 65
};

#if defined(OCIV7_BUILDING_LIBRARY)
#if defined(_WIN32)
#define OCIV7_API __declspec(dllexport)
#else
#define OCIV7_API __attribute__((visibility("default")))
#endif
#else
#define OCIV7_API
#endif

/*
 * The twenty entry points, in the order the session binds them: X(name, parameters, arguments)
 * with the parameters as declared and the same names as an argument list, for code that
 * forwards a call. Everything that lists the entry points (these prototypes and pointer types,
 * the session's binding table, the export maps, the scripted test library) is generated from
 * this one list.
 */
#define OCIV7_ENTRY_POINTS(X)                                                                      \
    X(olog,                                                                                        \
      (Cda_Def * lda, ub1 * hda, OraText * uid, sword uidl, OraText * pswd, sword pswdl,           \
       OraText * conn, sword connl, ub4 mode),                                                     \
      (lda, hda, uid, uidl, pswd, pswdl, conn, connl, mode))                                       \
    X(oclose, (Cda_Def * cursor), (cursor))                                                        \
    X(ologof, (Cda_Def * lda), (lda))                                                              \
    X(oopen,                                                                                       \
      (Cda_Def * cursor, Cda_Def * lda, OraText * dbn, sword dbnl, sword arsize, OraText * uid,    \
       sword uidl),                                                                                \
      (cursor, lda, dbn, dbnl, arsize, uid, uidl))                                                 \
    X(oparse, (Cda_Def * cursor, OraText * sqlstm, sb4 sqllen, sword defflg, ub4 lngflg),          \
      (cursor, sqlstm, sqllen, defflg, lngflg))                                                    \
    X(odefin,                                                                                      \
      (Cda_Def * cursor, sword pos, ub1 * buf, sword bufl, sword ftype, sword scale, sb2 * indp,   \
       OraText * fmt, sword fmtl, sword fmtt, ub2 * rlen, ub2 * rcode),                            \
      (cursor, pos, buf, bufl, ftype, scale, indp, fmt, fmtl, fmtt, rlen, rcode))                  \
    X(oexec, (Cda_Def * cursor), (cursor))                                                         \
    X(ofetch, (Cda_Def * cursor), (cursor))                                                        \
    X(oerhms, (Cda_Def * lda, sb2 rcode, OraText * buf, sword bufsiz), (lda, rcode, buf, bufsiz))  \
    X(odescr,                                                                                      \
      (Cda_Def * cursor, sword pos, sb4 * dbsize, sb2 * dbtype, sb1 * cbuf, sb4 * cbufl,           \
       sb4 * dsize, sb2 * prec, sb2 * scale, sb2 * nullok),                                        \
      (cursor, pos, dbsize, dbtype, cbuf, cbufl, dsize, prec, scale, nullok))                      \
    X(obndrn,                                                                                      \
      (Cda_Def * cursor, sword sqlvn, ub1 * progv, sword progvl, sword ftype, sword scale,         \
       sb2 * indp, OraText * fmt, sword fmtl, sword fmtt),                                         \
      (cursor, sqlvn, progv, progvl, ftype, scale, indp, fmt, fmtl, fmtt))                         \
    X(obndrv,                                                                                      \
      (Cda_Def * cursor, OraText * sqlvar, sword sqlvl, ub1 * progv, sword progvl, sword ftype,    \
       sword scale, sb2 * indp, OraText * fmt, sword fmtl, sword fmtt),                            \
      (cursor, sqlvar, sqlvl, progv, progvl, ftype, scale, indp, fmt, fmtl, fmtt))                 \
    X(ocan, (Cda_Def * cursor), (cursor))                                                          \
    X(ocon, (Cda_Def * lda), (lda))                                                                \
    X(ocof, (Cda_Def * lda), (lda))                                                                \
    X(ocom, (Cda_Def * lda), (lda))                                                                \
    X(orol, (Cda_Def * lda), (lda))                                                                \
    X(obndra,                                                                                      \
      (Cda_Def * cursor, OraText * sqlvar, sword sqlvl, ub1 * progv, sword progvl, sword ftype,    \
       sword scale, sb2 * indp, ub2 * alen, ub2 * arcode, ub4 maxsiz, ub4 * cursiz, OraText * fmt, \
       sword fmtl, sword fmtt),                                                                    \
      (cursor, sqlvar, sqlvl, progv, progvl, ftype, scale, indp, alen, arcode, maxsiz, cursiz,     \
       fmt, fmtl, fmtt))                                                                           \
    X(odessp,                                                                                      \
      (Cda_Def * cursor, OraText * objnam, size_t onlen, ub1 * rsv1, size_t rsv1ln, ub1 * rsv2,    \
       size_t rsv2ln, ub2 * ovrld, ub2 * pos, ub2 * level, OraText * *argnam, ub2 * arnlen,        \
       ub2 * dtype, ub1 * defsup, ub1 * mode, ub4 * dtsiz, sb2 * prec, sb2 * scale, ub1 * radix,   \
       ub4 * spare, ub4 * arrsiz),                                                                 \
      (cursor, objnam, onlen, rsv1, rsv1ln, rsv2, rsv2ln, ovrld, pos, level, argnam, arnlen,       \
       dtype, defsup, mode, dtsiz, prec, scale, radix, spare, arrsiz))                             \
    X(ogetpi, (Cda_Def * cursor, ub1 * piecep, void **ctxpp, ub4 *iterp, ub4 *indexp),             \
      (cursor, piecep, ctxpp, iterp, indexp))

/* The number of entry points in the list. */
#define OCIV7_COUNT_ONE(name, params, args) +1
enum { OCIV7_ENTRY_POINT_COUNT = 0 OCIV7_ENTRY_POINTS(OCIV7_COUNT_ONE) };
#undef OCIV7_COUNT_ONE

/* The prototypes. */
#define OCIV7_PROTOTYPE(name, params, args) OCIV7_API sword name params;
OCIV7_ENTRY_POINTS(OCIV7_PROTOTYPE)
#undef OCIV7_PROTOTYPE

/* Declares the twenty calls with the entry points' signatures, e.g. inside the C++ namespace
 * of code that serves them: OCIV7_ENTRY_POINTS(OCIV7_DECLARE) */
#define OCIV7_DECLARE(name, params, args) sword name params;

/* Pointer types for binding the entry points by name at run time: olog_fn, oclose_fn, ... */
#define OCIV7_POINTER_TYPE(name, params, args) typedef sword(*name##_fn) params;
OCIV7_ENTRY_POINTS(OCIV7_POINTER_TYPE)
#undef OCIV7_POINTER_TYPE

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_OCI_OCIV7_H */
