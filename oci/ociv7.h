/*
 * The version-7 Oracle Call Interface: the cursor/logon data area (cda_def), the host data
 * area size, the column description record, the codes of types, statements, calls, pieces and
 * returns; the twenty entry points Velmora binds written once as a list, and the interface's
 * other calls as a second list, from which their prototypes and pointer types are made.
 * Plain C so that any client library, ours included, and any version-7 program can be built
 * against it.
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
    OCIV7_RC_TRUNCATED = 1406,          /* value cut to the buffer */
    OCIV7_RC_WOULD_BLOCK = 3123,        /* non-blocking mode: call again later */
    OCIV7_RC_BLOCKING_MODE = 3128,      /* onbtst: the connection is in blocking mode */
    OCIV7_RC_NEED_PIECE = 3129,         /* piecewise bind: the next piece is required */
    OCIV7_RC_NEED_BUFFER = 3130         /* piecewise define: a buffer for the next piece */
};

/* Pieces of a piecewise operation (ogetpi, osetpi). */
enum { OCIV7_ONE_PIECE = 0, OCIV7_FIRST_PIECE = 1, OCIV7_NEXT_PIECE = 2, OCIV7_LAST_PIECE = 3 };

/* obindps / odefinps operation codes. */
enum {
    OCIV7_OP_PIECEWISE = 0, /* the data come and go in pieces through ogetpi/osetpi */
    OCIV7_OP_STRUCTS = 1    /* arrays of structures, with skip parameters */
};

