// Private to ocilite/oracle: the part of Oracle's current call interface (OCI 8 and later)
// the bridge uses, declared from the OCI Programmer's Guide: opaque handle types, the handle,
// attribute, mode and data type numbers, and one pointer type per function it binds.
#pragma once

#include "oci/ociv7.h"

#include <cstddef>

namespace ocilite::oracle::oci {

// Opaque handles; only ever used through pointers.
struct OCIEnv;
struct OCIError;
struct OCIServer;
struct OCISvcCtx;
struct OCISession;
struct OCIStmt;
struct OCIDefine;
struct OCIBind;
struct OCIParam;
struct OCISnapshot;
struct OCIDescribe;

// Return codes of every OCI function.
enum : sword {
    kSuccess = 0,
    kSuccessWithInfo = 1,
    kNeedData = 99,
    kNoData = 100,
    kError = -1,
    kInvalidHandle = -2,
    kStillExecuting = -3123,
};

// Handle and descriptor types.
enum : ub4 {
    kHtypeEnv = 1,
    kHtypeError = 2,
    kHtypeSvcCtx = 3,
    kHtypeStmt = 4,
    kHtypeBind = 5,
    kHtypeDefine = 6,
    kHtypeDescribe = 7,
    kHtypeServer = 8,
    kHtypeSession = 9,
    kDtypeParam = 53,
};

// Attributes (handle attributes and select-list parameter attributes share one numbering).
enum : ub4 {
    kAttrDataSize = 1,
    kAttrDataType = 2,
    kAttrName = 4,
    kAttrPrecision = 5,
    kAttrScale = 6,
    kAttrIsNull = 7,
    kAttrSchemaName = 9,
    kAttrPosition = 11,
    kAttrNonblockingMode = 3,
    kAttrServer = 6,
    kAttrSession = 7,
    kAttrRowCount = 9,
    kAttrSqlFnCode = 10,
    kAttrPrefetchRows = 11,
    kAttrParamCount = 18,
    kAttrUserName = 22,
    kAttrPassword = 23,
    kAttrStmtType = 24,
    kAttrListArguments = 108,
    kAttrListSubprograms = 109,
    kAttrLink = 111,
    kAttrNumParams = 121,
    kAttrPtype = 123,
    kAttrParam = 124,
    kAttrOverloadId = 125,
    kAttrParseErrorOffset = 129,
    kAttrLevel = 211,
    kAttrHasDefault = 212,
    kAttrIoMode = 213,
    kAttrRadix = 214,
    kAttrDescPublic = 250,
};

// What a describe handle describes (OCI_ATTR_PTYPE), and how OCIDescribeAny names it.
enum : ub1 {
    kPtypeUnknown = 0,
    kPtypeProcedure = 3,
    kPtypeFunction = 4,
    kPtypePackage = 5,
    kPtypeSynonym = 7,
};
enum : ub4 { kOtypeName = 1 };

// Which way a piecewise operation's data go (OCIStmtGetPieceInfo's in_out).
enum : ub1 { kParamIn = 1, kParamOut = 2 };

// Modes and flags.
enum : ub4 {
    kDefault = 0,
    kThreaded = 0x1,
    kCredRdbms = 1,
    kCredExt = 2,
    kNtvSyntax = 1,
    kDescribeOnly = 0x10,
    kCommitOnSuccess = 0x20,
    kParseOnly = 0x100,
    kFetchNext = 0x2,
    kDataAtExec = 0x2,   // OCIBindByName: the value comes in pieces at execution
    kDynamicFetch = 0x2, // OCIDefineByPos: the value goes out in pieces at the fetch
};

// Statement types reported by OCI_ATTR_STMT_TYPE after a prepare.
enum : ub2 {
    kStmtUnknown = 0,
    kStmtSelect = 1,
    kStmtUpdate = 2,
    kStmtDelete = 3,
    kStmtInsert = 4,
    kStmtCreate = 5,
    kStmtDrop = 6,
    kStmtAlter = 7,
    kStmtBegin = 8,
    kStmtDeclare = 9,
    kStmtCall = 10,
    kStmtMerge = 16,
};

// Data type codes (SQLT_*) as a select-list parameter reports them.
enum : ub2 {
    kSqltChr = 1,
    kSqltNum = 2,
    kSqltStr = 5,
    kSqltLng = 8,
    kSqltRid = 11,
    kSqltDat = 12,
    kSqltBfloat = 21,
    kSqltBdouble = 22,
    kSqltBin = 23,
    kSqltLbi = 24,
    kSqltAfc = 96,
    kSqltIbfloat = 100,
    kSqltIbdouble = 101,
    kSqltRdd = 104,
    kSqltClob = 112,
    kSqltBlob = 113,
    kSqltTimestamp = 187,
    kSqltTimestampTz = 188,
    kSqltIntervalYm = 189,
    kSqltIntervalDs = 190,
    kSqltTimestampLtz = 232,
};

// Character set id of AL32UTF8, for OCIEnvNlsCreate.
enum : ub2 { kCharsetAl32Utf8 = 873 };

// The size of the text buffer OCIErrorGet is documented to fill at most.
enum : ub4 { kErrorMaxMessage = 3072 };

using EnvNlsCreateFn = sword (*)(OCIEnv **envp, ub4 mode, void *ctxp,
                                 void *(*malocfp)(void *, size_t),
                                 void *(*ralocfp)(void *, void *, size_t),
                                 void (*mfreefp)(void *, void *), size_t xtramemSize,
                                 void **usrmempp, ub2 charset, ub2 ncharset);
using HandleAllocFn = sword (*)(const void *parent, void **handle, ub4 type, size_t xtramemSize,
                                void **usrmempp);
using HandleFreeFn = sword (*)(void *handle, ub4 type);
using ErrorGetFn = sword (*)(void *handle, ub4 recordNo, OraText *sqlstate, sb4 *errcode,
                             OraText *buf, ub4 bufsiz, ub4 type);
using AttrSetFn = sword (*)(void *target, ub4 targetType, void *value, ub4 size, ub4 attr,
                            OCIError *err);
using AttrGetFn = sword (*)(const void *target, ub4 targetType, void *value, ub4 *size, ub4 attr,
                            OCIError *err);
using ServerAttachFn = sword (*)(OCIServer *srv, OCIError *err, const OraText *dblink,
                                 sb4 dblinkLen, ub4 mode);
using ServerDetachFn = sword (*)(OCIServer *srv, OCIError *err, ub4 mode);
using SessionBeginFn = sword (*)(OCISvcCtx *svc, OCIError *err, OCISession *session, ub4 credt,
                                 ub4 mode);
using SessionEndFn = sword (*)(OCISvcCtx *svc, OCIError *err, OCISession *session, ub4 mode);
using StmtPrepareFn = sword (*)(OCIStmt *stmt, OCIError *err, const OraText *text, ub4 length,
                                ub4 language, ub4 mode);
using StmtExecuteFn = sword (*)(OCISvcCtx *svc, OCIStmt *stmt, OCIError *err, ub4 iters, ub4 rowoff,
                                const OCISnapshot *snapIn, OCISnapshot *snapOut, ub4 mode);
using StmtFetch2Fn = sword (*)(OCIStmt *stmt, OCIError *err, ub4 nrows, ub2 orientation,
                               sb4 scrollOffset, ub4 mode);
using ParamGetFn = sword (*)(const void *handle, ub4 htype, OCIError *err, void **param, ub4 pos);
using DescriptorFreeFn = sword (*)(void *descriptor, ub4 type);
using DefineByPosFn = sword (*)(OCIStmt *stmt, OCIDefine **define, OCIError *err, ub4 position,
                                void *value, sb4 valueSize, ub2 dty, void *indp, ub2 *rlenp,
                                ub2 *rcodep, ub4 mode);
using BindByNameFn = sword (*)(OCIStmt *stmt, OCIBind **bind, OCIError *err,
                               const OraText *placeholder, sb4 placeholderLen, void *value,
                               sb4 valueSize, ub2 dty, void *indp, ub2 *alenp, ub2 *rcodep,
                               ub4 maxarrLen, ub4 *curelep, ub4 mode);
using TransCommitFn = sword (*)(OCISvcCtx *svc, OCIError *err, ub4 flags);
using DescribeAnyFn = sword (*)(OCISvcCtx *svc, OCIError *err, void *object, ub4 objectLength,
                                ub1 objectPointerType, ub1 infoLevel, ub1 objectType,
                                OCIDescribe *describe);
using StmtGetPieceInfoFn = sword (*)(OCIStmt *stmt, OCIError *err, void **handle, ub4 *handleType,
                                     ub1 *inOut, ub4 *iteration, ub4 *index, ub1 *piece);
using StmtSetPieceInfoFn = sword (*)(void *handle, ub4 handleType, OCIError *err,
                                     const void *buffer, ub4 *length, ub1 piece,
                                     const void *indicator, ub2 *rcode);
using BindArrayOfStructFn = sword (*)(OCIBind *bind, OCIError *err, ub4 valueSkip,
                                      ub4 indicatorSkip, ub4 lengthSkip, ub4 codeSkip);
using BreakFn = sword (*)(void *handle, OCIError *err);
using ResetFn = sword (*)(void *handle, OCIError *err);
using TransRollbackFn = sword (*)(OCISvcCtx *svc, OCIError *err, ub4 flags);

} // namespace ocilite::oracle::oci
