// Oracle's compile messages, written once: each has a name, the number USER_ERRORS keeps
// in MESSAGE_NUMBER and Oracle's exact text with %s where a parameter goes. A Diagnostic
// is one USER_ERRORS row before the engine stores it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

#define OCILITE_PLSQL_MESSAGES(X)                                                                  \
    X(StatementIgnored, 0, "PL/SQL: Statement ignored")                                            \
    X(ItemIgnored, 0, "PL/SQL: Item ignored")                                                      \
    X(SqlStatementIgnored, 0, "PL/SQL: SQL Statement ignored")                                     \
    X(AnalysisTerminated, 0, "PL/SQL: Compilation unit analysis terminated")                       \
    X(Encountered, 103,                                                                            \
      "PLS-00103: Encountered the symbol \"%s\" when expecting one of the "                        \
      "following:\n\n%s")                                                                          \
    X(EncounteredPlain, 103, "PLS-00103: Encountered the symbol \"%s\" %s")                        \
    X(BadBind, 49, "PLS-00049: bad bind variable '%s'")                                            \
    X(NestingTooDeep, 102, "PLS-00102: parser stack overflow because nesting is too deep")         \
    X(ProgramTooLarge, 123, "PLS-00123: program too large (%s)")                                   \
    X(StaticBoolean, 174, "PLS-00174: a static boolean expression must be used")                   \
    X(CcError, 179, "PLS-00179: $ERROR: %s")                                                       \
    X(MustBeDeclared, 201, "PLS-00201: identifier '%s' must be declared")                          \
    X(TypeOfNonItem, 206,                                                                          \
      "PLS-00206: %%TYPE must be applied to a variable, column, field or "                         \
      "attribute, not to \"%s\"")                                                                  \
    X(BadCursorAttr, 208, "PLS-00208: identifier '%s' is not a legal cursor attribute")            \
    X(NotProcedure, 221, "PLS-00221: '%s' is not a procedure or is undefined")                     \
    X(StringLength, 215, "PLS-00215: String length constraints must be in range (1 .. 32767)")     \
    X(NotNullNoValue, 218,                                                                         \
      "PLS-00218: a variable declared NOT NULL must have an initialization assignment")            \
    X(ComponentMissing, 302, "PLS-00302: component '%s' must be declared")                         \
    X(NoSpec, 304, "PLS-00304: cannot compile body of '%s' without its specification")             \
    X(WrongArgs, 306, "PLS-00306: wrong number or types of arguments in call to '%s'")             \
    X(NotInScope, 313, "PLS-00313: '%s' not declared in this scope")                               \
    X(Incomplete, 320,                                                                             \
      "PLS-00320: the declaration of the type of this expression is "                              \
      "incomplete or malformed")                                                                   \
    X(ConstantNoValue, 322,                                                                        \
      "PLS-00322: declaration of a constant '%s' must contain an initialization assignment")       \
    X(NotDefinedInBody, 323,                                                                       \
      "PLS-00323: subprogram or cursor '%s' is declared in a package "                             \
      "specification and must be defined in the package body")                                     \
    X(ForwardNoBody, 328,                                                                          \
      "PLS-00328: A subprogram body must be defined for the forward "                              \
      "declaration of %s.")                                                                        \
    X(TypeMethodNoBody, 538,                                                                       \
      "PLS-00538: subprogram or cursor '%s' is declared in an object type specification and "      \
      "must be defined in the object type body")                                                   \
    X(TypeMethodNotInSpec, 539,                                                                    \
      "PLS-00539: subprogram '%s' is declared in an object type body and must be defined in the "  \
      "object type specification")                                                                 \
    X(NotAssignable, 363, "PLS-00363: expression '%s' cannot be used as an assignment target")     \
    X(LoopIndexUse, 364, "PLS-00364: loop index variable '%s' use is invalid")                     \
    X(OneDeclaration, 371, "PLS-00371: at most one declaration for '%s' is permitted")             \
    X(WrongType, 382, "PLS-00382: expression is of wrong type")                                    \
    X(FetchMismatch, 386,                                                                          \
      "PLS-00386: type mismatch found at '%s' between FETCH cursor and "                           \
      "INTO variables")                                                                            \
    X(AliasRequired, 402,                                                                          \
      "PLS-00402: alias required in SELECT list of cursor to avoid "                               \
      "duplicate column names")                                                                    \
    X(IntoExpected, 428, "PLS-00428: an INTO clause is expected in this SELECT statement")         \
    X(ObjectInvalid, 905, "PLS-00905: object %s is invalid")                                       \
    X(TableMissing, 942, "PL/SQL: ORA-00942: table or view does not exist")                        \
    X(InvalidIdent, 904, "PL/SQL: ORA-00904: %s: invalid identifier")                              \
    X(TooManyValues, 913, "PL/SQL: ORA-00913: too many values")                                    \
    X(NotEnoughValues, 947, "PL/SQL: ORA-00947: not enough values")                                \
    X(SequenceMissing, 2289, "PL/SQL: ORA-02289: sequence does not exist")                         \
    X(MissingInto, 925, "PL/SQL: ORA-00925: missing INTO keyword")                                 \
    X(NotProperlyEnded, 933, "PL/SQL: ORA-00933: SQL command not properly ended")                  \
    X(ShadowsBuiltin, 5004,                                                                        \
      "PLW-05004: identifier %s is also declared in STANDARD or is a SQL builtin")                 \
    X(Unreachable, 6002, "PLW-06002: Unreachable code")

enum class Msg {
#define OCILITE_MSG_ENUM(name, number, text) name,
    OCILITE_PLSQL_MESSAGES(OCILITE_MSG_ENUM)
#undef OCILITE_MSG_ENUM
};

// One row of USER_ERRORS before it is stored.
struct Diagnostic {
    int line = 0;
    int position = 0;
    int number = 0;       // MESSAGE_NUMBER
    bool warning = false; // ATTRIBUTE 'WARNING' instead of 'ERROR'
    std::string text;
};

// The message's number and its text with the parameters put in for each %s in order.
int messageNumber(Msg m);
std::string messageText(Msg m, const std::vector<std::string_view> &params = {});

// Collects a unit's rows in the order the compiler reports them.
class Diagnostics {
public:
    void add(Msg m, int line, int position, const std::vector<std::string_view> &params = {});
    void addText(int line, int position, int number, std::string text);
    // The last row is a warning (ATTRIBUTE 'WARNING'), not an error.
    void markLastAsWarning() {
        if (!m_rows.empty())
            m_rows.back().warning = true;
    }
    const std::vector<Diagnostic> &rows() const { return m_rows; }
    std::vector<Diagnostic> take() { return std::move(m_rows); }
    bool empty() const { return m_rows.empty(); }
    size_t size() const { return m_rows.size(); }

private:
    std::vector<Diagnostic> m_rows;
};

} // namespace ocilite::plsql
