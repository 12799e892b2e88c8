// Oracle error numbers and their message texts, kept in one list that generates both the
// names the engine raises (kOra...) and the message table, and the exception that carries an
// Oracle error inside the engine (it never leaves the library's entry points).
#pragma once

#include <stdexcept>
#include <string>

namespace ocilite {

// X(name, number, Oracle's wording): "%s" marks where the detail of an occurrence goes.
// Sorted by number; a number appears once.
#define OCILITE_ORA_ERRORS(X)                                                                      \
    X(kOraSuccess, 0, "normal, successful completion")                                             \
    X(kOraUniqueViolated, 1, "unique constraint (%s) violated")                                    \
    X(kOraResourceBusy, 54, "resource busy and acquire with NOWAIT specified")                     \
    X(kOraInternal, 600, "internal error code, arguments: [%s]")                                   \
    X(kOraInvalidSql, 900, "invalid SQL statement")                                                \
    X(kOraInvalidCreate, 901, "invalid CREATE command")                                            \
    X(kOraInvalidDatatype, 902, "invalid datatype")                                                \
    X(kOraInvalidTableName, 903, "invalid table name")                                             \
    X(kOraInvalidIdentifier, 904, "%s: invalid identifier")                                        \
    X(kOraMissingLeftParen, 906, "missing left parenthesis")                                       \
    X(kOraMissingRightParen, 907, "missing right parenthesis")                                     \
    X(kOraArgumentCount, 909, "invalid number of arguments")                                       \
    X(kOraInvalidCharacter, 911, "invalid character")                                              \
    X(kOraTooManyValues, 913, "too many values")                                                   \
    X(kOraColumnAmbiguous, 918, "column ambiguously defined")                                      \
    X(kOraInvalidRelationalOperator, 920, "invalid relational operator")                           \
    X(kOraUnexpectedEnd, 921, "unexpected end of SQL command")                                     \
    X(kOraFromNotFound, 923, "FROM keyword not found where expected")                              \
    X(kOraMissingInto, 925, "missing INTO keyword")                                                \
    X(kOraInconsistentDatatypes, 932, "inconsistent datatypes")                                    \
    X(kOraNotProperlyEnded, 933, "SQL command not properly ended")                                 \
    X(kOraMissingExpression, 936, "missing expression")                                            \
    X(kOraNotEnoughArguments, 938, "not enough arguments for function")                            \
    X(kOraTableNotFound, 942, "table or view does not exist")                                      \
    X(kOraNotEnoughValues, 947, "not enough values")                                               \
    X(kOraInvalidDropOption, 950, "invalid DROP option")                                           \
    X(kOraNameInUse, 955, "name is already used by an existing object")                            \
    X(kOraDuplicateColumn, 957, "duplicate column name")                                           \
    X(kOraAmbiguousSelectName, 960, "ambiguous column naming in select list")                      \
    X(kOraIdentifierTooLong, 972, "identifier is too long")                                        \
    X(kOraInvalidCursor, 1001, "invalid cursor")                                                   \
    X(kOraFetchOutOfSequence, 1002, "fetch out of sequence")                                       \
    X(kOraNoStatementParsed, 1003, "no statement parsed")                                          \
    X(kOraNullPassword, 1005, "null password given; logon denied")                                 \
    X(kOraBindVariableMissing, 1006, "bind variable does not exist")                               \
    X(kOraNotInSelectList, 1007, "variable not in select list")                                    \
    X(kOraNotAllBound, 1008, "not all variables bound")                                            \
    X(kOraMissingParameter, 1009, "missing mandatory parameter")                                   \
    X(kOraInvalidOperation, 1010, "invalid OCI operation")                                         \
    X(kOraNotLoggedOn, 1012, "not logged on")                                                      \
    X(kOraLogonDenied, 1017, "invalid username/password; logon denied")                            \
    X(kOraInsufficientPrivileges, 1031, "insufficient privileges")                                 \
    X(kOraNotAvailable, 1034, "ORACLE not available")                                              \
    X(kOraIllegalVariable, 1036, "illegal variable name/number")                                   \
    X(kOraInsertNull, 1400, "cannot insert NULL into (%s)")                                        \
    X(kOraNoDataFound, 1403, "no data found")                                                      \
    X(kOraNullFetched, 1405, "fetched column value is NULL")                                       \
    X(kOraTruncated, 1406, "fetched column value was truncated")                                   \
    X(kOraOuterJoinCycle, 1416, "two tables cannot be outer-joined to each other")                 \
    X(kOraOuterJoinTwoTables, 1417, "a table may be outer joined to at most one other table")      \
    X(kOraEscapeCharacter, 1425, "escape character must be character string of length 1")          \
    X(kOraPrecisionExceeded, 1438,                                                                 \
      "value larger than specified precision allowed for this column")                             \
    X(kOraUnsupportedConversion, 1460, "unimplemented or unreasonable conversion requested")       \
    X(kOraOuterJoinPredicate, 1468, "a predicate may reference only one outer-joined table")       \
    X(kOraDivisorZero, 1476, "divisor is equal to zero")                                           \
    X(kOraStringTooLong, 1704, "string literal too long")                                          \
    X(kOraOuterJoinOr, 1719, "outer join operator (+) not allowed in operand of OR or IN")         \
    X(kOraInvalidNumber, 1722, "invalid number")                                                   \
    X(kOraMissingDoubleQuote, 1740, "missing double quote in identifier")                          \
    X(kOraZeroLengthIdentifier, 1741, "illegal zero-length identifier")                            \
    X(kOraUnterminatedString, 1756, "quoted string not properly terminated")                       \
    X(kOraDateFormatNotRecognized, 1821, "date format not recognized")                             \
    X(kOraDateFormatEnds, 1830, "date format picture ends before converting entire input string")  \
    X(kOraDateNotLongEnough, 1840, "input value not long enough for date format")                  \
    X(kOraYearRange, 1841, "(full) year must be between -4713 and +9999, and not be 0")            \
    X(kOraInvalidMonth, 1843, "not a valid month")                                                 \
    X(kOraInvalidDay, 1847, "day of month must be between 1 and last day of month")                \
    X(kOraInvalidHour, 1850, "hour must be between 0 and 23")                                      \
    X(kOraInvalidMinute, 1851, "minutes must be between 0 and 59")                                 \
    X(kOraInvalidSecond, 1852, "seconds must be between 0 and 59")                                 \
    X(kOraNonNumeric, 1858, "a non-numeric character was found where a numeric was expected")      \
    X(kOraLiteralMismatch, 1861, "literal does not match format string")                           \
    X(kOraUserExists, 1920, "user name '%s' conflicts with another user or role name")             \
    X(kOraUnimplemented, 3001, "unimplemented feature")                                            \
    X(kOraOutOfMemory, 4030, "out of process memory")                                              \
    X(kOraObjectNotFound, 4043, "object %s does not exist")                                        \
    X(kOraServiceNotResolved, 12154, "TNS:could not resolve service name")                         \
    X(kOraValueTooLarge, 12899, "value too large for column %s")                                   \
    X(kOraOuterJoinWithAnsi, 25156, "old style outer join (+) cannot be used with ANSI joins")     \
    X(kOraPartialMultibyte, 29275, "partial multibyte character")                                  \
    X(kOraOuterJoinNotAllowed, 30563, "outer join operator (+) is not allowed here")

enum OraCode : int {
#define OCILITE_ORA_CODE(name, number, text) name = number,
    OCILITE_ORA_ERRORS(OCILITE_ORA_CODE)
#undef OCILITE_ORA_CODE
};

// The message text of an error number, without the "ORA-nnnnn: " prefix; Oracle's
// "Message nnnn not found" for numbers outside the table.
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
