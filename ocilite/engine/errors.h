// Oracle error numbers and their message texts, kept in one table, and the exception that
// carries an Oracle error inside the engine (it never leaves the library's entry points).
#pragma once

#include <stdexcept>
#include <string>

namespace ocilite {

// Oracle error numbers the engine raises; the texts live in errors.cpp.
enum OraCode : int {
    kOraUniqueViolated = 1,
    kOraInvalidSql = 900,
    kOraInvalidCreate = 901,
    kOraInvalidDatatype = 902,
    kOraInvalidTableName = 903,
    kOraInvalidIdentifier = 904,
    kOraMissingRightParen = 907,
    kOraInvalidCharacter = 911,
    kOraColumnAmbiguous = 918,
    kOraUnexpectedEnd = 921,
    kOraFromNotFound = 923,
    kOraNotProperlyEnded = 933,
    kOraMissingExpression = 936,
    kOraTableNotFound = 942,
    kOraNameInUse = 955,
    kOraDuplicateColumn = 957,
    kOraAmbiguousSelectName = 960,
    kOraIdentifierTooLong = 972,
    kOraInvalidCursor = 1001,
    kOraFetchOutOfSequence = 1002,
    kOraNoStatementParsed = 1003,
    kOraBindVariableMissing = 1006,
    kOraNotInSelectList = 1007,
    kOraNotAllBound = 1008,
    kOraMissingParameter = 1009,
    kOraInvalidOperation = 1010,
    kOraNullPassword = 1005,
    kOraNotLoggedOn = 1012,
    kOraLogonDenied = 1017,
    kOraIllegalVariable = 1036,
    kOraInsertNull = 1400,
    kOraNoDataFound = 1403,
    kOraNullFetched = 1405,
    kOraTruncated = 1406,
    kOraOuterJoinCycle = 1416,
    kOraOuterJoinTwoTables = 1417,
    kOraPrecisionExceeded = 1438,
    kOraUnsupportedConversion = 1460,
    kOraOuterJoinPredicate = 1468,
    kOraDivisorZero = 1476,
    kOraOuterJoinOr = 1719,
    kOraInvalidNumber = 1722,
    kOraStringTooLong = 1704,
    kOraMissingDoubleQuote = 1740,
    kOraZeroLengthIdentifier = 1741,
    kOraUnterminatedString = 1756,
    kOraDateFormatNotRecognized = 1821,
    kOraDateFormatEnds = 1830,
    kOraDateNotLongEnough = 1840,
    kOraYearRange = 1841,
    kOraInvalidMonth = 1843,
    kOraInvalidDay = 1847,
    kOraInvalidHour = 1850,
    kOraInvalidMinute = 1851,
    kOraInvalidSecond = 1852,
    kOraNonNumeric = 1858,
    kOraLiteralMismatch = 1861,
    kOraUserExists = 1920,
    kOraUnimplemented = 3001,
    kOraObjectNotFound = 4043,
    kOraOuterJoinWithAnsi = 25156,
    kOraPartialMultibyte = 29275,
    kOraOuterJoinNotAllowed = 30563,
    kOraInternal = 600,
    kOraServiceNotResolved = 12154,
    kOraValueTooLarge = 12899,
};

// The message text of an error number, without the "ORA-nnnnn: " prefix; a generic text
// for numbers outside the table.
std::string oraMessage(int code);
// "ORA-nnnnn: message", or with a detail the message as Oracle fills it for that error.
std::string oraText(int code, const std::string &detail = std::string());

// An Oracle error raised inside the engine; text() is the complete "ORA-nnnnn: ..." line.
class OraError : public std::runtime_error {
public:
    explicit OraError(int code, const std::string &detail = std::string())
        : std::runtime_error(oraText(code, detail)), m_code(code) {}
    struct FullText {};
    // Carries a complete "ORA-nnnnn: ..." text as it stands.
    OraError(int code, const std::string &text, FullText)
        : std::runtime_error(text), m_code(code) {}
    int code() const { return m_code; }
    std::string text() const { return what(); }

private:
    int m_code;
};

} // namespace ocilite
