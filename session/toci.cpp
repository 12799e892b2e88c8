// TOCIctrl: library binding, error text, cursor primitives, logon and transactions.

#include "session/toci.h"

#include "platform/busy_pointer.h"
#include "platform/dynlib.h"
#include "session/component_texts.h"

#include <QMetaObject>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace {

namespace platform = velmora::platform;
using velmora::session::componentText;
using velmora::session::ComponentText;

#ifdef _WIN32
constexpr std::array<const char *, 2> kLibraryNames = {"OCI.DLL", "OCIW32.DLL"};
#else
constexpr std::array<const char *, 2> kLibraryNames = {"libOCI.so", "libOCIW32.so"};
#endif

constexpr const char *kOciFunctionError = "-- ORACLE error when processing OCI function";

constexpr int kErrorBufferSize = 512;

OraText *text(const QByteArray &bytes) {
    // constData() of a QByteArray is always zero-terminated, even when empty; the library
    // only reads it.
    return reinterpret_cast<OraText *>(const_cast<char *>(bytes.constData()));
}

} // namespace

TOCIctrl::TOCIctrl(QObject *owner) : QObject(owner), m_ownerComp(owner) {}

TOCIctrl::~TOCIctrl() {
    UnActive();
}

// ---- Library binding ----------------------------------------------------------------------

void TOCIctrl::SetActive(bool value) {
    if (value == m_libActive)
        return;
    if (value) {
        activate();
        return;
    }
    if (m_connected && !DisConnect())
        throw EOCIError(componentText(ComponentText::CannotEndSession));
    releaseLibrary();
}

void TOCIctrl::activate() {
    platform::suppressLoadErrorDialogs();
    // A handle kept from an activation that failed on a missing entry point is let go now,
    // so repeated attempts do not pile up references to the library.
    releaseLibrary();
    platform::LibraryHandle lib = platform::loadLibrary(kLibraryNames[0]);
    if (lib == nullptr)
        lib = platform::loadLibrary(kLibraryNames[1]);
    if (lib == nullptr)
        throw EOCIError(componentText(ComponentText::LoadFailed));
    m_libHandle = lib;
    bindEntryPoints();
    m_libActive = true;
}

