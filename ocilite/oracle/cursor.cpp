// Parsing, describing, binding and executing a version-7 cursor over an OCI 8 statement.
// An immediate parse (defflg 0) asks the server to parse: a query is described on the way
// (OCI_DESCRIBE_ONLY), DML and PL/SQL are parsed without running (OCI_PARSE_ONLY), and DDL,
// which version 7 ran at parse time, runs now and not again at oexec. Statements of a type
// the client cannot classify are left to oexec, where their errors surface.
#include "cursor.h"

#include <cstring>

namespace ocilite::oracle {
namespace {

// Rows the client fetches ahead per round trip; version 7 went one by one.
constexpr ub4 kPrefetchRows = 100;

} // namespace

Cursor::~Cursor() {
    freeStatement();
}

oci::OCIStmt *Cursor::statement() const {
    if (!m_stmt)
        throw BridgeError(kOraNoStatementParsed);
    return m_stmt;
}

void Cursor::freeStatement() {
    if (m_stmt && m_conn.env())
        m_conn.oci().handleFree(m_stmt, oci::kHtypeStmt);
    m_stmt = nullptr;
    m_statementType = 0;
    m_parsedByServer = m_ddlDone = m_described = m_executed = false;
    m_columns.clear();
    m_slots.clear();
    m_binds.clear();
    m_rowsFetched = 0;
    m_onRow = false;
    m_progress = Progress{};
    m_parsing.clear();
}

// A call obreak interrupted is not gone on with: made again, it ends with ORA-01013.
void Cursor::endIfBroken(bool resuming, unsigned breaksThen) {
    if (!resuming || breaksThen == m_conn.breaks())
        return;
    m_progress = Progress{};
    m_parsing.clear();
    throw BridgeError(kOraUserCancel);
}

int Cursor::parse(const std::string &sql, bool deferred) {
    endIfBroken(!m_parsing.empty() && m_parsing == sql, m_parsingBreaks);
    if (m_parsing.empty() || m_parsing != sql || !m_stmt)
        prepare(sql);
    m_parsing.clear();
    if (!deferred) {
        try {
            serverParse();
        } catch (const BridgeError &e) {
            if (e.code() == kOraWouldBlock) { // the same parse again goes on from here
                m_parsing = sql;
                m_parsingBreaks = m_conn.breaks();
            }
            throw;
        }
    }
    return functionCode();
}

void Cursor::prepare(const std::string &sql) {
    freeStatement();
    const OciFunctions &oci = m_conn.oci();
    if (oci.handleAlloc(m_conn.env(), reinterpret_cast<void **>(&m_stmt), oci::kHtypeStmt, 0,
                        nullptr) != oci::kSuccess ||
        !m_stmt) {
        m_stmt = nullptr;
        throw BridgeError(kOraOutOfMemory);
    }
    m_conn.check(oci.stmtPrepare(m_stmt, m_conn.err(),
                                 reinterpret_cast<const OraText *>(sql.data()),
                                 static_cast<ub4>(sql.size()), oci::kNtvSyntax, oci::kDefault));
    ub4 size = sizeof m_statementType;
    m_conn.check(oci.attrGet(m_stmt, oci::kHtypeStmt, &m_statementType, &size, oci::kAttrStmtType,
                             m_conn.err()));
    if (m_statementType == oci::kStmtSelect) {
        ub4 rows = kPrefetchRows;
        oci.attrSet(m_stmt, oci::kHtypeStmt, &rows, sizeof rows, oci::kAttrPrefetchRows,
                    m_conn.err());
    }
}

void Cursor::serverParse() {
    const OciFunctions &oci = m_conn.oci();
    if (m_statementType == oci::kStmtSelect) {
        ensureDescribed();
    } else if (runsWhenParsed(m_statementType) || parsesWithoutRunning(m_statementType)) {
        m_conn.check(oci.stmtExecute(m_conn.svc(), m_stmt, m_conn.err(), 1, 0, nullptr, nullptr,
                                     oci::kParseOnly));
        m_ddlDone = runsWhenParsed(m_statementType);
    } else {
        return;
    }
    m_parsedByServer = true;
}

void Cursor::ensureDescribed() {
    if (m_described)
        return;
    if (m_statementType == oci::kStmtSelect && !m_executed)
        m_conn.check(m_conn.oci().stmtExecute(m_conn.svc(), statement(), m_conn.err(), 0, 0,
                                              nullptr, nullptr, oci::kDescribeOnly));
    readColumns();
    m_described = true;
}

void Cursor::readColumns() {
    const OciFunctions &oci = m_conn.oci();
    m_columns.clear();
    if (m_statementType != oci::kStmtSelect)
        return;
    ub4 count = 0, size = sizeof count;
    m_conn.check(
        oci.attrGet(m_stmt, oci::kHtypeStmt, &count, &size, oci::kAttrParamCount, m_conn.err()));
    for (ub4 pos = 1; pos <= count; ++pos) {
        void *param = nullptr;
        m_conn.check(oci.paramGet(m_stmt, oci::kHtypeStmt, m_conn.err(), &param, pos));
        Oci8Column column;
        ub2 type = 0, dataSize = 0;
        sb2 precision = 0;
        sb1 scale = 0;
        ub1 isNull = 1;
        OraText *name = nullptr;
        ub4 nameLength = 0;
        const auto get = [&](void *value, ub4 attr, ub4 *length = nullptr) {
            m_conn.check(oci.attrGet(param, oci::kDtypeParam, value, length, attr, m_conn.err()));
        };
        try {
            get(&type, oci::kAttrDataType);
            get(&dataSize, oci::kAttrDataSize);
            get(&precision, oci::kAttrPrecision);
            get(&scale, oci::kAttrScale);
            get(&isNull, oci::kAttrIsNull);
            get(&name, oci::kAttrName, &nameLength);
        } catch (...) {
            oci.descriptorFree(param, oci::kDtypeParam);
            throw;
        }
        column.name.assign(reinterpret_cast<const char *>(name), name ? nameLength : 0);
        oci.descriptorFree(param, oci::kDtypeParam);
        column.dataType = type;
        column.dataSize = dataSize;
        column.precision = precision;
        column.scale = scale;
        column.nullable = isNull != 0;
        m_columns.push_back(std::move(column));
    }
}

// ft: the server's SQL function code once it has seen the statement, else what the
// statement type alone tells.
int Cursor::functionCode() const {
    if (m_parsedByServer || m_executed) {
        ub2 code = 0;
        ub4 size = sizeof code;
        if (m_conn.oci().attrGet(m_stmt, oci::kHtypeStmt, &code, &size, oci::kAttrSqlFnCode,
                                 m_conn.err()) == oci::kSuccess &&
            code != 0)
            return code;
    }
    return functionCodeOfStatementType(m_statementType);
}

std::optional<Version7Column> Cursor::describe(int position, std::string &name) {
    statement();
    ensureDescribed();
    if (position < 1 || static_cast<size_t>(position) > m_columns.size())
        return std::nullopt;
    const Oci8Column &column = m_columns[static_cast<size_t>(position - 1)];
    name = column.name;
    return version7Column(column);
}

void Cursor::bind(const std::string &placeholder, const BindSpec &spec) {
    statement();
    if (placeholder.empty() || placeholder == ":")
        throw BridgeError(kOraIllegalVariable);
    const std::string name = placeholder[0] == ':' ? placeholder : ":" + placeholder;
    BindSlot slot{spec, m_binds.count(name) ? m_binds[name].handle : nullptr};
    // A null-terminated string given with a negative length is measured, as version 7 did.
    if (spec.externalType == OCIV7_EXT_STR && spec.length < 0 && spec.value && !spec.piecewise)
        slot.spec.length =
            static_cast<sword>(std::strlen(reinterpret_cast<const char *>(spec.value)) + 1);
    bindElement(name, slot, 0);
    m_binds[name] = slot;
}

// Element `element` of the program's arrays; a PL/SQL table and a value in pieces are bound
// whole, once.
void Cursor::bindElement(const std::string &name, BindSlot &slot, int element) {
    const BindSpec &b = slot.spec;
    const size_t e = b.maxElements > 0 ? 0 : static_cast<size_t>(element);
    const size_t size = b.length > 0 ? static_cast<size_t>(b.length) : 0;
    ub1 *value = elementOf(b.value, skipOr(b.valueSkip, size), e);
    sb2 *ind = elementOf(b.indicator, skipOr(b.indicatorSkip, sizeof(sb2)), e);
    // A NULL takes no pieces: the element is bound as the NULL it is.
    const bool pieces = b.piecewise && !(ind && *ind < 0);
    ub2 *alen = elementOf(b.actualLength, skipOr(b.lengthSkip, sizeof(ub2)), e);
    ub2 *rcode = elementOf(b.returnCode, skipOr(b.codeSkip, sizeof(ub2)), e);
    if (rcode && b.maxElements == 0 && !b.piecewise)
        *rcode = 0; // read as it stands; Oracle sets it for what it returns
    const OciFunctions &oci = m_conn.oci();
    m_conn.check(oci.bindByName(
        m_stmt, &slot.handle, m_conn.err(), reinterpret_cast<const OraText *>(name.data()),
        static_cast<sb4>(name.size()), pieces ? nullptr : value, b.length,
        static_cast<ub2>(b.externalType), pieces ? nullptr : ind, pieces ? nullptr : alen,
        pieces ? nullptr : rcode, b.maxElements, b.maxElements > 0 ? b.currentElements : nullptr,
        pieces ? oci::kDataAtExec : oci::kDefault));
    if (b.maxElements > 0 && (b.valueSkip || b.indicatorSkip || b.lengthSkip || b.codeSkip))
        m_conn.check(oci.bindArrayOfStruct(slot.handle, m_conn.err(),
                                           static_cast<ub4>(skipOr(b.valueSkip, size)),
                                           static_cast<ub4>(skipOr(b.indicatorSkip, sizeof(sb2))),
                                           static_cast<ub4>(skipOr(b.lengthSkip, sizeof(ub2))),
                                           static_cast<ub4>(skipOr(b.codeSkip, sizeof(ub2)))));
}

bool Cursor::anyPiecewise() const {
    for (const auto &[name, slot] : m_binds)
        if (slot.spec.piecewise)
            return true;
    return false;
}

// Only a PL/SQL block takes a PL/SQL table; a SQL statement takes scalars.
void Cursor::checkTables() const {
    if (m_statementType == oci::kStmtBegin || m_statementType == oci::kStmtDeclare)
        return;
    for (const auto &[name, slot] : m_binds)
        if (slot.spec.maxElements > 0)
            throw BridgeError(kOraArraysNeedPlsql);
}

int Cursor::execute(bool commitOnSuccess, int &ft, int iterations, int offset) {
    statement();
    const bool resuming =
        m_progress.waiting == Waiting::BindPiece || m_progress.waiting == Waiting::Executing;
    endIfBroken(resuming, m_progress.breaks);
    if (!resuming) {
        checkTables();
        m_onRow = false;
        m_rowsFetched = 0;
        m_rowsProcessed = 0;
        m_progress = Progress{};
        m_progress.element = offset;
    }
    if (m_ddlDone) {
        ft = functionCode();
        return 0;
    }
    // Each element is its own execution, its variables pointed at in turn.
    const int last = isQuery() ? m_progress.element + 1 : iterations;
    const int resumed = resuming ? m_progress.element : -1; // its binds stand as they were
    for (int &e = m_progress.element; e < last; ++e) {
        if (e != resumed && (e != 0 || iterations != 1 || anyPiecewise()))
            for (auto &[name, slot] : m_binds)
                bindElement(name, slot, e);
        long rows = 0;
        const sword status = runOnce(commitOnSuccess, rows);
        if (status == oci::kNeedData || status == oci::kStillExecuting) {
            m_progress.waiting = status == oci::kNeedData ? Waiting::BindPiece : Waiting::Executing;
            m_progress.breaks = m_conn.breaks();
            return status == oci::kNeedData ? kOraNeedPiece : kOraWouldBlock;
        }
        m_progress.waiting = Waiting::Nothing;
        m_rowsProcessed += rows;
        ft = functionCode();
    }
    if (offset != 0 || iterations != 1)
        for (auto &[name, slot] : m_binds)
            bindElement(name, slot, 0);
    return 0;
}

// One execution: OCI_SUCCESS, or OCI_NEED_DATA when Oracle asks for a bind's next piece, or
// OCI_STILL_EXECUTING from a non-blocking server; throws for an error.
sword Cursor::runOnce(bool commitOnSuccess, long &rows) {
    oci::OCIStmt *stmt = statement();
    const bool query = isQuery();
    const ub4 mode = commitOnSuccess ? oci::kCommitOnSuccess : oci::kDefault;
    const sword status = m_conn.oci().stmtExecute(m_conn.svc(), stmt, m_conn.err(), query ? 0 : 1,
                                                  0, nullptr, nullptr, mode);
    if (status == oci::kNeedData || status == oci::kStillExecuting)
        return status;
    m_conn.check(status);
    m_executed = true;
    if (query) {
        if (!m_described) {
            readColumns();
            m_described = true;
        }
        return oci::kSuccess;
    }
    ub4 count = 0, size = sizeof count;
    m_conn.check(m_conn.oci().attrGet(stmt, oci::kHtypeStmt, &count, &size, oci::kAttrRowCount,
                                      m_conn.err()));
    rows = static_cast<long>(count);
    return oci::kSuccess;
}

void Cursor::cancel() {
    m_onRow = false;
    if (m_stmt && m_executed && m_statementType == oci::kStmtSelect)
        m_conn.check(
            m_conn.oci().stmtFetch2(m_stmt, m_conn.err(), 0, oci::kFetchNext, 0, oci::kDefault));
}

} // namespace ocilite::oracle
