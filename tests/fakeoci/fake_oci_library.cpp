// One scripted client library variant: the twenty version-7 exports, generated from the list
// in oci/ociv7.h, each forwarding to the shared fakeoci_state. Built several times with
// FAKEOCI_LIBRARY_NAME set to the file name; a variant that lacks entry points leaves them
// out of its export map (FakeOci.cmake).

#include "fakeoci_internal.h"

#ifndef FAKEOCI_LIBRARY_NAME
#error "FAKEOCI_LIBRARY_NAME must name the library file"
#endif

namespace {
constexpr const char *kLib = FAKEOCI_LIBRARY_NAME;

// Loading and unloading are visible to the tests, so they can tell which file was opened.
[[gnu::constructor]] void announceLoad() {
    fakeoci::detail::libraryLoaded(kLib);
}
[[gnu::destructor]] void announceUnload() {
    fakeoci::detail::libraryUnloaded(kLib);
}
} // namespace

extern "C" {

#define FAKEOCI_EXPORT(name, params, args)                                                         \
    OCIV7_API sword name params {                                                                  \
        return fakeoci::detail::name(kLib, FAKEOCI_UNPAREN args);                                  \
    }
OCIV7_ENTRY_POINTS(FAKEOCI_EXPORT)
#undef FAKEOCI_EXPORT

} // extern "C"
