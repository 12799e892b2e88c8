// Run-time library loading over the operating system's loader.

#include "platform/dynlib.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace velmora::platform {

#ifdef _WIN32

void suppressLoadErrorDialogs() {
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
}

LibraryHandle loadLibrary(const std::string &fileName) {
    return reinterpret_cast<LibraryHandle>(LoadLibraryA(fileName.c_str()));
}

void *findSymbol(LibraryHandle library, const char *name) {
    if (library == nullptr)
        return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void freeLibrary(LibraryHandle library) {
    if (library != nullptr)
        FreeLibrary(static_cast<HMODULE>(library));
}

#else

// The loader never shows a dialog here.
void suppressLoadErrorDialogs() {}

LibraryHandle loadLibrary(const std::string &fileName) {
    // RTLD_NOW finds unresolved symbols while loading rather than at the first call;
    // RTLD_LOCAL keeps the client's names from resolving anything else in the process.
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void *findSymbol(LibraryHandle library, const char *name) {
    if (library == nullptr)
        return nullptr;
    return dlsym(library, name);
}

void freeLibrary(LibraryHandle library) {
    if (library != nullptr)
        dlclose(library);
}

#endif

} // namespace velmora::platform
