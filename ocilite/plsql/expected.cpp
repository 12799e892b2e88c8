#include "ocilite/plsql/expected.h"

#include "ocilite/plsql/lexer.h"

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
    {Expect::Semicolon, ";"},
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
// 63 characters after its three-space indent (widest line seen in Oracle's listings: 61;
// narrowest wrap: 64).
constexpr size_t kLineWidth = 63;

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

bool semicolonFits(Expect e) {
    return e == Expect::AfterName || e == Expect::AfterValue || e == Expect::VariableType ||
           e == Expect::VariableTypeName || e == Expect::AfterEnd || e == Expect::Semicolon;
}

} // namespace ocilite::plsql
