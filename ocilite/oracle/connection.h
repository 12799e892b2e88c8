// Private to ocilite/oracle: one logon to an Oracle database through OCI 8 handles (its own
// environment, error, server, service-context and session handles), the transaction calls,
// and the reading of Oracle's error text from the error handle after a failed call.
#pragma once

#include "client_library.h"
#include "failure.h"

#include <atomic>
#include <deque>
#include <string>

namespace ocilite::oracle {

struct Credentials {
    std::string user;
    std::string password;
    std::string connect;
};

class Connection {
public:
    // Attaches to the database the connect string names and begins a session; throws
    // BridgeError with Oracle's error when either fails. An empty user and password log on
    // with external credentials (operating system or wallet), as "/" did in version 7.
    Connection(const ClientLibrary &library, const Credentials &credentials);
    // Ends the session and detaches, ignoring errors of a connection already lost.
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const OciFunctions &oci() const { return m_oci; }
    oci::OCIEnv *env() const { return m_env; }
    oci::OCIError *err() const { return m_err; }
    oci::OCISvcCtx *svc() const { return m_svc; }

    void commit();
    void rollback();

    // Non-blocking mode (OCI_ATTR_NONBLOCKING_MODE of the server handle): a round trip the
    // server has not finished answers OCI_STILL_EXECUTING, which check() reports as ORA-03123,
    // and the program makes the same call again.
    bool nonBlocking() const;
    void setNonBlocking(bool on);

    // obreak: OCIBreak on the service context, from any thread, with an error handle of its
    // own; in non-blocking mode OCIReset after it, as Oracle requires. breaks() counts them, so
    // a call the break interrupted ends with ORA-01013 when it is made again.
    sword interrupt();
    unsigned breaks() const { return m_breaks.load(); }

    // Throws BridgeError for a status other than success (with or without information),
    // carrying the code and text Oracle left in the error handle; ORA-03123 for a call a
    // non-blocking server is still doing.
    void check(sword status) const;
    // The error of the last failed call as Oracle composed it.
    BridgeError lastError(sword status) const;

    // Errors reported on this logon's areas, newest last, for oerhms.
    void remember(int code, const std::string &text);
    const std::string *textOf(int code) const;

    bool autoCommit = false;

private:
    void allocate(void **handle, ub4 type);
    void attach(const std::string &connect);
    void beginSession(const Credentials &credentials);
    void release();

    OciFunctions m_oci;
    oci::OCIEnv *m_env = nullptr;
    oci::OCIError *m_err = nullptr;
    oci::OCIError *m_breakErr = nullptr;
    std::atomic<unsigned> m_breaks{0};
    std::atomic<bool> m_nonBlocking{false};
    oci::OCIServer *m_server = nullptr;
    oci::OCISvcCtx *m_svc = nullptr;
    oci::OCISession *m_session = nullptr;
    bool m_attached = false;
    bool m_sessionBegun = false;
    std::deque<std::pair<int, std::string>> m_errors;
};

// True for errors that say the connection to the server is gone.
bool isConnectionLost(int code);

} // namespace ocilite::oracle
