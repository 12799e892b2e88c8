#pragma once
// Private to the scripted client library: the behaviour of each entry point lives in
// fakeoci_state, and the thin exported functions of every variant forward to these, naming
// the variant's file so the test can tell which library served a call. Declared from the one
// list in oci/ociv7.h: each has the entry point's parameters after the library's name.

#include "oci/ociv7.h"

#define FAKEOCI_UNPAREN(...) __VA_ARGS__

namespace fakeoci::detail {

void libraryLoaded(const char *library);
void libraryUnloaded(const char *library);

#define FAKEOCI_DECLARE(name, params, args) sword name(const char *lib, FAKEOCI_UNPAREN params);
OCIV7_ENTRY_POINTS(FAKEOCI_DECLARE)
#undef FAKEOCI_DECLARE

} // namespace fakeoci::detail