/* olog modes and opinit modes. */
enum {
    OCIV7_LM_DEF = 0, /* blocking logon */
    OCIV7_LM_NBL = 1, /* non-blocking logon */
    OCIV7_EV_DEF = 0, /* opinit: single-threaded process */
    OCIV7_EV_TSF = 1  /* opinit: threads may share the interface */
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

/* External type codes for the defines and the binds. */
enum {
    OCIV7_EXT_CHR = 1,  /* VARCHAR2: character string, not terminated */
    OCIV7_EXT_NUM = 2,  /* NUMBER: Oracle's internal number, 1 to 22 bytes */
    OCIV7_EXT_INT = 3,  /* signed integer of 1, 2, 4 or 8 bytes */
    OCIV7_EXT_FLT = 4,  /* float or double */
    OCIV7_EXT_STR = 5,  /* zero-terminated string */
    OCIV7_EXT_VNU = 6,  /* VARNUM: a length byte, then an internal number */
    OCIV7_EXT_PDN = 7,  /* packed decimal, sign in the last half-byte */
    OCIV7_EXT_LNG = 8,  /* LONG: character string */
    OCIV7_EXT_VCS = 9,  /* VARCHAR: 2-byte length, then the characters */
    OCIV7_EXT_RID = 11, /* ROWID: Oracle's binary row address */
    OCIV7_EXT_DAT = 12, /* Oracle's 7-byte date */
    OCIV7_EXT_VBI = 15, /* VARRAW: 2-byte length, then the bytes */
    OCIV7_EXT_BIN = 23, /* RAW: bytes */
    OCIV7_EXT_LBI = 24, /* LONG RAW: bytes */
    OCIV7_EXT_UIN = 68, /* unsigned integer of 1, 2, 4 or 8 bytes */
    OCIV7_EXT_SLS = 91, /* DISPLAY: digits with a leading separate sign */
    OCIV7_EXT_LVC = 94, /* LONG VARCHAR: 4-byte length, then the characters */
    OCIV7_EXT_LVB = 95, /* LONG VARRAW: 4-byte length, then the bytes */
    OCIV7_EXT_AFC = 96, /* CHAR: blank-padded fixed-length string */
    OCIV7_EXT_AVC = 97  /* CHARZ: blank-padded and zero-terminated string */
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
    OCIV7_FC_DSC = 22,
    OCIV7_FC_NAME = 24,
    OCIV7_FC_SQL3 = 26,
    OCIV7_FC_BNDRV = 28,
    OCIV7_FC_BNDRN = 30,
    OCIV7_FC_OPT = 34,
    OCIV7_FC_CAN = 52,
    OCIV7_FC_PARSE = 54,
    OCIV7_FC_EXFET = 56,
    OCIV7_FC_FLNG = 58,
    OCIV7_FC_DESCR = 60,
    OCIV7_FC_BNDRA = 62,
    OCIV7_FC_BINDPS = 63,
    OCIV7_FC_DEFINPS = 64,
    OCIV7_FC_GETPI = 65,
    OCIV7_FC_SETPI = 66
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
      (Cda_Def * lda, OraText * objnam, size_t onlen, ub1 * rsv1, size_t rsv1ln, ub1 * rsv2,       \
       size_t rsv2ln, ub2 * ovrld, ub2 * pos, ub2 * level, OraText * *argnam, ub2 * arnlen,        \
       ub2 * dtype, ub1 * defsup, ub1 * mode, ub4 * dtsiz, sb2 * prec, sb2 * scale, ub1 * radix,   \
       ub4 * spare, ub4 * arrsiz),                                                                 \
      (lda, objnam, onlen, rsv1, rsv1ln, rsv2, rsv2ln, ovrld, pos, level, argnam, arnlen, dtype,   \
       defsup, mode, dtsiz, prec, scale, radix, spare, arrsiz))                                    \
    X(ogetpi, (Cda_Def * cursor, ub1 * piecep, void **ctxpp, ub4 *iterp, ub4 *indexp),             \
      (cursor, piecep, ctxpp, iterp, indexp))

/*
 * The interface's other calls, which the client library serves beside the twenty and the
 * program never binds: array fetch and execution, long and piecewise data, binds and defines
 * with skip parameters, the options, break and non-blocking calls, and the older calls kept
 * for programs written against earlier releases. Same shape as the list above; every call
 * takes a cursor or logon area first.
 */
#define OCIV7_MORE_CALLS(X)                                                                        \
    X(ofen, (Cda_Def * cursor, sword nrows), (cursor, nrows))                                      \
    X(oexfet, (Cda_Def * cursor, ub4 nrows, sword cancel, sword exact),                            \
      (cursor, nrows, cancel, exact))                                                              \
    X(oexn, (Cda_Def * cursor, sword iters, sword rowoff), (cursor, iters, rowoff))                \
    X(oflng,                                                                                       \
      (Cda_Def * cursor, sword pos, ub1 * buf, sb4 bufl, sword dtype, ub4 * retl, sb4 offset),     \
      (cursor, pos, buf, bufl, dtype, retl, offset))                                               \
    X(obindps,                                                                                     \
      (Cda_Def * cursor, ub1 opcode, OraText * sqlvar, sword sqlvl, ub1 * pvctx, sb4 progvl,       \
       sword ftype, sword scale, sb2 * indp, ub2 * alen, ub2 * arcode, sb4 pv_skip, sb4 ind_skip,  \
       sb4 alen_skip, sb4 rc_skip, ub4 maxsiz, ub4 * cursiz, OraText * fmt, sb4 fmtl, sword fmtt), \
      (cursor, opcode, sqlvar, sqlvl, pvctx, progvl, ftype, scale, indp, alen, arcode, pv_skip,    \
       ind_skip, alen_skip, rc_skip, maxsiz, cursiz, fmt, fmtl, fmtt))                             \
    X(odefinps,                                                                                    \
      (Cda_Def * cursor, ub1 opcode, sword pos, ub1 * bufctx, sb4 bufl, sword ftype, sword scale,  \
       sb2 * indp, OraText * fmt, sb4 fmtl, sword fmtt, ub2 * rlen, ub2 * rcode, sb4 pv_skip,      \
       sb4 ind_skip, sb4 alen_skip, sb4 rc_skip),                                                  \
      (cursor, opcode, pos, bufctx, bufl, ftype, scale, indp, fmt, fmtl, fmtt, rlen, rcode,        \
       pv_skip, ind_skip, alen_skip, rc_skip))                                                     \
    X(osetpi, (Cda_Def * cursor, ub1 piece, void *bufp, ub4 *lenp), (cursor, piece, bufp, lenp))   \
    X(oopt, (Cda_Def * cursor, sword rbopt, sword waitopt), (cursor, rbopt, waitopt))              \
    X(obreak, (Cda_Def * lda), (lda))                                                              \
    X(onbset, (Cda_Def * lda), (lda))                                                              \
    X(onbtst, (Cda_Def * lda), (lda))                                                              \
    X(onbclr, (Cda_Def * lda), (lda))                                                              \
    X(orlon,                                                                                       \
      (Cda_Def * lda, ub1 * hda, OraText * uid, sword uidl, OraText * pswd, sword pswdl,           \
       sword audit),                                                                               \
      (lda, hda, uid, uidl, pswd, pswdl, audit))                                                   \
    X(olon, (Cda_Def * lda, OraText * uid, sword uidl, OraText * pswd, sword pswdl, sword audit),  \
      (lda, uid, uidl, pswd, pswdl, audit))                                                        \
    X(osql3, (Cda_Def * cursor, OraText * sqlstm, sword sqllen), (cursor, sqlstm, sqllen))         \
    X(odsc,                                                                                        \
      (Cda_Def * cursor, sword pos, sb2 * dbsize, sb2 * fsize, sb2 * rcode, sb2 * dtype,           \
       sb1 * buf, sb2 * bufl, sb2 * dsize),                                                        \
      (cursor, pos, dbsize, fsize, rcode, dtype, buf, bufl, dsize))                                \
    X(oname, (Cda_Def * cursor, sword pos, sb1 * tbuf, sb2 * tbufl, sb1 * buf, sb2 * bufl),        \
      (cursor, pos, tbuf, tbufl, buf, bufl))

/*
 * The calls that take no area: opinit initialises the process, oermsg gives the message of
 * an error number in a buffer of at least OCIV7_ERMSG_SIZE bytes, without a logon.
 */
#define OCIV7_PROCESS_CALLS(X)                                                                     \
    X(opinit, (ub4 mode), (mode))                                                                  \
    X(oermsg, (sb2 rcode, OraText * buf), (rcode, buf))

enum { OCIV7_ERMSG_SIZE = 512 };

/* The precompiler's link: the logon area of a precompiled program's connection. The client
 * library has no precompiler runtime, so the area always reports ORA-01012. */
OCIV7_API void sqllda(Cda_Def *lda);
OCIV7_API void sqlld2(Cda_Def *lda, OraText *cname, sb4 *cnlen);

/* The number of entry points in the list. */
#define OCIV7_COUNT_ONE(name, params, args) +1
enum { OCIV7_ENTRY_POINT_COUNT = 0 OCIV7_ENTRY_POINTS(OCIV7_COUNT_ONE) };
#undef OCIV7_COUNT_ONE

/* The prototypes. */
#define OCIV7_PROTOTYPE(name, params, args) OCIV7_API sword name params;
OCIV7_ENTRY_POINTS(OCIV7_PROTOTYPE)
OCIV7_MORE_CALLS(OCIV7_PROTOTYPE)
OCIV7_PROCESS_CALLS(OCIV7_PROTOTYPE)
#undef OCIV7_PROTOTYPE

/* Declares the twenty calls with the entry points' signatures, e.g. inside the C++ namespace
 * of code that serves them: OCIV7_ENTRY_POINTS(OCIV7_DECLARE) */
#define OCIV7_DECLARE(name, params, args) sword name params;

/* Pointer types for binding the calls by name at run time: olog_fn, oclose_fn, ... */
#define OCIV7_POINTER_TYPE(name, params, args) typedef sword(*name##_fn) params;
OCIV7_ENTRY_POINTS(OCIV7_POINTER_TYPE)
OCIV7_MORE_CALLS(OCIV7_POINTER_TYPE)
OCIV7_PROCESS_CALLS(OCIV7_POINTER_TYPE)
#undef OCIV7_POINTER_TYPE

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_OCI_OCIV7_H */
