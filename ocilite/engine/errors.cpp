#include "ocilite/engine/errors.h"

#include <cstdio>
#include <iterator>

namespace ocilite {
namespace {

struct Entry {
    int code;
    const char *text;
};

// Oracle's wordings; "%s" marks where the detail of an occurrence goes.
constexpr Entry kMessages[] = {
    {0, "normal, successful completion"},
    {kOraUniqueViolated, "unique constraint (%s) violated"},
    {kOraInternal, "internal error code, arguments: [%s]"},
    {kOraInvalidSql, "invalid SQL statement"},
    {kOraInvalidCreate, "invalid CREATE command"},
    {kOraInvalidDatatype, "invalid datatype"},
    {kOraInvalidTableName, "invalid table name"},
    {kOraInvalidIdentifier, "%s: invalid identifier"},
    {kOraInvalidCharacter, "invalid character"},
    {kOraColumnAmbiguous, "column ambiguously defined"},
    {kOraUnexpectedEnd, "unexpected end of SQL command"},
    {kOraFromNotFound, "FROM keyword not found where expected"},
    {kOraNotProperlyEnded, "SQL command not properly ended"},
    {kOraMissingExpression, "missing expression"},
    {kOraTableNotFound, "table or view does not exist"},
    {kOraNameInUse, "name is already used by an existing object"},
    {kOraDuplicateColumn, "duplicate column name"},
    {kOraAmbiguousSelectName, "ambiguous column naming in select list"},
    {kOraIdentifierTooLong, "identifier is too long"},
    {kOraInvalidCursor, "invalid cursor"},
    {kOraFetchOutOfSequence, "fetch out of sequence"},
    {kOraNoStatementParsed, "no statement parsed"},
    {kOraBindVariableMissing, "bind variable does not exist"},
    {kOraNotInSelectList, "variable not in select list"},
    {kOraNotAllBound, "not all variables bound"},
    {kOraMissingParameter, "missing mandatory parameter"},
    {kOraInvalidOperation, "invalid OCI operation"},
    {kOraNullPassword, "null password given; logon denied"},
    {kOraNotLoggedOn, "not logged on"},
    {54, "resource busy and acquire with NOWAIT specified"},
    {906, "missing left parenthesis"},
    {907, "missing right parenthesis"},
    {909, "invalid number of arguments"},
    {913, "too many values"},
    {920, "invalid relational operator"},
    {925, "missing INTO keyword"},
    {947, "not enough values"},
    {932, "inconsistent datatypes"},
    {938, "not enough arguments for function"},
    {950, "invalid DROP option"},
    {1031, "insufficient privileges"},
    {1034, "ORACLE not available"},
    {1425, "escape character must be character string of length 1"},
    {kOraLogonDenied, "invalid username/password; logon denied"},
    {kOraIllegalVariable, "illegal variable name/number"},
    {kOraInsertNull, "cannot insert NULL into (%s)"},
    {kOraNoDataFound, "no data found"},
    {kOraNullFetched, "fetched column value is NULL"},
    {kOraTruncated, "fetched column value was truncated"},
    {kOraOuterJoinCycle, "two tables cannot be outer-joined to each other"},
    {kOraOuterJoinTwoTables, "a table may be outer joined to at most one other table"},
    {kOraPrecisionExceeded, "value larger than specified precision allowed for this column"},
    {kOraUnsupportedConversion, "unimplemented or unreasonable conversion requested"},
    {kOraOuterJoinPredicate, "a predicate may reference only one outer-joined table"},
    {kOraDivisorZero, "divisor is equal to zero"},
    {kOraOuterJoinOr, "outer join operator (+) not allowed in operand of OR or IN"},
    {kOraInvalidNumber, "invalid number"},
    {kOraStringTooLong, "string literal too long"},
    {kOraMissingDoubleQuote, "missing double quote in identifier"},
    {kOraZeroLengthIdentifier, "illegal zero-length identifier"},
    {kOraUnterminatedString, "quoted string not properly terminated"},
    {kOraDateFormatNotRecognized, "date format not recognized"},
    {kOraDateFormatEnds, "date format picture ends before converting entire input string"},
    {kOraDateNotLongEnough, "input value not long enough for date format"},
    {kOraYearRange, "(full) year must be between -4713 and +9999, and not be 0"},
    {kOraInvalidMonth, "not a valid month"},
    {kOraInvalidDay, "day of month must be between 1 and last day of month"},
    {kOraInvalidHour, "hour must be between 0 and 23"},
    {kOraInvalidMinute, "minutes must be between 0 and 59"},
    {kOraInvalidSecond, "seconds must be between 0 and 59"},
    {kOraNonNumeric, "a non-numeric character was found where a numeric was expected"},
    {kOraLiteralMismatch, "literal does not match format string"},
    {kOraUserExists, "user name '%s' conflicts with another user or role name"},
    {kOraUnimplemented, "unimplemented feature"},
    {kOraObjectNotFound, "object %s does not exist"},
    {kOraServiceNotResolved, "TNS:could not resolve service name"},
    {kOraValueTooLarge, "value too large for column %s"},
    {kOraOuterJoinWithAnsi, "old style outer join (+) cannot be used with ANSI joins"},
    {kOraPartialMultibyte, "partial multibyte character"},
    {kOraOuterJoinNotAllowed, "outer join operator (+) is not allowed here"},
};

const char *lookup(int code) {
    for (const Entry &e : kMessages)
        if (e.code == code)
            return e.text;
    return nullptr;
}

std::string fill(const std::string &pattern, const std::string &detail) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos)
        return detail.empty() ? pattern : pattern + ": " + detail;
    std::string out = pattern;
    out.replace(at, 2, detail);
    return out;
}

std::string withoutPlaceholder(const std::string &pattern) {
    std::string out = fill(pattern, "");
    // "%s: invalid identifier" without a name reads "invalid identifier".
    if (out.rfind(": ", 0) == 0)
        out.erase(0, 2);
    for (const char *gap : {" ()", " ''", "  "}) {
        const auto at = out.find(gap);
        if (at != std::string::npos)
            out.erase(at, std::char_traits<char>::length(gap) - (gap[1] == ' ' ? 1 : 0));
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

std::string oraMessage(int code) {
    const char *text = lookup(code);
    if (!text)
        return "Message " + std::to_string(code) + " not found";
    return withoutPlaceholder(text);
}

std::string oraText(int code, const std::string &detail) {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", code < 0 ? -code : code);
    const char *text = lookup(code);
    if (!text)
        return prefix + oraMessage(code) + (detail.empty() ? "" : ": " + detail);
    return prefix + (detail.empty() ? withoutPlaceholder(text) : fill(text, detail));
}

} // namespace ocilite