void TOCIctrl::bindEntryPoints() {
    // Every entry point is looked up; activation names the first missing one in binding order.
#define VELMORA_BIND_ENTRY(name, params, args)                                                     \
    m_entry.name = reinterpret_cast<name##_fn>(platform::findSymbol(m_libHandle, #name));
    OCIV7_ENTRY_POINTS(VELMORA_BIND_ENTRY)
#undef VELMORA_BIND_ENTRY
#define VELMORA_CHECK_ENTRY(name, params, args)                                                    \
    if (m_entry.name == nullptr)                                                                   \
        throw EOCIError(velmora::session::missingEntryText(#name));
    OCIV7_ENTRY_POINTS(VELMORA_CHECK_ENTRY)
#undef VELMORA_CHECK_ENTRY
}

// No address into a released library is kept: every caller tests the binding first anyway.
void TOCIctrl::releaseLibrary() {
    platform::freeLibrary(m_libHandle);
    m_libHandle = nullptr;
    m_libActive = false;
    m_entry = {};
}

bool TOCIctrl::Active() {
    try {
        SetActive(true);
        return true;
    } catch (...) {
        return false;
    }
}

bool TOCIctrl::UnActive() {
    try {
        SetActive(false);
        return true;
    } catch (...) {
        return false;
    }
}

// ---- Error text ---------------------------------------------------------------------------

QByteArray TOCIctrl::err_report(cda_def *area) {
    QByteArray message;
    if (area != nullptr && area->fc != 0)
        message = kOciFunctionError;
    char buffer[kErrorBufferSize] = {};
    // Only a bound library is asked: after a release, or while a refused one is still loaded,
    // the text is the start and the line feed alone.
    if (area != nullptr && m_libActive) {
        m_entry.oerhms(&m_lda, static_cast<sb2>(area->rc), reinterpret_cast<OraText *>(buffer),
                       kErrorBufferSize);
        // A library that gives no text for an error code still leaves the code to show, as
        // Oracle writes it; an empty message would say nothing at all.
        if (buffer[0] == '\0' && area->rc != 0)
            std::snprintf(buffer, kErrorBufferSize, "ORA-%05d", static_cast<int>(area->rc));
    }
    message += '\n';
    message += QByteArray(buffer, static_cast<int>(strnlen(buffer, kErrorBufferSize)));
    ErrMsg = message;
    return message;
}

// ---- Cursor primitives --------------------------------------------------------------------

bool TOCIctrl::OpenCur(cda_def *cur) {
    return m_connected && m_entry.oopen(cur, &m_lda, nullptr, -1, -1, nullptr, -1) == 0;
}

bool TOCIctrl::CloseCur(cda_def *cur) {
    return m_connected && m_entry.oclose(cur) == 0;
}

bool TOCIctrl::Parse(cda_def *cur, const QByteArray &sql) {
    return m_connected && m_entry.oparse(cur, text(sql), -1, 0, 1) == 0;
}

bool TOCIctrl::Descr(cda_def *cur, int pos, describe *d) {
    if (!m_connected)
        return false;
    // The record holds at most OCIV7_NAME_CAPACITY name bytes, whatever the caller asked.
    if (d->cbufl <= 0 || d->cbufl > OCIV7_NAME_CAPACITY)
        d->cbufl = OCIV7_NAME_CAPACITY;
    if (m_entry.odescr(cur, pos + 1, &d->dbsize, &d->dbtype, d->cbuf, &d->cbufl, &d->dsize,
                       &d->prec, &d->scale, &d->nullok) != 0)
        return false;
    // The library reports the name's full length, which may exceed what it could store.
    if (d->cbufl < 0)
        d->cbufl = 0;
    if (d->cbufl > OCIV7_NAME_CAPACITY)
        d->cbufl = OCIV7_NAME_CAPACITY;
    d->cbuf[d->cbufl] = 0;
    return true;
}

bool TOCIctrl::Defin(cda_def *cur, int pos, void *buf, describe *d) {
    return m_connected &&
           m_entry.odefin(cur, pos + 1, static_cast<ub1 *>(buf), d->dbsize + 1, OCIV7_EXT_STR, -1,
                          nullptr, nullptr, -1, -1, nullptr, nullptr) == 0;
}

bool TOCIctrl::Exec(cda_def *cur) {
    return m_connected && m_entry.oexec(cur) == 0;
}

bool TOCIctrl::SelFetch(cda_def *cur) {
    return m_connected && m_entry.ofetch(cur) == 0;
}

bool TOCIctrl::Bind(cda_def *cur, const QByteArrayList &values, int count) {
    if (!m_connected)
        return false;
    // A count beyond the list binds what the list has; the statement then reports the
    // placeholders left unbound.
    const qsizetype n = std::min<qsizetype>(count, values.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QByteArray &value = values[i];
        if (m_entry.obndrn(cur, static_cast<sword>(i + 1),
                           reinterpret_cast<ub1 *>(const_cast<char *>(value.constData())),
                           static_cast<sword>(value.size() + 1), OCIV7_EXT_STR, -1, nullptr,
                           nullptr, 0, -1) != 0)
            return false;
    }
    return true;
}

// ---- Logon --------------------------------------------------------------------------------

bool TOCIctrl::Connect() {
    if (!m_libActive && !Active()) {
        ErrMsg = componentText(ComponentText::DllUnusable);
        return false;
    }
    if (m_connected && !DisConnect())
        return false;
    platform::BusyPointer busy;
    if (m_entry.olog(&m_lda, m_hda, text(UserID), -1, text(Password), -1, text(ConnStr), -1, 0) !=
        0) {
        err_report(&m_lda);
        return false;
    }
    m_connected = true;
    return true;
}

bool TOCIctrl::DisConnect() {
    if (!m_libActive) {
        ErrMsg = componentText(ComponentText::DllUnusable);
        return false;
    }
    if (!m_connected)
        return true;
    platform::BusyPointer busy;
    if (!CleanUP())
        return false;
    if (m_entry.ologof(&m_lda) != 0) {
        ErrMsg = componentText(ComponentText::CannotDisconnect);
        return false;
    }
    m_connected = false;
    return true;
}

bool TOCIctrl::CleanUP() {
    if (m_ownerComp == nullptr)
        return true;
    // A copy: the owner's list may change while a cursor cleans up.
    const QObjectList components = m_ownerComp->children();
    for (QObject *component : components) {
        try {
            // While the owner is being destroyed, the slots of children already gone are null.
            if (component == nullptr ||
                qstricmp(component->metaObject()->className(), "TOCICur") != 0)
                continue;
            bool cleaned = true;
            if (QMetaObject::invokeMethod(component, "CleanUP", Qt::DirectConnection,
                                          Q_RETURN_ARG(bool, cleaned)) &&
                !cleaned)
                return false;
        } catch (...) {
            // One cursor that throws does not keep the others from being cleaned up.
        }
    }
    return true;
}

// ---- Transactions -------------------------------------------------------------------------

void TOCIctrl::SetAutoCommit(bool value) {
    if (!m_connected || value == m_autoCommit)
        return;
    const auto call = value ? m_entry.ocon : m_entry.ocof;
    if (call(&m_lda) != 0) {
        err_report(&m_lda);
        throw EOCIError(
            componentText(value ? ComponentText::AutoCommitOn : ComponentText::AutoCommitOff));
    }
    m_autoCommit = value;
}

bool TOCIctrl::Commit() {
    return endTransaction(m_entry.ocom);
}

bool TOCIctrl::Rollback() {
    return endTransaction(m_entry.orol);
}

bool TOCIctrl::endTransaction(sword (*call)(Cda_Def *)) {
    if (!m_connected)
        return false;
    platform::BusyPointer busy;
    if (call(&m_lda) != 0) {
        err_report(&m_lda);
        return false;
    }
    return true;
}
