#include "ocilite/plsql/syntax.h"

#include "ocilite/plsql/condcomp.h"
#include "ocilite/plsql/lexer.h"
#include "ocilite/plsql/parser.h"

namespace ocilite::plsql {
namespace {

std::unique_ptr<ParsedUnit> parse(std::string_view source, bool triggerBody) {
    auto unit = std::make_unique<ParsedUnit>();
    unit->source = source;
    std::vector<Token> raw = tokenize(source);
    std::vector<Token> tokens = preprocess(source, raw, unit->diags);
    Parser parser(source, std::move(tokens), unit->arena, unit->diags);
    unit->root = triggerBody ? parser.parseTriggerBlock() : parser.parseUnit();
    unit->syntaxError = parser.syntaxError();
    unit->tokens = parser.takeTokens();
    return unit;
}

} // namespace

std::unique_ptr<ParsedUnit> parseUnit(std::string_view source) {
    return parse(source, false);
}

std::unique_ptr<ParsedUnit> parseTriggerBody(std::string_view source) {
    return parse(source, true);
}

std::string nodeName(const ParsedUnit &unit, const Node *n) {
    return identName(unit.source, unit.tokens[n->tok]);
}

} // namespace ocilite::plsql
