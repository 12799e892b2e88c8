# The entry points for CMake, read from the one list in ociv7.h (OCIV7_ENTRY_POINTS).
#
#   include(${CMAKE_SOURCE_DIR}/oci/OciV7.cmake)
#   ociv7_entry_points(names)                       # olog;oclose;ologof;...
#   ociv7_export_map(${CMAKE_CURRENT_BINARY_DIR}/x.map [OMIT olog ...])
#       a linker version script exporting the entry points (but the omitted ones) and nothing
#       else; link with -Wl,--version-script=<file>.
include_guard(GLOBAL)

set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                          ${CMAKE_CURRENT_LIST_DIR}/ociv7.h)

function(ociv7_entry_points out)
  # The list's lines end in backslashes, which file(STRINGS) would take as escapes.
  file(READ ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ociv7.h header)
  string(REGEX MATCHALL "\n *X\\(o[a-z]+," entries "${header}")
  set(names)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*X\\((o[a-z]+),.*" "\\1" name "${entry}")
    list(APPEND names ${name})
  endforeach()
  list(LENGTH names count)
  if(NOT count EQUAL 20)
    message(FATAL_ERROR "ociv7.h lists ${count} entry points, not twenty")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(ociv7_export_map file)
  cmake_parse_arguments(MAP "" "" "OMIT" ${ARGN})
  ociv7_entry_points(names)
  if(MAP_OMIT)
    list(REMOVE_ITEM names ${MAP_OMIT})
  endif()
  list(JOIN names "; " exported)
  if(exported)
    set(global "  global:\n    ${exported};\n")
  else()
    set(global "")
  endif()
  file(CONFIGURE OUTPUT ${file} CONTENT "{\n${global}  local:\n    *;\n};\n" @ONLY)
endfunction()
