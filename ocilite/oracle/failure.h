// Private to ocilite/oracle: an Oracle error on its way to a version-7 area (its number, the
// text Oracle composed for it, and a parse error offset), and the texts of the errors the
// bridge raises itself, worded as Oracle words them.
#pragma once

#include <stdexcept>
#include <string>

namespace ocilite::oracle {

enum BridgeCode : int {
    kOraInternal = 600,
    kOraInvalidSql = 900,
    kOraInconsistentTypes = 932,
    kOraInvalidCursor = 1001,
    kOraFetchOutOfSequence = 1002,
    kOraNoStatementParsed = 1003,
    kOraNotInSelectList = 1007,
    kOraMissingParameter = 1009,
    kOraInvalidOperation = 1010,
    kOraNotLoggedOn = 1012,
    kOraUserCancel = 1013,
    // The Oracle client cannot be used on this machine (Oracle is not available to us).
    kOraClientUnavailable = 1034,
    kOraIllegalVariable = 1036,
    kOraNoDataFound = 1403,
    kOraArraysNeedPlsql = 1484,
    kOraNullFetched = 1405,
    kOraTruncated = 1406,
    kOraExactFetchTooMany = 1422,
    kOraUnimplemented = 3001,
    kOraNotConnected = 3114,
    kOraWouldBlock = 3123,
    kOraActiveOperation = 3127,
    kOraBlockingMode = 3128,
    kOraNeedPiece = 3129,
    kOraNeedBuffer = 3130,
    kOraOutOfMemory = 4030,
    kOraObjectNotFound = 4043,
    kOraHostArrayTooSmall = 6513,
};

// "ORA-nnnnn: message" for the numbers above; Oracle's own wording for a number it has no
// message for otherwise.
std::string composedText(int code);

class BridgeError : public std::runtime_error {
public:
    BridgeError(int code, const std::string &text, int parseOffset = -1)
        : std::runtime_error(text), m_code(code), m_parseOffset(parseOffset) {}
    explicit BridgeError(int code) : BridgeError(code, composedText(code)) {}
    int code() const { return m_code; }
    std::string text() const { return what(); }
    // Byte offset of a parse error in the statement, -1 when Oracle gave none.
    int parseOffset() const { return m_parseOffset; }

private:
    int m_code;
    int m_parseOffset;
};

} // namespace ocilite::oracle
