#include "ocilite/plsql/compiler.h"

#include "ocilite/plsql/checker.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"
#include "ocilite/plsql/warnings.h"

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

namespace {

// The bind names and the table's columns a trigger's heading gives its body: ON
// [schema.]table, and REFERENCING NEW AS n OLD AS o PARENT AS p.
TriggerInfo triggerInfo(const std::string &owner, std::string_view heading,
                        const SchemaLookup &schema) {
    TriggerInfo info;
    const std::vector<Token> t = tokenize(heading);
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        const Kw k = t[i].kind == Tok::Word ? Kw(t[i].kw) : Kw::None;
        if (k == Kw::ON && !info.columns) {
            size_t at = i + 1;
            std::string name = identName(heading, t[at]);
            std::string schemaName = owner;
            if (at + 2 < t.size() && tokenText(heading, t[at + 1]) == ".") {
                schemaName = name;
                name = identName(heading, t[at + 2]);
            }
            if (schemaName == owner)
                info.columns = schema.columns(owner, name);
            if (!info.columns)
                info.columns = std::vector<std::string>{}; // unknown: columns not checked
        } else if ((k == Kw::NEW || k == Kw::OLD || k == Kw::PARENT) && i + 2 < t.size() &&
                   t[i + 1].kw == uint16_t(Kw::AS)) {
            info.binds[k == Kw::NEW ? 0 : k == Kw::OLD ? 1 : 2] = identName(heading, t[i + 2]);
        }
    }
    if (info.columns && info.columns->empty())
        info.columns.reset();
    return info;
}

// The parse's errors, then the checks' (when the parse gave a tree).
void checked(ParsedUnit &unit, const std::string &owner, const SchemaLookup &schema,
             CompileResult &result, const TriggerInfo *trigger,
             const WarningSettings *warnings = nullptr) {
    std::vector<Diagnostic> early = unit.diags.take();
    if (unit.root && !unit.syntaxError) {
        Checker checker(unit, owner, schema, result, trigger);
        checker.setWarnings(warnings);
        checker.run();
    }
    early.insert(early.end(), result.errors.begin(), result.errors.end());
    result.errors = std::move(early);
}

} // namespace

CompileResult compileUnit(const std::string &owner, const std::string &type,
                          std::string_view source, const SchemaLookup &schema,
                          std::string_view warnings) {
    CompileResult result;
    std::unique_ptr<ParsedUnit> unit;
    std::optional<TriggerInfo> trigger;
    if (type == "TRIGGER") {
        const size_t at = triggerBlockOffset(source);
        if (at == std::string_view::npos)
            return result; // CALL triggers and headings the compiler does not read
        trigger = triggerInfo(owner, source.substr(0, at), schema);
        unit = parseTriggerBody(source.substr(at));
    } else {
        unit = parseUnit(source);
    }
    const std::optional<WarningSettings> settings =
        warnings.empty() ? std::nullopt : WarningSettings::parse(warnings);
    checked(*unit, owner, schema, result, trigger ? &*trigger : nullptr,
            settings && settings->anyEnabled() ? &*settings : nullptr);
    return result;
}

CompileResult compileAnonymousBlock(const std::string &owner, std::string_view source,
                                    const SchemaLookup &schema) {
    CompileResult result;
    const std::unique_ptr<ParsedUnit> unit = parseTriggerBody(source); // the same grammar
    checked(*unit, owner, schema, result, nullptr);
    return result;
}

} // namespace ocilite::plsql
