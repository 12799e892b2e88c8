#include "ocilite/plsql/expected.h"

#include "ocilite/plsql/lexer.h"

#include <algorithm>
#include <vector>

namespace ocilite::plsql {
namespace {

// Oracle's lists, symbol by symbol. Sources (real listings, forum posts and bug reports):
//  AfterName       Oracle 12c/19c listing quoted in the project's demo schema, and the
//                  3scale/porta PR 1447 trigger listing (same tail)
//  AfterValue      3scale/porta PR 1447 (encountered "IF" after a value)
//  StatementStart  dbeaver/dbeaver issue 996 (end-of-file after statements), 19c adds the
//                  json_* words (flyway/flyway issue 2405)
//  FirstStatement  flyway/flyway issue 2405 (a statement required after THEN)
//  AfterNameStatement  ELSEIF read as a name: ":= . ( @ % ;" (kouhan.cn article on PLS-00103)
//  Declaration     sakai-reference PR 260 (end-of-file in a declare section)
//  AfterSubprogram dbeaver/dbeaver issue 2590 (end-of-file after a nested function body)
//  EndIf           "END;" closing an IF: "if" (kouhan.cn article)
//  AfterEnd        t8y2/dbx issue 2405 (end-of-file after END)
//  SubprogramHeading  howtosop "Missing IS" listing (19c)
//  VariableType    ":= ; not null default character" (declaration missing its ';')
//  AfterConcatCall a SQL Developer listing: an assignment ending in "|| SUBSTR(...)" with
//                  its ';' missing before the next call (no "@" after a call's ")", no
//                  "multiset" inside a || chain)
//  AfterCallStatement  SQL*Plus spools: a call statement without ';' before END, and with
//                  ':' typed for ';' (the name-statement list without "@")
//  ThenAfterName   a comma in an IF condition (SQL Developer) and UPDATING followed by "on
//                  emp" in a trigger (SQL*Plus): the after-name list with "then" for ";"
//  Handler         EXCEPTION followed by END (SQL*Plus spool)
//  Return          FUNCTION headings without RETURN before ";" and before IS (SQL*Plus)
//  IndexBy         INDEX PLS_INTEGER without BY (SQL Developer)
//  Argument        "*" as a call's argument (SQL Developer; published up to "date", the
//                  rest as in Expression)
//  AfterArgument   a quote ending a literal argument early, the word after it met
//                  (SQL*Plus spool)
//  Operand         "|| ||" (SQL Developer; published up to "sum", the rest as in Expression)
//  InnerStatement  EXCEPTION inside a LOOP (SQL Developer, 11g: without the json_* words)
//  CallSpec        a function body in a package specification (SQL*Plus spool)
//  ReturnType      RETURN VARCHAR2(10) in a standalone function (SQL*Plus spool)
//  OpenParen       MAX declared as a variable, then read in "MAX + i" and "f(MAX)" (SQL
//                  Developer), SUM before ';' (a published SQL Developer listing)
//  Lists are sets printed in one fixed order of Oracle's symbols (";" and "then" take the
//  same place in every list that has them), so a list seen in one situation gives the
//  order of its symbols in every other.
struct ExpectList {
    Expect situation;
    const char *symbols;
};

constexpr ExpectList kLists[] = {
    {Expect::AfterName,
     ". ( * @ % & = - + ; < / > at in is mod remainder not rem <an exponent (**)> "
     "<> or != or ~= >= <= <> and or like like2 like4 likec between || multiset "
     "member submultiset"},
    {Expect::AfterValue,
     "* & = - + ; < / > at in is mod remainder not rem <an exponent (**)> <> or != "
     "or ~= >= <= <> and or like like2 like4 likec between || multiset member "
     "submultiset"},
    {Expect::AfterConcatCall,
     ". ( * % & = - + ; < / > at in is mod remainder not rem <an exponent (**)> "
     "<> or != or ~= >= <= <> and or like like2 like4 likec between || member "
     "submultiset"},
    {Expect::AfterCall, ". ( * % & = - + ; < / > at in is mod remainder not rem <an exponent (**)> "
                        "<> or != or ~= >= <= <> and or like like2 like4 likec between || multiset "
                        "member submultiset"},
    {Expect::AfterCallStatement, ":= . ( % ;"},
    {Expect::ThenAfterName,
     ". ( * @ % & = - + < / > at in is mod remainder not rem then "
     "<an exponent (**)> <> or != or ~= >= <= <> and or like like2 like4 likec "
     "between || multiset member submultiset"},
    {Expect::Handler, "pragma when"},
    {Expect::Return, "return"},
    {Expect::IndexBy, "by"},
    {Expect::AfterUnit, ""},
    {Expect::StatementStart,
     "( begin case declare end exception exit for goto if loop mod null pragma "
     "raise return select update while with <an identifier> "
     "<a double-quoted delimited-identifier> <a bind variable> << continue close "
     "current delete fetch lock insert open rollback savepoint set sql execute "
     "commit forall merge pipe purge json_exists json_value json_query "
     "json_object json_array"},
    {Expect::FirstStatement,
     "( begin case declare exit for goto if loop mod null pragma raise return "
     "select update while with <an identifier> "
     "<a double-quoted delimited-identifier> <a bind variable> << continue close "
     "current delete fetch lock insert open rollback savepoint set sql execute "
     "commit forall merge pipe purge json_exists json_value json_query "
     "json_object json_array"},
    {Expect::AfterNameStatement, ":= . ( @ % ;"},
    {Expect::Declaration,
     "begin function pragma procedure subtype type <an identifier> "
     "<a double-quoted delimited-identifier> current cursor delete exists prior"},
    {Expect::AfterSubprogram, "begin function pragma procedure"},
    {Expect::AfterSubprogramPkg, "begin end function pragma procedure"},
    {Expect::PackageItem,
     "end function pragma procedure subtype type <an identifier> "
     "<a double-quoted delimited-identifier> current cursor delete exists prior"},
    {Expect::EndIf, "if"},
    {Expect::EndLoop, "loop"},
    {Expect::EndCase, "case"},
    {Expect::AfterEnd, "; <an identifier> <a double-quoted delimited-identifier>"},
    {Expect::SubprogramHeading,
     "( ; is with default authid as cluster compress order using compiled wrapped "
     "external deterministic parallel_enable pipelined result_cache accessible "
     "rewrite"},
    {Expect::SpecHeading,
     "( ; is with default authid as cluster compress order using compiled wrapped "
     "external deterministic parallel_enable pipelined result_cache accessible "
     "rewrite"},
    {Expect::VariableType, ":= ; not null default character"},
    {Expect::VariableTypeName, ":= . ( @ % ; not null range default character"},
    {Expect::Then, "* & - + / at mod remainder rem then <an exponent (**)> and or || multiset"},
    {Expect::Loop, "* & - + / at loop mod remainder rem <an exponent (**)> and or || multiset"},
    {Expect::Identifier, "<an identifier> <a double-quoted delimited-identifier>"},
    {Expect::Expression,
     "( - + case mod new not null <an identifier> "
     "<a double-quoted delimited-identifier> <a bind variable> continue avg count "
     "current exists max min prior sql stddev sum variance execute forall merge "
     "time timestamp interval date <a string literal with character set "
     "specification> <a number> <a single-quoted SQL string> pipe "
     "<an alternatively-quoted string literal with character set specification> "
     "<an alternatively-quoted SQL string>"},
    {Expect::Argument,
     "( ) - + case mod new not null <an identifier> "
     "<a double-quoted delimited-identifier> <a bind variable> table continue avg "
     "count current exists max min prior sql stddev sum variance execute multiset "
     "the both leading trailing forall merge year month day hour minute second "
     "timezone_hour timezone_minute timezone_region timezone_abbr time timestamp "
     "interval date <a string literal with character set specification> <a number> "
     "<a single-quoted SQL string> pipe "
     "<an alternatively-quoted string literal with character set specification> "
     "<an alternatively-quoted SQL string>"},
    {Expect::Operand,
     "( - + case mod new null <an identifier> <a double-quoted delimited-identifier> "
     "<a bind variable> continue avg count current max min prior sql stddev sum "
     "variance execute forall merge time timestamp interval date "
     "<a string literal with character set specification> <a number> "
     "<a single-quoted SQL string> pipe "
     "<an alternatively-quoted string literal with character set specification> "
     "<an alternatively-quoted SQL string>"},
    {Expect::InnerStatement,
     "( begin case declare end exit for goto if loop mod null pragma raise return "
     "select update while with <an identifier> <a double-quoted delimited-identifier> "
     "<a bind variable> << continue close current delete fetch lock insert open "
     "rollback savepoint set sql execute commit forall merge pipe purge json_exists "
     "json_value json_query json_object json_array"},
    {Expect::CallSpec, "language"},
    {Expect::ReturnType,
     ". @ % ; is authid as cluster order using external character deterministic "
     "parallel_enable pipelined aggregate result_cache"},
    {Expect::AfterArgument,
     ") , * & = - + < / > at in is mod remainder not rem => <an exponent (**)> <> or != "
     "or ~= >= <= <> and or like like2 like4 likec as between from using || multiset "
     "member submultiset"},
    {Expect::Semicolon, ";"},
    {Expect::OpenParen, "("},
    {Expect::Into, "into from"},
    {Expect::Generic, ";"},
};

const char *listFor(Expect e) {
    for (const ExpectList &l : kLists)
        if (l.situation == e)
            return l.symbols;
    return ";";
}

// Symbols are separated by one space; "<a ...>" phrases stay whole. A line holds at most
// 61 characters after its three-space indent (widest line seen in Oracle's listings: 61;
// narrowest wrap: 62, "... prior sql stddev" before "sum").
constexpr size_t kLineWidth = 61;

std::vector<std::string> splitSymbols(std::string_view list) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && list[i] == ' ')
            ++i;
        if (i >= list.size())
            break;
        size_t end = list[i] == '<' && i + 1 < list.size() && list[i + 1] != '>' &&
                             list[i + 1] != ' ' && list[i + 1] != '<' && list[i + 1] != '='
                         ? list.find('>', i) + 1
                         : list.find(' ', i);
        if (end == std::string_view::npos || end == 0)
            end = list.size();
        out.emplace_back(list.substr(i, end - i));
        i = end;
    }
    return out;
}

} // namespace

