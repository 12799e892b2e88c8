// One variant of the scripted Oracle client: the OCI 8 functions the bridge binds, each
// forwarding to the shared state. Built once per variant, with SCRIPTEDOCI_OMIT_<function>
// defined for every function the variant must lack.
#include "scripted_internal.h"

#if defined(_WIN32)
#define SCRIPTED_EXPORT __declspec(dllexport)
#else
#define SCRIPTED_EXPORT __attribute__((visibility("default")))
#endif

namespace d = scriptedoci::detail;
using namespace ocilite::oracle::oci;

extern "C" {

#ifndef SCRIPTEDOCI_OMIT_OCIEnvNlsCreate
SCRIPTED_EXPORT sword OCIEnvNlsCreate(OCIEnv **envp, ub4 mode, void *, void *(*)(void *, size_t),
                                      void *(*)(void *, void *, size_t), void (*)(void *, void *),
                                      size_t, void **, ub2 charset, ub2) {
    return d::envNlsCreate(envp, mode, charset);
}
#endif
SCRIPTED_EXPORT sword OCIHandleAlloc(const void *parent, void **handle, ub4 type, size_t, void **) {
    return d::handleAlloc(parent, handle, type);
}
SCRIPTED_EXPORT sword OCIHandleFree(void *handle, ub4 type) {
    return d::handleFree(handle, type);
}
SCRIPTED_EXPORT sword OCIErrorGet(void *handle, ub4 recordNo, OraText *, sb4 *errcode, OraText *buf,
                                  ub4 bufsiz, ub4 type) {
    return d::errorGet(handle, recordNo, errcode, buf, bufsiz, type);
}
SCRIPTED_EXPORT sword OCIAttrSet(void *target, ub4 targetType, void *value, ub4 size, ub4 attr,
                                 OCIError *err) {
    return d::attrSet(target, targetType, value, size, attr, err);
}
SCRIPTED_EXPORT sword OCIAttrGet(const void *target, ub4 targetType, void *value, ub4 *size,
                                 ub4 attr, OCIError *err) {
    return d::attrGet(target, targetType, value, size, attr, err);
}
SCRIPTED_EXPORT sword OCIServerAttach(OCIServer *srv, OCIError *err, const OraText *dblink,
                                      sb4 length, ub4) {
    return d::serverAttach(srv, err, dblink, length);
}
SCRIPTED_EXPORT sword OCIServerDetach(OCIServer *srv, OCIError *err, ub4) {
    return d::serverDetach(srv, err);
}
SCRIPTED_EXPORT sword OCISessionBegin(OCISvcCtx *svc, OCIError *err, OCISession *session, ub4 credt,
                                      ub4) {
    return d::sessionBegin(svc, err, session, credt);
}
SCRIPTED_EXPORT sword OCISessionEnd(OCISvcCtx *svc, OCIError *err, OCISession *session, ub4) {
    return d::sessionEnd(svc, err, session);
}
SCRIPTED_EXPORT sword OCIStmtPrepare(OCIStmt *stmt, OCIError *err, const OraText *text, ub4 length,
                                     ub4, ub4) {
    return d::stmtPrepare(stmt, err, text, length);
}
SCRIPTED_EXPORT sword OCIStmtExecute(OCISvcCtx *svc, OCIStmt *stmt, OCIError *err, ub4 iters, ub4,
                                     const OCISnapshot *, OCISnapshot *, ub4 mode) {
    return d::stmtExecute(svc, stmt, err, iters, mode);
}
#ifndef SCRIPTEDOCI_OMIT_OCIStmtFetch2
SCRIPTED_EXPORT sword OCIStmtFetch2(OCIStmt *stmt, OCIError *err, ub4 nrows, ub2 orientation, sb4,
                                    ub4) {
    return d::stmtFetch2(stmt, err, nrows, orientation);
}
#endif
SCRIPTED_EXPORT sword OCIParamGet(const void *handle, ub4 htype, OCIError *err, void **param,
                                  ub4 pos) {
    return d::paramGet(handle, htype, err, param, pos);
}
SCRIPTED_EXPORT sword OCIDescriptorFree(void *descriptor, ub4 type) {
    return d::descriptorFree(descriptor, type);
}
SCRIPTED_EXPORT sword OCIDefineByPos(OCIStmt *stmt, OCIDefine **define, OCIError *err, ub4 position,
                                     void *value, sb4 size, ub2 dty, void *indp, ub2 *rlenp,
                                     ub2 *rcodep, ub4 mode) {
    return d::defineByPos(stmt, define, err, position, value, size, dty, indp, rlenp, rcodep, mode);
}
SCRIPTED_EXPORT sword OCIBindByName(OCIStmt *stmt, OCIBind **bind, OCIError *err,
                                    const OraText *placeholder, sb4 length, void *value, sb4 size,
                                    ub2 dty, void *indp, ub2 *alenp, ub2 *rcodep, ub4 maxarrLen,
                                    ub4 *curelep, ub4 mode) {
    return d::bindByName(stmt, bind, err, placeholder, length,
                         {value, size, dty, indp, alenp, rcodep, maxarrLen, curelep, mode});
}
SCRIPTED_EXPORT sword OCITransCommit(OCISvcCtx *svc, OCIError *err, ub4) {
    return d::transCommit(svc, err);
}
SCRIPTED_EXPORT sword OCITransRollback(OCISvcCtx *svc, OCIError *err, ub4) {
    return d::transRollback(svc, err);
}
SCRIPTED_EXPORT sword OCIDescribeAny(OCISvcCtx *svc, OCIError *err, void *object, ub4 length,
                                     ub1 pointerType, ub1, ub1, OCIDescribe *describe) {
    return d::describeAny(svc, err, object, length, pointerType, describe);
}
SCRIPTED_EXPORT sword OCIStmtGetPieceInfo(OCIStmt *stmt, OCIError *err, void **handle,
                                          ub4 *handleType, ub1 *inOut, ub4 *iteration, ub4 *index,
                                          ub1 *piece) {
    return d::stmtGetPieceInfo(stmt, err, handle, handleType, inOut, iteration, index, piece);
}
SCRIPTED_EXPORT sword OCIStmtSetPieceInfo(void *handle, ub4 handleType, OCIError *err,
                                          const void *buffer, ub4 *length, ub1 piece,
                                          const void *indicator, ub2 *rcode) {
    return d::stmtSetPieceInfo(handle, handleType, err, buffer, length, piece, indicator, rcode);
}
SCRIPTED_EXPORT sword OCIBindArrayOfStruct(OCIBind *bind, OCIError *err, ub4 valueSkip,
                                           ub4 indicatorSkip, ub4 lengthSkip, ub4 codeSkip) {
    return d::bindArrayOfStruct(bind, err, valueSkip, indicatorSkip, lengthSkip, codeSkip);
}
SCRIPTED_EXPORT sword OCIBreak(void *handle, OCIError *err) {
    return d::breakCall(handle, err);
}
SCRIPTED_EXPORT sword OCIReset(void *handle, OCIError *err) {
    return d::reset(handle, err);
}

} // extern "C"
