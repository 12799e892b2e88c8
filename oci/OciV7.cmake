# The calls for CMake, read from the lists in ociv7.h: the twenty entry points the program binds
# (OCIV7_ENTRY_POINTS) and the interface's other calls (OCIV7_MORE_CALLS, OCIV7_PROCESS_CALLS
# and the two precompiler links).
#
#   include(${CMAKE_SOURCE_DIR}/oci/OciV7.cmake)
#   ociv7_entry_points(names)                       # olog;oclose;ologof;...
#   ociv7_library_calls(names)                      # every call of the interface
#   ociv7_export_map(${CMAKE_CURRENT_BINARY_DIR}/x.map [ALL] [OMIT olog ...])
#       a linker version script exporting the entry points (with ALL, every call of the
#       interface) but the omitted ones, and nothing else; link with
#       -Wl,--version-script=<file>.
include_guard(GLOBAL)

set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                          ${CMAKE_CURRENT_LIST_DIR}/ociv7.h)

# The names in one X-list of the header: the lines from "#define <list>(X)" to the first line
# that does not end in a backslash.
function(_ociv7_list_names list out)
  # The list's lines end in backslashes, which file(STRINGS) would take as escapes.
  file(READ ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ociv7.h header)
  string(FIND "${header}" "#define ${list}(X)" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "ociv7.h has no list ${list}")
  endif()
  string(SUBSTRING "${header}" ${start} -1 rest)
  string(REGEX MATCH "#define ${list}\\(X\\)([^\n]*\\\\\n)*[^\n]*\n" body "${rest}")
  string(REGEX MATCHALL "\n *X\\(o[a-z0-9]+," entries "${body}")
  set(names)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*X\\((o[a-z0-9]+),.*" "\\1" name "${entry}")
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(ociv7_entry_points out)
  _ociv7_list_names(OCIV7_ENTRY_POINTS names)
  list(LENGTH names count)
  if(NOT count EQUAL 20)
    message(FATAL_ERROR "ociv7.h lists ${count} entry points, not twenty")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(ociv7_library_calls out)
  ociv7_entry_points(names)
  _ociv7_list_names(OCIV7_MORE_CALLS more)
  _ociv7_list_names(OCIV7_PROCESS_CALLS process)
  set(${out} ${names} ${more} ${process} sqllda sqlld2 PARENT_SCOPE)
endfunction()

function(ociv7_export_map file)
  cmake_parse_arguments(MAP "ALL" "" "OMIT" ${ARGN})
  if(MAP_ALL)
    ociv7_library_calls(names)
  else()
    ociv7_entry_points(names)
  endif()
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
