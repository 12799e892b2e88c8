// Fuzzes the PL/SQL compiler's front end and its checks: any text as a stored unit (or a
// trigger's block) is parsed into a tree or a syntax error, and compiled against a schema that
// knows a table and a package, with every diagnostic at a place inside the source.
//
// Input: a mode byte, then the unit's source.
#include "fuzz_input.h"

#include "ocilite/plsql/compiler.h"
#include "ocilite/plsql/syntax.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace ocilite::plsql;

class Schema : public SchemaLookup {
public:
    std::optional<SchemaObject> object(const std::string &owner,
                                       const std::string &name) const override {
        if (owner == "SCOTT" && (name == "EMP" || name == "PK"))
            return SchemaObject{"SCOTT", name, name == "EMP" ? "TABLE" : "PACKAGE", false};
        return std::nullopt;
    }
    std::optional<std::string> source(const std::string &, const std::string &name,
                                      const std::string &type) const override {
        if (name == "PK" && type == "PACKAGE")
            return std::string("PACKAGE pk AS\n  FUNCTION f(x NUMBER) RETURN NUMBER;\n"
                               "  c CONSTANT NUMBER := 1;\nEND pk;");
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> columns(const std::string &,
                                                    const std::string &name) const override {
        if (name == "EMP")
            return std::vector<std::string>{"EMPNO", "ENAME", "SAL"};
        return std::nullopt;
    }
    bool userExists(const std::string &name) const override { return name == "SCOTT"; }
};

const char *const kTypes[] = {"PACKAGE", "PACKAGE BODY", "PROCEDURE", "FUNCTION",
                              "TYPE",    "TYPE BODY",    "TRIGGER"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Input in(data, size);
    const uint8_t mode = in.byte();
    const std::string source(in.rest());
    if (mode & 0x80) {
        (mode & 1) ? parseTriggerBody(source) : parseUnit(source);
        return 0;
    }
    const CompileResult result =
        compileUnit("SCOTT", kTypes[mode % std::size(kTypes)], source, Schema());
    const int lines = static_cast<int>(std::count(source.begin(), source.end(), '\n')) + 2;
    for (const Diagnostic &d : result.errors)
        if (d.line < 0 || d.line > lines) {
            std::fprintf(stderr, "fuzz_plsql: a diagnostic at line %d of %d\n", d.line, lines);
            std::abort();
        }
    return 0;
}
