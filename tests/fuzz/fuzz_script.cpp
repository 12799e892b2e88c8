// Fuzzes the reading of SQL*Plus scripts: the splitter never fails (trouble is an Invalid
// item), every item lies within the script, unit headers read from any statement, and
// substitution of any line with any settings ends.
//
// Input: a settings byte, then the script.
#include "fuzz_input.h"

#include "ocilite/scripts/script_splitter.h"
#include "ocilite/scripts/substitution.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what) {
    std::fprintf(stderr, "fuzz_script: %s\n", what);
    std::abort();
}

void substituteLines(std::string_view script, uint8_t flags) {
    ocilite::SubstitutionSettings settings;
    settings.enabled = flags & 1;
    settings.prefix = (flags & 2) ? '&' : '^';
    settings.concatEnabled = flags & 4;
    settings.escape = (flags & 8) ? '\\' : 0;
    ocilite::SubstitutionVariables variables;
    variables.define("1", "one");
    variables.define("X", "&X");
    int asked = 0;
    for (size_t start = 0; start <= script.size();) {
        const size_t end = std::min(script.find('\n', start), script.size());
        const auto r = ocilite::substitute(script.substr(start, end - start), variables, settings,
                                           [&](const std::string &) -> std::optional<std::string> {
                                               return ++asked % 3 ? std::optional<std::string>("v")
                                                                  : std::nullopt;
                                           });
        if (r.complete && !r.changed && r.text != script.substr(start, end - start))
            fail("an unchanged line came back different");
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Input in(data, size);
    const uint8_t flags = in.byte();
    const std::string_view script = in.rest();
    const auto items = ocilite::splitScript(script);
    const int lines = static_cast<int>(std::count(script.begin(), script.end(), '\n')) + 1;
    for (const ocilite::ScriptItem &item : items) {
        if (item.line < 1 || item.line > lines)
            fail("an item outside the script");
        // An item is some of the script's text, its lines joined anew (or a RUN of the
        // buffer, itself such an item); an Invalid item's text says why instead.
        if (item.kind != ocilite::ScriptItemKind::Invalid &&
            item.text.size() > 2 * script.size() + 2)
            fail("an item larger than the script");
        ocilite::UnitHeader header;
        if (ocilite::parseUnitHeader(item.text, header) && header.sourceOffset > item.text.size())
            fail("a unit's source starting past its statement");
    }
    substituteLines(script, flags);
    return 0;
}
