// CREATE [OR REPLACE] PACKAGE [BODY] / PROCEDURE / FUNCTION / TYPE [BODY] / TRIGGER: the
// unit's source kept as Oracle keeps it, from the type keyword on, each line with its LF; a
// type's specification and a trigger's header read for the dictionary.
#include "ocilite/dialect/ddl/ddl.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

#include <cctype>

namespace ocilite {
namespace {

bool isBlankOrNul(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '\0';
}

// The unit's text as Oracle stores it: from its type keyword on, without the trailing blanks
// and without a final line holding only '/'.
std::string storedText(const std::string &sql, size_t from) {
    std::string text = sql.substr(from);
    while (!text.empty() && isBlankOrNul(text.back()))
        text.pop_back();
    if (text.size() > 1 && text.back() == '/') {
        const size_t before = text.find_last_not_of(" \t\r", text.size() - 2);
        if (before != std::string::npos && text[before] == '\n') {
            text.pop_back();
            while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
                text.pop_back();
        }
    }
    return text;
}

// Each line with its LF, the last one given one.
std::vector<std::string> sourceLines(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t eol = text.find('\n', start);
        if (eol == std::string::npos) {
            lines.push_back(text.substr(start) + "\n");
            break;
        }
        lines.push_back(text.substr(start, eol - start + 1));
        start = eol + 1;
    }
    return lines;
}

} // namespace

// Oracle's command codes of CREATE / DROP TYPE, TYPE BODY and TRIGGER.
constexpr UnitKind kPackageBody{"PACKAGE BODY", OCIV7_FT_CREATE_PACKAGE_BODY,
                                OCIV7_FT_DROP_PACKAGE_BODY};
constexpr UnitKind kTypeBody{"TYPE BODY", 81, 83};
constexpr UnitKind kUnits[] = {
    {"PACKAGE", OCIV7_FT_CREATE_PACKAGE, OCIV7_FT_DROP_PACKAGE},
    {"PROCEDURE", OCIV7_FT_CREATE_PROCEDURE, OCIV7_FT_DROP_PROCEDURE},
    {"FUNCTION", OCIV7_FT_CREATE_FUNCTION, OCIV7_FT_DROP_FUNCTION},
    {"TYPE", 77, 78},
    {"TRIGGER", 59, 63},
};

const UnitKind *unitKind(const Tokens &t, size_t &i) {
    if (t[i].isWord("PACKAGE") && i + 1 < t.size() && t[i + 1].isWord("BODY")) {
        i += 2;
        return &kPackageBody;
    }
    if (t[i].isWord("TYPE") && i + 1 < t.size() && t[i + 1].isWord("BODY")) {
        i += 2;
        return &kTypeBody;
    }
    for (const UnitKind &kind : kUnits)
        if (t[i].isWord(kind.type)) {
            ++i;
            return &kind;
        }
    return nullptr;
}

Translation translateCreateUnit(const std::string &sql, const Tokens &head, size_t typeAt,
                                const std::string &schema, bool orReplace) {
    size_t nameAt = typeAt;
    const UnitKind *kind = unitKind(head, nameAt);
    Translation tr;
    tr.orReplace = orReplace;
    tr.kind = StatementKind::CreateUnit;
    tr.functionType = kind->createCode;
    tr.objectType = kind->type;
    tr.objectName = ownObjectName(head, nameAt, schema, kOraInvalidSql);
    tr.sourceLines = sourceLines(storedText(sql, head[typeAt].offset));
    // A specification or header the dictionary cannot read is still stored: its errors are
    // the compiler's to report.
    try {
        if (tr.objectType == "TYPE")
            tr.typeSpec = std::make_shared<const ddl::TypeSpec>(
                ddl::typeSpecification(sql, head[typeAt].offset, schema));
        else if (tr.objectType == "TRIGGER")
            tr.trigger = std::make_shared<const ddl::TriggerHeader>(
                ddl::triggerHeader(sql, head[typeAt].offset, schema));
    } catch (const OraError &) {
        if (tr.objectType == "TYPE") {
            ddl::TypeSpec spec;
            spec.name = {schema, tr.objectName, "", false};
            tr.typeSpec = std::make_shared<const ddl::TypeSpec>(spec);
        }
    }
    return tr;
}

} // namespace ocilite
