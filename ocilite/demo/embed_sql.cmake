# Writes a C++ source holding the demo's SQL scripts as byte arrays, so the library carries
# the very files a developer can also run with "ocilite run".
# Usage: cmake -DOUTPUT=file.cpp -DBASE_DIR=dir -DFILES=a.sql,b.sql -P embed_sql.cmake
string(REPLACE "," ";" files "${FILES}")
set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS files)
  file(READ "${BASE_DIR}/${name}" bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(APPEND arrays "const unsigned char script${index}[] = {${bytes}0x00};\n")
  string(APPEND entries "    {\"${name}\", reinterpret_cast<const char *>(script${index}), sizeof(script${index}) - 1},\n")
  math(EXPR index "${index} + 1")
endforeach()
set(content "// Generated from ocilite/demo/sql by embed_sql.cmake; do not edit.
#include \"ocilite/demo/embedded_scripts.h\"

namespace ocilite {
namespace {
${arrays}
const EmbeddedScript kScripts[] = {
${entries}};
} // namespace

std::span<const EmbeddedScript> demoScripts() { return kScripts; }

} // namespace ocilite
")
# Rewrite only on change, so an unchanged script set does not rebuild the library.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
