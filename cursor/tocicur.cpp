#include "cursor/tocicur.h"

#include "platform/busy_pointer.h"
#include "platform/client_text.h"
#include "session/component_texts.h"
#include "session/toci.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

using velmora::session::componentText;
using velmora::session::ComponentText;

// Oracle reports a DATE as 7 bytes; as text it needs room for the default date format.
constexpr sb4 kDateTextSize = 22;
// TO_CHAR of a NUMBER gives at most 40 characters; the rest is slack for sign and exponent.
constexpr sb4 kNumberTextSize = 64;
// A ROWID as text: block.row.file in hexadecimal, 8.4.4 digits and two dots.
constexpr sb4 kRowidTextSize = 18;

bool isControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

QByteArray trimControls(const QByteArray &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isControlOrBlank(text.at(begin)))
        ++begin;
    while (end > begin && isControlOrBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// The name as the library left it; the record's name storage bounds it whatever length the
// library reported.
QByteArray columnName(const describe &d) {
    const auto *text = reinterpret_cast<const char *>(d.cbuf);
    return QByteArray(text, static_cast<qsizetype>(strnlen(text, OCIV7_NAME_CAPACITY)));
}

describe blankDescribe() {
    describe d{};
    d.cbufl = OCIV7_NAME_CAPACITY;
    return d;
}

// Characters of text a string fetch of the column can produce; the buffer is one byte more.
sb4 fetchTextSize(const describe &d) {
    sb4 size = std::max<sb4>(d.dbsize, 0);
    if (d.dbtype == OCIV7_TYPE_NUMBER)
        size = std::max(size, kNumberTextSize);
    else if (d.dbtype == OCIV7_TYPE_ROWID)
        size = std::max(size, kRowidTextSize);
    return std::min<sb4>(size, INT_MAX - 1);
}

// Copies a zero-terminated value into an entry of Row, reusing the entry's storage.
void setEntry(QByteArray &entry, const std::vector<char> &buffer) {
    const auto length = static_cast<qsizetype>(strnlen(buffer.data(), buffer.size()));
    if (!entry.isDetached())
        entry = QByteArray();
    entry.resize(length);
    if (length > 0)
        std::memcpy(entry.data(), buffer.data(), static_cast<size_t>(length));
}

// Finds the table column an insert entry names, compared without regard to letter case.
int findColumn(const std::vector<QString> &names, const QByteArray &entry) {
    const QString wanted = velmora::platform::fromClientText(entry);
    for (size_t p = 0; p < names.size(); ++p) {
        if (QString::compare(names[p], wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(p);
    }
    return -1;
}

} // namespace

TOCIcur::TOCIcur(QObject *owner)
    : QObject(owner), m_data(std::make_unique<TOCIData>()), m_ownerComp(owner) {}

// An open Oracle cursor is closed by the session before it logs off, never from here.
TOCIcur::~TOCIcur() = default;

QObject *TOCIcur::GetParent() {
    m_ctrl = qobject_cast<TOCIctrl *>(m_parentComp.data());
    if (!m_ctrl)
        m_parentComp = nullptr;
    return m_parentComp.data();
}

// Only a session of the cursor's own owner is accepted: that is where the session looks for
// its cursors when it logs off.
void TOCIcur::SetParent(QObject *value) {
    m_ctrl = qobject_cast<TOCIctrl *>(value);
    if (m_ctrl && m_ctrl->CtrlBind(m_ownerComp)) {
        m_parentComp = value;
        return;
    }
    m_parentComp = nullptr;
    m_ctrl = nullptr;
}

bool TOCIcur::fail(const QByteArray &message) {
    ErrMsg = message;
    return false;
}

bool TOCIcur::failNotBound() {
    return fail(componentText(ComponentText::NotBound));
}

// The error text of the last call on the cursor area. A session that is not logged on made no
// call (and may have no library loaded), so it is not asked for one.
bool TOCIcur::failFromDatabase() {
    if (!m_ctrl->Connected())
        return fail(componentText(ComponentText::NotConnected));
    return fail(m_ctrl->err_report(&m_cda));
}

bool TOCIcur::openStatement() {
    if (!CleanUP())
        return false;
    if (!m_ctrl->OpenCur(&m_cda))
        return failFromDatabase();
    m_curOpen = true;
    return true;
}

bool TOCIcur::Execute() {
    if (!m_ctrl)
        return failNotBound();
    FetchCount = 0;
    velmora::platform::BusyPointer busy;
    return openStatement() && GoExecute();
}

bool TOCIcur::GoExecute() {
    if (!m_ctrl)
        return failNotBound();
    if (SQL.endsWith(';'))
        SQL.chop(1);
    if (!m_ctrl->Connected())
        return fail(componentText(ComponentText::NotConnected));
    if (!m_ctrl->Parse(&m_cda, SQL))
        return failFromDatabase();
    if (!describeSelectList() || !defineColumns())
        return false;
    if (!m_ctrl->Exec(&m_cda))
        return failFromDatabase();
    return true;
}

// A describe failure other than "past the last column" ends the statement: skipping the
// position would define later buffers against the wrong select-list columns.
bool TOCIcur::describeSelectList() {
    for (int p = 0; p < MaxColumns; ++p) {
        describe d = blankDescribe();
        if (!m_ctrl->Descr(&m_cda, p, &d)) {
            if (m_cda.rc == OCIV7_RC_NOT_IN_SELECT_LIST && m_ctrl->Connected())
                return true;
            return failFromDatabase();
        }
        if (!DataAttr::fetchable(d.dbtype))
            return fail(componentText(ComponentText::Unfetchable));
        d.cbufl = std::clamp<sb4>(d.cbufl, 0, OCIV7_NAME_CAPACITY);
        if (d.dbtype == OCIV7_TYPE_DATE)
            d.dbsize = kDateTextSize;
        Row.append(trimControls(columnName(d)));
        m_data->Add(d);
        m_columns.push_back(d);
    }
    return true;
}

// A buffer that cannot be allocated ends the defines without an error: the statement runs
// with the columns defined so far, and Fetch fills only their entries of Row.
bool TOCIcur::defineColumns() {
    m_colBuf.clear();
    m_colBuf.reserve(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) {
        describe define = m_columns[i];
        define.dbsize = fetchTextSize(define);
        try {
            m_colBuf.emplace_back(static_cast<size_t>(define.dbsize) + 1, '\0');
        } catch (const std::bad_alloc &) {
            break;
        }
        if (!m_ctrl->Defin(&m_cda, static_cast<int>(i), m_colBuf.back().data(), &define))
            return failFromDatabase();
    }
    return true;
}

bool TOCIcur::Fetch() {
    if (!m_ctrl)
        return failNotBound();
    if (!m_ctrl->Connected()) {
        blankRow();
        return fail(componentText(ComponentText::NotConnected));
    }
    // A NULL fetched without an indicator may leave the buffer as it was; clearing it first
    // makes it arrive as the empty string instead of the previous row's value.
    for (auto &buffer : m_colBuf)
        buffer[0] = '\0';
    if (m_ctrl->SelFetch(&m_cda) || m_cda.rc == OCIV7_RC_NULL_FETCHED) {
        ++FetchCount;
        const auto count = std::min(m_colBuf.size(), static_cast<size_t>(Row.size()));
        for (size_t i = 0; i < count; ++i)
            setEntry(Row[static_cast<qsizetype>(i)], m_colBuf[i]);
        return true;
    }
    // The end of the rows is not a failure; anything else keeps the database's text so the
    // caller can tell an incomplete result from a complete one.
    if (m_cda.rc != OCIV7_RC_NO_DATA_FOUND)
        failFromDatabase();
    blankRow();
    return false;
}

void TOCIcur::blankRow() {
    const auto count = std::min(m_colBuf.size(), static_cast<size_t>(Row.size()));
    for (size_t i = 0; i < count; ++i)
        Row[static_cast<qsizetype>(i)].clear();
}

bool TOCIcur::CleanUP() {
    if (!m_ctrl)
        return failNotBound();
    if (!m_curOpen)
        return true;
    bool result = true;
    if (m_ctrl->CloseCur(&m_cda))
        m_curOpen = false;
    else
        result = failFromDatabase();
    releaseStatement();
    return result;
}

void TOCIcur::releaseStatement() {
    m_colBuf.clear();
    m_columns.clear();
    Row.clear();
    m_data->Clear();
    FetchCount = 0;
}

bool TOCIcur::Insert(const QByteArray &table, const QByteArrayList &columns) {
    if (!m_ctrl)
        return failNotBound();
    FetchCount = 0;
    velmora::platform::BusyPointer busy;
    return openStatement() && GoInsert(table, columns);
}

namespace {

QByteArray insertStatement(const QByteArray &table, const QByteArrayList &columns,
                           const std::vector<describe> &tableColumns, bool *found) {
    std::vector<QString> names;
    names.reserve(tableColumns.size());
    for (const describe &d : tableColumns)
        names.push_back(velmora::platform::fromClientText(columnName(d)));

    QByteArray columnText;
    QByteArray valueText;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int p = findColumn(names, columns[i]);
        if (p < 0) {
            *found = false;
            return {};
        }
        if (!columnText.isEmpty()) {
            columnText += ',';
            valueText += ',';
        }
        columnText += columns[i];
        const QByteArray number = QByteArray::number(i + 1);
        if (tableColumns[static_cast<size_t>(p)].dbtype == OCIV7_TYPE_DATE)
            valueText += "TO_DATE(:" + number + ", 'yyyy-mm-dd hh24:mi:ss')";
        else
            valueText += ':' + number;
    }
    *found = true;
    return "INSERT INTO " + table + "(" + columnText + ")VALUES(" + valueText + ")";
}

} // namespace

bool TOCIcur::GoInsert(const QByteArray &table, const QByteArrayList &columns) {
    if (!m_ctrl)
        return failNotBound();
    if (!m_ctrl->Connected())
        return fail(componentText(ComponentText::NotConnected));
    if (table.isEmpty())
        return fail(componentText(ComponentText::NoInsertTable));
    if (columns.isEmpty())
        return fail(componentText(ComponentText::NoInsertColumns));
    // Parsed only to learn the table's columns; never executed.
    if (!m_ctrl->Parse(&m_cda, "select * from " + table))
        return failFromDatabase();
    std::vector<describe> tableColumns;
    if (!describeTable(tableColumns))
        return false;
    bool found = false;
    const QByteArray statement = insertStatement(table, columns, tableColumns, &found);
    if (!found)
        return fail(componentText(ComponentText::NoSuchColumn));
    for (qsizetype i = 0; i < columns.size(); ++i)
        Row.append(QByteArray());
    if (!m_ctrl->Parse(&m_cda, statement))
        return failFromDatabase();
    return true;
}

// As for queries, a describe failure other than "past the last column" is the database's
// error, not a column that silently cannot match.
bool TOCIcur::describeTable(std::vector<describe> &columns) {
    for (int p = 0; p < MaxColumns; ++p) {
        describe d = blankDescribe();
        if (!m_ctrl->Descr(&m_cda, p, &d)) {
            if (m_cda.rc == OCIV7_RC_NOT_IN_SELECT_LIST && m_ctrl->Connected())
                return true;
            return failFromDatabase();
        }
        columns.push_back(d);
    }
    return true;
}

// Binds the caller's strings themselves: the list must not change until the call returns.
bool TOCIcur::InsertData(QByteArrayList &values) {
    if (!m_ctrl)
        return failNotBound();
    while (values.size() < Row.size())
        values.append(QByteArray());
    if (!m_ctrl->Bind(&m_cda, values, static_cast<int>(Row.size())))
        return failFromDatabase();
    if (!m_ctrl->Exec(&m_cda))
        return failFromDatabase();
    ++FetchCount;
    return true;
}

bool TOCIcur::ExecuteSQL(const QByteArray &sql) {
    if (!m_ctrl)
        return failNotBound();
    FetchCount = 0;
    velmora::platform::BusyPointer busy;
    if (!openStatement())
        return false;
    const bool result = GoExecuteSQL(sql);
    const auto processed = result ? static_cast<std::int32_t>(m_cda.rpc) : 0;
    // A failed close leaves its text in ErrMsg but does not undo the statement.
    CleanUP();
    FetchCount = processed;
    return result;
}

// The text goes to the parser whole: a PL/SQL block needs its final ";".
bool TOCIcur::GoExecuteSQL(const QByteArray &sql) {
    if (!m_ctrl)
        return failNotBound();
    if (!m_ctrl->Connected())
        return fail(componentText(ComponentText::NotConnected));
    if (!m_ctrl->Parse(&m_cda, sql))
        return failFromDatabase();
    if (!m_ctrl->Exec(&m_cda))
        return failFromDatabase();
    return true;
}
