// What Oracle's parser lists after "when expecting one of the following:" (PLS-00103), per
// parser situation, and the way it names the symbol it met. The lists are Oracle's own,
// taken from real listings (sources beside each list in expected.cpp); the layout (three
// spaces, lines wrapped as Oracle wraps them) is made here.
#pragma once

#include "ocilite/plsql/token.h"

#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

enum class Expect {
    AfterName,          // an expression ending in a name, where ';' could end it
    AfterValue,         // an expression ending in a literal or ')', where ';' could end it
    AfterCall,          // an expression ending in a call name(...)
    AfterConcatCall,    // an expression ending in a call that is an operand of ||
    AfterCallStatement, // a call statement name(...) without its ';'
    StatementStart,     // a statement may start (END and EXCEPTION may follow)
    FirstStatement,     // a statement must start (after BEGIN, THEN, LOOP, ELSE ...)
    AfterNameStatement, // a statement that began with a name: := . ( @ % ;
    Declaration,        // in a declare section: an item, a subprogram or BEGIN
    AfterSubprogram,    // in a declare section after a subprogram body
    AfterSubprogramPkg, // in a package body after a subprogram body
    PackageItem,        // in a package specification: an item or END
    EndIf,              // END seen where END IF belongs
    EndLoop,            // END seen where END LOOP belongs
    EndCase,            // END seen where END CASE belongs
    AfterEnd,           // after END of a unit: ; or the unit's name
    SubprogramHeading,  // after a subprogram heading in a body: IS/AS or clauses
    SpecHeading,        // after a subprogram heading in a specification
    VariableType,       // after a variable's type whose constraint is given
    VariableTypeName,   // after a variable's type given by a name
    Then,               // after an IF / ELSIF condition ending in a comparison
    ThenAfterName,      // after an IF / ELSIF condition that is a name so far
    Handler,            // after EXCEPTION: a handler (WHEN) or a pragma
    Return,             // a function heading without its RETURN clause
    IndexBy,            // INDEX without BY in a collection type
    AfterUnit,          // text after the unit's last END; Oracle names the symbol only
    Loop,               // after a WHILE / FOR loop header
    Identifier,         // an identifier is required
    Expression,         // an expression is required
    Argument,           // an argument list's first argument is required
    AfterArgument,      // after an argument: ')' ',' an operator, AS / FROM / USING ...
    Operand,            // an operand after an operator (NOT and EXISTS cannot start one)
    InnerStatement,     // END of IF / LOOP / CASE expected, or another statement
    CallSpec,           // IS in a package specification's subprogram: LANGUAGE must follow
    ReturnType,         // a function's RETURN type name: no length or precision may follow
    Semicolon,          // only ';' fits
    OpenParen,          // MAX, SUM, MOD ... as an operand: only their '(' fits
    Into,               // SELECT list without INTO: INTO / FROM expected
    Generic,            // anything else: the symbols the parser was trying
};

// The expected-symbol block of a PLS-00103 text: lines of "   sym sym ..." joined by '\n'.
std::string expectedBlock(Expect e);
// "INSERT", "end-of-file", ";", "1" ...: the encountered symbol as Oracle writes it.
std::string symbolName(std::string_view source, const Token &t);
// The list Oracle gives when ';' is missing after an expression ending in `last`.
Expect afterExpression(const Token &last);
// AfterValue made exact where the expression ends in a call: tokens[last] is its ')'.
Expect afterCall(std::string_view source, const std::vector<Token> &tokens, size_t last);
// The symbols of a list that are words or operators (not "<an identifier>" and the like), in
// Oracle's order: what its error repair tries, first to last.
std::vector<std::string> repairCandidates(Expect e);

} // namespace ocilite::plsql
