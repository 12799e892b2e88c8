// ALTER PACKAGE / PROCEDURE / FUNCTION / TYPE / TRIGGER [schema.]name COMPILE [DEBUG]
// [PACKAGE | SPECIFICATION | BODY] [REUSE SETTINGS]: which stored units to compile again.
#include "ocilite/dialect/tokenizer.h"
#include "ocilite/dialect/translation.h"
#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

struct AlterKind {
    const char *word;
    const char *type;
    int functionType;
};

constexpr AlterKind kKinds[] = {{"PACKAGE", "PACKAGE", 95},
                                {"PROCEDURE", "PROCEDURE", 25},
                                {"FUNCTION", "FUNCTION", 92},
                                {"TYPE", "TYPE", 80},
                                {"TRIGGER", "TRIGGER", 60}};

// The units COMPILE [PACKAGE | SPECIFICATION | BODY] names for a package or a type.
std::vector<std::string> compiledParts(const std::string &type, const std::string &option) {
    const std::string body = type + " BODY";
    if (type != "PACKAGE" && type != "TYPE")
        return {type};
    if (option == "BODY")
        return {body};
    if (option == "SPECIFICATION")
        return {type};
    return {type, body};
}

} // namespace

Translation alterCompile(const std::vector<Token> &t, const std::string &schema) {
    Translation tr;
    size_t i = 1;
    const AlterKind *kind = nullptr;
    for (const AlterKind &k : kKinds)
        if (i < t.size() && t[i].isWord(k.word))
            kind = &k;
    if (!kind)
        throw OraError(kOraUnimplemented, "this ALTER statement");
    ++i;
    if (i >= t.size() ||
        (t[i].kind != TokenKind::Identifier && t[i].kind != TokenKind::QuotedIdentifier))
        throw OraError(kOraInvalidSql);
    tr.objectName = t[i++].text;
    if (i + 1 < t.size() && t[i].isOp(".")) {
        if (tr.objectName != schema)
            throw OraError(1031 /* insufficient privileges */);
        tr.objectName = t[i + 1].text;
        i += 2;
    }
    if (i >= t.size() || !t[i].isWord("COMPILE"))
        throw OraError(kOraUnimplemented, "this ALTER statement");
    ++i;
    if (i < t.size() && t[i].isWord("DEBUG"))
        ++i;
    std::string option;
    if (i < t.size() &&
        (t[i].isWord("BODY") || t[i].isWord("SPECIFICATION") || t[i].isWord("PACKAGE")))
        option = t[i++].text;
    if (i + 1 < t.size() && t[i].isWord("REUSE") && t[i + 1].isWord("SETTINGS"))
        i += 2;
    if (i < t.size())
        throw OraError(kOraNotProperlyEnded);
    tr.kind = StatementKind::AlterCompile;
    tr.objectType = kind->type;
    tr.functionType = option == "BODY" ? (kind->functionType == 95 ? 98 : 82) : kind->functionType;
    tr.compileTypes = compiledParts(kind->type, option);
    return tr;
}

} // namespace ocilite
