// Oracle error numbers and their message texts, kept in one list that generates both the
// names the engine raises (kOra...) and the message table, and the exception that carries an
// Oracle error inside the engine (it never leaves the library's entry points).
#pragma once

#include <initializer_list>
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
    X(kOraMissingKeyword, 905, "missing keyword")                                                  \
    X(kOraMissingLeftParen, 906, "missing left parenthesis")                                       \
    X(kOraMissingRightParen, 907, "missing right parenthesis")                                     \
    X(kOraArgumentCount, 909, "invalid number of arguments")                                       \
    X(kOraMaxLengthExceeded, 910, "specified length too long for its datatype")                    \
    X(kOraInvalidCharacter, 911, "invalid character")                                              \
    X(kOraTooManyValues, 913, "too many values")                                                   \
    X(kOraMissingComma, 917, "missing comma")                                                      \
    X(kOraColumnAmbiguous, 918, "column ambiguously defined")                                      \
    X(kOraInvalidRelationalOperator, 920, "invalid relational operator")                           \
    X(kOraUnexpectedEnd, 921, "unexpected end of SQL command")                                     \
    X(kOraInvalidOption, 922, "missing or invalid option")                                         \
    X(kOraFromNotFound, 923, "FROM keyword not found where expected")                              \
    X(kOraMissingInto, 925, "missing INTO keyword")                                                \
    X(kOraMissingValuesKeyword, 926, "missing VALUES keyword")                                     \
    X(kOraMissingEquals, 927, "missing equal sign")                                                \
    X(kOraMissingSelectKeyword, 928, "missing SELECT keyword")                                     \
    X(kOraInconsistentDatatypes, 932, "inconsistent datatypes")                                    \
    X(kOraNotProperlyEnded, 933, "SQL command not properly ended")                                 \
    X(kOraMissingExpression, 936, "missing expression")                                            \
    X(kOraNotEnoughArguments, 938, "not enough arguments for function")                            \
    X(kOraTooManyArguments, 939, "too many arguments for function")                                \
    X(kOraInvalidAlter, 940, "invalid ALTER command")                                              \
    X(kOraTableNotFound, 942, "table or view does not exist")                                      \
    X(kOraNotEnoughValues, 947, "not enough values")                                               \
    X(kOraInvalidDropOption, 950, "invalid DROP option")                                           \
    X(kOraNameInUse, 955, "name is already used by an existing object")                            \
    X(kOraDuplicateColumn, 957, "duplicate column name")                                           \
    X(kOraAmbiguousSelectName, 960, "ambiguous column naming in select list")                      \
    X(kOraMissingOnKeyword, 969, "missing ON keyword")                                             \
    X(kOraIdentifierTooLong, 972, "identifier is too long")                                        \
    X(kOraNotGroupByExpression, 979, "not a GROUP BY expression")                                  \
    X(kOraColumnNotAllowed, 984, "column not allowed here")                                        \
    X(kOraMissingOrInvalidPrivilege, 990, "missing or invalid privilege")                          \
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
    X(kOraUserCancel, 1013, "user requested cancel of current operation")                          \
    X(kOraLogonDenied, 1017, "invalid username/password; logon denied")                            \
    X(kOraInsufficientPrivileges, 1031, "insufficient privileges")                                 \
    X(kOraNotAvailable, 1034, "ORACLE not available")                                              \
    X(kOraIllegalVariable, 1036, "illegal variable name/number")                                   \
    X(kOraSavepointNotEstablished, 1086,                                                           \
      "savepoint '%s' never established in this session or is invalid")                            \
    X(kOraNeedsRecovery, 1113, "file %s needs media recovery")                                     \
    X(kOraWriteError, 1114, "IO error writing block to file %s (block # %s)")                      \
    X(kOraReadError, 1115, "IO error reading block from file %s (block # %s)")                     \
    X(kOraInsertNull, 1400, "cannot insert NULL into (%s)")                                        \
    X(kOraCheckOptionViolation, 1402, "view WITH CHECK OPTION where-clause violation")             \
    X(kOraNoDataFound, 1403, "no data found")                                                      \
    X(kOraNullFetched, 1405, "fetched column value is NULL")                                       \
    X(kOraTruncated, 1406, "fetched column value was truncated")                                   \
    X(kOraCannotUpdateToNull, 1407, "cannot update (%s) to NULL")                                  \
    X(kOraColumnListIndexed, 1408, "such column list already indexed")                             \
    X(kOraInvalidRowid, 1410, "invalid ROWID")                                                     \
    X(kOraOuterJoinCycle, 1416, "two tables cannot be outer-joined to each other")                 \
    X(kOraOuterJoinTwoTables, 1417, "a table may be outer joined to at most one other table")      \
    X(kOraIndexNotFound, 1418, "specified index does not exist")                                   \
    X(kOraExactFetchTooMany, 1422, "exact fetch returns more than requested number of rows")       \
    X(kOraEscapeCharacter, 1425, "escape character must be character string of length 1")          \
    X(kOraNumericOverflow, 1426, "numeric overflow")                                               \
    X(kOraArgumentOutOfRange, 1428, "argument '%s' is out of range")                               \
    X(kOraColumnExists, 1430, "column being added already exists in table")                        \
    X(kOraPublicSynonymNotFound, 1432, "public synonym to be dropped does not exist")              \
    X(kOraPrivateSynonymNotFound, 1434, "private synonym to be dropped does not exist")            \
    X(kOraUserDoesNotExist, 1435, "user does not exist")                                           \
    X(kOraConnectByLoop, 1436, "CONNECT BY loop in user data")                                     \
    X(kOraPrecisionExceeded, 1438,                                                                 \
      "value larger than specified precision allowed for this column")                             \
    X(kOraModifyNotEmpty, 1439, "column to be modified must be empty to change datatype")          \
    X(kOraAlreadyNotNull, 1442, "column to be modified to NOT NULL is already NOT NULL")           \
    X(kOraColumnHasNulls, 1449, "column contains NULL values; cannot alter to NOT NULL")           \
    X(kOraCannotModifyToNull, 1451, "column to be modified to NULL cannot be modified to NULL")    \
    X(kOraDuplicateKeysFound, 1452, "cannot CREATE UNIQUE INDEX; duplicate keys found")            \
    X(kOraIntegerOverflow, 1455, "converting column overflows integer datatype")                   \
    X(kOraDecimalOverflow, 1457, "converting column overflows decimal datatype")                   \
    X(kOraInvalidVarLength, 1458, "invalid length inside variable character string")               \
    X(kOraUnsupportedConversion, 1460, "unimplemented or unreasonable conversion requested")       \
    X(kOraModifyWithConstraints, 1463, "cannot modify column datatype with current constraint(s)") \
    X(kOraInvalidHex, 1465, "invalid hex number")                                                  \
    X(kOraOuterJoinPredicate, 1468, "a predicate may reference only one outer-joined table")       \
    X(kOraSynonymSameName, 1471, "cannot create a synonym with same name as object")               \
    X(kOraDivisorZero, 1476, "divisor is equal to zero")                                           \
    X(kOraArraysNeedPlsql, 1484, "arrays can only be bound to PL/SQL statements")                  \
    X(kOraConcatenationTooLong, 1489, "result of string concatenation is too long")                \
    X(kOraBlockCorrupted, 1578, "ORACLE data block corrupted (file # %s, block # %s)")             \
    X(kOraStringTooLong, 1704, "string literal too long")                                          \
    X(kOraOuterJoinOr, 1719, "outer join operator (+) not allowed in operand of OR or IN")         \
    X(kOraInvalidNumber, 1722, "invalid number")                                                   \
    X(kOraZeroLengthColumn, 1723, "zero-length columns are not allowed")                           \
    X(kOraFloatPrecisionOutOfRange, 1724, "floating point precision is out of range (1 to 126)")   \
    X(kOraPrecisionOutOfRange, 1727, "numeric precision specifier is out of range (1 to 38)")      \
    X(kOraScaleOutOfRange, 1728, "numeric scale specifier is out of range (-84 to 127)")           \
    X(kOraColumnNamesCount, 1730, "invalid number of column names specified")                      \
    X(kOraCircularView, 1731, "circular view definition encountered")                              \
    X(kOraIllegalOnView, 1732, "data manipulation operation not legal on this view")               \
    X(kOraVirtualColumnNotAllowed, 1733, "virtual column not allowed here")                        \
    X(kOraMissingDoubleQuote, 1740, "missing double quote in identifier")                          \
    X(kOraZeroLengthIdentifier, 1741, "illegal zero-length identifier")                            \
    X(kOraBadBindName, 1745, "invalid host/bind variable name")                                    \
    X(kOraSimpleColumnNamesOnly, 1748, "only simple column names allowed here")                    \
    X(kOraGrantToYourself, 1749, "you may not GRANT/REVOKE privileges to/from yourself")           \
    X(kOraOneLongColumn, 1754, "a table may contain only one column of type LONG")                 \
    X(kOraUnterminatedString, 1756, "quoted string not properly terminated")                       \
    X(kOraMandatoryColumnNotEmpty, 1758, "table must be empty to add mandatory (NOT NULL) column") \
    X(kOraIllegalArgument, 1760, "illegal argument for function")                                  \
    X(kOraSynonymLoop, 1775, "looping chain of synonyms")                                          \
    X(kOraOrderByPosition, 1785, "ORDER BY item must be the number of a SELECT-list expression")   \
    X(kOraConnectByRequired, 1788, "CONNECT BY clause required in this query block")               \
    X(kOraTooManyColumns, 1792, "maximum number of columns in a table or view is 1000")            \
    X(kOraListTooLong, 1795, "maximum number of expressions in a list is 1000")                    \
    X(kOraDateFormatNotRecognized, 1821, "date format not recognized")                             \
    X(kOraDateFormatEnds, 1830, "date format picture ends before converting entire input string")  \
    X(kOraDateNotLongEnough, 1840, "input value not long enough for date format")                  \
    X(kOraYearRange, 1841, "(full) year must be between -4713 and +9999, and not be 0")            \
    X(kOraInvalidMonth, 1843, "not a valid month")                                                 \
    X(kOraNotDayOfWeek, 1846, "not a valid day of the week")                                       \
    X(kOraInvalidDay, 1847, "day of month must be between 1 and last day of month")                \
    X(kOraInvalidHour, 1850, "hour must be between 0 and 23")                                      \
    X(kOraInvalidMinute, 1851, "minutes must be between 0 and 59")                                 \
    X(kOraInvalidSecond, 1852, "seconds must be between 0 and 59")                                 \
    X(kOraNonNumeric, 1858, "a non-numeric character was found where a numeric was expected")      \
    X(kOraLiteralMismatch, 1861, "literal does not match format string")                           \
    X(kOraTooManyPrecision, 1898, "too many precision specifiers")                                 \
    X(kOraBadPrecision, 1899, "bad precision specifier")                                           \
    X(kOraUserOrRoleNotFound, 1917, "user or role '%s' does not exist")                            \
    X(kOraUserNotFound, 1918, "user '%s' does not exist")                                          \
    X(kOraRoleNotFound, 1919, "role '%s' does not exist")                                          \
    X(kOraUserExists, 1920, "user name '%s' conflicts with another user or role name")             \
    X(kOraCascadeToDropUser, 1922, "CASCADE must be specified to drop '%s'")                       \
    X(kOraRevokeNotGranted, 1927, "cannot REVOKE privileges you did not grant")                    \
    X(kOraUserConnected, 1940, "cannot drop a user that is currently connected")                   \
    X(kOraMissingKeywordNamed, 2000, "missing %s keyword")                                         \
    X(kOraUserenvParameter, 2003, "invalid USERENV parameter")                                     \
    X(kOraRemoteDatabaseNotFound, 2019, "connection description for remote database not found")    \
    X(kOraInvalidSessionOption, 2248, "invalid option for ALTER SESSION")                          \
    X(kOraOnePrimaryKey, 2260, "table can have only one primary key")                              \
    X(kOraKeyAlreadyExists, 2261, "such unique or primary key already exists in the table")        \
    X(kOraConstraintNameInUse, 2264, "name already used by an existing constraint")                \
    X(kOraReferencedByEnabledKeys, 2266,                                                           \
      "unique/primary keys in table referenced by enabled foreign keys")                           \
    X(kOraNoPrimaryKey, 2268, "referenced table does not have a primary key")                      \
    X(kOraNoMatchingKey, 2270, "no matching unique or primary key for this column-list")           \
    X(kOraKeyReferenced, 2273, "this unique/primary key is referenced by some foreign keys")       \
    X(kOraCannotAlterStart, 2283, "cannot alter starting sequence number")                         \
    X(kOraSequenceNotFound, 2289, "sequence does not exist")                                       \
    X(kOraCheckViolated, 2290, "check constraint (%s) violated")                                   \
    X(kOraParentKeyNotFound, 2291, "integrity constraint (%s) violated - parent key not found")    \
    X(kOraChildRecordFound, 2292, "integrity constraint (%s) violated - child record found")       \
    X(kOraCannotValidateCheck, 2293, "cannot validate (%s) - check constraint violated")           \
    X(kOraCannotEnableNulls, 2296, "cannot enable (%s) - null values found")                       \
    X(kOraCannotValidateParent, 2298, "cannot validate (%s) - parent keys not found")              \
    X(kOraCannotValidateDuplicates, 2299, "cannot validate (%s) - duplicate keys found")           \
    X(kOraTypeHasDependents, 2303, "cannot drop or replace a type with type or table dependents")  \
    X(kOraIndexExpressionType, 2327, "cannot create index on expression with datatype %s")         \
    X(kOraIndexEnforcesKey, 2429, "cannot drop index used for enforcement of unique/primary key")  \
    X(kOraCannotEnableConstraint, 2430, "cannot enable constraint (%s) - no such constraint")      \
    X(kOraCannotDisableConstraint, 2431, "cannot disable constraint (%s) - no such constraint")    \
    X(kOraCannotValidatePrimaryKey, 2437, "cannot validate (%s) - primary key violated")           \
    X(kOraNoPrimaryKeyToDrop, 2441, "Cannot drop nonexistent primary key")                         \
    X(kOraNoUniqueKeyToDrop, 2442, "Cannot drop nonexistent unique key")                           \
    X(kOraNoConstraintToDrop, 2443, "Cannot drop constraint  - nonexistent constraint")            \
    X(kOraReferencedByForeignKeys, 2449,                                                           \
      "unique/primary keys in table referenced by foreign keys")                                   \
    X(kOraUnimplemented, 3001, "unimplemented feature")                                            \
    X(kOraExpressionTooDeep, 3095, "expression level is too deep, maximum %s")                     \
    X(kOraWouldBlock, 3123, "operation would block")                                               \
    X(kOraBlockingMode, 3128, "connection is in blocking mode")                                    \
    X(kOraNeedPiece, 3129, "the next piece to be inserted is required")                            \
    X(kOraNeedBuffer, 3130, "the buffer for the next piece to be fetched is required")             \
    X(kOraSequenceIncrementZero, 4002, "INCREMENT must be a non-zero integer")                     \
    X(kOraMinValueNotBelowMax, 4004, "MINVALUE must be less than MAXVALUE")                        \
    X(kOraStartBelowMinValue, 4006, "START WITH cannot be less than MINVALUE")                     \
    X(kOraStartAboveMaxValue, 4008, "START WITH cannot be more than MAXVALUE")                     \
    X(kOraMaxBelowCurrent, 4009, "MAXVALUE cannot be made to be less than the current value")      \
    X(kOraCacheTooLarge, 4013, "number to CACHE must be less than one cycle")                      \
    X(kOraOutOfMemory, 4030, "out of process memory")                                              \
    X(kOraObjectNotFound, 4043, "object %s does not exist")                                        \
    X(kOraNotAView, 4045, "errors during recompilation/revalidation of %s")                        \
    X(kOraHasErrors, 4063, "%s has errors")                                                        \
    X(kOraTriggerNotFound, 4080, "trigger '%s' does not exist")                                    \
    X(kOraValueError, 6502, "PL/SQL: numeric or value error%s")                                    \
    X(kOraUnhandledUserException, 6510, "PL/SQL: unhandled user-defined exception")                \
    X(kOraAtLine, 6512, "at %s")                                                                   \
    X(kOraHostArrayTooSmall, 6513,                                                                 \
      "PL/SQL: index for PL/SQL table out of range for host language array")                       \
    X(kOraPlsqlCompileError, 6550, "line %s, column %s:\n%s")                                      \
    X(kOraCaseNotFound, 6592, "CASE not found while executing CASE statement")                     \
    X(kOraCurrvalNotDefined, 8002, "sequence %s.CURRVAL is not yet defined in this session")       \
    X(kOraNextvalExceedsMax, 8004, "sequence %s")                                                  \
    X(kOraServiceNotResolved, 12154, "TNS:could not resolve service name")                         \
    X(kOraRegexpParentheses, 12725, "unmatched parentheses in regular expression")                 \
    X(kOraRegexpBracket, 12726, "unmatched bracket in regular expression")                         \
    X(kOraRegexpTooLong, 12733, "regular expression too long")                                     \
    X(kOraValueTooLarge, 12899, "value too large for column %s")                                   \
    X(kOraCannotDropAllColumns, 12983, "cannot drop all columns in a table")                       \
    X(kOraTemporaryTableUnsupported, 14451, "unsupported feature with temporary table")            \
    X(kOraReadOnly, 16000, "database or pluggable database open for read-only access")             \
    X(kOraRaiseOutOfRange, 21000,                                                                  \
      "error number argument to raise_application_error of %s is out of range")                    \
    X(kOraDataOutOfRange, 25137, "Data value out of range")                                        \
    X(kOraOuterJoinWithAnsi, 25156, "old style outer join (+) cannot be used with ANSI joins")     \
    X(kOraPartialMultibyte, 29275, "partial multibyte character")                                  \
    X(kOraDatetimePrecisionOutOfRange, 30088, "datetime/interval precision is out of range")       \
    X(kOraOuterJoinNotAllowed, 30563, "outer join operator (+) is not allowed here")               \
    X(kOraMergeUnstableRows, 30926, "unable to get a stable set of rows in the source tables")     \
    X(kOraIdentityAlways, 32795, "cannot insert into a generated always identity column")          \
    X(kOraMergeOnColumnUpdated, 38104, "Columns referenced in the ON Clause cannot be updated")    \
    X(kOraReadOnlyView, 42399, "cannot perform a DML operation on a read-only view")               \
    X(kOraVirtualColumnInsert, 54013, "INSERT operation disallowed on virtual columns")

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
// The message with each "%s" filled in turn from `details`; what is left of them follows
// after ": ".
std::string oraText(int code, std::initializer_list<std::string> details);

// An Oracle error raised inside the engine; text() is the complete "ORA-nnnnn: ..." line.
class OraError : public std::runtime_error {
public:
    explicit OraError(int code, const std::string &detail = std::string())
        : std::runtime_error(oraText(code, detail)), m_code(code) {}
    OraError(int code, std::initializer_list<std::string> details)
        : std::runtime_error(oraText(code, details)), m_code(code) {}
    struct FullText {};
    // Carries a complete "ORA-nnnnn: ..." text as it stands.
    OraError(int code, const std::string &text, FullText)
        : std::runtime_error(text), m_code(code) {}
    int code() const { return m_code; }
    std::string text() const { return what(); }
    // Where in the statement the error lies (the area's parse error offset), -1 when unknown.
    int offset() const { return m_offset; }
    OraError &at(size_t offset) {
        m_offset = static_cast<int>(offset);
        return *this;
    }

private:
    int m_code;
    int m_offset = -1;
};

} // namespace ocilite
