// A logon over OCI 8: environment (AL32UTF8 unless NLS_LANG says otherwise, since the
// program's texts are UTF-8), error handle, server attach with the connect string as Oracle
// Net resolves it, service context, session. Credentials are handed to the session handle
// and not kept.
#include "connection.h"

#include <cstdlib>
#include <cstring>

namespace ocilite::oracle {
namespace {

constexpr size_t kErrorHistory = 16;

ub2 environmentCharset() {
#if defined(_WIN32)
    return 0;
#else
    const char *nlsLang = std::getenv("NLS_LANG");
    return nlsLang && *nlsLang ? 0 : oci::kCharsetAl32Utf8;
#endif
}

ub4 textLength(const std::string &s) {
    return static_cast<ub4>(s.size());
}

} // namespace

bool isConnectionLost(int code) {
    switch (code) {
    case 28:    // your session has been killed
    case 1012:  // not logged on
    case 1092:  // ORACLE instance terminated
    case 3113:  // end-of-file on communication channel
    case 3114:  // not connected to ORACLE
    case 3135:  // connection lost contact
    case 12152: // TNS:unable to send break message
    case 12570: // TNS:packet reader failure
    case 12571: // TNS:packet writer failure
        return true;
    default:
        return false;
    }
}

Connection::Connection(const ClientLibrary &library, const Credentials &credentials)
    : m_oci(library.oci()) {
    const ub2 charset = environmentCharset();
    const sword status = m_oci.envNlsCreate(&m_env, oci::kThreaded, nullptr, nullptr, nullptr,
                                            nullptr, 0, nullptr, charset, charset);
    if (status != oci::kSuccess || !m_env) {
        sb4 code = 0;
        char text[oci::kErrorMaxMessage] = {};
        if (m_env)
            m_oci.errorGet(m_env, 1, nullptr, &code, reinterpret_cast<OraText *>(text), sizeof text,
                           oci::kHtypeEnv);
        release();
        if (code != 0)
            throw BridgeError(code, text);
        throw BridgeError(kOraClientUnavailable,
                          "The Oracle client could not create its environment "
                          "(OCIEnvNlsCreate failed); check NLS_LANG and the Instant Client "
                          "installation.");
    }
    try {
        allocate(reinterpret_cast<void **>(&m_err), oci::kHtypeError);
        allocate(reinterpret_cast<void **>(&m_breakErr), oci::kHtypeError);
        attach(credentials.connect);
        beginSession(credentials);
    } catch (...) {
        release();
        throw;
    }
}

Connection::~Connection() {
    release();
}

void Connection::allocate(void **handle, ub4 type) {
    if (m_oci.handleAlloc(m_env, handle, type, 0, nullptr) != oci::kSuccess || !*handle)
        throw BridgeError(kOraOutOfMemory);
}

void Connection::attach(const std::string &connect) {
    allocate(reinterpret_cast<void **>(&m_server), oci::kHtypeServer);
    check(m_oci.serverAttach(m_server, m_err, reinterpret_cast<const OraText *>(connect.data()),
                             static_cast<sb4>(connect.size()), oci::kDefault));
    m_attached = true;
    allocate(reinterpret_cast<void **>(&m_svc), oci::kHtypeSvcCtx);
    check(m_oci.attrSet(m_svc, oci::kHtypeSvcCtx, m_server, 0, oci::kAttrServer, m_err));
}

void Connection::beginSession(const Credentials &credentials) {
    allocate(reinterpret_cast<void **>(&m_session), oci::kHtypeSession);
    const bool external = credentials.user.empty() && credentials.password.empty();
    if (!external) {
        std::string user = credentials.user, password = credentials.password;
        check(m_oci.attrSet(m_session, oci::kHtypeSession, user.data(), textLength(user),
                            oci::kAttrUserName, m_err));
        check(m_oci.attrSet(m_session, oci::kHtypeSession, password.data(), textLength(password),
                            oci::kAttrPassword, m_err));
        // The session handle holds its own copy; ours goes.
        std::memset(password.data(), 0, password.size());
    }
    check(m_oci.sessionBegin(m_svc, m_err, m_session, external ? oci::kCredExt : oci::kCredRdbms,
                             oci::kDefault));
    m_sessionBegun = true;
    check(m_oci.attrSet(m_svc, oci::kHtypeSvcCtx, m_session, 0, oci::kAttrSession, m_err));
}

void Connection::release() {
    if (m_sessionBegun)
        m_oci.sessionEnd(m_svc, m_err, m_session, oci::kDefault);
    if (m_attached)
        m_oci.serverDetach(m_server, m_err, oci::kDefault);
    m_sessionBegun = m_attached = false;
    // Freeing the environment frees every handle allocated under it.
    if (m_env)
        m_oci.handleFree(m_env, oci::kHtypeEnv);
    m_env = nullptr;
    m_err = nullptr;
    m_breakErr = nullptr;
    m_server = nullptr;
    m_svc = nullptr;
    m_session = nullptr;
}

void Connection::commit() {
    check(m_oci.transCommit(m_svc, m_err, oci::kDefault));
}

void Connection::rollback() {
    check(m_oci.transRollback(m_svc, m_err, oci::kDefault));
}

void Connection::check(sword status) const {
    if (status == oci::kSuccess || status == oci::kSuccessWithInfo)
        return;
    if (status == oci::kStillExecuting)
        throw BridgeError(kOraWouldBlock);
    throw lastError(status);
}

bool Connection::nonBlocking() const {
    ub1 mode = 0;
    check(m_oci.attrGet(m_server, oci::kHtypeServer, &mode, nullptr, oci::kAttrNonblockingMode,
                        m_err));
    return mode != 0;
}

// Setting the attribute toggles the mode, so it is set only when the mode is to change.
void Connection::setNonBlocking(bool on) {
    if (nonBlocking() != on)
        check(m_oci.attrSet(m_server, oci::kHtypeServer, nullptr, 0, oci::kAttrNonblockingMode,
                            m_err));
    m_nonBlocking = on;
}

sword Connection::interrupt() {
    ++m_breaks;
    sword status = m_oci.breakCall(m_svc, m_breakErr);
    if (status == oci::kSuccess && m_nonBlocking)
        status = m_oci.reset(m_svc, m_breakErr);
    return status == oci::kSuccess || status == oci::kSuccessWithInfo ? 0 : kOraNotConnected;
}

BridgeError Connection::lastError(sword status) const {
    if (status == oci::kInvalidHandle)
        return BridgeError(kOraInvalidCursor);
    sb4 code = 0;
    char text[oci::kErrorMaxMessage] = {};
    if (m_err)
        m_oci.errorGet(m_err, 1, nullptr, &code, reinterpret_cast<OraText *>(text), sizeof text,
                       oci::kHtypeError);
    // The end of the rows is 1403 whatever an earlier call left in the error handle.
    if (status == oci::kNoData && code != kOraNoDataFound) {
        code = kOraNoDataFound;
        text[0] = '\0';
    }
    if (code == 0)
        code = kOraInternal;
    ub2 offset = 0;
    ub4 size = sizeof offset;
    int parseOffset = -1;
    if (m_err && m_oci.attrGet(m_err, oci::kHtypeError, &offset, &size, oci::kAttrParseErrorOffset,
                               m_err) == oci::kSuccess)
        parseOffset = offset;
    const std::string message = text[0] ? std::string(text) : composedText(code);
    return BridgeError(code, message, parseOffset);
}

void Connection::remember(int code, const std::string &text) {
    m_errors.emplace_back(code, text);
    if (m_errors.size() > kErrorHistory)
        m_errors.pop_front();
}

const std::string *Connection::textOf(int code) const {
    for (auto it = m_errors.rbegin(); it != m_errors.rend(); ++it)
        if (it->first == code)
            return &it->second;
    return nullptr;
}

} // namespace ocilite::oracle
