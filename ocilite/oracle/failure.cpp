#include "failure.h"

#include <cstdio>

namespace ocilite::oracle {

namespace {

struct Message {
    int code;
    const char *text;
};

// Oracle's wordings of the errors the bridge raises itself.
constexpr Message kMessages[] = {
    {kOraInternal, "internal error code, arguments: [ocilite-oracle]"},
    {kOraInvalidSql, "invalid SQL statement"},
    {kOraInconsistentTypes, "inconsistent datatypes"},
    {kOraInvalidCursor, "invalid cursor"},
    {kOraFetchOutOfSequence, "fetch out of sequence"},
    {kOraNoStatementParsed, "no statement parsed"},
    {kOraNotInSelectList, "variable not in select list"},
    {kOraMissingParameter, "missing mandatory parameter"},
    {kOraInvalidOperation, "invalid OCI operation"},
    {kOraNotLoggedOn, "not logged on"},
    {kOraUserCancel, "user requested cancel of current operation"},
    {kOraIllegalVariable, "illegal variable name/number"},
    {kOraNoDataFound, "no data found"},
    {kOraNullFetched, "fetched column value is NULL"},
    {kOraTruncated, "fetched column value was truncated"},
    {kOraArraysNeedPlsql, "arrays can only be bound to PL/SQL statements"},
    {kOraExactFetchTooMany, "exact fetch returns more than requested number of rows"},
    {kOraUnimplemented, "unimplemented feature"},
    {kOraNotConnected, "not connected to ORACLE"},
    {kOraWouldBlock, "operation would block"},
    {kOraActiveOperation, "no new operations allowed until the active operation ends"},
    {kOraBlockingMode, "connection is in blocking mode"},
    {kOraNeedPiece, "the next piece to be inserted is required"},
    {kOraNeedBuffer, "the buffer for the next piece to be fetched is required"},
    {kOraOutOfMemory, "out of process memory"},
    {kOraHostArrayTooSmall, "PL/SQL: index for PL/SQL table out of range for host language array"},
};

} // namespace

std::string composedText(int code) {
    char text[160];
    for (const Message &m : kMessages)
        if (m.code == code) {
            std::snprintf(text, sizeof text, "ORA-%05d: %s", code, m.text);
            return text;
        }
    std::snprintf(text, sizeof text, "ORA-%05d: Message %d not found;  product=RDBMS; facility=ORA",
                  code, code);
    return text;
}

} // namespace ocilite::oracle
