#include "ocilite/plsql/compiler.h"

#include "ocilite/plsql/checker.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

size_t triggerBlockOffset(std::string_view source) {
    const std::vector<Token> tokens = tokenize(source);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens[i];
        if (t.kind != Tok::Word)
            continue;
        const Kw k = Kw(t.kw);
        if (k == Kw::DECLARE || k == Kw::BEGIN ||
            (k == Kw::COMPOUND && i + 1 < tokens.size() &&
             tokens[i + 1].kw == uint16_t(Kw::TRIGGER)))
            return t.offset;
    }
    return std::string_view::npos;
}

CompileResult compileUnit(const std::string &owner, const std::string &type,
                          std::string_view source, const SchemaLookup &schema) {
    CompileResult result;
    std::unique_ptr<ParsedUnit> unit;
    if (type == "TRIGGER") {
        const size_t at = triggerBlockOffset(source);
        if (at == std::string_view::npos)
            return result; // CALL triggers and headings the compiler does not read
        unit = parseTriggerBody(source.substr(at));
    } else {
        unit = parseUnit(source);
    }
    std::vector<Diagnostic> early = unit->diags.take();
    if (unit->root && !unit->syntaxError) {
        Checker checker(*unit, owner, schema, result);
        checker.run();
    }
    early.insert(early.end(), result.errors.begin(), result.errors.end());
    result.errors = std::move(early);
    return result;
}

} // namespace ocilite::plsql
