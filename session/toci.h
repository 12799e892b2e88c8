#pragma once
// TOCIctrl: the session component. It loads the Oracle client library at run time, binds the
// twenty version-7 entry points by name, owns one logon (with the login dialog), offers the
// cursor primitives that TOCIcur is built on, the transaction controls and the column type
// lookup. It never shows a message: operations return false and leave the reason in ErrMsg.

#include "oci/ociv7.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>

#include <stdexcept>

class TfmLogin;

// The error SetActive and the AutoCommit setter raise; the message is in the client's code page.
class EOCIError : public std::runtime_error {
public:
    explicit EOCIError(const QByteArray &message) : std::runtime_error(message.toStdString()) {}
    QByteArray message() const { return QByteArray(what()); }
};

// The twenty entry points, in binding order.
struct OCIEntryPoints {
#define VELMORA_ENTRY_MEMBER(name, params, args) name##_fn name = nullptr;
    OCIV7_ENTRY_POINTS(VELMORA_ENTRY_MEMBER)
#undef VELMORA_ENTRY_MEMBER
};

class TOCIctrl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QByteArray UserID MEMBER UserID)
    Q_PROPERTY(QByteArray Password MEMBER Password)
    Q_PROPERTY(QByteArray ConnStr MEMBER ConnStr)
    Q_PROPERTY(bool AutoCommit READ AutoCommit WRITE SetAutoCommit)

public:
    explicit TOCIctrl(QObject *owner);
    ~TOCIctrl() override;
    Q_DISABLE_COPY_MOVE(TOCIctrl)

    // Library binding. SetActive raises EOCIError on failure; Active/UnActive turn that into false.
    void SetActive(bool value);
    bool Active();
    bool UnActive();
    bool LibActive() const { return m_libActive; }

    // Logon.
    bool Connect();
    bool DisConnect();
    bool Login();
    bool CleanUP();
    bool Connected() const { return m_connected; }

    // Transactions.
    bool AutoCommit() const { return m_autoCommit; }
    void SetAutoCommit(bool value);
    bool Commit();
    bool Rollback();

    // The Oracle error text of the last call on an area; kept in ErrMsg.
    QByteArray err_report(cda_def *area);

    // Cursor primitives: true exactly when connected and the one library call returned 0.
    bool OpenCur(cda_def *cur);
    bool CloseCur(cda_def *cur);
    bool Parse(cda_def *cur, const QByteArray &sql);
    bool Descr(cda_def *cur, int pos, describe *d);
    bool Defin(cda_def *cur, int pos, void *buf, describe *d);
    bool Exec(cda_def *cur);
    bool SelFetch(cda_def *cur);
    bool Bind(cda_def *cur, const QByteArrayList &values, int count);
    // True when c is the owner this session was created with.
    bool CtrlBind(const QObject *c) const { return c == m_ownerComp; }

    // Column type lookup through user_tab_columns.
    bool ChkColType(const QByteArray &table, const QByteArrayList &columns, QByteArrayList &types,
                    cda_def *cur);
    bool ExtractColumn(const QByteArrayList &list) const;

    QByteArray UserID;
    QByteArray Password;
    QByteArray ConnStr;
    QByteArray ErrMsg;

private:
    void activate();
    void bindEntryPoints();
    void releaseLibrary();
    bool runLoginDialog(TfmLogin &dialog);
    bool endTransaction(sword (*call)(Cda_Def *));
    bool lookUpColumnTypes(const QByteArray &table, const QByteArrayList &columns,
                           QByteArrayList &types, cda_def *cur);

    OCIEntryPoints m_entry;
    QObject *m_ownerComp = nullptr;
    bool m_libActive = false;
    bool m_connected = false;
    bool m_autoCommit = false;
    TfmLogin *m_loginDlg = nullptr;
    void *m_libHandle = nullptr;
    cda_def m_lda{};
    alignas(8) ub1 m_hda[OCIV7_HDA_SIZE]{};
};
