#include "ocilite/admin/lint_scripts.h"

#include "ocilite/engine/database.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace ocilite::lint {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 14> kScriptExtensions = {
    ".sql", ".pks", ".pkb", ".pls", ".plb", ".pkg", ".pck",
    ".spc", ".bdy", ".prc", ".fnc", ".trg", ".tps", ".tpb"};

bool isScript(const fs::path &file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kScriptExtensions.begin(), kScriptExtensions.end(), extension) !=
           kScriptExtensions.end();
}

bool isHidden(const fs::path &entry) {
    const std::string name = entry.filename().string();
    return name.size() > 1 && name.front() == '.';
}

bool collectFolder(const std::string &folder, std::vector<std::string> &scripts,
                   std::string &error) {
    std::error_code ec;
    std::vector<fs::path> found;
    fs::recursive_directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (isHidden(it->path())) {
            if (it->is_directory(ec))
                it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ec) && isScript(it->path()))
            found.push_back(it->path().lexically_relative(folder));
    }
    if (ec) {
        error = "cannot read folder \"" + folder + "\": " + ec.message();
        return false;
    }
    std::sort(found.begin(), found.end());
    for (const fs::path &file : found)
        scripts.push_back((fs::path(folder) / file).lexically_normal().generic_string());
    return true;
}

int characterCount(std::string_view s) {
    int n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

} // namespace

bool collectScripts(const std::vector<std::string> &names, std::vector<std::string> &scripts,
                    std::string &error) {
    for (const std::string &name : names) {
        std::error_code ec;
        if (fs::is_directory(name, ec)) {
            if (!collectFolder(name, scripts, error))
                return false;
        } else if (fs::is_regular_file(name, ec)) {
            scripts.push_back(name);
        } else {
            error = "no such file or folder: \"" + name + "\"";
            return false;
        }
    }
    return true;
}

UnitPlace placeOf(const std::string &file, const ScriptItem &item, int order) {
    UnitHeader header;
    if (!parseUnitHeader(item.text, header))
        return {file, item.line, item.column, order};
    // Oracle stores the unit from its "PACKAGE ..." word on; what stands before it on the
    // CREATE line (and any lines it spans) moves the unit's line 1 in the script.
    const std::string_view before = std::string_view(item.text).substr(0, header.sourceOffset);
    const auto breaks = static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lastBreak = before.rfind('\n');
    const int offset = lastBreak == std::string_view::npos
                           ? item.column + characterCount(before)
                           : characterCount(before.substr(lastBreak + 1));
    return {file, item.line + breaks, offset, order};
}

} // namespace ocilite::lint
