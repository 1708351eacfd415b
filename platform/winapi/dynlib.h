// Loading a dynamic library and finding its entry points, with the Windows calls'
// names and meaning, over dlopen, dlsym and dlclose.
#pragma once

#include <memory>
#include <string>

using HMODULE = void *;
using FARPROC = void (*)();
using BOOL = int;

// Loads a library and returns its handle, or nullptr (LastLibraryError() says why).
// A bare name (no '/') is looked for in the running program's own directory, then by
// the system's library search, then in the current directory. A name with a '/' in it
// is loaded as given.
HMODULE LoadLibraryA(const char *fileName);

// The address of an exported entry point, or nullptr (LastLibraryError() says why).
FARPROC GetProcAddress(HMODULE module, const char *procName);

// Releases one load of the library; it is unmapped when its last load is released.
BOOL FreeLibrary(HMODULE module);

// Why the last failed LoadLibraryA or GetProcAddress of this thread failed: which file,
// where it was looked for and the system's own words; for an entry point, which entry
// in which file. UTF-8.
std::string LastLibraryError();

// The file a loaded module was mapped from.
std::string ModuleFileName(HMODULE module);

struct FreeLibraryDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
// Owns one load of a library: FreeLibrary runs when it goes out of scope.
using ModuleHandle = std::unique_ptr<void, FreeLibraryDeleter>;
