// The demo schema's SQL scripts, compiled into the library from ocilite/demo/sql so the
// default database can be created without any file beside the program, and the script
// source that lets the runner read them (including their @ / @@ includes).
#pragma once

#include "ocilite/scripts/script_runner.h"

#include <cstddef>
#include <span>

namespace ocilite {

struct EmbeddedScript {
    const char *name; // file name inside ocilite/demo/sql, e.g. "demo.sql"
    const char *text;
    std::size_t size;
};

// Generated at build time by embed_sql.cmake.
std::span<const EmbeddedScript> demoScripts();

// The demo scripts as a ScriptSource: "demo.sql" reads the embedded file of that name.
class EmbeddedScriptSource : public ScriptSource {
public:
    bool read(const std::string &path, std::string &text, std::string &error) override;
};

} // namespace ocilite
