#include "ocilite/demo/embedded_scripts.h"

#include <filesystem>

namespace ocilite {

bool EmbeddedScriptSource::read(const std::string &path, std::string &text, std::string &error) {
    const std::string wanted = std::filesystem::path(path).lexically_normal().generic_string();
    for (const EmbeddedScript &script : demoScripts()) {
        if (wanted == script.name) {
            text.assign(script.text, script.size);
            return true;
        }
    }
    error = "SP2-0310: unable to open file \"" + path + "\"";
    return false;
}

} // namespace ocilite