std::string expectedBlock(Expect e) {
    std::string out;
    std::string line;
    for (const std::string &sym : splitSymbols(listFor(e))) {
        if (!line.empty() && line.size() + 1 + sym.size() > kLineWidth) {
            out += "   " + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + sym;
    }
    if (!line.empty())
        out += "   " + line;
    return out;
}

std::string symbolName(std::string_view source, const Token &t) {
    switch (t.kind) {
    case Tok::Eof:
        return "end-of-file";
    case Tok::Word:
        return identName(source, t);
    case Tok::QuotedIdent:
        return std::string(source.substr(t.innerOffset, t.innerLength));
    case Tok::String:
        return std::string(source.substr(t.innerOffset, t.innerLength));
    case Tok::BindVar:
        return identName(source, t);
    default:
        return std::string(tokenText(source, t));
    }
}

Expect afterExpression(const Token &last) {
    return last.kind == Tok::Word || last.kind == Tok::QuotedIdent ? Expect::AfterName
                                                                   : Expect::AfterValue;
}

namespace {

bool isName(const Token &t) {
    return t.kind == Tok::Word || t.kind == Tok::QuotedIdent;
}

bool isOpText(std::string_view source, const Token &t, std::string_view op) {
    return t.kind == Tok::Op && tokenText(source, t) == op;
}

// Index of the '(' matching the ')' at `close`, or `close` when there is none.
size_t openingParen(std::string_view source, const std::vector<Token> &tokens, size_t close) {
    int depth = 0;
    for (size_t i = close + 1; i-- > 0;) {
        if (isOpText(source, tokens[i], ")"))
            ++depth;
        else if (isOpText(source, tokens[i], "(") && --depth == 0)
            return i;
    }
    return close;
}

// True when the token before a name chain ends a statement or opens a statement list.
bool statementBoundary(std::string_view source, const Token &t) {
    if (isOpText(source, t, ";") || isOpText(source, t, ">>"))
        return true;
    if (t.kind != Tok::Word)
        return false;
    const std::string word = identName(source, t);
    return word == "BEGIN" || word == "THEN" || word == "ELSE" || word == "LOOP";
}

} // namespace

Expect afterCall(std::string_view source, const std::vector<Token> &tokens, size_t last) {
    if (last >= tokens.size() || !isOpText(source, tokens[last], ")"))
        return Expect::AfterValue;
    const size_t open = openingParen(source, tokens, last);
    if (open == last || open == 0 || !isName(tokens[open - 1]))
        return Expect::AfterValue;
    size_t start = open - 1; // back over name.name.name
    while (start >= 2 && isOpText(source, tokens[start - 1], ".") && isName(tokens[start - 2]))
        start -= 2;
    if (start == 0 || statementBoundary(source, tokens[start - 1]))
        return Expect::AfterCallStatement;
    return isOpText(source, tokens[start - 1], "||") ? Expect::AfterConcatCall : Expect::AfterCall;
}

std::vector<std::string> repairCandidates(Expect e) {
    std::vector<std::string> out;
    for (std::string &sym : splitSymbols(listFor(e)))
        if ((sym.size() < 2 || sym.front() != '<' || sym.back() != '>' || sym == "<>") &&
            std::find(out.begin(), out.end(), sym) == out.end())
            out.push_back(std::move(sym));
    return out;
}

} // namespace ocilite::plsql
