#pragma once
// TOCIcur: the cursor component. Runs one statement at a time through a session (TOCIctrl)
// and hands each row over as text in Row; also inserts rows by column name and runs
// statements without a result. It never shows a message: operations return false and leave
// the reason in ErrMsg (and, for database failures, in the session's ErrMsg too).

#include "cursor/tocidata.h"
#include "oci/ociv7.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class TOCIctrl;

class TOCIcur : public QObject {
    Q_OBJECT
    Q_PROPERTY(QByteArray SQL MEMBER SQL)
    Q_PROPERTY(QObject *OCIParent READ GetParent WRITE SetParent)

public:
    explicit TOCIcur(QObject *owner);
    ~TOCIcur() override;
    Q_DISABLE_COPY_MOVE(TOCIcur)

    QObject *GetParent();
    void SetParent(QObject *value);

    // Queries.
    bool Execute();
    bool Fetch();
    // Called by the session through the meta-object system before it logs off.
    Q_INVOKABLE bool CleanUP();

    // Inserts by column name and statements without a result.
    bool Insert(const QByteArray &table, const QByteArrayList &columns);
    bool InsertData(QByteArrayList &values);
    bool ExecuteSQL(const QByteArray &sql);

    TOCIData *Data() const { return m_data.get(); }

    QByteArray SQL;
    QByteArray ErrMsg;
    QByteArrayList Row;
    std::int32_t FetchCount = 0;

    // The most columns a query may have.
    static constexpr int MaxColumns = 9999;

protected:
    bool GoExecute();
    bool GoInsert(const QByteArray &table, const QByteArrayList &columns);
    bool GoExecuteSQL(const QByteArray &sql);

private:
    bool openStatement();
    bool describeSelectList();
    bool describeTable(std::vector<describe> &columns);
    bool defineColumns();
    void releaseStatement();
    void blankRow();
    bool fail(const QByteArray &message);
    bool failNotBound();
    bool failFromDatabase();

    std::unique_ptr<TOCIData> m_data;
    std::vector<describe> m_columns;         // describe records of the current query
    std::vector<std::vector<char>> m_colBuf; // one fetch buffer per defined column
    bool m_curOpen = false;
    cda_def m_cda{};
    QPointer<TOCIctrl> m_ctrl;
    QPointer<QObject> m_parentComp;
    QObject *m_ownerComp = nullptr;
};
