// Finding Oracle's client library (libclntsh.so / oci.dll) at run time and binding the OCI
// functions the bridge calls by name. Nothing links against it: a machine without an Oracle
// client gets one clear message naming the file looked for and how to install Instant Client.
#pragma once

#include "oci8.h"

#include <memory>
#include <string>
#include <vector>

namespace ocilite::oracle {

// The OCI functions the bridge calls, bound by name from the loaded client library.
struct OciFunctions {
    oci::EnvNlsCreateFn envNlsCreate = nullptr;
    oci::HandleAllocFn handleAlloc = nullptr;
    oci::HandleFreeFn handleFree = nullptr;
    oci::ErrorGetFn errorGet = nullptr;
    oci::AttrSetFn attrSet = nullptr;
    oci::AttrGetFn attrGet = nullptr;
    oci::ServerAttachFn serverAttach = nullptr;
    oci::ServerDetachFn serverDetach = nullptr;
    oci::SessionBeginFn sessionBegin = nullptr;
    oci::SessionEndFn sessionEnd = nullptr;
    oci::StmtPrepareFn stmtPrepare = nullptr;
    oci::StmtExecuteFn stmtExecute = nullptr;
    oci::StmtFetch2Fn stmtFetch2 = nullptr;
    oci::ParamGetFn paramGet = nullptr;
    oci::DescriptorFreeFn descriptorFree = nullptr;
    oci::DefineByPosFn defineByPos = nullptr;
    oci::BindByNameFn bindByName = nullptr;
    oci::TransCommitFn transCommit = nullptr;
    oci::TransRollbackFn transRollback = nullptr;
    oci::DescribeAnyFn describeAny = nullptr;
    oci::StmtGetPieceInfoFn stmtGetPieceInfo = nullptr;
    oci::StmtSetPieceInfoFn stmtSetPieceInfo = nullptr;
    oci::BindArrayOfStructFn bindArrayOfStruct = nullptr;
    oci::BreakFn breakCall = nullptr;
    oci::ResetFn reset = nullptr;
};

// Where to look, in order: bare file names go through the system loader's own search (the
// library path, the loader cache, the run path); paths are tried as they stand.
struct SearchPlan {
    std::vector<std::string> candidates;
    std::string fileName; // the file named in the failure message
    std::string places;   // the places named in the failure message
};

// Environment the default plan is built from; tests pass their own.
struct SearchEnvironment {
    std::string oracleHome;                // $ORACLE_HOME, empty when unset
    std::vector<std::string> globPatterns; // folders holding Instant Client, as shell patterns
};

SearchEnvironment defaultSearchEnvironment();
SearchPlan searchPlan(const SearchEnvironment &environment);

// Orders folder names newest release first: digit runs compare as numbers.
bool newerReleaseFirst(const std::string &a, const std::string &b);

// The client library, loaded once per process and kept loaded (Oracle's client does not
// support being unloaded); a failed attempt is retried by the next logon.
class ClientLibrary {
public:
    // The loaded library, or null with the message for the user in error.
    static const ClientLibrary *instance(std::string &error);
    // Loads from an explicit plan; null with the message in error. The library file stays
    // loaded when the object goes.
    static std::unique_ptr<ClientLibrary> load(const SearchPlan &plan, std::string &error);

    const OciFunctions &oci() const { return m_functions; }
    const std::string &path() const { return m_path; }

private:
    OciFunctions m_functions;
    std::string m_path;
};

} // namespace ocilite::oracle
