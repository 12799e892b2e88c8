#pragma once
// Loading a shared library at run time and finding its exports by name:
// LoadLibraryA/GetProcAddress/FreeLibrary on Windows, dlopen/dlsym/dlclose elsewhere.

#include <string>

namespace velmora::platform {

using LibraryHandle = void *;

// Stops the system from showing a message box when a library file cannot be opened
// (SetErrorMode(SEM_NOOPENFILEERRORBOX) on Windows; nothing to do elsewhere).
void suppressLoadErrorDialogs();

// Loads the library by file name with the system's search order; null on failure.
LibraryHandle loadLibrary(const std::string &fileName);
// The address of an export, or null when the library has no such export.
void *findSymbol(LibraryHandle library, const char *name);
void freeLibrary(LibraryHandle library);

} // namespace velmora::platform
