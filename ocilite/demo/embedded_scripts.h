// The demo schema's SQL scripts, compiled into the library from ocilite/demo/sql so the
// default database can be created without any file beside the program.
#pragma once

#include <cstddef>
#include <span>

namespace ocilite {

struct EmbeddedScript {
    const char *name; // file name inside ocilite/demo/sql, e.g. "demo.sql"
    const char *text;
    std::size_t size;
};

std::span<const EmbeddedScript> demoScripts();

} // namespace ocilite
