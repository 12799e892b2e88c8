# Helpers for tests that run against the scripted client library.
#
#   include(${CMAKE_SOURCE_DIR}/tests/fakeoci/FakeOci.cmake)
#   add_executable(my_tests ...)
#   target_link_libraries(my_tests PRIVATE fakeoci_state GTest::gtest ...)
#   fakeoci_add_test(NAME cursor.describe_failure EXE my_tests VARIANT full
#                    FILTER "Describe.*")
#
# Each ctest entry runs the executable with a gtest filter and with LD_LIBRARY_PATH pointing
# at one variant folder, build/fakeoci/<variant>/, so the session's dlopen("libOCI.so") and
# dlopen("libOCIW32.so") find that variant's files (glibc reads LD_LIBRARY_PATH only at
# start, hence one ctest entry per variant). Variants (see tests/fakeoci/CMakeLists.txt):
#   full                 libOCI.so with all twenty exports
#   second-only          libOCIW32.so only
#   both                 libOCI.so and libOCIW32.so (fakeoci::loadedLibraries() tells which)
#   none                 no library at all
#   missing-ologof-ogetpi  libOCI.so lacking those two exports
#   missing-<entry>      libOCI.so lacking that one export, for each of the twenty
# The executable must not carry a run path to build/lib (where the embedded libOCIW32.so
# lives): link no shared library from there.
include_guard(GLOBAL)

set(FAKEOCI_ROOT_DIR ${CMAKE_BINARY_DIR}/fakeoci CACHE INTERNAL "")

function(fakeoci_add_test)
  cmake_parse_arguments(FT "" "NAME;EXE;VARIANT;FILTER" "ENVIRONMENT" ${ARGN})
  if(NOT FT_NAME OR NOT FT_EXE OR NOT FT_VARIANT)
    message(FATAL_ERROR "fakeoci_add_test needs NAME, EXE and VARIANT")
  endif()
  if(NOT FT_FILTER)
    set(FT_FILTER "*")
  endif()
  set(dir ${FAKEOCI_ROOT_DIR}/${FT_VARIANT})
  file(MAKE_DIRECTORY ${dir})
  add_test(NAME ${FT_NAME} COMMAND ${FT_EXE} --gtest_filter=${FT_FILTER})
  set_tests_properties(${FT_NAME} PROPERTIES
    ENVIRONMENT "LD_LIBRARY_PATH=${dir};QT_QPA_PLATFORM=offscreen;${FT_ENVIRONMENT}")
  add_dependencies(${FT_EXE} fakeoci_variants)
endfunction()
